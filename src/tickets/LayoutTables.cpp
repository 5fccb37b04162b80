#include "LayoutTables.h"

#include "Database.h"
#include "Query.h"

namespace LayoutTables {

Layout load(Database& db, const QString& name)
{
    Layout l;
    l.name = name;
    Query q(db);
    q.setSql(QStringLiteral("Select * from ausdrucke  where bezeichnung =?"), {name});
    q.open();
    if (q.hasCurrentRow()) {
        l.found = true;
        l.xbeginn = int(q.field(QStringLiteral("xbeginn")).asInt());
        l.ybeginn = int(q.field(QStringLiteral("ybeginn")).asInt());
    }
    auto t = [&](const char* c) { return q.field(QString::fromLatin1(c)).asText(); };
    auto i = [&](const char* c) { return int(q.field(QString::fromLatin1(c)).asInt()); };

    q.setSql(QStringLiteral("Select * from ausdrucke_fixtexte  where ausdruckart =? order by id"), {name});
    q.open();
    for (int r = 0; r < q.rowCount(); ++r) {
        q.seek(r);
        Text e;
        e.id = q.field(QStringLiteral("id")).asInt();
        e.bezeichnung = t("bezeichnung");
        e.anzeigetext = t("anzeigetext");
        e.schriftart = t("schriftart");
        e.farbe = t("farbe");
        e.schriftschnitt = t("schriftschnitt");
        e.feldart = t("feldart");
        e.x = i("x");
        e.y = i("y");
        e.schriftgroesse = i("schriftgroesse");
        l.texts << e;
    }
    q.setSql(QStringLiteral("Select * from ausdrucke_bilder  where ausdruckart =? order by id"), {name});
    q.open();
    for (int r = 0; r < q.rowCount(); ++r) {
        q.seek(r);
        Picture e;
        e.id = q.field(QStringLiteral("id")).asInt();
        e.bezeichnung = t("bezeichnung");
        e.datei = t("datei");
        e.bildart = t("bildart");
        e.x = i("x");
        e.y = i("y");
        e.hoehe = i("hoehe");
        e.breite = i("breite");
        e.stretch = q.field(QStringLiteral("stretch")).asBool();
        if (!q.field(QStringLiteral("webcamnummer")).isNull())
            e.webcamnummer = i("webcamnummer");
        l.pictures << e;
    }
    q.setSql(QStringLiteral("Select * from ausdrucke_shapes  where ausdruckart =? order by id"), {name});
    q.open();
    for (int r = 0; r < q.rowCount(); ++r) {
        q.seek(r);
        Shape e;
        e.id = q.field(QStringLiteral("id")).asInt();
        e.bezeichnung = t("bezeichnung");
        e.x = i("x");
        e.y = i("y");
        e.shapehoehe = i("shapehoehe");
        e.shapebreite = i("shapebreite");
        l.shapes << e;
    }
    return l;
}

std::optional<FieldSource> fieldSource(Database& db, const QString& feldname)
{
    Query q(db);
    q.setSql(QStringLiteral("Select * from ausdrucke_dbfelder where feldname=? order by id"), {feldname});
    q.open();
    if (!q.hasCurrentRow())
        return std::nullopt;
    return FieldSource{q.field(QStringLiteral("tabelle")).asText(), q.field(QStringLiteral("spalte")).asText()};
}

QStringList fieldNames(Database& db)
{
    Query q(db);
    q.setSql(QStringLiteral("select feldname from ausdrucke_dbfelder order by feldname asc"));
    q.open();
    QStringList out;
    for (int r = 0; r < q.rowCount(); ++r)
        out << q.field(r, 0).asText();
    return out;
}

} // namespace LayoutTables
