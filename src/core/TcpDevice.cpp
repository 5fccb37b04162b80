#include "TcpDevice.h"

#include "MessageLog.h"

#include <QTcpSocket>

int TcpDevice::reconnectIntervalMs = 5000;

TcpDevice::TcpDevice(MessageLog& log, Messages messages, bool autoReconnect, QObject* parent)
    : QObject(parent), m_log(log), m_messages(std::move(messages)), m_autoReconnect(autoReconnect),
      m_socket(new QTcpSocket(this))
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &TcpDevice::startAttempt);
    connect(m_socket, &QTcpSocket::connected, this, &TcpDevice::onConnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &TcpDevice::onError);
    connect(m_socket, &QTcpSocket::disconnected, this, &TcpDevice::onDisconnected);
    connect(m_socket, &QTcpSocket::readyRead, this, [this] { Q_EMIT dataReceived(m_socket->readAll()); });
}

TcpDevice::~TcpDevice()
{
    m_socket->disconnect(this);
    m_socket->abort();
}

bool TcpDevice::connectTo(const QString& host, int port)
{
    const QString h = host.trimmed();
    if (h.isEmpty() || port <= 0 || port > 65535)
        return false;
    if (m_wanted && h == m_host && port == m_port && m_socket->state() != QAbstractSocket::UnconnectedState)
        return true;
    m_retry.stop();
    if (m_socket->state() != QAbstractSocket::UnconnectedState) {
        m_wanted = false; // the drop that follows is ours, not a loss
        m_socket->abort();
    }
    m_host = h;
    m_port = port;
    m_wanted = true;
    m_everConnected = false;
    m_lossReported = false;
    m_failureReported = false;
    startAttempt();
    return true;
}

void TcpDevice::disconnectFromHost()
{
    m_wanted = false;
    m_retry.stop();
    m_socket->abort();
}

bool TcpDevice::isConnected() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

bool TcpDevice::send(const QByteArray& data)
{
    if (!isConnected() || m_socket->bytesToWrite() > MaxPendingBytes)
        return false;
    return m_socket->write(data) == data.size();
}

void TcpDevice::startAttempt()
{
    if (!m_wanted)
        return;
    if (!m_everConnected && !m_messages.connecting.isEmpty() && !m_failureReported)
        m_log.append(m_messages.connecting);
    m_socket->abort();
    m_socket->connectToHost(m_host, quint16(m_port));
}

void TcpDevice::onConnected()
{
    if (!m_everConnected) {
        m_everConnected = true;
        if (!m_messages.connected.isEmpty())
            m_log.append(m_messages.connected);
    } else if (m_lossReported) {
        m_lossReported = false;
        if (!m_messages.reconnected.isEmpty())
            m_log.append(m_messages.reconnected);
    }
    Q_EMIT connected();
}

void TcpDevice::onError()
{
    if (!m_wanted)
        return;
    // Only a failed attempt lands here without a disconnected() to follow.
    if (m_socket->state() == QAbstractSocket::ConnectedState)
        return;
    if (!m_everConnected && !m_failureReported) {
        m_failureReported = true;
        if (!m_messages.failed.isEmpty())
            m_log.append(m_messages.failed);
    }
    if (m_autoReconnect && !m_retry.isActive())
        m_retry.start(reconnectIntervalMs);
}

void TcpDevice::onDisconnected()
{
    if (!m_wanted || !m_everConnected)
        return;
    if (!m_lossReported) {
        m_lossReported = true;
        if (!m_messages.lost.isEmpty())
            m_log.append(m_messages.lost);
    }
    if (m_autoReconnect && !m_retry.isActive())
        m_retry.start(reconnectIntervalMs);
}
