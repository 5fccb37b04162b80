#include "PhotoCapture.h"

#include "Configuration.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace {

PhotoCapture::Grabber g_grabber;

QImage grabScreen(const QRect& r)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
}

} // namespace

namespace PhotoCapture {

QList<Shot> plan(const Configuration& c, qint64 number, const QString& kind, const QPoint& windowPos,
                 const QString& photoDir)
{
    const bool exit = kind == QLatin1String("Zweitwiegung");
    const QDir dir(photoDir);
    auto file = [&](int camera) { return dir.filePath(QStringLiteral("%1_%2.bmp").arg(number).arg(camera)); };
    QList<Shot> shots;
    shots << Shot{QRect(windowPos + QPoint(c.bild1_x, c.bild1_y), QSize(c.bild1_breite, c.bild1_hoehe)),
                  file(exit ? 3 : 1)};
    if (c.bild2_hoehe != 0)
        shots << Shot{QRect(windowPos + QPoint(c.bild2_x, c.bild2_y), QSize(c.bild2_breite, c.bild2_hoehe)),
                      file(exit ? 4 : 2)};
    return shots;
}

QStringList take(const QList<Shot>& shots, const QString& photoDir)
{
    QStringList problems;
    QDir().mkpath(photoDir);
    for (const Shot& s : shots) {
        const QImage image = g_grabber ? g_grabber(s.screenRect) : grabScreen(s.screenRect);
        if (image.isNull() || !image.save(s.file, "BMP"))
            problems
                << QStringLiteral("Foto %1 konnte nicht gespeichert werden!").arg(QDir::toNativeSeparators(s.file));
    }
    return problems;
}

void setGrabber(Grabber grabber)
{
    g_grabber = std::move(grabber);
}

} // namespace PhotoCapture
