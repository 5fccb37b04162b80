#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class Database;
class QPainter;
class QPagedPaintDevice;

// One weigh ticket, built from the layout of the weighing's kind: texts with their fonts and the
// weighing's values filled in, rectangles, pictures and webcam photos, in band units of 1/96 inch
// measured from the printable area's top-left corner.
struct TicketPage
{
    struct Text
    {
        QPointF pos;
        QString text;
        QString family;
        int pointSize = 10;
        bool bold = false, italic = false, underline = false, strikeOut = false;
        QColor color;
    };
    struct Rect
    {
        QRectF rect;
    };
    struct Picture
    {
        QRectF box;
        QImage image; // null: an empty box (a photo that was not taken)
        bool stretch = false;
    };

    QString weighNumber;
    QString kind;
    QList<Text> texts;       // in row order: a later text lies above an earlier one
    QList<Rect> rects;       // in row order: a later rectangle lies below an earlier one
    QList<Picture> pictures; // in row order: a later picture lies below an earlier one
};

namespace TicketRenderer {

// A4 portrait with 10 mm margins; the band fills the printable area.
constexpr double BandWidth = 718;
constexpr double BandHeight = 1049;
constexpr double MarginMm = 10;

// Reads the weighing of that weigh number, its layout and the field list. Photos come from photoDir.
// Throws DatabaseError or TicketError (bad colour, unreadable picture, unknown column).
TicketPage build(Database& db, const QString& weighNumber, const QString& photoDir);

// Draws the page on painter, whose device is a whole A4 sheet: pictures at the bottom, rectangles
// above them, texts on top.
void paint(QPainter& painter, const TicketPage& page);
// The sheet as an image at dpi dots per inch.
QImage toImage(const TicketPage& page, int dpi = 96);
// The sheet as a PDF file. Throws TicketError when the file cannot be written.
void toPdf(const TicketPage& page, const QString& path);
// On a printer or PDF writer set up for A4 portrait.
void paintOn(QPagedPaintDevice& device, const TicketPage& page);

} // namespace TicketRenderer
