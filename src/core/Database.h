#pragma once

#include <QString>

struct sqlite3;

// The one connection of a program to the encrypted database file. The key is the fixed password of
// both programs. Opening sets WAL and a busy timeout so that the station and the designer can work on
// the file at the same time, and registers the functions that our statements use (now(), a LIKE and
// upper()/lower() that fold all letters, not only ASCII).
class Database
{
public:
    static const char* const Key;

    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file; with createIfMissing a missing file is created with the full default
    // content of a new database. An existing file is never overwritten. Throws DatabaseError.
    void open(const QString& path, bool createIfMissing);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }

    // Runs statements without results (schema, pragmas). Throws DatabaseError.
    void exec(const QString& sql);
    qint64 lastInsertId() const;
    int changes() const;

    sqlite3* handle() const { return m_db; }

    // Work that must not be half done: BEGIN IMMEDIATE takes the write lock at once, so two stations
    // on one file serialise here instead of failing later. Rolls back unless committed.
    class Transaction
    {
    public:
        explicit Transaction(Database& db);
        ~Transaction();
        void commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

    private:
        Database& m_db;
        bool m_done = false;
    };

private:
    void registerFunctions();
    [[noreturn]] void fail(const QString& what, int rc);

    sqlite3* m_db = nullptr;
    QString m_path;
};
