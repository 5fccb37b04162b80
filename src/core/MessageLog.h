#pragma once

#include <QObject>
#include <QString>

// The station's message window as the logic sees it: every part appends its lines here and the
// main window shows them.
class MessageLog : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    void append(const QString& line) { Q_EMIT lineAppended(line); }

Q_SIGNALS:
    void lineAppended(const QString& line);
};
