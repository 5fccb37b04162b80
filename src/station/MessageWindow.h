#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <QTimer>

// The message window: keeps the latest lines only, and takes them in batches, so that a scale
// logging every reading at full speed does not spend its time laying out text.
class MessageWindow : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MessageWindow(QWidget* parent = nullptr);

    static constexpr int MaxLines = 10000;

    void appendLine(const QString& line);
    // Shows the waiting lines now.
    void flush();

private:
    QStringList m_pending;
    QTimer m_timer;
};
