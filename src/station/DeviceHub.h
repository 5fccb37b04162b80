#pragma once

#include "AdditionalDisplay.h"
#include "MessageLog.h"
#include "ReadCycle.h"
#include "SerialScaleLink.h"
#include "TcpDevice.h"

#include <QObject>

struct Configuration;

// The station's devices: the scale on TCP or a serial port with its read cycle, the additional
// display and the RFID reader socket. Applying a configuration connects them in this order.
class DeviceHub : public QObject
{
    Q_OBJECT
public:
    explicit DeviceHub(MessageLog& log, QObject* parent = nullptr);

    // Steps 4 to 6 of applying the configuration: display, scale, RFID reader. Connected devices with
    // an unchanged address stay connected; a changed address reconnects. Throws when the serial port
    // cannot be opened (the reader is then not connected).
    void apply(const Configuration& config);
    // Closing the station: the scale socket is disconnected.
    void shutdown();

    MessageLog& log() { return m_log; }
    TcpDevice& displaySocket() { return m_displaySocket; }
    TcpDevice& scaleSocket() { return m_scaleSocket; }
    TcpDevice& rfidSocket() { return m_rfidSocket; }
    SerialScaleLink& serial() { return m_serial; }
    AdditionalDisplay& display() { return m_display; }
    ReadCycle& cycle() { return m_cycle; }

    static constexpr int RfidPort = 50000;
    // The blocking pause after opening the serial port; tests shorten it.
    static int serialSettleMs;

private:
    MessageLog& m_log;
    TcpDevice m_displaySocket;
    TcpDevice m_scaleSocket;
    TcpDevice m_rfidSocket;
    SerialScaleLink m_serial;
    AdditionalDisplay m_display;
    ReadCycle m_cycle;
};
