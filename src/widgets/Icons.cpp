#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace Icons {

namespace {

void drawTruck(QPainter& p, const QColor& c)
{
    p.setBrush(c);
    p.drawRoundedRect(QRectF(6, 22, 32, 18), 2, 2);
    p.drawRoundedRect(QRectF(38, 28, 14, 12), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(42, 30, 7, 5));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(15, 43), 5, 5);
    p.drawEllipse(QPointF(45, 43), 5, 5);
}

void drawArrow(QPainter& p, bool right, const QColor& c)
{
    QPainterPath a;
    if (right) {
        a.moveTo(14, 10);
        a.lineTo(30, 10);
        a.lineTo(30, 4);
        a.lineTo(42, 14);
        a.lineTo(30, 24);
        a.lineTo(30, 18);
        a.lineTo(14, 18);
    } else {
        a.moveTo(42, 10);
        a.lineTo(26, 10);
        a.lineTo(26, 4);
        a.lineTo(14, 14);
        a.lineTo(26, 24);
        a.lineTo(26, 18);
        a.lineTo(42, 18);
    }
    a.closeSubpath();
    p.setBrush(c);
    p.drawPath(a);
}

} // namespace

QIcon icon(Kind kind)
{
    QPixmap pm(56, 56);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    const QColor blue(33, 110, 190), green(46, 150, 70), orange(230, 130, 30), red(200, 45, 45);
    switch (kind) {
    case Kind::Company:
        p.setBrush(blue);
        p.drawRect(QRectF(12, 14, 32, 34));
        p.setBrush(Qt::white);
        for (int r = 0; r < 3; ++r)
            for (int col = 0; col < 3; ++col)
                p.drawRect(QRectF(16 + col * 9, 18 + r * 9, 6, 6));
        break;
    case Kind::Product:
        p.setBrush(orange);
        p.drawRect(QRectF(12, 20, 32, 26));
        p.drawLine(QPointF(12, 20), QPointF(20, 10));
        p.drawLine(QPointF(44, 20), QPointF(36, 10));
        p.drawLine(QPointF(20, 10), QPointF(36, 10));
        break;
    case Kind::Vehicle:
        drawTruck(p, blue);
        break;
    case Kind::Reset:
        p.setPen(QPen(red, 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16), QPointF(40, 40));
        p.drawLine(QPointF(40, 16), QPointF(16, 40));
        break;
    case Kind::FirstWeighing:
        drawTruck(p, green);
        drawArrow(p, true, green);
        break;
    case Kind::SecondWeighing:
        drawTruck(p, orange);
        drawArrow(p, false, orange);
        break;
    case Kind::SingleWeighing:
        drawTruck(p, blue);
        p.setBrush(blue);
        p.drawRect(QRectF(18, 6, 20, 10));
        break;
    case Kind::Zero: {
        p.setBrush(QColor(90, 90, 90));
        p.drawEllipse(QRectF(8, 8, 40, 40));
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(26);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(8, 8, 40, 40), Qt::AlignCenter, QStringLiteral("0"));
        break;
    }
    case Kind::Evaluation:
        p.setBrush(blue);
        p.drawRect(QRectF(10, 30, 9, 18));
        p.setBrush(green);
        p.drawRect(QRectF(23, 18, 9, 30));
        p.setBrush(orange);
        p.drawRect(QRectF(36, 8, 9, 40));
        break;
    case Kind::Delete:
        p.setBrush(red);
        p.drawRect(QRectF(16, 16, 24, 32));
        p.drawRect(QRectF(12, 10, 32, 5));
        break;
    }
    return QIcon(pm);
}

} // namespace Icons
