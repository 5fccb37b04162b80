#include "ReadCycle.h"

#include "AdditionalDisplay.h"
#include "MessageLog.h"
#include "SerialScaleLink.h"
#include "TcpDevice.h"

int ReadCycle::replyTimeoutMs = 2000;

namespace {
const QString Read = QStringLiteral("READ");
}

ReadCycle::ReadCycle(MessageLog& log, TcpDevice& tcp, SerialScaleLink& serial, AdditionalDisplay& display,
                     QObject* parent)
    : QObject(parent), m_log(log), m_tcp(tcp), m_serial(serial), m_display(display)
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, &ReadCycle::onReplyTimeout);
    connect(&m_tcp, &TcpDevice::dataReceived, this, &ReadCycle::feed);
    connect(&m_serial, &SerialScaleLink::dataReceived, this, &ReadCycle::feed);
    // A TCP scale starts its cycle as soon as it is reachable, and again after a reconnect.
    connect(&m_tcp, &TcpDevice::connected, this, [this] {
        if (m_transport == Transport::Tcp)
            restart();
    });
    connect(&m_serial, &SerialScaleLink::reopened, this, [this] {
        if (m_transport == Transport::Serial)
            restart();
    });
}

void ReadCycle::configure(bool enabled, Transport transport)
{
    if (enabled != m_enabled || transport != m_transport) {
        m_inFlight = false;
        m_timeout.stop();
    }
    m_enabled = enabled;
    m_transport = transport;
}

void ReadCycle::setRequest(const QString& text)
{
    if (text == m_request)
        return;
    m_request = text;
    m_buffer.clear();
    Q_EMIT requestChanged(m_request);
}

void ReadCycle::sendRequest()
{
    if (m_transport == Transport::Tcp)
        anfrage_tcp_senden();
    if (m_transport == Transport::Serial)
        anfrage_seriell_senden();
}

void ReadCycle::anfrage_seriell_senden()
{
    m_buffer.clear();
    if (m_transport == Transport::Serial && m_enabled)
        write(m_request.toLatin1() + "\r\n");
    setRequest(Read);
}

void ReadCycle::anfrage_tcp_senden()
{
    m_buffer.clear();
    if (m_transport == Transport::Tcp && m_enabled)
        write(m_request.toLatin1() + "\r\n");
    setRequest(Read);
}

void ReadCycle::start()
{
    if (!m_inFlight)
        sendRequest();
}

void ReadCycle::restart()
{
    m_inFlight = false;
    m_timeout.stop();
    start();
}

bool ReadCycle::write(const QByteArray& line)
{
    const bool sent = m_transport == Transport::Serial ? m_serial.send(line) : m_tcp.send(line);
    if (sent) {
        m_inFlight = true;
        m_lastSent = line;
        m_timeout.start(replyTimeoutMs);
    }
    return sent;
}

void ReadCycle::onReplyTimeout()
{
    if (!m_inFlight || !m_enabled)
        return;
    if (!m_silenceReported) {
        m_silenceReported = true;
        m_log.append(QStringLiteral("Waage antwortet nicht!"));
    }
    m_inFlight = false;
    m_buffer.clear();
    // A command typed or armed meanwhile goes out now; otherwise the unanswered line is repeated, so
    // that a lost "PID" still brings its weighing.
    if (m_request != Read)
        sendRequest();
    else
        write(m_lastSent);
}

void ReadCycle::lineReceived()
{
    m_inFlight = false;
    m_timeout.stop();
    m_silenceReported = false;
}

void ReadCycle::feed(const QByteArray& bytes)
{
    for (char c : bytes) {
        if (!m_buffer.append(c))
            continue;
        lineReceived();
        bool handled = false;
        if (ReplyParser::isTriggered(m_buffer.buffer())) {
            handled = true;
            waage_antwort_ausloeserChange(QString::fromLatin1(m_buffer.buffer()));
        }
        // The triggered handler normally sent the next request, which emptied the buffer.
        if (ReplyParser::isLive(m_buffer.buffer())) {
            handled = true;
            waage_antwort_laufendChange(QString::fromLatin1(m_buffer.buffer()));
        }
        if (!handled)
            sendRequest();
    }
}

void ReadCycle::waage_antwort_ausloeserChange(const QString& line)
{
    if (line.isEmpty())
        return;
    const ReplyParser::TriggeredReply reply = ReplyParser::parseTriggered(line);
    setAlibi(reply.alibi);
    setWeight(reply.weight);
    try {
        if (m_store)
            m_store();
    } catch (...) {
        // Whatever failed in storing, the cycle goes on.
        if (!m_inFlight)
            sendRequest();
        throw;
    }
    // Storing has normally sent the next request already; never put a second one in flight.
    if (!m_inFlight)
        sendRequest();
    m_display.send(m_weight);
}

void ReadCycle::waage_antwort_laufendChange(const QString& line)
{
    if (line.isEmpty())
        return;
    setWeight(ReplyParser::parseLive(line));
    if (m_weightLogging)
        m_log.append(QStringLiteral("L:") + m_weight);
    if (m_enabled)
        sendRequest();
    m_display.send(m_weight);
}

void ReadCycle::setWeight(const QString& text)
{
    if (text == m_weight)
        return;
    m_weight = text;
    Q_EMIT weightChanged(m_weight);
}

void ReadCycle::setAlibi(const QString& text)
{
    if (text == m_alibi)
        return;
    m_alibi = text;
    Q_EMIT alibiChanged(m_alibi);
}
