#pragma once

#include "Icons.h"

#include <QToolButton>

// A picture button of the main window: a large picture, optionally with a caption under it, and the
// action's name as tooltip and accessible name.
class PictureButton : public QToolButton
{
    Q_OBJECT
public:
    PictureButton(const QString& objectName, Icons::Kind kind, const QString& action, bool showCaption, int iconSize,
                  QWidget* parent = nullptr);
};
