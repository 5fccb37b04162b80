#pragma once

#include <QByteArray>
#include <QString>

// The scale's reply lines: cut received bytes into lines, tell the two kinds of reply apart and take
// weight and alibi number from their fixed columns.
namespace ReplyParser {

// "PID" anywhere: the reply to a weighing request.
bool isTriggered(const QByteArray& line);
// "ST,GS" or "US,GS" anywhere: a live reading.
bool isLive(const QByteArray& line);

struct TriggeredReply
{
    QString alibi;
    QString weight;
};

// Alibi number from positions 37-48, weight from 9-18, both trimmed of blanks and control characters,
// the weight's points turned into commas.
TriggeredReply parseTriggered(const QString& line);
// Weight from positions 7-14, trimmed, points turned into commas.
QString parseLive(const QString& line);

// Removes leading and trailing characters whose code is 32 or less.
QString trimControl(const QString& text);

} // namespace ReplyParser

// Collects received bytes into the receive buffer. The buffer is not emptied when a line is complete:
// the read cycle empties it whenever it sends a request or the request text changes.
class LineAssembler
{
public:
    // Appends one byte; true when it was a line feed, so the buffer holds a complete line.
    bool append(char c);
    const QByteArray& buffer() const { return m_buffer; }
    void clear() { m_buffer.clear(); }

    // A device that never sends a line feed must not grow the buffer without bound.
    static constexpr qsizetype MaxSize = 4096;

private:
    QByteArray m_buffer;
};
