#include "Configuration.h"

#include "Database.h"
#include "DatabaseError.h"
#include "Query.h"

Configuration Configuration::load(Database& db)
{
    Query q(db);
    q.setSql(QStringLiteral("select * from konfiguration"));
    q.open();
    if (!q.hasCurrentRow())
        throw DatabaseError(QStringLiteral("Die Tabelle konfiguration enthält keine Zeile."), q.sql());
    Configuration c;
    auto i = [&](const char* n) { return int(q.field(QString::fromLatin1(n)).asInt()); };
    auto b = [&](const char* n) { return q.field(QString::fromLatin1(n)).asBool(); };
    auto t = [&](const char* n) { return q.field(QString::fromLatin1(n)).asText(); };
    c.wiegenummer = q.field(QStringLiteral("wiegenummer")).asInt();
    c.waage = b("waage");
    c.schnittstelle_waage = t("schnittstelle_waage");
    c.ip_waage = t("ip_waage");
    c.port_waage = i("port_waage");
    c.zusatzanzeige = b("zusatzanzeige");
    c.ip_zusatzanzeige = t("ip_zusatzanzeige");
    c.port_zusatzanzeige = i("port_zusatzanzeige");
    c.rfid = b("rfid");
    c.rfid_ip = t("rfid_ip");
    c.video = b("video");
    c.url_webcam = t("url_webcam");
    c.bild1_hoehe = i("bild1_hoehe");
    c.bild1_breite = i("bild1_breite");
    c.bild1_x = i("bild1_x");
    c.bild1_y = i("bild1_y");
    c.bild2_hoehe = i("bild2_hoehe");
    c.bild2_breite = i("bild2_breite");
    c.bild2_x = i("bild2_x");
    c.bild2_y = i("bild2_y");
    c.erstwiegungsdruck = b("erstwiegungsdruck");
    c.erstwiegungsdruck_vorschau = b("erstwiegungsdruck_vorschau");
    c.summendruck_vorschau = b("summendruck_vorschau");
    c.einzelwiegung_vorschau = b("einzelwiegung_vorschau");
    c.serverfenster = b("serverfenster");
    c.benutzersteuerung = b("benutzersteuerung");
    return c;
}

void Configuration::save(Database& db, bool withCounter) const
{
    Query q(db);
    q.add(QStringLiteral("update konfiguration set waage=?, schnittstelle_waage=?, ip_waage=?,"))
        .add(QStringLiteral(" port_waage=?, zusatzanzeige=?, ip_zusatzanzeige=?, port_zusatzanzeige=?, rfid=?,"))
        .add(QStringLiteral(" rfid_ip=?, video=?, url_webcam=?, bild1_hoehe=?, bild1_breite=?, bild1_x=?, bild1_y=?,"))
        .add(QStringLiteral(" bild2_hoehe=?, bild2_breite=?, bild2_x=?, bild2_y=?, erstwiegungsdruck=?,"))
        .add(QStringLiteral(" erstwiegungsdruck_vorschau=?, summendruck_vorschau=?, einzelwiegung_vorschau=?,"))
        .add(QStringLiteral(" serverfenster=?, benutzersteuerung=?"));
    if (withCounter)
        q.add(QStringLiteral(", wiegenummer=?"));
    for (const QVariant& v : {QVariant(waage),
                              QVariant(schnittstelle_waage),
                              QVariant(ip_waage),
                              QVariant(port_waage),
                              QVariant(zusatzanzeige),
                              QVariant(ip_zusatzanzeige),
                              QVariant(port_zusatzanzeige),
                              QVariant(rfid),
                              QVariant(rfid_ip),
                              QVariant(video),
                              QVariant(url_webcam),
                              QVariant(bild1_hoehe),
                              QVariant(bild1_breite),
                              QVariant(bild1_x),
                              QVariant(bild1_y),
                              QVariant(bild2_hoehe),
                              QVariant(bild2_breite),
                              QVariant(bild2_x),
                              QVariant(bild2_y),
                              QVariant(erstwiegungsdruck),
                              QVariant(erstwiegungsdruck_vorschau),
                              QVariant(summendruck_vorschau),
                              QVariant(einzelwiegung_vorschau),
                              QVariant(serverfenster),
                              QVariant(benutzersteuerung)})
        q.bind(v);
    if (withCounter)
        q.bind(wiegenummer);
    q.execute();
}
