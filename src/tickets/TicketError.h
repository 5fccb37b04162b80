#pragma once

#include <QString>
#include <stdexcept>

// A ticket that cannot be built or printed: an unreadable colour, picture or field, no printer.
class TicketError : public std::runtime_error
{
public:
    explicit TicketError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};
