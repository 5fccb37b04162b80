#pragma once

#include <QString>
#include <stdexcept>

// A failed statement or a database that cannot be opened. Carries the engine's message and, where a
// statement failed, its text with the bound values shown inline.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString& message, const QString& statement = {});

    QString message() const { return m_message; }
    QString statement() const { return m_statement; }
    // The message followed by the statement, as shown to the operator.
    QString text() const;

private:
    QString m_message;
    QString m_statement;
};
