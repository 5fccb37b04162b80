#include "TicketRenderer.h"

#include "ColorText.h"
#include "Database.h"
#include "DatabaseError.h"
#include "LayoutTables.h"
#include "Query.h"
#include "TicketError.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace TicketRenderer {

namespace {

constexpr double MmPerInch = 25.4;

QRectF bandRect()
{
    return QRectF(0, 0, BandWidth, BandHeight);
}

QFont fontFor(const TicketPage::Text& t, const QPaintDevice* device)
{
    QFont f(t.family);
    // The painter works in units of 1/96 inch, the device converts points at its own resolution.
    f.setPointSizeF(t.pointSize * 96.0 / device->logicalDpiY());
    f.setBold(t.bold);
    f.setItalic(t.italic);
    f.setUnderline(t.underline);
    f.setStrikeOut(t.strikeOut);
    return f;
}

} // namespace

TicketPage build(Database& db, const QString& weighNumber, const QString& photoDir)
{
    TicketPage page;
    page.weighNumber = weighNumber.trimmed();
    bool ok = false;
    const qint64 number = page.weighNumber.toLongLong(&ok);
    Query weighing(db);
    weighing.setSql(QStringLiteral("Select * from wiegung_gesamt where wiegenummer=?"), {number});
    if (!ok)
        throw DatabaseError(QStringLiteral("\"%1\" ist keine Wiegenummer.").arg(weighNumber),
                            QStringLiteral("Select * from wiegung_gesamt where wiegenummer=") + weighNumber);
    weighing.open();
    page.kind = weighing.field(QStringLiteral("wiegeart")).asText();
    const LayoutTables::Layout layout = LayoutTables::load(db, page.kind);
    const QPointF origin(layout.xbeginn, layout.ybeginn);

    for (const LayoutTables::Text& row : layout.texts) {
        TicketPage::Text t;
        t.pos = QPointF(row.x, row.y) - origin;
        t.family = row.schriftart;
        t.pointSize = row.schriftgroesse;
        t.color = ColorText::parse(row.farbe);
        const FontStyle style = FontStyle::parse(row.schriftschnitt);
        t.bold = style.bold;
        t.italic = style.italic;
        t.underline = style.underline;
        t.strikeOut = style.strikeOut;
        if (row.isFreeText()) {
            t.text = row.anzeigetext;
        } else if (const auto source = LayoutTables::fieldSource(db, row.anzeigetext);
                   source && source->tabelle == QLatin1String("wiegung_gesamt")) {
            if (!weighing.hasField(source->spalte))
                throw TicketError(
                    QStringLiteral("Das Feld \"%1\" gibt es in wiegung_gesamt nicht.").arg(source->spalte));
            t.text = weighing.field(source->spalte).asText();
        }
        page.texts << t;
    }
    for (const LayoutTables::Shape& row : layout.shapes)
        page.rects << TicketPage::Rect{QRectF(QPointF(row.x, row.y) - origin, QSizeF(row.shapebreite, row.shapehoehe))};
    for (const LayoutTables::Picture& row : layout.pictures) {
        TicketPage::Picture p;
        p.box = QRectF(QPointF(row.x, row.y) - origin, QSizeF(row.breite, row.hoehe));
        p.stretch = row.stretch;
        if (row.isFile()) {
            p.image = QImage(row.datei);
            if (p.image.isNull())
                throw TicketError(QStringLiteral("Das Bild \"%1\" kann nicht gelesen werden.").arg(row.datei));
        } else if (row.webcamnummer) {
            const QString file =
                QDir(photoDir).filePath(QStringLiteral("%1_%2.bmp").arg(page.weighNumber).arg(*row.webcamnummer));
            if (QFileInfo::exists(file))
                p.image = QImage(file); // a photo that cannot be read stays an empty box
        }
        page.pictures << p;
    }
    return page;
}

void paint(QPainter& painter, const TicketPage& page)
{
    QPaintDevice* device = painter.device();
    const double unit = device->logicalDpiX() / 96.0; // device pixels per band unit
    const double margin = MarginMm / MmPerInch * device->logicalDpiX();
    painter.save();
    painter.translate(margin, MarginMm / MmPerInch * device->logicalDpiY());
    painter.scale(unit, device->logicalDpiY() / 96.0);
    painter.setClipRect(bandRect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    for (auto it = page.pictures.crbegin(); it != page.pictures.crend(); ++it) {
        if (it->image.isNull())
            continue;
        painter.save();
        painter.setClipRect(it->box, Qt::IntersectClip);
        if (it->stretch)
            painter.drawImage(it->box, it->image);
        else
            painter.drawImage(it->box.topLeft(), it->image); // own size, cut at the box
        painter.restore();
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (auto it = page.rects.crbegin(); it != page.rects.crend(); ++it)
        painter.drawRect(it->rect.adjusted(0.5, 0.5, -0.5, -0.5));

    for (const TicketPage::Text& t : page.texts) {
        painter.setFont(fontFor(t, device));
        const QRectF box = painter.boundingRect(QRectF(t.pos, QSizeF(BandWidth * 4, BandHeight)),
                                                Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, t.text);
        painter.fillRect(box, Qt::white);
        painter.setPen(t.color);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, t.text);
    }
    painter.restore();
}

QImage toImage(const TicketPage& page, int dpi)
{
    const double dpm = dpi / MmPerInch * 1000.0;
    QImage img(qRound(210.0 / MmPerInch * dpi), qRound(297.0 / MmPerInch * dpi), QImage::Format_RGB32);
    img.setDotsPerMeterX(qRound(dpm));
    img.setDotsPerMeterY(qRound(dpm));
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    paint(p, page);
    return img;
}

void paintOn(QPagedPaintDevice& device, const TicketPage& page)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter p;
    if (!p.begin(&device))
        throw TicketError(QStringLiteral("Das Ausgabegerät kann nicht beschrieben werden."));
    paint(p, page);
    p.end();
}

void toPdf(const TicketPage& page, const QString& path)
{
    QPdfWriter pdf(path);
    pdf.setResolution(300);
    pdf.setTitle(QStringLiteral("Wiegeschein %1").arg(page.weighNumber));
    pdf.setCreator(QStringLiteral("Pondamir"));
    try {
        paintOn(pdf, page);
    } catch (const TicketError&) {
        throw TicketError(
            QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(path)));
    }
}

} // namespace TicketRenderer
