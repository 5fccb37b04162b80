#include "Clock.h"
#include "Configuration.h"
#include "Database.h"
#include "DatabaseError.h"
#include "GermanText.h"
#include "PasswordHash.h"
#include "Query.h"
#include "TestSupport.h"
#include "WeighNumbers.h"

#include <QFile>
#include <QtTest>

class CoreTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_n = 0;

    QString freshPath() { return m_dir.filePath(QStringLiteral("db%1/Data/daten.db").arg(++m_n)); }

    static qint64 count(Database& db, const QString& sql)
    {
        Query q(db);
        q.setSql(sql);
        q.open();
        return q.field(0, 0).asInt();
    }

private Q_SLOTS:
    void newDatabaseHoldsItsDefaultContent()
    {
        Database db;
        db.open(freshPath(), true);
        QCOMPARE(count(db, QStringLiteral("select count(*) from konfiguration")), 1);
        const Configuration c = Configuration::load(db);
        QVERIFY(!c.waage && !c.zusatzanzeige && !c.rfid && !c.video && !c.benutzersteuerung);
        QCOMPARE(c.wiegenummer, 0);

        // One quick-entry row with a NULL name in each master table.
        QCOMPARE(count(db, QStringLiteral("select count(*) from firmenstamm where firmenname is null")), 1);
        QCOMPARE(count(db, QStringLiteral("select count(*) from produktstamm where artikelbezeichnung is null")), 1);
        QCOMPARE(count(db, QStringLiteral("select count(*) from fahrzeugstamm where fahrzeugbeschreibung is null")), 1);

        QCOMPARE(count(db, QStringLiteral("select count(*) from ausdrucke where bezeichnung in"
                                          " ('Erstwiegung','Zweitwiegung','Einzelwiegung')")),
                 3);

        // Every field of the field list names a column of wiegung_gesamt.
        Query view(db);
        view.setSql(QStringLiteral("select * from wiegung_gesamt"));
        view.open();
        Query fields(db);
        fields.setSql(QStringLiteral("select feldname, tabelle, spalte from ausdrucke_dbfelder"));
        fields.open();
        QVERIFY(fields.rowCount() >= 15);
        for (int r = 0; r < fields.rowCount(); ++r) {
            fields.seek(r);
            QCOMPARE(fields.field(QStringLiteral("tabelle")).asText(), QStringLiteral("wiegung_gesamt"));
            QVERIFY2(view.hasField(fields.field(QStringLiteral("spalte")).asText()),
                     qPrintable(fields.field(QStringLiteral("spalte")).asText()));
        }

        Query user(db);
        user.setSql(QStringLiteral("select * from benutzer"));
        user.open();
        QCOMPARE(user.rowCount(), 1);
        QCOMPARE(user.field(QStringLiteral("Berechtigung")).asText(), QStringLiteral("Superuser"));
        QVERIFY(PasswordHash::verify(QStringLiteral("admin"), user.field(QStringLiteral("Kennwort")).asText()));
        QVERIFY(!PasswordHash::verify(QStringLiteral("Admin"), user.field(QStringLiteral("Kennwort")).asText()));
    }

    void existingFileIsKeptAndBadFilesAreRefused()
    {
        const QString path = freshPath();
        {
            Database db;
            db.open(path, true);
            Query(db).setSql(QStringLiteral("insert into produktstamm (Artikelbezeichnung) values ('Kies')")).execute();
        }
        {
            Database db;
            db.open(path, true);
            QCOMPARE(count(db, QStringLiteral("select count(*) from produktstamm where artikelbezeichnung='Kies'")), 1);
        }
        // The file is encrypted: its header is not SQLite's plain text.
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(!f.read(16).startsWith("SQLite format 3"));
        f.close();

        Database missing;
        QVERIFY_THROWS_EXCEPTION(DatabaseError, missing.open(m_dir.filePath(QStringLiteral("none/daten.db")), false));

        const QString junk = m_dir.filePath(QStringLiteral("junk.db"));
        QFile j(junk);
        QVERIFY(j.open(QIODevice::WriteOnly));
        j.write(QByteArray(8192, 'x'));
        j.close();
        Database bad;
        QVERIFY_THROWS_EXCEPTION(DatabaseError, bad.open(junk, true));
        QVERIFY(!bad.isOpen());
        QCOMPARE(QFileInfo(junk).size(), 8192); // never overwritten
    }

    void viewsNameQuickEntriesAndCompaniesWithoutWeighings()
    {
        Database db;
        db.open(freshPath(), true);
        Query q(db);
        q.setSql(QStringLiteral("insert into firmenstamm (Firmenname, Adresse, plz, ort, Kunde_Lieferant)"
                                " values ('Kieswerk Nord', 'Weg 1', '1234', 'Au', 'K')"))
            .execute();
        const qint64 company = db.lastInsertId();
        q.setSql(QStringLiteral("insert into produktstamm (Artikelbezeichnung) values ('Schotter')")).execute();
        const qint64 product = db.lastInsertId();
        q.setSql(QStringLiteral("insert into fahrzeugstamm (Fahrzeugbeschreibung, Tara) values ('LKW 7', 7500)"))
            .execute();
        const qint64 vehicle = db.lastInsertId();

        // The company without weighings is listed with zero totals.
        Query shown(db);
        shown.setSql(QStringLiteral("select * from Firmenanzeige where id=?"), {company});
        shown.open();
        QCOMPARE(shown.rowCount(), 1);
        QCOMPARE(shown.field(QStringLiteral("netto_ein")).asText(), QStringLiteral("0"));

        // A quick-entry weighing against the NULL rows with typed names, and one from master data.
        q.setSql(QStringLiteral(
                     "insert into wiegung (wiegenummer, wiegeart, datum, Firma_id, Material_id, Fahrzeug_id,"
                     " schnellfirma, schnellmaterial, schnellfahrzeug, brutto, Tara, netto, ein_oder_aus)"
                     " select 1, 'Einzelwiegung', now(), f.id, p.id, v.id, 'Hand & Co', 'Erde', 'Traktor', 900, 100,"
                     " 800, 'E' from firmenstamm f, produktstamm p, fahrzeugstamm v where f.firmenname is null and"
                     " p.artikelbezeichnung is null and v.fahrzeugbeschreibung is null"))
            .execute();
        q.setSql(QStringLiteral("insert into wiegung (wiegenummer, wiegeart, datum, Firma_id, Material_id,"
                                " Fahrzeug_id, brutto, Tara, netto, ein_oder_aus) values (2, 'Einzelwiegung', now(),"
                                " ?, ?, ?, 10000, 7500, 2500.5, 'A')"),
                 {company, product, vehicle})
            .execute();

        Query all(db);
        all.setSql(QStringLiteral("select * from wiegung_gesamt order by wiegenummer"));
        all.open();
        QCOMPARE(all.rowCount(), 2);
        for (const char* col : {"namegesamt", "Firmagesamt"})
            QCOMPARE(all.field(QString::fromLatin1(col)).asText(), QStringLiteral("Hand & Co"));
        QCOMPARE(all.field(QStringLiteral("produktgesamt")).asText(), QStringLiteral("Erde"));
        QCOMPARE(all.field(QStringLiteral("fahrzeuggesamt")).asText(), QStringLiteral("Traktor"));
        all.next();
        QCOMPARE(all.field(QStringLiteral("namegesamt")).asText(), QStringLiteral("Kieswerk Nord"));
        QCOMPARE(all.field(QStringLiteral("fahrzeuggesamt")).asText(), QStringLiteral("LKW 7"));
        QCOMPARE(all.field(QStringLiteral("wiegung.Tara")).asText(), QStringLiteral("7500"));
        QCOMPARE(all.field(QStringLiteral("Fahrzeugstamm.Tara")).asText(), QStringLiteral("7500"));
        QCOMPARE(all.field(QStringLiteral("ORT")).asText(), QStringLiteral("Au"));

        shown.open();
        QCOMPARE(shown.field(QStringLiteral("netto_aus")).asText(), QStringLiteral("2500,5"));
        QCOMPARE(shown.field(QStringLiteral("netto_ein")).asText(), QStringLiteral("0"));
    }

    void namesAndComparisonsIgnoreLetterCase()
    {
        Database db;
        db.open(freshPath(), true);
        Query q(db);
        q.setSql(QStringLiteral("insert into firmenstamm (Firmenname) values ('MÜLLER Transporte')")).execute();
        const qint64 id = db.lastInsertId();
        auto matches = [&](const QString& where, const QVariant& value) {
            Query s(db);
            s.setSql(QStringLiteral("select count(*) from FIRMENSTAMM where ") + where, {value});
            s.open();
            return s.field(0, 0).asInt();
        };
        QCOMPARE(matches(QStringLiteral("firmenname like ?"), QStringLiteral("%müller%")), 1);
        QCOMPARE(matches(QStringLiteral("Firmenname LIKE ?"), QStringLiteral("%transp%")), 1);
        QCOMPARE(matches(QStringLiteral("firmenname = ?"), QStringLiteral("MÜLLER TRANSPORTE")), 1);
        QCOMPARE(matches(QStringLiteral("upper(firmenname) = ?"), QStringLiteral("MÜLLER TRANSPORTE")), 1);
        QCOMPARE(matches(QStringLiteral("firmenname like ?"), QStringLiteral("M_LLER%")), 1);
        QCOMPARE(matches(QStringLiteral("firmenname like ?"), QStringLiteral("%Meier%")), 0);
        q.setSql(QStringLiteral("Delete from FirmenStamm where ID=?"), {id}).execute();
        QCOMPARE(matches(QStringLiteral("id = ?"), id), 0);
    }

    void fieldTexts_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("text");
        QTest::newRow("number with fraction") << "1234.5"
                                              << "1234,5";
        QTest::newRow("whole number stored as real") << "730.0"
                                                     << "730";
        QTest::newRow("integer") << "42"
                                 << "42";
        QTest::newRow("null") << "NULL"
                              << "";
        QTest::newRow("text") << "'Kies'"
                              << "Kies";
    }

    void fieldTexts()
    {
        QFETCH(QString, expression);
        QFETCH(QString, text);
        Database db;
        db.open(freshPath(), true);
        Query q(db);
        q.setSql(QStringLiteral("select ") + expression + QStringLiteral(" as v"));
        q.open();
        QCOMPARE(q.field(QStringLiteral("V")).asText(), text);
    }

    void datesReadAsGermanTextAndNullNotZero()
    {
        Database db;
        db.open(freshPath(), true);
        Query q(db);
        q.setSql(QStringLiteral("insert into firmenstamm (Firmenname, RFID_Material) values ('A', NULL)")).execute();
        q.setSql(QStringLiteral("insert into wiegung (wiegenummer, datum) values (1, '2026-12-11 13:45:07'),"
                                " (2, '2026-12-11 00:00:00')"))
            .execute();
        q.setSql(QStringLiteral("select datum from wiegung_gesamt order by wiegenummer"));
        q.open();
        QCOMPARE(q.field(QStringLiteral("datum")).asText(), QStringLiteral("11.12.2026 13:45:07"));
        q.next();
        QCOMPARE(q.field(QStringLiteral("datum")).asText(), QStringLiteral("11.12.2026"));
        q.setSql(QStringLiteral("select RFID_Material from firmenstamm where firmenname='A'"));
        q.open();
        QCOMPARE(q.field(QStringLiteral("rfid_material")).asText(), QString());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, q.field(QStringLiteral("nicht_da")));
    }

    void numberTexts()
    {
        QCOMPARE(GermanText::generalNumber(730.5), QStringLiteral("730.5"));
        QCOMPARE(GermanText::generalNumber(730), QStringLiteral("730"));
        QCOMPARE(GermanText::generalNumber(-20), QStringLiteral("-20"));
        QCOMPARE(GermanText::generalNumber(0.1 + 0.2), QStringLiteral("0.3"));
        QCOMPARE(GermanText::number(1234.5), QStringLiteral("1234,5"));
        QCOMPARE(GermanText::parseNumber(QStringLiteral("1234,5")).value(), 1234.5);
        QCOMPARE(GermanText::parseNumber(QStringLiteral("12.5")).value(), 12.5);
        QCOMPARE(GermanText::parseNumber(QStringLiteral("  -980 ")).value(), -980.0);
        QVERIFY(!GermanText::parseNumber(QStringLiteral("")).has_value());
        QVERIFY(!GermanText::parseNumber(QStringLiteral("12a")).has_value());
        QVERIFY(!GermanText::parseNumber(QStringLiteral("1.2.3")).has_value());
    }

    void weighNumberIsAdvancedAndReadBack()
    {
        Database db;
        db.open(freshPath(), true);
        Query(db).setSql(QStringLiteral("update konfiguration set wiegenummer=41")).execute();
        QCOMPARE(WeighNumbers::draw(db), 42);
        QCOMPARE(WeighNumbers::draw(db), 43);
        QCOMPARE(Configuration::load(db).wiegenummer, 43);
    }

    void textsWithQuotesAreStoredAndFound()
    {
        Database db;
        db.open(freshPath(), true);
        const QString name = QStringLiteral("O'Brien's \"Kies\"'); drop table wiegung; --");
        Query q(db);
        q.setSql(QStringLiteral("insert into firmenstamm (Firmenname) values (?)"), {name}).execute();
        q.setSql(QStringLiteral("select * from firmenstamm where firmenname like ?"), {QStringLiteral("%'Brien's%")});
        q.open();
        QCOMPARE(q.rowCount(), 1);
        QCOMPARE(q.field(QStringLiteral("firmenname")).asText(), name);
        QCOMPARE(count(db, QStringLiteral("select count(*) from wiegung")), 0);
        QCOMPARE(q.statementText(), QStringLiteral("select * from firmenstamm where firmenname like '%'Brien's%'"));
    }

    void failingStatementReportsMessageAndText()
    {
        Database db;
        db.open(freshPath(), true);
        Query q(db);
        q.add(QStringLiteral("select nix")).add(QStringLiteral("from nirgends where id=?")).bind(7);
        try {
            q.open();
            QFAIL("no error");
        } catch (const DatabaseError& e) {
            QVERIFY(e.message().contains(QStringLiteral("nirgends")));
            QCOMPARE(e.statement(), QStringLiteral("select nix\nfrom nirgends where id=7"));
        }
    }

    void transactionRollsBackUnlessCommitted()
    {
        Database db;
        db.open(freshPath(), true);
        {
            Database::Transaction tx(db);
            WeighNumbers::draw(db);
        }
        QCOMPARE(Configuration::load(db).wiegenummer, 0);
        {
            Database::Transaction tx(db);
            WeighNumbers::draw(db);
            tx.commit();
        }
        QCOMPARE(Configuration::load(db).wiegenummer, 1);
    }

    void nowFollowsTheClock()
    {
        Database db;
        db.open(freshPath(), true);
        Clock::set(QDateTime(QDate(2026, 3, 1), QTime(8, 0)));
        Query q(db);
        q.setSql(QStringLiteral("select now() as n, datetime(now(), '-1 day') as gestern"));
        q.open();
        QCOMPARE(q.field(QStringLiteral("n")).value().toString(), QStringLiteral("2026-03-01 08:00:00"));
        QCOMPARE(q.field(QStringLiteral("gestern")).value().toString(), QStringLiteral("2026-02-28 08:00:00"));
        Clock::reset();
    }

    void configurationRoundTrip()
    {
        Database db;
        db.open(freshPath(), true);
        Configuration c = Configuration::load(db);
        c.waage = true;
        c.schnittstelle_waage = QStringLiteral("SERIELL");
        c.port_waage = 3;
        c.url_webcam = QStringLiteral("http://cam/'x'");
        c.wiegenummer = 99;
        c.save(db, false);
        Configuration back = Configuration::load(db);
        QVERIFY(back.waage && back.isSerial() && !back.isTcp());
        QCOMPARE(back.port_waage, 3);
        QCOMPARE(back.url_webcam, c.url_webcam);
        QCOMPARE(back.wiegenummer, 0); // the counter is written only when asked
        c.save(db, true);
        QCOMPARE(Configuration::load(db).wiegenummer, 99);
        c.schnittstelle_waage = QStringLiteral("seriell");
        QVERIFY(!c.isSerial() && !c.isTcp());
    }
};

QTEST_GUILESS_MAIN(CoreTest)
#include "tst_core.moc"
