#pragma once

#include "ReplyParser.h"

#include <functional>
#include <QObject>
#include <QString>
#include <QTimer>

class AdditionalDisplay;
class MessageLog;
class SerialScaleLink;
class TcpDevice;

// The request-reply cycle with the scale. A request line goes out, the one reply line comes back,
// its handler sends the next request. Normally the request is "READ" and the live reply refreshes the
// weight; a weighing command sets "PID" and the triggered reply stores the weighing. Exactly one
// request is in flight at a time; one that gets no reply within two seconds is sent again.
class ReadCycle : public QObject
{
    Q_OBJECT
public:
    enum class Transport
    {
        None,
        Tcp,
        Serial
    };

    ReadCycle(MessageLog& log, TcpDevice& tcp, SerialScaleLink& serial, AdditionalDisplay& display,
              QObject* parent = nullptr);

    // waage and schnittstelle_waage of the configuration.
    void configure(bool enabled, Transport transport);
    bool isEnabled() const { return m_enabled; }
    Transport transport() const { return m_transport; }

    // The request text (Waagenanfrage). A change empties the receive buffer; an equal text does nothing.
    QString request() const { return m_request; }
    void setRequest(const QString& text);

    // Sending the request over the configured link; afterwards the request text is "READ" again.
    void sendRequest();
    void anfrage_seriell_senden();
    void anfrage_tcp_senden();
    // Starts the cycle: sends a request unless one is already in flight.
    void start();
    // After the link came back: whatever was in flight is lost, the cycle begins anew.
    void restart();
    bool requestInFlight() const { return m_inFlight; }

    // Received bytes from either link: line assembly and classification.
    void feed(const QByteArray& bytes);
    // The reply handlers, also reached by pasting a line into the reply memos.
    void waage_antwort_ausloeserChange(const QString& line);
    void waage_antwort_laufendChange(const QString& line);

    QString weight() const { return m_weight; }
    void setWeight(const QString& text);
    QString alibi() const { return m_alibi; }
    void setAlibi(const QString& text);

    // gewichtsprotokoll: every live reading goes to the message window as "L:<weight>".
    void setWeightLogging(bool on) { m_weightLogging = on; }
    // Stores the weighing of the pending kind after a triggered reply.
    void setStoreHandler(std::function<void()> handler) { m_store = std::move(handler); }

    static int replyTimeoutMs;

Q_SIGNALS:
    void requestChanged(const QString& text);
    void weightChanged(const QString& text);
    void alibiChanged(const QString& text);

private:
    bool write(const QByteArray& line);
    void onReplyTimeout();
    void lineReceived();

    MessageLog& m_log;
    TcpDevice& m_tcp;
    SerialScaleLink& m_serial;
    AdditionalDisplay& m_display;
    std::function<void()> m_store;
    LineAssembler m_buffer;
    QTimer m_timeout;
    QString m_request = QStringLiteral("READ");
    QByteArray m_lastSent;
    QString m_weight;
    QString m_alibi;
    Transport m_transport = Transport::None;
    bool m_enabled = false;
    bool m_weightLogging = false;
    bool m_inFlight = false;
    bool m_silenceReported = false;
};
