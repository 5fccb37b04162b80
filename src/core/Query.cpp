#include "Query.h"

#include "Database.h"
#include "DatabaseError.h"
#include "GermanText.h"

#include <cmath>
#include <sqlcipher/sqlite3.h>

namespace {

QString literal(const QVariant& v)
{
    if (v.isNull())
        return QStringLiteral("NULL");
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
        return GermanText::generalNumber(v.toDouble());
    case QMetaType::QDateTime:
        return QLatin1Char('\'') + GermanText::sqlDateTime(v.toDateTime()) + QLatin1Char('\'');
    default:
        return QLatin1Char('\'') + v.toString() + QLatin1Char('\'');
    }
}

bool isDateType(const char* decl)
{
    if (!decl)
        return false;
    QByteArray d = QByteArray(decl).toUpper();
    return d.contains("DATE") || d.contains("TIME");
}

} // namespace

struct Query::Prepared
{
    sqlite3_stmt* stmt = nullptr;
    ~Prepared() { sqlite3_finalize(stmt); }
};

QString Field::asText() const
{
    if (m_value.isNull())
        return {};
    switch (m_value.typeId()) {
    case QMetaType::LongLong:
        return QString::number(m_value.toLongLong());
    case QMetaType::Double:
        return GermanText::number(m_value.toDouble());
    case QMetaType::QString:
        if (m_isDate) {
            QDateTime dt = GermanText::parseSqlDateTime(m_value.toString());
            if (dt.isValid())
                return GermanText::dateTime(dt);
        }
        return m_value.toString();
    default:
        return m_value.toString();
    }
}

qint64 Field::asInt() const
{
    if (m_value.isNull())
        return 0;
    if (m_value.typeId() == QMetaType::LongLong)
        return m_value.toLongLong();
    if (m_value.typeId() == QMetaType::Double)
        return std::llround(m_value.toDouble());
    bool ok = false;
    qint64 v = m_value.toString().trimmed().toLongLong(&ok);
    if (!ok)
        throw DatabaseError(QStringLiteral("'%1' ist keine gültige ganze Zahl.").arg(m_value.toString()));
    return v;
}

double Field::asDouble() const
{
    if (m_value.isNull())
        return 0.0;
    if (m_value.typeId() == QMetaType::LongLong || m_value.typeId() == QMetaType::Double)
        return m_value.toDouble();
    if (auto v = GermanText::parseNumber(m_value.toString()))
        return *v;
    throw DatabaseError(QStringLiteral("'%1' ist keine gültige Zahl.").arg(m_value.toString()));
}

bool Field::asBool() const
{
    if (m_value.isNull())
        return false;
    if (m_value.typeId() == QMetaType::QString) {
        const QString t = m_value.toString().trimmed().toLower();
        return t == QLatin1String("true") || t == QLatin1String("wahr") || t == QLatin1String("1");
    }
    return m_value.toDouble() != 0.0;
}

Query::Query(Database& db) : m_db(db) {}

Query::~Query() = default;

void Query::clear()
{
    close();
    m_lines.clear();
    m_values.clear();
}

Query& Query::add(const QString& line)
{
    m_lines.append(line);
    return *this;
}

Query& Query::bind(const QVariant& value)
{
    m_values.append(value);
    return *this;
}

Query& Query::setSql(const QString& sql, const QVariantList& values)
{
    clear();
    m_lines.append(sql);
    m_values = values;
    return *this;
}

QString Query::statementText() const
{
    const QString text = sql();
    QString out;
    out.reserve(text.size() + 32);
    int next = 0;
    QChar quote;
    for (QChar c : text) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            out += c;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            out += c;
        } else if (c == QLatin1Char('?') && next < m_values.size()) {
            out += literal(m_values[next++]);
        } else {
            out += c;
        }
    }
    return out;
}

