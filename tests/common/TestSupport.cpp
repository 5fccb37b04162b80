#include "TestSupport.h"

#include "Database.h"
#include "Query.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

void TempStation::prepare(const QStringList& statements) const
{
    Database db;
    db.open(databasePath(), true);
    Query q(db);
    for (const QString& s : statements)
        q.setSql(s).execute();
}

FakeTcpDevice::FakeTcpDevice(quint16 port)
{
    m_server.listen(QHostAddress::LocalHost, port);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_server.nextPendingConnection()) {
            ++m_connections;
            if (m_client)
                m_client->deleteLater();
            m_client = s;
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                const QByteArray data = s->readAll();
                m_received += data;
                m_pending += data;
                qsizetype nl;
                while ((nl = m_pending.indexOf('\n')) >= 0) {
                    const QByteArray line = m_pending.left(nl + 1);
                    m_pending.remove(0, nl + 1);
                    if (answer) {
                        const QByteArray reply = answer(line);
                        if (!reply.isEmpty())
                            s->write(reply);
                    }
                }
            });
        }
    });
}

QList<QByteArray> FakeTcpDevice::lines() const
{
    QList<QByteArray> out;
    for (const QByteArray& l : m_received.split('\n')) {
        if (!l.isEmpty())
            out << l + '\n';
    }
    return out;
}

void FakeTcpDevice::send(const QByteArray& data)
{
    if (m_client)
        m_client->write(data);
}

void FakeTcpDevice::dropClient()
{
    if (m_client)
        m_client->abort();
}

bool waitFor(const std::function<bool()>& cond, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!cond()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}
