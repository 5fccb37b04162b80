#pragma once

#include <QByteArray>
#include <QString>

// The simulated scale's protocol: answers "READ" with a live reply, "PID" with a triggered reply
// that carries a rising alibi number, "Z" by zeroing, anything else with "ERR".
class ScaleEngine
{
public:
    void setWeight(double kg) { m_weight = kg; }
    double weight() const { return m_weight; }
    void setMoving(bool moving) { m_moving = moving; }
    bool moving() const { return m_moving; }
    qint64 lastAlibi() const { return m_alibi; }

    // Takes received bytes and returns the answers to every complete line in them.
    QByteArray receive(const QByteArray& bytes);
    QByteArray answer(const QByteArray& command);

    static QByteArray liveReply(const QString& status, double kg);
    static QByteArray triggeredReply(double kg, qint64 alibi);
    static QString alibiText(qint64 alibi);

private:
    QByteArray m_pending;
    double m_weight = 0;
    bool m_moving = false;
    qint64 m_alibi = 0;
    int m_tick = 0;
};
