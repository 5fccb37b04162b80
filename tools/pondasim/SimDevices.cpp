#include "SimDevices.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <QBuffer>
#include <QDateTime>
#include <QPainter>
#include <QSocketNotifier>
#include <QTimer>
#include <termios.h>
#include <unistd.h>

SimScaleServer::SimScaleServer(ScaleEngine& engine, quint16 port, QObject* parent) : QObject(parent), m_engine(engine)
{
    m_server.listen(QHostAddress::LocalHost, port);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_server.nextPendingConnection()) {
            m_clients << s;
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                const QByteArray reply = m_engine.receive(s->readAll());
                if (reply.isEmpty())
                    return;
                ++m_requests;
                // A real scale on 9600 baud answers about 50 times a second.
                QPointer<QTcpSocket> guard(s);
                QTimer::singleShot(ReplyDelayMs, this, [this, guard, reply] {
                    if (guard) {
                        guard->write(reply);
                        Q_EMIT activity();
                    }
                });
            });
        }
    });
}

int SimScaleServer::clients() const
{
    int n = 0;
    for (const auto& c : m_clients)
        n += c && c->state() == QAbstractSocket::ConnectedState;
    return n;
}

SimPtyScale::SimPtyScale(ScaleEngine& engine, QObject* parent) : QObject(parent), m_engine(engine)
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return;
    m_slaveName = QString::fromLocal8Bit(ptsname(m_master));
    // Keeping one slave descriptor open stops the master from reporting hang-ups between sessions.
    m_keepOpen = ::open(ptsname(m_master), O_RDWR | O_NOCTTY);
    if (m_keepOpen >= 0) {
        termios t;
        tcgetattr(m_keepOpen, &t);
        cfmakeraw(&t);
        tcsetattr(m_keepOpen, TCSANOW, &t);
    }
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char buf[512];
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n <= 0)
            return;
        const QByteArray reply = m_engine.receive(QByteArray(buf, int(n)));
        if (reply.isEmpty())
            return;
        QTimer::singleShot(ReplyDelayMs, this, [this, reply] {
            [[maybe_unused]] ssize_t w = ::write(m_master, reply.constData(), size_t(reply.size()));
            Q_EMIT activity();
        });
    });
}

SimPtyScale::~SimPtyScale()
{
    if (m_keepOpen >= 0)
        ::close(m_keepOpen);
    if (m_master >= 0)
        ::close(m_master);
}

SimDisplayServer::SimDisplayServer(quint16 port, QObject* parent) : QObject(parent)
{
    m_server.listen(QHostAddress::LocalHost, port);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_server.nextPendingConnection()) {
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                m_pending += s->readAll();
                qsizetype nl;
                while ((nl = m_pending.indexOf('\n')) >= 0) {
                    Q_EMIT lineReceived(QString::fromLatin1(m_pending.left(nl)).trimmed());
                    m_pending.remove(0, nl + 1);
                }
            });
        }
    });
}

SimRfidServer::SimRfidServer(quint16 port, QObject* parent) : QObject(parent)
{
    m_server.listen(QHostAddress::LocalHost, port);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_server.nextPendingConnection()) {
            m_clients << s;
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QTcpSocket::readyRead, s, [s] { s->readAll(); }); // commands are not answered
        }
    });
}

int SimRfidServer::clients() const
{
    int n = 0;
    for (const auto& c : m_clients)
        n += c && c->state() == QAbstractSocket::ConnectedState;
    return n;
}

QByteArray SimRfidServer::tagFrame(const QString& tagText)
{
    QByteArray tag = QByteArray::fromHex(tagText.toLatin1()).left(4);
    tag.append(QByteArray(4 - tag.size(), '\0'));
    QByteArray payload = QByteArray("\x22", 1) + tag;
    char check = char(payload.size());
    for (char c : payload)
        check ^= c;
    return QByteArray("\xAA\x00", 2) + char(payload.size()) + payload + check + QByteArray("\xBB", 1);
}

bool SimRfidServer::sendTag(const QString& tagText)
{
    bool sent = false;
    for (const auto& c : m_clients) {
        if (c && c->state() == QAbstractSocket::ConnectedState) {
            c->write(tagFrame(tagText));
            sent = true;
        }
    }
    return sent;
}

SimWebcamServer::SimWebcamServer(quint16 port, QObject* parent) : QObject(parent)
{
    m_server.listen(QHostAddress::LocalHost, port);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_server.nextPendingConnection()) {
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QTcpSocket::readyRead, this, [this, s] { serve(s); });
        }
    });
}

QImage SimWebcamServer::picture()
{
    QImage img(640, 360, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), QColor(150, 190, 230));
    p.fillRect(QRect(0, 260, 640, 100), QColor(110, 110, 110));
    p.fillRect(QRect(60, 250, 520, 14), QColor(60, 60, 60)); // the bridge
    const int shift = int(QDateTime::currentSecsSinceEpoch() % 10) * 8;
    p.setBrush(QColor(200, 60, 40));
    p.drawRect(QRect(110 + shift, 140, 280, 100));
    p.setBrush(QColor(40, 90, 170));
    p.drawRect(QRect(390 + shift, 170, 90, 70));
    p.setBrush(QColor(200, 230, 255));
    p.drawRect(QRect(410 + shift, 180, 50, 28));
    p.setBrush(Qt::black);
    for (int x : {160, 330, 440})
        p.drawEllipse(QPoint(x + shift, 245), 22, 22);
    QFont f = p.font();
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.fillRect(QRect(10, 10, 250, 50), QColor(0, 0, 0, 150));
    p.drawText(QRect(10, 10, 250, 50), Qt::AlignCenter, QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    return img;
}

void SimWebcamServer::serve(QTcpSocket* s)
{
    const QByteArray request = s->readAll();
    const QByteArray path = request.split(' ').value(1);
    QByteArray body, type;
    if (path.startsWith("/bild")) {
        QBuffer buf(&body);
        buf.open(QIODevice::WriteOnly);
        picture().save(&buf, "PNG");
        type = "image/png";
    } else {
        body = "<html><body style='margin:0;background:#000'>"
               "<img id='b' src='/bild.png' style='width:100%;height:100%;object-fit:contain'>"
               "<script>setInterval(function(){document.getElementById('b').src='/bild.png?'+Date.now();},1000);"
               "</script></body></html>";
        type = "text/html; charset=utf-8";
    }
    s->write("HTTP/1.0 200 OK\r\nContent-Type: " + type + "\r\nCache-Control: no-store\r\nContent-Length: " +
             QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    s->disconnectFromHost();
}
