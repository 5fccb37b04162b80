#include "DefaultLayouts.h"

#include "Database.h"
#include "Query.h"

namespace {

constexpr int X0 = 200; // the designer's page origin, stored in every layout row
constexpr int Y0 = 48;

// Writes the elements of one layout, naming them as the designer does: one counter for texts,
// pictures and rectangles.
class LayoutWriter
{
public:
    LayoutWriter(Database& db, const QString& kind) : m_q(db), m_kind(kind) {}

    void text(int x, int y, const QString& text, int size = 11, const char* style = "0000",
              const char* color = "clBlack")
    {
        insertText(x, y, text, size, style, color, QStringLiteral("Freitext"));
    }
    void field(int x, int y, const char* name, int size = 11, const char* style = "0000")
    {
        insertText(x, y, QString::fromUtf8(name), size, style, "clBlack", QStringLiteral("Datenpool"));
    }
    void rect(int x, int y, int w, int h) { m_rects.append({x, y, w, h}); }
    void photo(int x, int y, int w, int h, int camera) { m_photos.append({x, y, w, h, camera}); }

    // Pictures and rectangles follow the texts, numbered after them.
    void finish()
    {
        for (const Photo& p : m_photos) {
            m_q.setSql(
                   QStringLiteral("INSERT INTO ausdrucke_bilder (ausdruckart, bezeichnung, x, y, datei, hoehe,"
                                  " breite, stretch, bildart, webcamnummer) VALUES (?, ?, ?, ?, '', ?, ?, 1, ?, ?)"),
                   {m_kind, QStringLiteral("Bild%1").arg(++m_counter), X0 + p.x, Y0 + p.y, p.h, p.w,
                    p.camera <= 2 ? QStringLiteral("Einfahrt Kamera%1").arg(p.camera)
                                  : QStringLiteral("Ausfahrt Kamera%1").arg(p.camera - 2),
                    p.camera})
                .execute();
        }
        for (const Rect& r : m_rects) {
            m_q.setSql(QStringLiteral("INSERT INTO ausdrucke_shapes (ausdruckart, bezeichnung, x, y, shapehoehe,"
                                      " shapebreite) VALUES (?, ?, ?, ?, ?, ?)"),
                       {m_kind, QStringLiteral("Grafik%1").arg(++m_counter), X0 + r.x, Y0 + r.y, r.h, r.w})
                .execute();
        }
    }

private:
    struct Rect
    {
        int x, y, w, h;
    };
    struct Photo
    {
        int x, y, w, h, camera;
    };

    void insertText(int x, int y, const QString& text, int size, const char* style, const char* color,
                    const QString& kind)
    {
        m_q.setSql(QStringLiteral("INSERT INTO ausdrucke_fixtexte (ausdruckart, bezeichnung, anzeigetext, schriftart,"
                                  " farbe, x, y, schriftgroesse, schriftschnitt, feldart)"
                                  " VALUES (?, ?, ?, 'Calibri', ?, ?, ?, ?, ?, ?)"),
                   {m_kind, QStringLiteral("Fixtext%1").arg(++m_counter), text, QString::fromLatin1(color), X0 + x,
                    Y0 + y, size, QString::fromLatin1(style), kind})
            .execute();
    }

