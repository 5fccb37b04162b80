#pragma once

#include <QString>

class Database;
class Query;

// Companies: the search, storing a company, its assignments and its erasure.
namespace Companies {

struct Filter
{
    QString name, address, plz, ort;
    bool inactive = false;
    bool kunde = true;
    bool lieferant = true;
};

struct Data
{
    QString name, address, plz, ort, rfid, trigger;
    bool inactive = false;
    bool kunde = false;
    bool lieferant = false;
};

// "K", "L", "A" for the two boxes; empty when neither is ticked.
QString kind(bool kunde, bool lieferant);
// The boxes of a stored kind: anything but K, L and A ticks none.
void boxes(const QString& kind, bool& kunde, bool& lieferant);

// The search over Firmenanzeige: active or (with inactive) inactive companies only, the filled-in
// filters as contained texts, the kind boxes (neither box: every kind), ordered by name.
void buildSearch(Query& q, const Filter& f);

// Inserts and returns the new company's key.
qint64 insert(Database& db, const Data& d);
void update(Database& db, qint64 id, const Data& d);

void setPreferredArticle(Database& db, qint64 company, qint64 product);
void setPreferredVehicle(Database& db, qint64 company, qint64 vehicle);
void assignVehicle(Database& db, qint64 company, qint64 vehicle);
void removeVehicle(Database& db, qint64 company, qint64 vehicle);

// Erasure for data protection: the company's weighings, its vehicle assignments and the company go
// in one transaction; then the photos of the deleted weighings in photoDir are removed.
// Returns the number of weighings deleted. Throws with nothing deleted when a statement fails.
int erase(Database& db, qint64 id, const QString& photoDir);

} // namespace Companies
