#include "WeighingCommands.h"

#include "Selection.h"

#include <QDesktopServices>
#include <QUrl>

namespace WeighingCommands {

namespace {
const QString NoScale = QStringLiteral(" Keine Waage konfiguriert! ");
}

QString firstReasons(const Selection& s, bool scale)
{
    QString r;
    if (s.value(Selection::FirmaGewaehlt).isEmpty())
        r += QStringLiteral(" Firma nicht gewählt! ");
    if (s.value(Selection::ProduktGewaehlt).isEmpty())
        r += QStringLiteral(" Produkt nicht gewählt! ");
    if (s.value(Selection::FahrzeugGewaehlt).isEmpty())
        r += QStringLiteral(" Fahrzeug nicht gewählt! ");
    if (!scale)
        r += NoScale;
    return r;
}

QString singleReasons(const Selection& s, bool scale)
{
    QString r;
    if (s.value(Selection::FirmaId).isEmpty())
        r += QStringLiteral("Keine Firma gewählt! ");
    if (s.value(Selection::ProduktId).isEmpty())
        r += QStringLiteral("Kein Produkt gewählt! ");
    if (s.value(Selection::FahrzeugId).isEmpty())
        r += QStringLiteral("Kein Fahrzeug gewählt! ");
    if (!scale)
        r += NoScale;
    return r;
}

QString secondReasons(bool scale, bool openFirstWeighing)
{
    QString r;
    if (!scale)
        r += NoScale;
    if (!openFirstWeighing)
        r += QStringLiteral(" Keine Erstwiegung ausgewählt! ");
    return r;
}

} // namespace WeighingCommands

namespace PhotoViewer {

namespace {
void desktopOpen(const QString& file)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}
void (*g_opener)(const QString&) = desktopOpen;
} // namespace

void open(const QString& file)
{
    g_opener(file);
}

void setOpener(void (*opener)(const QString& file))
{
    g_opener = opener ? opener : desktopOpen;
}

} // namespace PhotoViewer
