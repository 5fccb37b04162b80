#include "TestSupport.h"

#include "Database.h"
#include "Query.h"

#include <cstdlib>
#include <fcntl.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QThread>
#include <termios.h>
#include <unistd.h>

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

QList<QByteArray> splitLines(const QByteArray& bytes)
{
    QList<QByteArray> out;
    qsizetype start = 0, nl;
    while ((nl = bytes.indexOf('\n', start)) >= 0) {
        out << bytes.mid(start, nl - start + 1);
        start = nl + 1;
    }
    return out;
}

QList<QByteArray> FakeTcpDevice::lines() const
{
    return splitLines(m_received);
}

PtyDevice::PtyDevice()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        qFatal("no pseudo-terminal");
    m_slave = QString::fromLocal8Bit(ptsname(m_master));
    m_keep = ::open(ptsname(m_master), O_RDWR | O_NOCTTY);
    termios t;
    tcgetattr(m_keep, &t);
    cfmakeraw(&t);
    tcsetattr(m_keep, TCSANOW, &t);
    auto* n = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(n, &QSocketNotifier::activated, this, [this] {
        char buf[4096];
        const ssize_t got = ::read(m_master, buf, sizeof buf);
        if (got <= 0)
            return;
        m_received.append(buf, got);
        m_pending.append(buf, got);
        qsizetype nl;
        while ((nl = m_pending.indexOf('\n')) >= 0) {
            const QByteArray line = m_pending.left(nl + 1);
            m_pending.remove(0, nl + 1);
            if (answer)
                send(answer(line));
        }
    });
}

PtyDevice::~PtyDevice()
{
    ::close(m_keep);
    ::close(m_master);
}

QList<QByteArray> PtyDevice::lines() const
{
    return splitLines(m_received);
}

void PtyDevice::send(const QByteArray& data)
{
    if (!data.isEmpty()) [[maybe_unused]]
        ssize_t w = ::write(m_master, data.constData(), size_t(data.size()));
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
