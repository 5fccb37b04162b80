#include "Database.h"

#include "Clock.h"
#include "DatabaseError.h"
#include "GermanText.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

const char* const Database::Key = "quendal";

namespace {

QString fromUtf8(const unsigned char* text)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

bool isAscii(const unsigned char* s)
{
    for (; *s; ++s) {
        if (*s >= 0x80)
            return false;
    }
    return true;
}

// Wildcard match of SQL LIKE on case-folded texts: % any run, _ one character, esc escapes the next.
bool likeMatch(const QString& pattern, const QString& text, QChar esc)
{
    qsizetype p = 0, t = 0, starP = -1, starT = -1;
    while (t < text.size()) {
        if (p < pattern.size()) {
            QChar c = pattern[p];
            if (!esc.isNull() && c == esc && p + 1 < pattern.size()) {
                if (pattern[p + 1] == text[t]) {
                    p += 2;
                    ++t;
                    continue;
                }
            } else if (c == QLatin1Char('%')) {
                starP = p++;
                starT = t;
                continue;
            } else if (c == QLatin1Char('_') || c == text[t]) {
                ++p;
                ++t;
                continue;
            }
        }
        if (starP < 0)
            return false;
        p = starP + 1;
        t = ++starT;
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('%'))
        ++p;
    return p == pattern.size();
}

void likeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const unsigned char* pattern = sqlite3_value_text(argv[0]);
    const unsigned char* text = sqlite3_value_text(argv[1]);
    if (!pattern || !text) {
        sqlite3_result_null(ctx);
        return;
    }
    QChar esc;
    unsigned int escAscii = 0;
    if (argc == 3) {
        const unsigned char* e = sqlite3_value_text(argv[2]);
        QString escText = e ? fromUtf8(e) : QString();
        if (escText.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        esc = escText[0];
        escAscii = esc.unicode();
    }
    if (isAscii(pattern) && isAscii(text) && escAscii < 0x80) {
        sqlite3_result_int(ctx, sqlite3_strlike(reinterpret_cast<const char*>(pattern),
                                                reinterpret_cast<const char*>(text), escAscii) == 0);
        return;
    }
    sqlite3_result_int(ctx, likeMatch(fromUtf8(pattern).toCaseFolded(), fromUtf8(text).toCaseFolded(),
                                      esc.isNull() ? esc : esc.toCaseFolded()));
}

template <bool Upper> void caseFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const unsigned char* text = sqlite3_value_text(argv[0]);
    if (!text) {
        sqlite3_result_null(ctx);
        return;
    }
    QByteArray out = (Upper ? fromUtf8(text).toUpper() : fromUtf8(text).toLower()).toUtf8();
    sqlite3_result_text(ctx, out.constData(), int(out.size()), SQLITE_TRANSIENT);
}

void nowFunction(sqlite3_context* ctx, int, sqlite3_value**)
{
    QByteArray out = GermanText::sqlDateTime(Clock::now()).toUtf8();
    sqlite3_result_text(ctx, out.constData(), int(out.size()), SQLITE_TRANSIENT);
}

} // namespace

Database::~Database()
{
    close();
}

void Database::open(const QString& path, bool createIfMissing)
{
    close();
    const bool exists = QFileInfo::exists(path);
    if (!exists && !createIfMissing)
        throw DatabaseError(
            QStringLiteral("Die Datenbank %1 wurde nicht gefunden.").arg(QDir::toNativeSeparators(path)));
    if (!exists)
        QDir().mkpath(QFileInfo(path).absolutePath());

    const int flags = SQLITE_OPEN_READWRITE | (exists ? 0 : SQLITE_OPEN_CREATE) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK)
        fail(QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden").arg(QDir::toNativeSeparators(path)), rc);
    m_path = path;
    try {
        rc = sqlite3_key(m_db, Key, int(qstrlen(Key)));
        if (rc != SQLITE_OK)
            fail(QStringLiteral("Der Schlüssel der Datenbank kann nicht gesetzt werden"), rc);
        sqlite3_busy_timeout(m_db, 5000);
        // Reading the schema is the first access that needs the key: a wrong key or a file that is
        // no database fails here.
        exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
        registerFunctions();
        if (exists)
            Schema::upgrade(*this);
        else
            Schema::createNew(*this);
    } catch (const DatabaseError& e) {
        close();
        if (!exists)
            QFile::remove(path);
        throw DatabaseError(QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden: %2")
                                .arg(QDir::toNativeSeparators(path), e.message()),
                            e.statement());
    }
}

void Database::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

void Database::exec(const QString& sql)
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("Keine Verbindung zur Datenbank."), sql);
    char* err = nullptr;
    int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        QString message = err ? QString::fromUtf8(err) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_free(err);
        throw DatabaseError(message, sql);
    }
}

qint64 Database::lastInsertId() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

int Database::changes() const
{
    return m_db ? sqlite3_changes(m_db) : 0;
}

void Database::registerFunctions()
{
    const int utf8 = SQLITE_UTF8;
    const int det = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(m_db, "like", 2, det, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(m_db, "like", 3, det, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(m_db, "upper", 1, det, nullptr, caseFunction<true>, nullptr, nullptr);
    sqlite3_create_function(m_db, "lower", 1, det, nullptr, caseFunction<false>, nullptr, nullptr);
    sqlite3_create_function(m_db, "now", 0, utf8, nullptr, nowFunction, nullptr, nullptr);
}

void Database::fail(const QString& what, int rc)
{
    QString message = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(rc));
    close();
    throw DatabaseError(what + QStringLiteral(": ") + message);
}

Database::Transaction::Transaction(Database& db) : m_db(db)
{
    m_db.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

Database::Transaction::~Transaction()
{
    if (!m_done) {
        try {
            m_db.exec(QStringLiteral("ROLLBACK"));
        } catch (const DatabaseError&) {
            // The engine may already have rolled back on the error that brought us here.
        }
    }
}

void Database::Transaction::commit()
{
    m_db.exec(QStringLiteral("COMMIT"));
    m_done = true;
}
