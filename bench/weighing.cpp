// Time from the scale's triggered reply to the stored weighing with refreshed lists, photos and
// ticket off, with a million weighings in the database.
//   weighing [rows]   (default 1,000,000)
#include "Database.h"
#include "Query.h"
#include "ReadCycle.h"
#include "Tdruck_wiegung.h"
#include "TForm1.h"

#include <algorithm>
#include <cstdio>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <vector>

namespace {
struct NoOutput : TicketOutput
{
    void preview(const TicketPage&) override {}
    void print(const TicketPage&) override {}
};
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const qint64 rows = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1000000;
    QTemporaryDir dir;
    {
        Database db;
        db.open(dir.filePath(QStringLiteral("Data/daten.db")), true);
        QElapsedTimer t;
        t.start();
        db.exec(
            QStringLiteral("insert into firmenstamm (id, Firmenname, Kunde_Lieferant) values (7, 'Kieswerk', 'K')"));
        db.exec(QStringLiteral("insert into produktstamm (id, Artikelbezeichnung) values (3, 'Kies')"));
        db.exec(QStringLiteral("insert into fahrzeugstamm (id, Fahrzeugbeschreibung, Tara) values (12, 'LKW', 9000)"));
        // Years of weighings: mostly single weighings, every tenth a completed pair, all older than a day;
        // a few open first weighings and a few single weighings of today.
        db.exec(QStringLiteral(
                    "WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n+1 FROM c WHERE n < %1)"
                    " INSERT INTO wiegung (wiegenummer, wiegeart, datum, Firma_id, Material_id, Fahrzeug_id, brutto,"
                    " Tara, netto, brutto_alibi, tara_alibi, netto_alibi, ein_oder_aus)"
                    " SELECT n, CASE WHEN n % 10 = 0 THEN 'Zweitwiegung' ELSE 'Einzelwiegung' END,"
                    " datetime(now(), '-2 days', '-' || (n / 100) || ' minutes'), 7, 3, 12, 24000, 9000, 15000,"
                    " '00000-000001', 'Hand', 'Berechnet', 'E' FROM c")
                    .arg(rows));
        db.exec(QStringLiteral(
            "insert into wiegung (wiegenummer, wiegeart, datum, Firma_id, Material_id, Fahrzeug_id, Tara)"
            " select wiegenummer + 2000000, 'Erstwiegung', now(), 7, 3, 12, 9000 from wiegung where id <= 20"));
        db.exec(QStringLiteral(
            "insert into wiegung (wiegenummer, wiegeart, datum, Firma_id, Material_id, Fahrzeug_id, netto)"
            " select wiegenummer + 3000000, 'Einzelwiegung', now(), 7, 3, 12, 100 from wiegung where id <= 30"));
        db.exec(QStringLiteral("update konfiguration set wiegenummer=4000000, erstwiegungsdruck=0, video=0, waage=0"));
        std::printf("database with %lld weighings prepared in %.1f s\n", static_cast<long long>(rows),
                    t.elapsed() / 1000.0);
    }

    NoOutput none;
    Tdruck_wiegung::setOutput(&none);
    TForm1 form(dir.path());
    ReadCycle& cycle = form.devices().cycle();
    auto* kind = form.findChild<QLineEdit*>(QStringLiteral("wiegeart"));
    const QString reply = QStringLiteral("PIDST,1,     24480Kg,         830Kg,00000-000017 \r\n");

    auto measure = [&](const QString& weighingKind, int runs) {
        std::vector<double> ms;
        for (int i = 0; i < runs; ++i) {
            form.selection().setCompany(7, QStringLiteral("Kieswerk"), {}, {}, {}, true);
            form.selection().setProduct(3, QStringLiteral("Kies"), true);
            form.selection().setVehicle(12, QStringLiteral("LKW"), true);
            kind->setText(weighingKind);
            QElapsedTimer t;
            t.start();
            cycle.waage_antwort_ausloeserChange(reply);
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%s: median %.1f ms, 90th percentile %.1f ms, worst %.1f ms (goal: under 50 ms)\n",
                    qPrintable(weighingKind), ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back());
    };
    measure(QStringLiteral("Erstwiegung"), 100);
    measure(QStringLiteral("Einzelwiegung"), 100);
    measure(QStringLiteral("Zweitwiegung"), 100);
    Tdruck_wiegung::setOutput(nullptr);
    return 0;
}
