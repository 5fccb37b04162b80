#include "DatabaseError.h"

DatabaseError::DatabaseError(const QString& message, const QString& statement)
    : std::runtime_error(message.toStdString()), m_message(message), m_statement(statement)
{
}

QString DatabaseError::text() const
{
    if (m_statement.isEmpty())
        return m_message;
    return m_message + QStringLiteral("\n\n") + m_statement;
}
