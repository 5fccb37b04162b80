#pragma once

#include <optional>
#include <QString>
#include <stdexcept>

class Database;
class Query;
class Selection;
struct Configuration;

// A weighing that cannot be stored because of what was entered: a weight or tare that is no number,
// a missing selection, no open first weighing. Nothing was stored.
class WeighingError : public std::runtime_error
{
public:
    explicit WeighingError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Stores first, second and single weighings in the table wiegung.
class WeighingRecorder
{
public:
    // What the main window holds at the moment of the scale's reply.
    struct Inputs
    {
        QString weight; // as shown, decimal comma
        QString alibi;
        QString companyId, productId, vehicleId;
        // The typed names of quick entries; empty for items from master data.
        QString quickCompany, quickProduct, quickVehicle;
        QString rfid;
        QString tare;     // single weighing
        bool out = false; // single weighing: "Aus"
    };
    // The open first weighing that a second weighing completes.
    struct OpenFirst
    {
        qint64 id = 0;
        qint64 number = 0;
        double tara = 0;
    };

    explicit WeighingRecorder(Database& db) : m_db(db) {}

    // The chosen company, product and vehicle with the names of quick entries.
    static Inputs fromSelection(const Selection& s);
    // The current row of the list of open first weighings, if it has one.
    static std::optional<OpenFirst> openFirst(const Query& erstwiegungen);

    struct Stored
    {
        qint64 number = 0;    // 0: nothing stored (no known kind)
        bool ticket = false;  // a ticket follows
        bool preview = false; // in the preview rather than on the printer
    };
    // The weighing of kind ("Erstwiegung", "Zweitwiegung", "Einzelwiegung"; any other stores nothing)
    // and what the configuration says about its ticket.
    Stored store(const QString& kind, const Inputs& in, const std::optional<OpenFirst>& first,
                 const Configuration& config);

    // A new row under a new weigh number: drawing the number and inserting run in one transaction,
    // so two stations never share a number and a failed insert consumes none. Returns the number.
    qint64 storeSingle(const Inputs& in);
    qint64 storeFirst(const Inputs& in);
    // Completes the first weighing; returns its weigh number.
    qint64 storeSecond(const Inputs& in, const OpenFirst& first);

    static double number(const QString& text, const QString& what);

private:
    qint64 insert(const Inputs& in, const QString& kind, double brutto, double tara, double netto,
                  const QString& bruttoAlibi, const QString& taraAlibi, const QString& nettoAlibi, bool out);

    Database& m_db;
};
