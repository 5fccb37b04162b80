#include "SerialScaleLink.h"

#include "TcpDevice.h"

#include <QSerialPort>
#include <stdexcept>

namespace {
SerialScaleLink::Resolver g_resolver;
}

SerialScaleLink::SerialScaleLink(QObject* parent) : QObject(parent), m_port(new QSerialPort(this))
{
    connect(m_port, &QSerialPort::readyRead, this, [this] { Q_EMIT dataReceived(m_port->readAll()); });
    connect(m_port, &QSerialPort::errorOccurred, this, &SerialScaleLink::onError);
    m_retry.setInterval(TcpDevice::reconnectIntervalMs);
    connect(&m_retry, &QTimer::timeout, this, &SerialScaleLink::retry);
}

void SerialScaleLink::onError()
{
    // The device is gone; the port number stays wanted until the configuration changes it.
    if (m_port->error() != QSerialPort::ResourceError || !m_port->isOpen())
        return;
    m_port->close();
    Q_EMIT lost();
    m_retry.start(TcpDevice::reconnectIntervalMs);
}

void SerialScaleLink::retry()
{
    if (m_number < 1 || m_port->isOpen()) {
        m_retry.stop();
        return;
    }
    m_port->setPortName(deviceNameFor(m_number));
    if (m_port->open(QIODevice::ReadWrite)) {
        m_retry.stop();
        Q_EMIT reopened();
    }
}

SerialScaleLink::~SerialScaleLink()
{
    close();
}

void SerialScaleLink::setResolver(Resolver resolver)
{
    g_resolver = std::move(resolver);
}

QString SerialScaleLink::deviceNameFor(int portNumber)
{
    if (g_resolver)
        return g_resolver(portNumber);
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNumber);
#else
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

QString SerialScaleLink::deviceName() const
{
    return m_port->portName();
}

bool SerialScaleLink::open(int portNumber)
{
    const QString name = deviceNameFor(portNumber);
    if (m_port->isOpen() && m_number == portNumber && m_port->portName() == name)
        return false;
    m_retry.stop();
    close();
    if (portNumber < 1)
        throw std::runtime_error(QStringLiteral("Ungültige serielle Schnittstelle %1.").arg(portNumber).toStdString());
    m_port->setPortName(name);
    m_port->setBaudRate(QSerialPort::Baud9600);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    m_port->setReadBufferSize(4096);
    if (!m_port->open(QIODevice::ReadWrite))
        throw std::runtime_error(QStringLiteral("Die serielle Schnittstelle %1 kann nicht geöffnet werden: %2")
                                     .arg(name, m_port->errorString())
                                     .toStdString());
    m_number = portNumber;
    return true;
}

void SerialScaleLink::close()
{
    m_retry.stop();
    if (m_port->isOpen())
        m_port->close();
    m_number = 0;
}

bool SerialScaleLink::isOpen() const
{
    return m_port->isOpen();
}

bool SerialScaleLink::send(const QByteArray& data)
{
    if (!m_port->isOpen())
        return false;
    return m_port->write(data) == data.size();
}