std::unique_ptr<Query::Prepared> Query::prepare() const
{
    if (!m_db.isOpen())
        throw DatabaseError(QStringLiteral("Keine Verbindung zur Datenbank."), statementText());
    auto p = std::make_unique<Prepared>();
    const QByteArray utf8 = sql().toUtf8();
    int rc = sqlite3_prepare_v2(m_db.handle(), utf8.constData(), int(utf8.size()), &p->stmt, nullptr);
    if (rc != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_db.handle())), statementText());
    if (sqlite3_bind_parameter_count(p->stmt) != m_values.size())
        throw DatabaseError(QStringLiteral("Anzahl der Werte passt nicht zur Anweisung."), statementText());
    for (int i = 0; i < m_values.size(); ++i) {
        const QVariant& v = m_values[i];
        const int idx = i + 1;
        if (v.isNull()) {
            rc = sqlite3_bind_null(p->stmt, idx);
            continue;
        }
        switch (v.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(p->stmt, idx, v.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(p->stmt, idx, v.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(p->stmt, idx, v.toDouble());
            break;
        case QMetaType::QDateTime: {
            const QByteArray t = GermanText::sqlDateTime(v.toDateTime()).toUtf8();
            rc = sqlite3_bind_text(p->stmt, idx, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            rc = sqlite3_bind_blob(p->stmt, idx, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray t = v.toString().toUtf8();
            rc = sqlite3_bind_text(p->stmt, idx, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
        }
        if (rc != SQLITE_OK)
            throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_db.handle())), statementText());
    }
    return p;
}

void Query::open()
{
    close();
    auto p = prepare();
    const int n = sqlite3_column_count(p->stmt);
    m_columns.clear();
    m_isDate.assign(size_t(n), false);
    for (int c = 0; c < n; ++c) {
        m_columns.append(QString::fromUtf8(sqlite3_column_name(p->stmt, c)));
        m_isDate[size_t(c)] = isDateType(sqlite3_column_decltype(p->stmt, c));
    }
    int rc;
    while ((rc = sqlite3_step(p->stmt)) == SQLITE_ROW) {
        std::vector<QVariant> row(static_cast<size_t>(n));
        for (int c = 0; c < n; ++c) {
            switch (sqlite3_column_type(p->stmt, c)) {
            case SQLITE_INTEGER:
                row[size_t(c)] = QVariant(qint64(sqlite3_column_int64(p->stmt, c)));
                break;
            case SQLITE_FLOAT:
                row[size_t(c)] = QVariant(sqlite3_column_double(p->stmt, c));
                break;
            case SQLITE_TEXT:
                row[size_t(c)] = QVariant(QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(p->stmt, c)), sqlite3_column_bytes(p->stmt, c)));
                break;
            case SQLITE_BLOB:
                row[size_t(c)] = QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(p->stmt, c)),
                                                     sqlite3_column_bytes(p->stmt, c)));
                break;
            default:
                break;
            }
        }
        m_rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        m_rows.clear();
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_db.handle())), statementText());
    }
    m_open = true;
    m_current = m_rows.empty() ? -1 : 0;
}

void Query::close()
{
    m_open = false;
    m_rows.clear();
    m_columns.clear();
    m_isDate.clear();
    m_current = -1;
}

void Query::execute()
{
    close();
    auto p = prepare();
    int rc;
    while ((rc = sqlite3_step(p->stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_db.handle())), statementText());
}

bool Query::seek(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    m_current = row;
    return true;
}

bool Query::next()
{
    if (m_current + 1 >= rowCount()) {
        m_current = rowCount();
        return false;
    }
    ++m_current;
    return true;
}

int Query::columnIndex(const QString& name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Field Query::field(const QString& name) const
{
    const int c = columnIndex(name);
    if (c < 0)
        throw DatabaseError(QStringLiteral("Feld '%1' nicht gefunden.").arg(name), statementText());
    return field(m_current, c);
}

Field Query::field(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return Field(QVariant(), false);
    return Field(m_rows[size_t(row)][size_t(column)], m_isDate[size_t(column)]);
}