    Query m_q;
    QString m_kind;
    int m_counter = 0;
    QList<Rect> m_rects;
    QList<Photo> m_photos;
};

enum class Kind
{
    First,
    Second,
    Single
};

void writeLayout(Database& db, Kind kind)
{
    const QString name = kind == Kind::First    ? QStringLiteral("Erstwiegung")
                         : kind == Kind::Second ? QStringLiteral("Zweitwiegung")
                                                : QStringLiteral("Einzelwiegung");
    Query(db)
        .setSql(QStringLiteral("INSERT INTO ausdrucke (Bezeichnung, xbeginn, ybeginn) VALUES (?, ?, ?)"),
                {name, X0, Y0})
        .execute();
    LayoutWriter w(db, name);

    // Heading with weigh number and date.
    w.text(0, 0, QStringLiteral("Wiegeschein"), 24, "1000");
    w.field(0, 44, "Wiegeart", 13);
    w.text(440, 8, QStringLiteral("Wiegenummer:"), 12);
    w.field(580, 4, "Wiegenummer", 16, "1000");
    w.text(440, 40, QStringLiteral("Datum:"), 11);
    w.field(580, 40, "Datum", 11);
    w.rect(0, 76, 718, 2);

    // Company, product and vehicle.
    w.text(0, 90, QStringLiteral("Firma"), 9, "0000", "clGray");
    w.field(0, 106, "Firma", 13, "1000");
    w.field(0, 130, "Adresse", 11);
    w.field(0, 150, "PLZ", 11);
    w.field(60, 150, "Ort", 11);
    w.text(380, 90, QStringLiteral("Ladung"), 9, "0000", "clGray");
    w.text(380, 108, QStringLiteral("Produkt:"), 11);
    w.field(470, 108, "Produkt", 11, "1000");
    w.text(380, 130, QStringLiteral("Fahrzeug:"), 11);
    w.field(470, 130, "Fahrzeug", 11);
    w.text(380, 150, QStringLiteral("Richtung (E/A):"), 11);
    w.field(490, 150, "Richtung", 11);

    // The weights with their alibi numbers.
    w.rect(0, 184, 718, 132);
    w.text(14, 192, QStringLiteral("Gewicht"), 10, "1000");
    w.text(430, 192, QStringLiteral("Alibi-Nr."), 10, "1000");
    w.rect(0, 214, 718, 1);
    if (kind == Kind::First) {
        w.text(14, 230, QStringLiteral("Erstwiegung (Einfahrt):"), 13);
        w.field(250, 228, "Tara", 15, "1000");
        w.text(360, 230, QStringLiteral("kg"), 13);
        w.field(430, 230, "Tara Alibi", 13);
        w.text(14, 270, QStringLiteral("Das Nettogewicht wird bei der Zweitwiegung ermittelt."), 10, "0100", "clGray");
    } else {
        w.text(14, 224, QStringLiteral("Brutto:"), 12);
        w.field(250, 224, "Brutto", 12);
        w.text(360, 224, QStringLiteral("kg"), 12);
        w.field(430, 224, "Brutto Alibi", 12);
        w.text(14, 252, QStringLiteral("Tara:"), 12);
        w.field(250, 252, "Tara", 12);
        w.text(360, 252, QStringLiteral("kg"), 12);
        w.field(430, 252, "Tara Alibi", 12);
        w.rect(240, 280, 160, 1);
        w.text(14, 284, QStringLiteral("Netto:"), 14, "1000");
        w.field(250, 284, "Netto", 14, "1000");
        w.text(360, 284, QStringLiteral("kg"), 14, "1000");
        if (kind == Kind::Second)
            w.text(430, 286, QStringLiteral("Berechnet"), 12);
        else
            w.field(430, 286, "Netto Alibi", 12);
    }

    // The webcam photos of this weighing.
    const int firstCamera = kind == Kind::Second ? 3 : 1;
    const QString where = kind == Kind::Second ? QStringLiteral("Ausfahrt") : QStringLiteral("Einfahrt");
    for (int i = 0; i < 2; ++i) {
        w.photo(i * 368, 336, 350, 262, firstCamera + i);
        w.rect(i * 368, 336, 350, 262);
        w.text(i * 368, 602, where + QStringLiteral(" Kamera %1").arg(i + 1), 9, "0000", "clGray");
    }

    // Legal note and signatures.
    w.text(0, 650,
           QStringLiteral("Messwerte aus frei programmierbarer Zusatzeinrichtung. Die geeichten Messwerte können "
                          "eingesehen werden."),
           9);
    w.rect(0, 780, 300, 1);
    w.rect(418, 780, 300, 1);
    w.text(0, 786, QStringLiteral("Unterschrift Fahrer"), 9);
    w.text(418, 786, QStringLiteral("Unterschrift Waagenpersonal"), 9);
    w.finish();
}

} // namespace

namespace DefaultLayouts {

void write(Database& db)
{
    writeLayout(db, Kind::First);
    writeLayout(db, Kind::Second);
    writeLayout(db, Kind::Single);
}

} // namespace DefaultLayouts
