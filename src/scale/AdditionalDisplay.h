#pragma once

#include <QByteArray>
#include <QString>

class TcpDevice;

// The additional weight display: every weight the station shows is repeated to it in the layout of
// the scale's live reply.
class AdditionalDisplay
{
public:
    explicit AdditionalDisplay(TcpDevice& device) : m_device(device) {}

    // "ST,GS," + blanks to fill 8 characters + weight + ",kg" CR LF; no blanks for 8 or more.
    static QByteArray line(const QString& weightText);

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }
    // zusatzanzeige_senden: sends when enabled; a line the socket cannot take is dropped.
    void send(const QString& weightText);

private:
    TcpDevice& m_device;
    bool m_enabled = false;
};
