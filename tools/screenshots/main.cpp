// Renders the station's windows into PNG files so they can be looked at without a display:
//   pondashots <output folder> [station folder]
#include "ItemWindows.h"
#include "Prompt.h"
#include "Tfirmaanlegen.h"
#include "TForm1.h"

#include <QApplication>
#include <QDialog>
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
        // Every dialog of the station, shown without its own event loop.
        const char* dialogs[][2] = {
            {"Firmenauswahlmaske", "firmenauswahl"},     {"firmaanlegen", "firmaanlegen"},
            {"Fahrzeugauswahlmaske", "fahrzeugauswahl"}, {"fahrzeuganlegen", "fahrzeuganlegen"},
            {"fahrzeuganpassen", "fahrzeuganpassen"},    {"produktauswahlmaske", "produktauswahl"},
            {"produktanlegen", "produktanlegen"},        {"produktanpassen", "produktanpassen"}};
        for (auto& d : dialogs) {
            QDialog* dialog = form.findChild<QDialog*>(QString::fromLatin1(d[0]));
            if (!dialog)
                continue;
            if (auto* editor = qobject_cast<Tfirmaanlegen*>(dialog))
                editor->setArt(QStringLiteral("2"));
            if (auto* v = qobject_cast<Tfahrzeuganpassen*>(dialog))
                v->setId(QStringLiteral("2"));
            if (auto* p = qobject_cast<Tproduktanpassen*>(dialog))
                p->setId(QStringLiteral("2"));
            dialog->show();
            QApplication::processEvents();
            dialog->grab().save(QDir(out).filePath(QString::fromLatin1(d[1]) + QStringLiteral(".png")));
            dialog->hide();
        }
        // The selection after a take-over and a quick entry, with an entry panel open.
        form.selection().setCompany(2, QStringLiteral("Kieswerk Huber GmbH"), QStringLiteral("Hauptstraße 12"),
                                    QStringLiteral("4020"), QStringLiteral("Linz"), true);
        form.selection().quickEntry(form.database(), Selection::Group::Product, QStringLiteral("Mutterboden"));
        form.findChild<QWidget*>(QStringLiteral("Image3"))
            ->metaObject()
            ->invokeMethod(form.findChild<QWidget*>(QStringLiteral("Image3")), "click");
        grab("videoansicht_erlauben", "station-auswahl.png");
        app.quit();
    });
    return app.exec();
}
