#pragma once

#include <functional>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QSerialPort;

// The scale on a serial port: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control.
class SerialScaleLink : public QObject
{
    Q_OBJECT
public:
    explicit SerialScaleLink(QObject* parent = nullptr);
    ~SerialScaleLink() override;

    // Opens port number n (1 is the first port). An open port with the same number stays open.
    // Throws std::runtime_error with the system's message when the port cannot be opened.
    // A port that goes away while open (a USB adapter pulled) is opened again every few seconds.
    // Returns true when the port was opened now, false when it was open already.
    bool open(int portNumber);
    void close();
    bool isOpen() const;
    int portNumber() const { return m_number; }
    QString deviceName() const;

    bool send(const QByteArray& data);

    // Port number n is /dev/ttyS<n-1> on Linux and COMn on Windows; tests put a pseudo-terminal here.
    using Resolver = std::function<QString(int)>;
    static void setResolver(Resolver resolver);
    static QString deviceNameFor(int portNumber);

Q_SIGNALS:
    void dataReceived(const QByteArray& data);
    void lost();
    void reopened();

private:
    void onError();
    void retry();

    QSerialPort* m_port;
    QTimer m_retry;
    int m_number = 0;
};
