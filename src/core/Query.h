#pragma once

#include <memory>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

class Database;

// One value of the current row, read the ways the programs need it.
class Field
{
public:
    Field() = default;
    Field(QVariant value, bool isDate) : m_value(std::move(value)), m_isDate(isDate) {}

    bool isNull() const { return m_value.isNull(); }
    // An integer its digits, a number its shortest decimal with a comma, a date German, NULL "".
    QString asText() const;
    qint64 asInt() const;
    double asDouble() const;
    bool asBool() const;
    QVariant value() const { return m_value; }

private:
    QVariant m_value;
    bool m_isDate = false;
};

// A statement built from lines with bound values, opened into an in-memory result set with a current
// row, or executed. Column names are matched ignoring letter case, dotted names included.
class Query
{
public:
    explicit Query(Database& db);
    ~Query();

    // Empties text and values and closes the result.
    void clear();
    // Adds one line of statement text.
    Query& add(const QString& line);
    // Binds the value of the next "?" placeholder.
    Query& bind(const QVariant& value);
    // Replaces the whole statement.
    Query& setSql(const QString& sql, const QVariantList& values = {});

    QString sql() const { return m_lines.join(QLatin1Char('\n')); }
    // The statement with its bound values shown inline, quoted where they are texts (messages only).
    QString statementText() const;

    void open();
    void close();
    bool isOpen() const { return m_open; }
    void execute();

    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    int currentRow() const { return m_current; }
    bool hasCurrentRow() const { return m_current >= 0 && m_current < rowCount(); }
    bool seek(int row);
    bool next();
    void first() { seek(0); }

    int columnCount() const { return int(m_columns.size()); }
    QStringList columnNames() const { return m_columns; }
    int columnIndex(const QString& name) const; // -1 when there is none
    bool hasField(const QString& name) const { return columnIndex(name) >= 0; }
    // A column of the current row; throws DatabaseError for an unknown name. Without a current row
    // every field reads as NULL.
    Field field(const QString& name) const;
    Field field(int row, int column) const;

private:
    struct Prepared;
    std::unique_ptr<Prepared> prepare() const;

    Database& m_db;
    QStringList m_lines;
    QVariantList m_values;
    bool m_open = false;
    QStringList m_columns;
    std::vector<bool> m_isDate;
    std::vector<std::vector<QVariant>> m_rows;
    int m_current = -1;
};
