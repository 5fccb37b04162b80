#pragma once

#include "Prompt.h"

#include <functional>
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

// Answers message boxes and confirmations without showing them, and remembers what was asked.
class ScriptedPrompt : public Prompt
{
public:
    ScriptedPrompt() { Prompt::install(this); }
    ~ScriptedPrompt() override { Prompt::install(nullptr); }

    void message(const QString& text) override { messages << text; }
    void error(const QString& text) override { errors << text; }
    bool confirm(const QString& text) override
    {
        questions << text;
        return answers.isEmpty() ? false : answers.takeFirst();
    }

    QStringList messages;
    QStringList errors;
    QStringList questions;
    QList<bool> answers; // answers to the next confirmations; Cancel when none is left
};

// A station folder in a temporary directory, removed afterwards.
struct TempStation
{
    QTemporaryDir dir;
    QString path() const { return dir.path(); }
    QString databasePath() const { return dir.filePath(QStringLiteral("Data/daten.db")); }
    // Creates the database with its default content and runs statements on it.
    void prepare(const QStringList& statements = {}) const;
};

// A device on loopback: accepts connections, records what it receives and can answer each line.
class FakeTcpDevice : public QObject
{
    Q_OBJECT
public:
    explicit FakeTcpDevice(quint16 port = 0);
    quint16 port() const { return m_server.serverPort(); }
    QByteArray received() const { return m_received; }
    QList<QByteArray> lines() const;
    void clearReceived() { m_received.clear(); }
    int connectionCount() const { return m_connections; }
    bool hasClient() const { return m_client && m_client->state() == QAbstractSocket::ConnectedState; }
    void send(const QByteArray& data);
    void dropClient();
    void close() { m_server.close(); }
    // Called with each complete line received (line feed included); returns the answer to send.
    std::function<QByteArray(const QByteArray&)> answer;

private:
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
    QByteArray m_received;
    QByteArray m_pending;
    int m_connections = 0;
};

// A serial device on a pseudo-terminal: the code under test opens slaveName(); the test reads and
// answers on the master side.
class PtyDevice : public QObject
{
    Q_OBJECT
public:
    PtyDevice();
    ~PtyDevice() override;
    QString slaveName() const { return m_slave; }
    QByteArray received() const { return m_received; }
    QList<QByteArray> lines() const;
    void clearReceived() { m_received.clear(); }
    void send(const QByteArray& data);
    std::function<QByteArray(const QByteArray&)> answer;

private:
    int m_master = -1;
    int m_keep = -1;
    QString m_slave;
    QByteArray m_received;
    QByteArray m_pending;
};

// Splits received bytes into lines, line feed included.
QList<QByteArray> splitLines(const QByteArray& bytes);

// A control of a window by its objectName; a missing one ends the test run at once.
template <typename T> T* child(QObject* parent, const char* name)
{
    T* c = parent->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

// Waits until cond holds or timeoutMs passes, processing events.
bool waitFor(const std::function<bool()>& cond, int timeoutMs = 3000);
