#pragma once

#include "ScaleEngine.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

class QSocketNotifier;

// The pause before the simulated scale answers a request.
constexpr int ReplyDelayMs = 20;

// The scale on TCP: every client talks to the same engine.
class SimScaleServer : public QObject
{
    Q_OBJECT
public:
    SimScaleServer(ScaleEngine& engine, quint16 port, QObject* parent = nullptr);
    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }
    int clients() const;
    qint64 requests() const { return m_requests; }

Q_SIGNALS:
    void activity();

private:
    ScaleEngine& m_engine;
    QTcpServer m_server;
    QList<QPointer<QTcpSocket>> m_clients;
    qint64 m_requests = 0;
};

// The same scale on a pseudo-terminal, for the serial link: the station opens the slave device.
class SimPtyScale : public QObject
{
    Q_OBJECT
public:
    explicit SimPtyScale(ScaleEngine& engine, QObject* parent = nullptr);
    ~SimPtyScale() override;
    QString deviceName() const { return m_slaveName; }

Q_SIGNALS:
    void activity();

private:
    ScaleEngine& m_engine;
    int m_master = -1;
    int m_keepOpen = -1;
    QString m_slaveName;
    QSocketNotifier* m_notifier = nullptr;
};

// The additional display: shows the lines it receives.
class SimDisplayServer : public QObject
{
    Q_OBJECT
public:
    SimDisplayServer(quint16 port, QObject* parent = nullptr);
    bool isListening() const { return m_server.isListening(); }

Q_SIGNALS:
    void lineReceived(const QString& line);

private:
    QTcpServer m_server;
    QByteArray m_pending;
};

// The RFID reader on its fixed port: sends a tag frame at a button press.
class SimRfidServer : public QObject
{
    Q_OBJECT
public:
    SimRfidServer(quint16 port, QObject* parent = nullptr);
    bool isListening() const { return m_server.isListening(); }
    int clients() const;
    // Tag text "E2 00 34 12": frame AA 00 05 22 <4 tag bytes> <xor> BB, the tag at offsets 4 to 7.
    static QByteArray tagFrame(const QString& tagText);
    bool sendTag(const QString& tagText);

private:
    QTcpServer m_server;
    QList<QPointer<QTcpSocket>> m_clients;
};

// The webcam page over HTTP: a page whose picture, a truck with a clock, changes every second.
class SimWebcamServer : public QObject
{
    Q_OBJECT
public:
    SimWebcamServer(quint16 port, QObject* parent = nullptr);
    bool isListening() const { return m_server.isListening(); }
    static QImage picture();

private:
    void serve(QTcpSocket* socket);
    QTcpServer m_server;
};
