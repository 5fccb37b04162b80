#include "Selection.h"

#include "Database.h"
#include "DatabaseError.h"
#include "Prompt.h"
#include "Query.h"

Selection::Selection(QObject* parent) : QObject(parent)
{
    m_values[Tara] = QStringLiteral("0");
}

void Selection::set(Item item, const QString& value)
{
    if (m_values[item] == value)
        return;
    m_values[item] = value;
    Q_EMIT changed(item, value);
}

void Selection::setCompany(qint64 id, const QString& name, const QString& address, const QString& plz,
                           const QString& ort, bool clearHand)
{
    if (clearHand)
        set(FirmaHand, {});
    set(FirmaId, QString::number(id));
    set(FirmaGewaehlt, name);
    set(FirmaAdresse, address);
    set(FirmaPlzOrt, plz + QLatin1Char(' ') + ort);
}

void Selection::setProduct(qint64 id, const QString& name, bool clearHand)
{
    if (clearHand)
        set(ProduktHand, {});
    set(ProduktId, QString::number(id));
    set(ProduktGewaehlt, name);
}

void Selection::setVehicle(qint64 id, const QString& name, bool clearHand)
{
    if (clearHand)
        set(FahrzeugHand, {});
    set(FahrzeugId, QString::number(id));
    set(FahrzeugGewaehlt, name);
}

void Selection::applyPreferences(Database& db, qint64 productId, qint64 vehicleId, bool clearHand)
{
    Query q(db);
    if (productId != 0) {
        try {
            q.setSql(QStringLiteral("Select * from produktstamm where id=?"), {productId});
            q.open();
            if (q.hasCurrentRow())
                setProduct(q.field(QStringLiteral("id")).asInt(),
                           q.field(QStringLiteral("Artikelbezeichnung")).asText(), clearHand);
        } catch (const DatabaseError& e) {
            Prompt::instance().message(e.statement());
        }
    }
    if (vehicleId != 0) {
        try {
            q.setSql(QStringLiteral("Select * from fahrzeugstamm where id=?"), {vehicleId});
            q.open();
            if (q.hasCurrentRow()) {
                setVehicle(q.field(QStringLiteral("id")).asInt(),
                           q.field(QStringLiteral("Fahrzeugbeschreibung")).asText(), clearHand);
                set(Tara, q.field(QStringLiteral("Tara")).asText());
            }
        } catch (const DatabaseError& e) {
            Prompt::instance().message(e.statement());
        }
    }
}

bool Selection::quickEntry(Database& db, Group group, const QString& text)
{
    if (text.isEmpty())
        return false;
    struct Target
    {
        Item hand, name, id;
    };
    static const Target targets[] = {
        {FirmaHand, FirmaGewaehlt, FirmaId},
        {ProduktHand, ProduktGewaehlt, ProduktId},
        {FahrzeugHand, FahrzeugGewaehlt, FahrzeugId},
    };
    const Target& t = targets[int(group)];
    set(t.hand, QStringLiteral("Hand"));
    set(t.name, text);
    Query q(db);
    q.setSql(quickEntryStatement(group));
    q.open();
    // Without a quick-entry row the id stays empty and storing the weighing refuses it.
    set(t.id, q.hasCurrentRow() ? q.field(QStringLiteral("id")).asText() : QString());
    return true;
}

QString Selection::quickEntryStatement(Group group)
{
    switch (group) {
    case Group::Company:
        return QStringLiteral("select * from firmenstamm where firmenname is null");
    case Group::Product:
        return QStringLiteral("select * from produktstamm where artikelbezeichnung is null");
    case Group::Vehicle:
        break;
    }
    return QStringLiteral("select * from fahrzeugstamm where fahrzeugbeschreibung is null");
}

void Selection::reset()
{
    for (Item i : {FirmaHand, ProduktHand, FahrzeugHand, FirmaGewaehlt, FirmaAdresse, FirmaPlzOrt, FirmaId,
                   ProduktGewaehlt, ProduktId, FahrzeugGewaehlt, FahrzeugId})
        set(i, {});
}
