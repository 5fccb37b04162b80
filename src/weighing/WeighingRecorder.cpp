#include "WeighingRecorder.h"

#include "Configuration.h"
#include "Database.h"
#include "GermanText.h"
#include "Query.h"
#include "Selection.h"
#include "WeighNumbers.h"

#include <cmath>

namespace {

qint64 id(const QString& text, const QString& what)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw WeighingError(QStringLiteral("Die Wiegung wurde nicht gespeichert: %1 nicht gewählt.").arg(what));
    return v;
}

QVariant quick(const QString& name)
{
    return name.isEmpty() ? QVariant() : QVariant(name);
}

} // namespace

WeighingRecorder::Inputs WeighingRecorder::fromSelection(const Selection& s)
{
    Inputs in;
    in.companyId = s.value(Selection::FirmaId);
    in.productId = s.value(Selection::ProduktId);
    in.vehicleId = s.value(Selection::FahrzeugId);
    auto typed = [&](Selection::Item hand, Selection::Item name) {
        return s.value(hand).isEmpty() ? QString() : s.value(name);
    };
    in.quickCompany = typed(Selection::FirmaHand, Selection::FirmaGewaehlt);
    in.quickProduct = typed(Selection::ProduktHand, Selection::ProduktGewaehlt);
    in.quickVehicle = typed(Selection::FahrzeugHand, Selection::FahrzeugGewaehlt);
    in.tare = s.value(Selection::Tara);
    return in;
}

std::optional<WeighingRecorder::OpenFirst> WeighingRecorder::openFirst(const Query& q)
{
    if (!q.hasCurrentRow())
        return std::nullopt;
    return OpenFirst{q.field(QStringLiteral("id")).asInt(), q.field(QStringLiteral("wiegenummer")).asInt(),
                     q.field(QStringLiteral("wiegung.Tara")).asDouble()};
}

WeighingRecorder::Stored WeighingRecorder::store(const QString& kind, const Inputs& in,
                                                 const std::optional<OpenFirst>& first, const Configuration& c)
{
    if (kind == QLatin1String("Einzelwiegung"))
        return {storeSingle(in), true, c.einzelwiegung_vorschau};
    if (kind == QLatin1String("Erstwiegung"))
        return {storeFirst(in), c.erstwiegungsdruck, c.erstwiegungsdruck_vorschau};
    if (kind == QLatin1String("Zweitwiegung")) {
        if (!first)
            throw WeighingError(
                QStringLiteral("Die Zweitwiegung wurde nicht gespeichert: es ist keine Erstwiegung ausgewählt."));
        return {storeSecond(in, *first), true, c.summendruck_vorschau};
    }
    return {};
}

double WeighingRecorder::number(const QString& text, const QString& what)
{
    if (const auto v = GermanText::parseNumber(text))
        return *v;
    throw WeighingError(
        QStringLiteral("Die Wiegung wurde nicht gespeichert: %1 \"%2\" ist keine Zahl.").arg(what, text));
}

qint64 WeighingRecorder::insert(const Inputs& in, const QString& kind, double brutto, double tara, double netto,
                                const QString& bruttoAlibi, const QString& taraAlibi, const QString& nettoAlibi,
                                bool out)
{
    const qint64 company = id(in.companyId, QStringLiteral("Firma"));
    const qint64 product = id(in.productId, QStringLiteral("Produkt"));
    const qint64 vehicle = id(in.vehicleId, QStringLiteral("Fahrzeug"));
    Database::Transaction tx(m_db);
    const qint64 n = WeighNumbers::draw(m_db);
    Query q(m_db);
    q.add(QStringLiteral("Insert into wiegung (Firma_id, schnellfirma, schnellmaterial, schnellfahrzeug, Material_id,"))
        .add(QStringLiteral(" Fahrzeug_id, RFID, brutto, tara, netto, brutto_alibi, tara_alibi, netto_alibi,"))
        .add(QStringLiteral(" datum, wiegeart, wiegenummer, ein_oder_aus)"))
        .add(QStringLiteral(" values(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, now(), ?, ?, ?)"));
    for (const QVariant& v : {QVariant(company), quick(in.quickCompany), quick(in.quickProduct), quick(in.quickVehicle),
                              QVariant(product), QVariant(vehicle), QVariant(in.rfid), QVariant(brutto), QVariant(tara),
                              QVariant(netto), QVariant(bruttoAlibi), QVariant(taraAlibi), QVariant(nettoAlibi),
                              QVariant(kind), QVariant(n), QVariant(out ? QStringLiteral("A") : QStringLiteral("E"))})
        q.bind(v);
    q.execute();
    tx.commit();
    return n;
}

qint64 WeighingRecorder::storeSingle(const Inputs& in)
{
    const double weight = number(in.weight, QStringLiteral("das Gewicht"));
    const double tare = number(in.tare, QStringLiteral("die Tara"));
    return insert(in, QStringLiteral("Einzelwiegung"), weight, tare, weight - tare, in.alibi, QStringLiteral("Hand"),
                  QStringLiteral("Berechnet"), in.out);
}

qint64 WeighingRecorder::storeFirst(const Inputs& in)
{
    const double weight = number(in.weight, QStringLiteral("das Gewicht"));
    // The reading of the way in is the tare; brutto and netto come with the second weighing.
    return insert(in, QStringLiteral("Erstwiegung"), 0, weight, 0, QString(), in.alibi, QString(), true);
}

qint64 WeighingRecorder::storeSecond(const Inputs& in, const OpenFirst& first)
{
    const double weight = number(in.weight, QStringLiteral("das Gewicht"));
    const double d = weight - first.tara;
    Query q(m_db);
    q.add(QStringLiteral("Update wiegung set "))
        .add(QStringLiteral("brutto=?,"))
        .add(QStringLiteral("brutto_alibi=?,"))
        .add(QStringLiteral("netto=?,"))
        .add(QStringLiteral("wiegeart='Zweitwiegung',"))
        .add(QStringLiteral("ein_oder_aus=?"))
        .add(QStringLiteral(" where id=? and wiegeart='Erstwiegung'"));
    q.bind(weight)
        .bind(in.alibi)
        .bind(std::fabs(d))
        .bind(d > 0 ? QStringLiteral("A") : QStringLiteral("E"))
        .bind(first.id);
    q.execute();
    // Another station may have completed it in the meantime.
    if (m_db.changes() == 0)
        throw WeighingError(
            QStringLiteral("Die Zweitwiegung wurde nicht gespeichert: die Erstwiegung %1 ist nicht mehr "
                           "offen.")
                .arg(first.number));
    return first.number;
}
