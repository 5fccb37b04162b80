#include "Schema.h"

#include "Database.h"
#include "DatabaseError.h"
#include "NewDatabaseContent.h"
#include "Query.h"

namespace {

// Texts compare without regard to letter case; booleans are 0/1; dates are local time texts
// "YYYY-MM-DD HH:MM:SS" in columns declared DATETIME, so that reading them gives a German date.
const char* const Tables = R"SQL(
CREATE TABLE konfiguration (
    wiegenummer INTEGER NOT NULL DEFAULT 0,
    waage INTEGER NOT NULL DEFAULT 0,
    schnittstelle_waage TEXT COLLATE NOCASE,
    ip_waage TEXT COLLATE NOCASE,
    port_waage INTEGER NOT NULL DEFAULT 0,
    zusatzanzeige INTEGER NOT NULL DEFAULT 0,
    ip_zusatzanzeige TEXT COLLATE NOCASE,
    port_zusatzanzeige INTEGER NOT NULL DEFAULT 0,
    rfid INTEGER NOT NULL DEFAULT 0,
    rfid_ip TEXT COLLATE NOCASE,
    video INTEGER NOT NULL DEFAULT 0,
    url_webcam TEXT COLLATE NOCASE,
    bild1_hoehe INTEGER NOT NULL DEFAULT 0,
    bild1_breite INTEGER NOT NULL DEFAULT 0,
    bild1_x INTEGER NOT NULL DEFAULT 0,
    bild1_y INTEGER NOT NULL DEFAULT 0,
    bild2_hoehe INTEGER NOT NULL DEFAULT 0,
    bild2_breite INTEGER NOT NULL DEFAULT 0,
    bild2_x INTEGER NOT NULL DEFAULT 0,
    bild2_y INTEGER NOT NULL DEFAULT 0,
    erstwiegungsdruck INTEGER NOT NULL DEFAULT 0,
    erstwiegungsdruck_vorschau INTEGER NOT NULL DEFAULT 0,
    summendruck_vorschau INTEGER NOT NULL DEFAULT 0,
    einzelwiegung_vorschau INTEGER NOT NULL DEFAULT 0,
    serverfenster INTEGER NOT NULL DEFAULT 0,
    benutzersteuerung INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE benutzer (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    Anzeigename TEXT COLLATE NOCASE,
    Benutzername TEXT COLLATE NOCASE,
    Kennwort TEXT,
    Berechtigung TEXT COLLATE NOCASE
);
CREATE TABLE firmenstamm (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    Firmenname TEXT COLLATE NOCASE,
    Adresse TEXT COLLATE NOCASE DEFAULT '',
    plz TEXT COLLATE NOCASE DEFAULT '',
    ort TEXT COLLATE NOCASE DEFAULT '',
    rfid TEXT COLLATE NOCASE DEFAULT '',
    rfid_ausloeser TEXT COLLATE NOCASE DEFAULT '',
    inaktiv INTEGER NOT NULL DEFAULT 0,
    Kunde_Lieferant TEXT COLLATE NOCASE DEFAULT '',
    RFID_Material INTEGER DEFAULT 0,
    RFID_Fahrzeug INTEGER DEFAULT 0
);
CREATE TABLE fahrzeugstamm (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    Fahrzeugbeschreibung TEXT COLLATE NOCASE,
    Tara REAL DEFAULT 0,
    inaktiv INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE produktstamm (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    Artikelbezeichnung TEXT COLLATE NOCASE,
    inaktiv INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE fahrzeug_zu_firma (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    firmen_id INTEGER,
    fahrzeug_id INTEGER
);
CREATE TABLE wiegung (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    wiegenummer INTEGER,
    wiegeart TEXT COLLATE NOCASE,
    datum DATETIME,
    Firma_id INTEGER,
    Material_id INTEGER,
    Fahrzeug_id INTEGER,
    schnellfirma TEXT COLLATE NOCASE,
    schnellmaterial TEXT COLLATE NOCASE,
    schnellfahrzeug TEXT COLLATE NOCASE,
    RFID TEXT COLLATE NOCASE,
    brutto REAL,
    Tara REAL,
    netto REAL,
    brutto_alibi TEXT COLLATE NOCASE,
    tara_alibi TEXT COLLATE NOCASE,
    netto_alibi TEXT COLLATE NOCASE,
    ein_oder_aus TEXT COLLATE NOCASE
);
CREATE TABLE ausdrucke (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Bezeichnung TEXT COLLATE NOCASE,
    xbeginn INTEGER NOT NULL DEFAULT 0,
    ybeginn INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE ausdrucke_fixtexte (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    ausdruckart TEXT COLLATE NOCASE,
    bezeichnung TEXT COLLATE NOCASE,
    anzeigetext TEXT COLLATE NOCASE,
    schriftart TEXT COLLATE NOCASE,
    farbe TEXT COLLATE NOCASE,
    x INTEGER NOT NULL DEFAULT 0,
    y INTEGER NOT NULL DEFAULT 0,
    schriftgroesse INTEGER NOT NULL DEFAULT 11,
    schriftschnitt TEXT COLLATE NOCASE DEFAULT '0000',
    feldart TEXT COLLATE NOCASE
);
CREATE TABLE ausdrucke_bilder (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    ausdruckart TEXT COLLATE NOCASE,
    bezeichnung TEXT COLLATE NOCASE,
    x INTEGER NOT NULL DEFAULT 0,
    y INTEGER NOT NULL DEFAULT 0,
    datei TEXT,
    hoehe INTEGER NOT NULL DEFAULT 0,
    breite INTEGER NOT NULL DEFAULT 0,
    stretch INTEGER NOT NULL DEFAULT 0,
    bildart TEXT COLLATE NOCASE,
    webcamnummer INTEGER
);
CREATE TABLE ausdrucke_shapes (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    ausdruckart TEXT COLLATE NOCASE,
    bezeichnung TEXT COLLATE NOCASE,
    x INTEGER NOT NULL DEFAULT 0,
    y INTEGER NOT NULL DEFAULT 0,
    shapehoehe INTEGER NOT NULL DEFAULT 0,
    shapebreite INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE ausdrucke_dbfelder (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    feldname TEXT COLLATE NOCASE,
    tabelle TEXT COLLATE NOCASE,
    spalte TEXT COLLATE NOCASE
);

-- What the lists and the evaluation query: the open first weighings, the last 24 hours by kind,
-- a weighing by its number, and the totals per company, vehicle and product.
CREATE INDEX wiegung_art_datum ON wiegung (wiegeart, datum);
CREATE INDEX wiegung_nummer ON wiegung (wiegenummer);
CREATE INDEX wiegung_firma ON wiegung (Firma_id, ein_oder_aus, netto);
CREATE INDEX wiegung_fahrzeug ON wiegung (Fahrzeug_id, ein_oder_aus, netto);
CREATE INDEX wiegung_material ON wiegung (Material_id, ein_oder_aus, netto);
CREATE INDEX firmenstamm_rfid ON firmenstamm (rfid);
CREATE INDEX fahrzeug_zu_firma_firma ON fahrzeug_zu_firma (firmen_id);
CREATE INDEX ausdrucke_fixtexte_art ON ausdrucke_fixtexte (ausdruckart);
CREATE INDEX ausdrucke_bilder_art ON ausdrucke_bilder (ausdruckart);
CREATE INDEX ausdrucke_shapes_art ON ausdrucke_shapes (ausdruckart);
)SQL";

// A quick-entry weighing points at the master row with the NULL name and keeps the typed name in
// the weighing itself, so every name column falls back to the weighing's own text.
const char* const Views = R"SQL(
CREATE VIEW wiegung_gesamt AS
SELECT w.id AS id, w.wiegenummer AS wiegenummer, w.wiegeart AS wiegeart, w.datum AS datum,
       w.Firma_id AS Firma_id, w.Material_id AS Material_id, w.Fahrzeug_id AS Fahrzeug_id,
       w.schnellfirma AS schnellfirma, w.schnellmaterial AS schnellmaterial,
       w.schnellfahrzeug AS schnellfahrzeug, w.RFID AS RFID,
       w.brutto AS brutto, w.Tara AS "wiegung.Tara", w.netto AS netto,
       w.brutto_alibi AS brutto_alibi, w.tara_alibi AS tara_alibi, w.netto_alibi AS netto_alibi,
       w.ein_oder_aus AS ein_oder_aus,
       f.Firmenname AS Firmenname, f.Adresse AS Adresse, f.plz AS plz, f.ort AS ort,
       f.Kunde_Lieferant AS Kunde_Lieferant,
       COALESCE(f.Firmenname, w.schnellfirma) COLLATE NOCASE AS namegesamt,
       COALESCE(f.Firmenname, w.schnellfirma) COLLATE NOCASE AS Firmagesamt,
       COALESCE(p.Artikelbezeichnung, w.schnellmaterial) COLLATE NOCASE AS produktgesamt,
       COALESCE(v.Fahrzeugbeschreibung, w.schnellfahrzeug) COLLATE NOCASE AS fahrzeuggesamt,
       v.Tara AS "Fahrzeugstamm.Tara"
FROM wiegung w
LEFT JOIN firmenstamm f ON f.id = w.Firma_id
LEFT JOIN produktstamm p ON p.id = w.Material_id
LEFT JOIN fahrzeugstamm v ON v.id = w.Fahrzeug_id;

CREATE VIEW Firmenanzeige AS
SELECT f.id AS id, f.Firmenname AS Firmenname, f.Adresse AS Adresse, f.plz AS plz, f.ort AS ort,
       f.rfid AS rfid, f.rfid_ausloeser AS rfid_ausloeser, f.inaktiv AS inaktiv,
       f.Kunde_Lieferant AS Kunde_Lieferant, f.RFID_Material AS RFID_Material,
       f.RFID_Fahrzeug AS RFID_Fahrzeug,
       (SELECT COALESCE(SUM(w.netto), 0) FROM wiegung w WHERE w.Firma_id = f.id AND w.ein_oder_aus = 'E') AS netto_ein,
       (SELECT COALESCE(SUM(w.netto), 0) FROM wiegung w WHERE w.Firma_id = f.id AND w.ein_oder_aus = 'A') AS netto_aus
FROM firmenstamm f;

CREATE VIEW fahrzeuganzeige AS
SELECT v.id AS id, v.Fahrzeugbeschreibung AS Fahrzeugbeschreibung, v.Tara AS Tara, v.inaktiv AS inaktiv,
       (SELECT COALESCE(SUM(w.netto), 0) FROM wiegung w WHERE w.Fahrzeug_id = v.id AND w.ein_oder_aus = 'E') AS netto_ein,
       (SELECT COALESCE(SUM(w.netto), 0) FROM wiegung w WHERE w.Fahrzeug_id = v.id AND w.ein_oder_aus = 'A') AS netto_aus
FROM fahrzeugstamm v;

CREATE VIEW produktanzeige AS
SELECT p.id AS id, p.Artikelbezeichnung AS Artikelbezeichnung, p.inaktiv AS inaktiv,
       (SELECT COALESCE(SUM(w.netto), 0) FROM wiegung w WHERE w.Material_id = p.id AND w.ein_oder_aus = 'E') AS netto_ein,
       (SELECT COALESCE(SUM(w.netto), 0) FROM wiegung w WHERE w.Material_id = p.id AND w.ein_oder_aus = 'A') AS netto_aus
FROM produktstamm p;
)SQL";

int userVersion(Database& db)
{
    Query q(db);
    q.setSql(QStringLiteral("PRAGMA user_version"));
    q.open();
    return int(q.field(0, 0).asInt());
}

} // namespace

namespace Schema {

void createNew(Database& db)
{
    Database::Transaction tx(db);
    db.exec(QString::fromUtf8(Tables));
    db.exec(QString::fromUtf8(Views));
    NewDatabaseContent::write(db);
    db.exec(QStringLiteral("PRAGMA user_version=%1").arg(CurrentVersion));
    tx.commit();
}

void upgrade(Database& db)
{
    const int version = userVersion(db);
    if (version > CurrentVersion)
        throw DatabaseError(
            QStringLiteral("Die Datenbank stammt von einer neueren Programmversion (%1).").arg(version));
    if (version < 1)
        throw DatabaseError(QStringLiteral("Die Datei ist keine Pondamir-Datenbank."));
}

} // namespace Schema
