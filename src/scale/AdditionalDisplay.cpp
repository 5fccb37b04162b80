#include "AdditionalDisplay.h"

#include "TcpDevice.h"

QByteArray AdditionalDisplay::line(const QString& weightText)
{
    const QByteArray w = weightText.toLatin1();
    QByteArray out("ST,GS,");
    if (w.size() < 8)
        out.append(QByteArray(8 - w.size(), ' '));
    out.append(w);
    out.append(",kg\r\n");
    return out;
}

void AdditionalDisplay::send(const QString& weightText)
{
    if (m_enabled)
        m_device.send(line(weightText));
}
