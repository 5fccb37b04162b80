#pragma once

#include <QString>

class Database;

// The single row of the table konfiguration, as read at one moment.
struct Configuration
{
    qint64 wiegenummer = 0;
    bool waage = false;
    QString schnittstelle_waage;
    QString ip_waage;
    int port_waage = 0;
    bool zusatzanzeige = false;
    QString ip_zusatzanzeige;
    int port_zusatzanzeige = 0;
    bool rfid = false;
    QString rfid_ip;
    bool video = false;
    QString url_webcam;
    int bild1_hoehe = 0, bild1_breite = 0, bild1_x = 0, bild1_y = 0;
    int bild2_hoehe = 0, bild2_breite = 0, bild2_x = 0, bild2_y = 0;
    bool erstwiegungsdruck = false;
    bool erstwiegungsdruck_vorschau = false;
    bool summendruck_vorschau = false;
    bool einzelwiegung_vorschau = false;
    bool serverfenster = false;
    bool benutzersteuerung = false;

    // The interface texts are compared exactly, letter case included: "seriell" is neither.
    bool isSerial() const { return schnittstelle_waage == QLatin1String("SERIELL"); }
    bool isTcp() const { return schnittstelle_waage == QLatin1String("TCP-IP"); }

    // Reads the first row; throws DatabaseError when there is none.
    static Configuration load(Database& db);
    // Writes every column into the row. The weigh-number counter only when asked: it moves with every
    // weighing, and a page that shows an older value must not set it back.
    void save(Database& db, bool withCounter) const;
};
