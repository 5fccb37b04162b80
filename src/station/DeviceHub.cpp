#include "DeviceHub.h"

#include "Configuration.h"

#include <QThread>

int DeviceHub::serialSettleMs = 1000;

namespace {

TcpDevice::Messages displayMessages()
{
    TcpDevice::Messages m;
    m.connected = QStringLiteral("Zusatzanzeige verbunden!");
    m.failed = QStringLiteral("Zusatzanzeige keine Verbindung möglich!");
    m.lost = QStringLiteral("Verbindung zur Zusatzanzeige verloren!");
    m.reconnected = QStringLiteral("Zusatzanzeige wieder verbunden!");
    return m;
}

TcpDevice::Messages scaleMessages()
{
    TcpDevice::Messages m;
    m.connected = QStringLiteral("Verbindungsaufbau zur Waage (TCP/IP) aufgebaut!");
    m.failed = QStringLiteral("Waage (TCP/IP) keine Verbindung möglich!");
    m.lost = QStringLiteral("Verbindung zur Waage (TCP/IP) verloren!");
    m.reconnected = QStringLiteral("Verbindung zur Waage (TCP/IP) wieder aufgebaut!");
    return m;
}

TcpDevice::Messages rfidMessages()
{
    TcpDevice::Messages m;
    m.connecting = QStringLiteral("Es wird versucht mit dem Reader die Verbindung aufzubauen");
    m.connected = QStringLiteral("Verbindung zum Reader aufgebaut");
    m.failed = QStringLiteral("Reader keine Verbindung möglich!");
    return m;
}

} // namespace

DeviceHub::DeviceHub(MessageLog& log, QObject* parent)
    : QObject(parent), m_log(log), m_displaySocket(log, displayMessages(), true, this),
      m_scaleSocket(log, scaleMessages(), true, this), m_rfidSocket(log, rfidMessages(), false, this), m_serial(this),
      m_display(m_displaySocket), m_cycle(log, m_scaleSocket, m_serial, m_display, this)
{
}

void DeviceHub::apply(const Configuration& c)
{
    m_display.setEnabled(c.zusatzanzeige);
    if (c.zusatzanzeige) {
        if (m_displaySocket.connectTo(c.ip_zusatzanzeige, c.port_zusatzanzeige))
            m_log.append(QStringLiteral("Verbindungsaufbau Zusatz-Anzeige Funktion in Ordnung -> begonnen!"));
        else
            m_log.append(QStringLiteral("Verbindungsaufbau Zusatz-Anzeige fehlerhaft!"));
    }

    const ReadCycle::Transport transport = c.isTcp()      ? ReadCycle::Transport::Tcp
                                           : c.isSerial() ? ReadCycle::Transport::Serial
                                                          : ReadCycle::Transport::None;
    m_cycle.configure(c.waage, transport);
    if (c.waage) {
        if (c.isTcp()) {
            m_serial.close();
            if (!m_scaleSocket.connectTo(c.ip_waage, c.port_waage))
                m_log.append(QStringLiteral("Verbindungsaufbau Waage  (TCP/IP) fehlerhaft!"));
            else if (m_scaleSocket.isConnected())
                m_cycle.start();
        }
        if (c.isSerial()) {
            m_scaleSocket.disconnectFromHost();
            if (m_serial.open(c.port_waage))
                QThread::msleep(static_cast<unsigned long>(serialSettleMs));
            m_cycle.start();
        }
    }

    if (c.rfid)
        m_rfidSocket.connectTo(c.rfid_ip, RfidPort);
}

void DeviceHub::shutdown()
{
    m_scaleSocket.disconnectFromHost();
}
