#include "Vehicles.h"

#include "Database.h"
#include "GermanText.h"
#include "Query.h"

namespace {

void search(Query& q, const char* view, const char* column, const QString& text, bool inactive)
{
    const QString c = QString::fromLatin1(column);
    q.clear();
    q.add(QStringLiteral("select * from %1  where (%2 is not null) and ").arg(QString::fromLatin1(view), c));
    q.add(inactive ? QStringLiteral(" (inaktiv=1) and ") : QStringLiteral(" (inaktiv=0) and "));
    if (!text.isEmpty()) {
        q.add(QStringLiteral(" (%1 like ?) and ").arg(c));
        q.bind(QLatin1Char('%') + text + QLatin1Char('%'));
    }
    q.add(QStringLiteral(" (id>0) order by %1 asc").arg(c));
}

} // namespace

namespace Vehicles {

void buildSearch(Query& q, const QString& text, bool inactive)
{
    search(q, "fahrzeuganzeige", "fahrzeugbeschreibung", text, inactive);
}

bool parseTara(const QString& text, double& tara)
{
    const auto v = GermanText::parseNumber(text);
    if (!v)
        return false;
    tara = *v;
    return true;
}

qint64 insert(Database& db, const QString& description, double tara)
{
    Query q(db);
    q.add(QStringLiteral("Insert into fahrzeugstamm (fahrzeugBeschreibung,tara) values ("))
        .add(QStringLiteral("?, ?)"));
    q.bind(description).bind(tara).execute();
    return db.lastInsertId();
}

void update(Database& db, qint64 id, const QString& description, double tara, bool inactive)
{
    Query(db)
        .setSql(QStringLiteral("update fahrzeugstamm set Fahrzeugbeschreibung=?, Tara=?, inaktiv=? where id=?"),
                {description, tara, inactive, id})
        .execute();
}

} // namespace Vehicles

namespace Products {

void buildSearch(Query& q, const QString& text, bool inactive)
{
    search(q, "produktanzeige", "artikelbezeichnung", text, inactive);
}

qint64 insert(Database& db, const QString& name)
{
    Query q(db);
    q.add(QStringLiteral("Insert into produktstamm (artikelbezeichnung) values (")).add(QStringLiteral("?)"));
    q.bind(name).execute();
    return db.lastInsertId();
}

void update(Database& db, qint64 id, const QString& name, bool inactive)
{
    Query(db)
        .setSql(QStringLiteral("update produktstamm set Artikelbezeichnung=?, inaktiv=? where id=?"),
                {name, inactive, id})
        .execute();
}

} // namespace Products
