#pragma once

#include <optional>
#include <QList>
#include <QString>

class Database;

// The ticket layouts in their stored form: a layout row named after the weighing kind it prints and
// its texts, pictures and rectangles, positioned in the designer's window coordinates.
namespace LayoutTables {

struct Text
{
    qint64 id = 0;
    QString bezeichnung, anzeigetext, schriftart, farbe, schriftschnitt, feldart;
    int x = 0, y = 0, schriftgroesse = 11;
    bool isFreeText() const { return feldart == QLatin1String("Freitext"); }
};

struct Picture
{
    qint64 id = 0;
    QString bezeichnung, datei, bildart;
    int x = 0, y = 0, hoehe = 0, breite = 0;
    bool stretch = false;
    std::optional<int> webcamnummer;
    bool isFile() const { return bildart == QLatin1String("Bilder"); }
};

struct Shape
{
    qint64 id = 0;
    QString bezeichnung;
    int x = 0, y = 0, shapehoehe = 0, shapebreite = 0;
};

struct Layout
{
    QString name;
    bool found = false; // a layout row of that name exists
    int xbeginn = 0, ybeginn = 0;
    QList<Text> texts;
    QList<Picture> pictures;
    QList<Shape> shapes;
};

// The layout row of that name (the first one) and all elements that name it, in stored order. Without
// a layout row the origin is (0, 0).
Layout load(Database& db, const QString& name);

struct FieldSource
{
    QString tabelle, spalte;
};
// The field list entry of a data field name, the first when several share it.
std::optional<FieldSource> fieldSource(Database& db, const QString& feldname);
// Every field name, in ascending order.
QStringList fieldNames(Database& db);

} // namespace LayoutTables
