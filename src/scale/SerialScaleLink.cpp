#include "SerialScaleLink.h"

#include <QSerialPort>
#include <stdexcept>

namespace {
SerialScaleLink::Resolver g_resolver;
}

SerialScaleLink::SerialScaleLink(QObject* parent) : QObject(parent), m_port(new QSerialPort(this))
{
    connect(m_port, &QSerialPort::readyRead, this, [this] { Q_EMIT dataReceived(m_port->readAll()); });
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

void SerialScaleLink::open(int portNumber)
{
    const QString name = deviceNameFor(portNumber);
    if (m_port->isOpen() && m_number == portNumber && m_port->portName() == name)
        return;
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
}

void SerialScaleLink::close()
{
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
