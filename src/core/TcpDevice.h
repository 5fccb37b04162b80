#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class MessageLog;
class QTcpSocket;

// A device reached over TCP (scale, additional display, RFID reader): a non-blocking client socket
// whose events arrive on the GUI thread. It writes its connection events to the message window,
// drops what is sent while it is not connected, and can reconnect by itself after a loss.
class TcpDevice : public QObject
{
    Q_OBJECT
public:
    struct Messages
    {
        QString connecting; // when a connection attempt starts (may be empty)
        QString connected;  // first successful connection
        QString failed;     // the first attempt failed
        QString lost;       // an established connection dropped
        QString reconnected;
    };

    TcpDevice(MessageLog& log, Messages messages, bool autoReconnect, QObject* parent = nullptr);
    ~TcpDevice() override;

    // Starts connecting to host:port. Already connected or connecting to the same address: nothing
    // changes. Another address: the old connection is closed first. Returns false (and starts
    // nothing) when the address cannot be used.
    bool connectTo(const QString& host, int port);
    void disconnectFromHost();

    bool isConnected() const;

    // Sends in one piece. Dropped (false) while not connected or while the peer has not taken the
    // earlier data, so a stalled peer cannot make us buffer without bound.
    bool send(const QByteArray& data);

    // Pause between reconnection attempts; tests shorten it.
    static int reconnectIntervalMs;
    static constexpr qint64 MaxPendingBytes = 64 * 1024;

Q_SIGNALS:
    void connected();
    void dataReceived(const QByteArray& data);

private:
    void startAttempt();
    void onConnected();
    void onError();
    void onDisconnected();

    MessageLog& m_log;
    Messages m_messages;
    bool m_autoReconnect;
    QTcpSocket* m_socket;
    QTimer m_retry;
    QString m_host;
    int m_port = 0;
    bool m_wanted = false;        // a connection is configured
    bool m_everConnected = false; // the first connection succeeded at some point
    bool m_lossReported = false;  // a loss was logged and no reconnect since
    bool m_failureReported = false;
};
