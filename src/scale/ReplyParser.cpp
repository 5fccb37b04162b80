#include "ReplyParser.h"

namespace ReplyParser {

bool isTriggered(const QByteArray& line)
{
    return line.contains("PID");
}

bool isLive(const QByteArray& line)
{
    return line.contains("ST,GS") || line.contains("US,GS");
}

QString trimControl(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

namespace {
// Up to len characters from the 1-based position pos, fewer when the line is shorter.
QString columns(const QString& line, qsizetype pos, qsizetype len)
{
    if (line.size() < pos)
        return {};
    return line.mid(pos - 1, len);
}

QString weightText(const QString& raw)
{
    QString w = trimControl(raw);
    w.replace(QLatin1Char('.'), QLatin1Char(','));
    return w;
}
} // namespace

TriggeredReply parseTriggered(const QString& line)
{
    TriggeredReply r;
    r.alibi = trimControl(columns(line, 37, 12));
    r.weight = weightText(columns(line, 9, 10));
    return r;
}

QString parseLive(const QString& line)
{
    return weightText(columns(line, 7, 8));
}

} // namespace ReplyParser

bool LineAssembler::append(char c)
{
    if (m_buffer.size() >= MaxSize)
        m_buffer.clear();
    m_buffer.append(c);
    return c == '\n';
}
