#pragma once

#include <functional>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

struct Configuration;

// The photos of a weighing: one or two regions of the screen, relative to the main window's outer
// top-left corner, saved as <weigh number>_<camera>.bmp. Cameras 1 and 2 at a first or single
// weighing, 3 and 4 at a second weighing.
namespace PhotoCapture {

struct Shot
{
    QRect screenRect;
    QString file;
};

// What to capture for weigh number n with the window at windowPos.
QList<Shot> plan(const Configuration& config, qint64 number, const QString& kind, const QPoint& windowPos,
                 const QString& photoDir);

// Captures and saves every shot; the folder is created when missing. Returns one message per photo
// that could not be written (the weighing goes on without it).
QStringList take(const QList<Shot>& shots, const QString& photoDir);

// The screen copy; tests put a fake here.
using Grabber = std::function<QImage(const QRect& screenRect)>;
void setGrabber(Grabber grabber);

} // namespace PhotoCapture
