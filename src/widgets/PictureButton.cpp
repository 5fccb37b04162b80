#include "PictureButton.h"

PictureButton::PictureButton(const QString& objectName, Icons::Kind kind, const QString& action, bool showCaption,
                             int iconSize, QWidget* parent)
    : QToolButton(parent)
{
    setObjectName(objectName);
    setIcon(Icons::icon(kind));
    setIconSize(QSize(iconSize, iconSize));
    setToolTip(action);
    setAccessibleName(action);
    setCursor(Qt::PointingHandCursor);
    setAutoRaise(!showCaption);
    if (showCaption) {
        setText(action);
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        setMinimumHeight(iconSize + 30);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
}
