#pragma once

#include <QString>

// Stored passwords: PBKDF2-HMAC-SHA256 with a random salt, kept as
// "pbkdf2-sha256$<iterations>$<salt base64>$<hash base64>".
namespace PasswordHash {

QString hash(const QString& password);
bool verify(const QString& password, const QString& stored);

} // namespace PasswordHash
