#include "MessageWindow.h"

#include <QScrollBar>

MessageWindow::MessageWindow(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setMaximumBlockCount(MaxLines);
    setUndoRedoEnabled(false);
    m_timer.setSingleShot(true);
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &MessageWindow::flush);
}

void MessageWindow::appendLine(const QString& line)
{
    m_pending.append(line);
    // Lines that would scroll out before they are shown are dropped at once.
    if (m_pending.size() > MaxLines)
        m_pending.erase(m_pending.begin(), m_pending.begin() + (m_pending.size() - MaxLines));
    if (!m_timer.isActive())
        m_timer.start();
}

void MessageWindow::flush()
{
    m_timer.stop();
    if (m_pending.isEmpty())
        return;
    const QString text = m_pending.join(QLatin1Char('\n'));
    m_pending.clear();
    appendPlainText(text);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}
