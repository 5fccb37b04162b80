#pragma once

#include <array>
#include <QObject>
#include <QString>

class Database;

// The choice of company, product and vehicle for the next weighing, as the group "Auswahl" shows it,
// with the tare of the weight panel that the preferred vehicle fills.
class Selection : public QObject
{
    Q_OBJECT
public:
    enum Item
    {
        FirmaHand,
        ProduktHand,
        FahrzeugHand,
        FirmaGewaehlt,
        FirmaAdresse,
        FirmaPlzOrt,
        FirmaId,
        ProduktGewaehlt,
        ProduktId,
        FahrzeugGewaehlt,
        FahrzeugId,
        Tara,
        ItemCount
    };
    enum class Group
    {
        Company,
        Product,
        Vehicle
    };

    explicit Selection(QObject* parent = nullptr);

    QString value(Item item) const { return m_values[item]; }
    void set(Item item, const QString& value);

    // A company from the search or a tag: name, id, address, postcode and town.
    void setCompany(qint64 id, const QString& name, const QString& address, const QString& plz, const QString& ort,
                    bool clearHand);
    void setProduct(qint64 id, const QString& name, bool clearHand);
    void setVehicle(qint64 id, const QString& name, bool clearHand);
    // The company's preferred article and vehicle (0: none), the vehicle with its tare. A failing lookup
    // shows its statement and the next one still runs.
    void applyPreferences(Database& db, qint64 productId, qint64 vehicleId, bool clearHand);
    // Quick entry: the typed text against the group's quick-entry row. An empty text does nothing
    // and returns false.
    bool quickEntry(Database& db, Group group, const QString& text);
    // The statement that finds a group's quick-entry row.
    static QString quickEntryStatement(Group group);
    // auswahl_zuruecksetzen: everything but the tare.
    void reset();

Q_SIGNALS:
    void changed(Selection::Item item, const QString& value);

private:
    std::array<QString, ItemCount> m_values;
};
