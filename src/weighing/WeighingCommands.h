#pragma once

#include <QString>

class Selection;

// The checks before a weighing is armed. Each returns the reasons why it cannot start, in the order
// of the checks, each with its own blanks; empty when it may start.
namespace WeighingCommands {

QString firstReasons(const Selection& s, bool scale);
QString singleReasons(const Selection& s, bool scale);
QString secondReasons(bool scale, bool openFirstWeighing);

} // namespace WeighingCommands

// Opens a photo in the desktop's default viewer without waiting for it; tests record instead.
namespace PhotoViewer {

void open(const QString& file);
void setOpener(void (*opener)(const QString& file));

} // namespace PhotoViewer
