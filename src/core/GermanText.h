#pragma once

#include <optional>
#include <QDateTime>
#include <QString>

// Number and date texts as the station shows them: German conventions whatever the machine's locale.
namespace GermanText {

// Shortest decimal form with a decimal comma: 1234.5 -> "1234,5", 730 -> "730".
QString number(double value);
// General format with up to 15 significant digits and a decimal point, as computed numbers are
// written into statements: 730.5 -> "730.5", 730 -> "730".
QString generalNumber(double value);
// A typed or received number: decimal point or comma, surrounding blanks ignored. Empty or
// malformed text gives nothing.
std::optional<double> parseNumber(const QString& text);
// "11.12.2026 13:45:00"; midnight shows the date alone.
QString dateTime(const QDateTime& value);
// The stored form "2026-12-11 13:45:00".
QString sqlDateTime(const QDateTime& value);
QDateTime parseSqlDateTime(const QString& text);

} // namespace GermanText
