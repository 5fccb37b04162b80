#pragma once

#include <QtGlobal>

class Database;

// The weigh-number counter in the configuration row holds the last number issued.
namespace WeighNumbers {

// Advances the counter and reads the new number back. Callers that insert a weighing run this in the
// same transaction as the insert, so that two stations never draw the same number and a failed
// insert consumes none.
qint64 draw(Database& db);

} // namespace WeighNumbers
