#include "Companies.h"

#include "Database.h"
#include "Query.h"

#include <QDir>
#include <QFile>

namespace Companies {

QString kind(bool kunde, bool lieferant)
{
    if (kunde && lieferant)
        return QStringLiteral("A");
    if (kunde)
        return QStringLiteral("K");
    if (lieferant)
        return QStringLiteral("L");
    return {};
}

void boxes(const QString& k, bool& kunde, bool& lieferant)
{
    kunde = k == QLatin1String("K") || k == QLatin1String("A");
    lieferant = k == QLatin1String("L") || k == QLatin1String("A");
}

void buildSearch(Query& q, const Filter& f)
{
    q.clear();
    q.add(QStringLiteral("select * from Firmenanzeige  where (firmenname is not null) and"));
    q.add(f.inactive ? QStringLiteral(" (inaktiv = 1) and ") : QStringLiteral(" (inaktiv = 0) and "));
    const std::pair<const QString*, const char*> texts[] = {
        {&f.name, "firmenname"}, {&f.address, "adresse"}, {&f.plz, "plz"}, {&f.ort, "ort"}};
    for (const auto& [text, column] : texts) {
        if (!text->isEmpty()) {
            q.add(QStringLiteral(" (%1 like ?) and ").arg(QString::fromLatin1(column)));
            q.bind(QLatin1Char('%') + *text + QLatin1Char('%'));
        }
    }
    if (f.kunde && f.lieferant)
        q.add(QStringLiteral(" ((Kunde_Lieferant='A') or (Kunde_Lieferant='K') or (Kunde_Lieferant='L') ) and "));
    else if (f.kunde)
        q.add(QStringLiteral(" ((Kunde_Lieferant='A') or (Kunde_Lieferant='K') ) and "));
    else if (f.lieferant)
        q.add(QStringLiteral(" ((Kunde_Lieferant='A') or  (Kunde_Lieferant='L') ) and "));
    q.add(QStringLiteral(" (id>0) order by firmenname asc"));
}

qint64 insert(Database& db, const Data& d)
{
    Query q(db);
    q.add(QStringLiteral(
        "Insert into firmenstamm (Firmenname,adresse,plz,ort,rfid,rfid_Ausloeser,inaktiv,kunde_Lieferant)"
        " values (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& v : {QVariant(d.name), QVariant(d.address), QVariant(d.plz), QVariant(d.ort), QVariant(d.rfid),
                              QVariant(d.trigger), QVariant(d.inactive), QVariant(kind(d.kunde, d.lieferant))})
        q.bind(v);
    q.execute();
    return db.lastInsertId();
}

void update(Database& db, qint64 id, const Data& d)
{
    Query q(db);
    q.add(QStringLiteral("update firmenstamm set firmenname=?, adresse=?, plz=?, ort=?, rfid=?, rfid_ausloeser=?,"
                         " inaktiv=?, kunde_Lieferant=? where id=?"));
    for (const QVariant& v :
         {QVariant(d.name), QVariant(d.address), QVariant(d.plz), QVariant(d.ort), QVariant(d.rfid),
          QVariant(d.trigger), QVariant(d.inactive), QVariant(kind(d.kunde, d.lieferant)), QVariant(id)})
        q.bind(v);
    q.execute();
}

void setPreferredArticle(Database& db, qint64 company, qint64 product)
{
    Query(db)
        .setSql(QStringLiteral("Update firmenstamm set rfid_material=? where id =?"), {product, company})
        .execute();
}

void setPreferredVehicle(Database& db, qint64 company, qint64 vehicle)
{
    Query(db)
        .setSql(QStringLiteral("Update firmenstamm set rfid_fahrzeug=? where id =?"), {vehicle, company})
        .execute();
}

void assignVehicle(Database& db, qint64 company, qint64 vehicle)
{
    Query(db)
        .setSql(QStringLiteral("insert into fahrzeug_zu_firma (Firmen_id,fahrzeug_id) values (?, ?)"),
                {company, vehicle})
        .execute();
}

void removeVehicle(Database& db, qint64 company, qint64 vehicle)
{
    Query(db)
        .setSql(QStringLiteral("delete from fahrzeug_zu_firma  where (Firmen_id=?) and (fahrzeug_id=?)"),
                {company, vehicle})
        .execute();
}

int erase(Database& db, qint64 id, const QString& photoDir)
{
    QList<qint64> numbers;
    Database::Transaction tx(db);
    Query q(db);
    q.setSql(QStringLiteral("select distinct wiegenummer from wiegung where firma_id=?"), {id});
    q.open();
    for (int r = 0; r < q.rowCount(); ++r)
        numbers << q.field(r, 0).asInt();
    q.setSql(QStringLiteral("Delete from wiegung where firma_id=?"), {id}).execute();
    const int deleted = db.changes();
    q.setSql(QStringLiteral("delete from fahrzeug_zu_firma where firmen_id=?"), {id}).execute();
    q.setSql(QStringLiteral("Delete from firmenstamm where id=?"), {id}).execute();
    tx.commit();

    // The photos go only once the rows are gone for good.
    const QDir dir(photoDir);
    for (qint64 n : numbers) {
        for (int camera = 1; camera <= 4; ++camera)
            QFile::remove(dir.filePath(QStringLiteral("%1_%2.bmp").arg(n).arg(camera)));
    }
    return deleted;
}

} // namespace Companies
