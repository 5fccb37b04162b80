#include "DemoDatabase.h"

#include "Database.h"
#include "Query.h"
#include "SimPorts.h"

#include <QFileInfo>

namespace DemoDatabase {

void prepare(const QString& path)
{
    if (QFileInfo::exists(path))
        return;
    Database db;
    db.open(path, true);
    Database::Transaction tx(db);
    Query q(db);
    auto insert = [&](const QString& sql, const QVariantList& values) {
        q.setSql(sql, values).execute();
        return db.lastInsertId();
    };
    QMap<QString, qint64> product, vehicle;
    for (const char* p : {"Kies 16/32", "Sand 0/4", "Bauschutt", "Weizen", "Humus"})
        product[QString::fromUtf8(p)] =
            insert(QStringLiteral("insert into produktstamm (Artikelbezeichnung) values (?)"), {QString::fromUtf8(p)});
    const std::pair<const char*, double> vehicles[] = {
        {"LI-123 AB", 12500}, {"WE-77 XY", 9800}, {"Traktor mit Anhänger", 7200}, {"LL-555 K", 14300}};
    for (const auto& [name, tara] : vehicles)
        vehicle[QString::fromUtf8(name)] =
            insert(QStringLiteral("insert into fahrzeugstamm (Fahrzeugbeschreibung, Tara) values (?, ?)"),
                   {QString::fromUtf8(name), tara});

    struct Company
    {
        const char *name, *address, *plz, *ort, *tag, *trigger, *kind, *product, *vehicle;
    };
    const Company companies[] = {
        {"Kieswerk Huber GmbH", "Hauptstraße 12", "4020", "Linz", "E2 00 34 12", "Ein-Ausfahrt", "K", "Kies 16/32",
         "LI-123 AB"},
        {"Recycling Mayr KG", "Industriezeile 5", "4600", "Wels", "E2 00 56 78", "Einzelwiegung", "L", "Bauschutt",
         "WE-77 XY"},
        {"Landwirtschaft Gruber", "Dorf 3", "4070", "Eferding", "", "Einzelwiegung", "A", "Weizen",
         "Traktor mit Anhänger"},
        {"Müller Transporte", "Am Hafen 8", "4030", "Linz", "E2 00 9A BC", "Ein-Ausfahrt", "K", "", ""},
    };
    for (const Company& c : companies) {
        const QString p = QString::fromUtf8(c.product), v = QString::fromUtf8(c.vehicle);
        const qint64 id = insert(
            QStringLiteral("insert into firmenstamm (Firmenname, Adresse, plz, ort, rfid, rfid_ausloeser, inaktiv,"
                           " Kunde_Lieferant, RFID_Material, RFID_Fahrzeug) values (?, ?, ?, ?, ?, ?, 0, ?, ?, ?)"),
            {QString::fromUtf8(c.name), QString::fromUtf8(c.address), QString::fromUtf8(c.plz),
             QString::fromUtf8(c.ort), QString::fromUtf8(c.tag), QString::fromUtf8(c.trigger),
             QString::fromUtf8(c.kind), p.isEmpty() ? 0 : product[p], v.isEmpty() ? 0 : vehicle[v]});
        if (!v.isEmpty())
            insert(QStringLiteral("insert into fahrzeug_zu_firma (firmen_id, fahrzeug_id) values (?, ?)"),
                   {id, vehicle[v]});
    }

    q.setSql(QStringLiteral(
                 "update konfiguration set waage=1, schnittstelle_waage='TCP-IP', ip_waage='127.0.0.1',"
                 " port_waage=?, zusatzanzeige=1, ip_zusatzanzeige='127.0.0.1', port_zusatzanzeige=?,"
                 " rfid=1, rfid_ip='127.0.0.1', video=1, url_webcam=?, bild1_hoehe=360,"
                 " bild1_breite=480, bild1_x=268, bild1_y=123, bild2_hoehe=0, serverfenster=1, wiegenummer=1000"),
             {SimPorts::Scale, SimPorts::Display, QStringLiteral("http://127.0.0.1:%1/").arg(SimPorts::Webcam)})
        .execute();
    tx.commit();
}

} // namespace DemoDatabase
