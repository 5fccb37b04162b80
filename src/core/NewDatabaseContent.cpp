#include "NewDatabaseContent.h"

#include "Database.h"
#include "DefaultLayouts.h"
#include "PasswordHash.h"
#include "Query.h"

namespace {

struct FieldEntry
{
    const char* name;
    const char* column;
};

// Every printable column of wiegung_gesamt, under the name the designer offers.
const FieldEntry Fields[] = {
    {"Wiegenummer", "wiegenummer"},
    {"Wiegeart", "wiegeart"},
    {"Datum", "datum"},
    {"Firma", "namegesamt"},
    {"Firmenname", "Firmagesamt"},
    {"Adresse", "Adresse"},
    {"PLZ", "plz"},
    {"Ort", "ort"},
    {"Kunde/Lieferant", "Kunde_Lieferant"},
    {"Produkt", "produktgesamt"},
    {"Fahrzeug", "fahrzeuggesamt"},
    {"Fahrzeug Tara", "Fahrzeugstamm.Tara"},
    {"Brutto", "brutto"},
    {"Tara", "wiegung.Tara"},
    {"Netto", "netto"},
    {"Brutto Alibi", "brutto_alibi"},
    {"Tara Alibi", "tara_alibi"},
    {"Netto Alibi", "netto_alibi"},
    {"Richtung", "ein_oder_aus"},
    {"RFID", "RFID"},
};

} // namespace

namespace NewDatabaseContent {

void write(Database& db)
{
    Query q(db);
    q.setSql(
         QStringLiteral("INSERT INTO konfiguration (wiegenummer, waage, schnittstelle_waage, ip_waage, port_waage,"
                        " zusatzanzeige, ip_zusatzanzeige, port_zusatzanzeige, rfid, rfid_ip, video, url_webcam,"
                        " bild1_hoehe, bild1_breite, bild1_x, bild1_y, bild2_hoehe, bild2_breite, bild2_x, bild2_y,"
                        " erstwiegungsdruck, erstwiegungsdruck_vorschau, summendruck_vorschau, einzelwiegung_vorschau,"
                        " serverfenster, benutzersteuerung)"
                        " VALUES (0, 0, 'TCP-IP', '127.0.0.1', 23, 0, '127.0.0.1', 24, 0, '127.0.0.1', 0, '',"
                        " 240, 320, 420, 160, 0, 320, 760, 160, 1, 1, 1, 1, 1, 0)"))
        .execute();

    // The rows that quick-entry weighings point at: the name is NULL.
    q.setSql(QStringLiteral("INSERT INTO firmenstamm (Firmenname, Adresse, plz, ort, rfid, Kunde_Lieferant)"
                            " VALUES (NULL, '', '', '', '', 'A')"))
        .execute();
    q.setSql(QStringLiteral("INSERT INTO produktstamm (Artikelbezeichnung) VALUES (NULL)")).execute();
    q.setSql(QStringLiteral("INSERT INTO fahrzeugstamm (Fahrzeugbeschreibung, Tara) VALUES (NULL, 0)")).execute();

    for (const FieldEntry& f : Fields) {
        q.setSql(QStringLiteral("INSERT INTO ausdrucke_dbfelder (feldname, tabelle, spalte) VALUES (?, ?, ?)"),
                 {QString::fromUtf8(f.name), QStringLiteral("wiegung_gesamt"), QString::fromUtf8(f.column)})
            .execute();
    }

    DefaultLayouts::write(db);

    q.setSql(QStringLiteral("INSERT INTO benutzer (Anzeigename, Benutzername, Kennwort, Berechtigung)"
                            " VALUES ('Superuser', 'admin', ?, 'Superuser')"),
             {PasswordHash::hash(QStringLiteral("admin"))})
        .execute();
}

} // namespace NewDatabaseContent
