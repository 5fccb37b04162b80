#pragma once

#include <QString>

class Database;
class Query;

// Vehicles and products: their searches and how they are stored.
namespace Vehicles {

void buildSearch(Query& q, const QString& text, bool inactive);
// The tare as typed, with a decimal point or comma; nothing for a text that is no number.
bool parseTara(const QString& text, double& tara);
qint64 insert(Database& db, const QString& description, double tara);
void update(Database& db, qint64 id, const QString& description, double tara, bool inactive);

} // namespace Vehicles

namespace Products {

void buildSearch(Query& q, const QString& text, bool inactive);
qint64 insert(Database& db, const QString& name);
void update(Database& db, qint64 id, const QString& name, bool inactive);

} // namespace Products
