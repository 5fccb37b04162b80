// The station's scale link against a scale that answers at once over loopback: replies per second
// and the growth of resident memory over many replies, weight logging on.
//   scale_cycle [replies]   (default 1,000,000)
#include "Prompt.h"
#include "TForm1.h"

#include <atomic>
#include <cstdio>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

namespace {

std::atomic<qint64> g_replies{0};

long residentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Lives in its own thread like a device of its own: answers every request at once.
class InstantScale : public QObject
{
public:
    void listen()
    {
        m_server = new QTcpServer(this);
        m_server->listen(QHostAddress::LocalHost, 0);
        m_port = m_server->serverPort();
        connect(m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* s = m_server->nextPendingConnection();
            s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                m_pending += s->readAll();
                qsizetype nl;
                while ((nl = m_pending.indexOf('\n')) >= 0) {
                    m_pending.remove(0, nl + 1);
                    const qint64 n = ++g_replies;
                    s->write(n % 2 ? "ST,GS,     980,kg\r\n" : "ST,GS,     981,kg\r\n");
                }
            });
        });
    }
    std::atomic<quint16> m_port{0};

private:
    QTcpServer* m_server = nullptr;
    QByteArray m_pending;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const qint64 target = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1000000;
    const qint64 warmup = 20000;

    QThread thread;
    InstantScale scale;
    scale.moveToThread(&thread);
    thread.start();
    QMetaObject::invokeMethod(
        &scale, [&] { scale.listen(); }, Qt::BlockingQueuedConnection);

    QTemporaryDir dir;
    {
        // The station's folder with a configuration pointing at the scale.
        Database db;
        db.open(dir.filePath(QStringLiteral("Data/daten.db")), true);
        db.exec(QStringLiteral("update konfiguration set waage=1, schnittstelle_waage='TCP-IP', ip_waage='127.0.0.1',"
                               " port_waage=%1, serverfenster=1")
                    .arg(scale.m_port.load()));
    }
    TForm1 form(dir.path());
    form.findChild<QCheckBox*>(QStringLiteral("gewichtsprotokoll"))->setChecked(qEnvironmentVariableIsEmpty("NOLOG"));
    if (qEnvironmentVariableIsEmpty("NOSHOW"))
        form.show();

    QElapsedTimer clock;
    long rssStart = 0;
    qint64 startCount = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const qint64 n = g_replies.load();
        if (!rssStart && n >= warmup) {
            rssStart = residentKb();
            startCount = n;
            clock.start();
        }
        if (rssStart && n >= startCount + target)
            app.quit();
    });
    poll.start(50);
    app.exec();

    const double seconds = clock.elapsed() / 1000.0;
    const qint64 replies = g_replies.load() - startCount;
    const long rssEnd = residentKb();
    std::printf("replies: %lld in %.2f s\n", static_cast<long long>(replies), seconds);
    std::printf("replies per second: %.0f (goal: at least 5000)\n", replies / seconds);
    std::printf("resident memory: %ld kB after warm-up, %ld kB at end, growth %.2f MB (goal: under 10 MB)\n", rssStart,
                rssEnd, (rssEnd - rssStart) / 1024.0);
    thread.quit();
    thread.wait();
    return 0;
}
