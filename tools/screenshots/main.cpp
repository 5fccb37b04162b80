// Renders the station's windows into PNG files so they can be looked at without a display:
//   pondashots <output folder> [station folder]
#include "Prompt.h"
#include "TForm1.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir temp;
    const QString station = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temp.path();
    QDir().mkpath(out);

    TForm1 form(station);
    form.show();
    auto grab = [&](const char* page, const char* file) {
        if (page)
            form.findChild<QPushButton*>(QString::fromLatin1(page))->click();
        QApplication::processEvents();
        form.grab().save(QDir(out).filePath(QString::fromLatin1(file)));
    };
    QTimer::singleShot(1500, [&] {
        grab(nullptr, "station-video.png");
        grab("konfiguration_erlauben", "station-konfiguration.png");
        grab("administration_erlauben", "station-administration.png");
        app.quit();
    });
    return app.exec();
}
