#include "PasswordHash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace {
constexpr int Iterations = 20000;
constexpr int HashLength = 32;
const QString Scheme = QStringLiteral("pbkdf2-sha256");

QByteArray derive(const QString& password, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt, iterations,
                                              HashLength);
}
} // namespace

namespace PasswordHash {

QString hash(const QString& password)
{
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), salt.size() / 4);
    return QStringList{Scheme, QString::number(Iterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(derive(password, salt, Iterations).toBase64())}
        .join(QLatin1Char('$'));
}

bool verify(const QString& password, const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != Scheme)
        return false;
    bool ok = false;
    const int iterations = parts[1].toInt(&ok);
    if (!ok || iterations <= 0)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[3].toLatin1());
    const QByteArray actual = derive(password, salt, iterations);
    // Constant-time comparison.
    if (actual.size() != expected.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < actual.size(); ++i)
        diff |= static_cast<unsigned char>(actual[i] ^ expected[i]);
    return diff == 0;
}

} // namespace PasswordHash
