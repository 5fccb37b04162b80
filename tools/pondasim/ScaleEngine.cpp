#include "ScaleEngine.h"

namespace {
QByteArray field(const QByteArray& text, int width)
{
    return text.size() >= width ? text : QByteArray(width - text.size(), ' ') + text;
}

QByteArray number(double kg)
{
    return QByteArray::number(kg, 'f', kg == qRound64(kg) ? 0 : 1);
}
} // namespace

QString ScaleEngine::alibiText(qint64 alibi)
{
    return QStringLiteral("%1-%2")
        .arg(alibi / 1000000, 5, 10, QLatin1Char('0'))
        .arg(alibi % 1000000, 6, 10, QLatin1Char('0'));
}

QByteArray ScaleEngine::liveReply(const QString& status, double kg)
{
    return status.toLatin1() + ",GS," + field(number(kg), 8) + ",kg\r\n";
}

QByteArray ScaleEngine::triggeredReply(double kg, qint64 alibi)
{
    const QByteArray w = number(kg);
    return "PIDST,1," + field(w, 10) + "Kg," + field(w, 12) + "Kg," + alibiText(alibi).toLatin1() + " \r\n";
}

QByteArray ScaleEngine::receive(const QByteArray& bytes)
{
    m_pending += bytes;
    QByteArray out;
    qsizetype nl;
    while ((nl = m_pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_pending.left(nl).trimmed();
        m_pending.remove(0, nl + 1);
        out += answer(line);
    }
    if (m_pending.size() > 1024)
        m_pending.clear();
    return out;
}

QByteArray ScaleEngine::answer(const QByteArray& command)
{
    if (command == "READ") {
        if (!m_moving)
            return liveReply(QStringLiteral("ST"), m_weight);
        // A moving load swings around the set weight.
        const double swing = ((++m_tick % 7) - 3) * 20.0;
        return liveReply(QStringLiteral("US"), qMax(0.0, m_weight + swing));
    }
    if (command == "PID")
        return triggeredReply(m_weight, ++m_alibi);
    if (command == "Z") {
        m_weight = 0;
        return "Z OK\r\n";
    }
    return "ERR\r\n";
}
