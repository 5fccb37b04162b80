#include "WeightDisplay.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int FrameMs = 40;
}

WeightDisplay::WeightDisplay(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Gewicht"));
    setFixedSize(sizeHint());
    m_repaint.setSingleShot(true);
    connect(&m_repaint, &QTimer::timeout, this, [this] {
        setAccessibleDescription(m_text + QStringLiteral(" kg"));
        update();
    });
}

void WeightDisplay::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    if (!m_repaint.isActive())
        m_repaint.start(m_sincePaint.isValid() && m_sincePaint.elapsed() < FrameMs ? FrameMs : 0);
}

void WeightDisplay::paintEvent(QPaintEvent*)
{
    m_sincePaint.start();
    QPainter p(this);
    QFont f(QStringLiteral("Liberation Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setBold(true);
    // As large as the height allows, smaller for a long text so that no digit is cut off.
    f.setPixelSize(height() * 3 / 4);
    const int needed = QFontMetrics(f).horizontalAdvance(m_text);
    if (needed > width())
        f.setPixelSize(qMax(8, f.pixelSize() * width() / needed));
    p.setFont(f);
    p.setPen(QColor(0x7C, 0xFC, 0x7C));
    p.drawText(rect(), Qt::AlignRight | Qt::AlignVCenter, m_text);
}
