#include "Clock.h"
#include "Configuration.h"
#include "Database.h"
#include "DatabaseError.h"
#include "MessageWindow.h"
#include "Query.h"
#include "Tdruck_wiegung.h"
#include "TestSupport.h"
#include "TForm1.h"
#include "TicketRenderer.h"
#include "TodayListsView.h"
#include "WeighingCommands.h"
#include "WeighingRecorder.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QRadioButton>
#include <QThread>
#include <QToolButton>
#include <QtTest>
#include <set>

namespace {

// Remembers every ticket instead of showing or printing it.
struct RecordingOutput : TicketOutput
{
    QStringList previewed, printed;
    void preview(const TicketPage& page) override { previewed << page.weighNumber; }
    void print(const TicketPage& page) override { printed << page.weighNumber; }
};

QStringList g_opened;
void recordOpen(const QString& file)
{
    g_opened << QFileInfo(file).fileName();
}

// A station with a TCP scale that answers "PID" at once and "READ" only when told.
struct Station
{
    ScriptedPrompt prompt;
    RecordingOutput tickets;
    FakeTcpDevice scale;
    TempStation st;
    std::unique_ptr<TForm1> form;
    QString weight = QStringLiteral("0");
    qint64 alibi = 1;
    int triggered = 0;

    explicit Station(const QString& config = {})
    {
        st.prepare(
            {QStringLiteral("update konfiguration set waage=1, schnittstelle_waage='TCP-IP', ip_waage='127.0.0.1',"
                            " port_waage=%1, wiegenummer=41")
                 .arg(scale.port()),
             QStringLiteral("insert into firmenstamm (id, Firmenname, Adresse, plz, ort, Kunde_Lieferant) values"
                            " (7, 'Kieswerk Nord', 'Weg 1', '4020', 'Linz', 'K')"),
             QStringLiteral("insert into produktstamm (id, Artikelbezeichnung) values (3, 'Kies')"),
             QStringLiteral("insert into fahrzeugstamm (id, Fahrzeugbeschreibung, Tara) values (12, 'LKW 12', 9000)")});
        if (!config.isEmpty())
            st.prepare({QStringLiteral("update konfiguration set ") + config});
        Tdruck_wiegung::setOutput(&tickets);
        scale.answer = [this](const QByteArray& line) -> QByteArray {
            if (line != "PID\r\n")
                return {};
            ++triggered;
            const QByteArray w = weight.toLatin1();
            const QByteArray a = QStringLiteral("%1-%2")
                                     .arg(0, 5, 10, QLatin1Char('0'))
                                     .arg(alibi++, 6, 10, QLatin1Char('0'))
                                     .toLatin1();
            return "PIDST,1," + QByteArray(qMax(0, 10 - int(w.size())), ' ') + w + "Kg,         830Kg," + a + " \r\n";
        };
        form = std::make_unique<TForm1>(st.path());
        if (!config.contains(QLatin1String("waage=0")) && !waitFor([this] { return scale.lines().size() == 1; }))
            qFatal("the scale got no first request");
    }
    ~Station()
    {
        Tdruck_wiegung::setOutput(nullptr);
        Clock::reset();
    }

    Database& db() { return form->database(); }
    void choose()
    {
        Selection& s = form->selection();
        s.setCompany(7, QStringLiteral("Kieswerk Nord"), QStringLiteral("Weg 1"), QStringLiteral("4020"),
                     QStringLiteral("Linz"), true);
        s.setProduct(3, QStringLiteral("Kies"), true);
        s.setVehicle(12, QStringLiteral("LKW 12"), true);
    }
    QString fehlertext() { return child<QLabel>(form.get(), "Fehlertext")->text(); }
    bool fehlertextShown() { return child<QLabel>(form.get(), "Fehlertext")->isVisibleTo(form.get()); }
    // The scale answers the outstanding "READ" with a live reply; the next request then goes out.
    void turn()
    {
        const int before = int(scale.lines().size());
        scale.send("ST,GS," + QByteArray(qMax(0, 8 - int(weight.size())), ' ') + weight.toLatin1() + ",kg\r\n");
        if (!waitFor([&] { return scale.lines().size() > before; }))
            qFatal("no request after a live reply");
    }
    // Presses a weighing button at weight w and lets the cycle run until the weighing is handled.
    void weigh(const char* button, const QString& w)
    {
        weight = w;
        const int before = triggered;
        const int logged = logLines();
        child<QToolButton>(form.get(), button)->click();
        turn(); // "PID" goes out at the next turn
        if (!waitFor([&] { return triggered > before && logLines() > logged; }))
            qFatal("no weighing stored");
    }
    int logLines() { return log().count(QLatin1Char('\n')) + (log().isEmpty() ? 0 : 1); }
    QString log()
    {
        auto* w = child<MessageWindow>(form.get(), "serverfenster");
        w->flush();
        return w->toPlainText();
    }
    QVariantMap row(const QString& where, const QVariantList& values = {})
    {
        Query q(db());
        q.setSql(QStringLiteral("select * from wiegung where ") + where, values);
        q.open();
        QVariantMap m;
        if (!q.hasCurrentRow())
            return m;
        for (const QString& c : q.columnNames())
            m[c] = q.field(c).value();
        return m;
    }
    qint64 count(const QString& sql)
    {
        Query q(db());
        q.setSql(sql);
        q.open();
        return q.field(0, 0).asInt();
    }
    QStringList listEntries(int page)
    {
        const char* names[] = {"DBLookupListBox1", "DBLookupListBox2", "DBLookupListBox3"};
        auto* list = child<QListView>(form.get(), names[page]);
        QStringList out;
        for (int r = 0; r < list->model()->rowCount(); ++r)
            out << list->model()->index(r, 0).data().toString();
        return out;
    }
};

} // namespace

class WeighingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        TcpDevice::reconnectIntervalMs = 200;
        TForm1::photoSettleMs = 10;
    }

    void singleWeighingWorkedExample()
    {
        Station s;
        s.choose();
        child<QLineEdit>(s.form.get(), "Tara")->setText(QStringLiteral("250"));
        s.weigh("Image11", QStringLiteral("980"));
        const QVariantMap r = s.row(QStringLiteral("wiegenummer=42"));
        QCOMPARE(r.value(QStringLiteral("wiegeart")).toString(), QStringLiteral("Einzelwiegung"));
        QCOMPARE(r.value(QStringLiteral("Firma_id")).toInt(), 7);
        QCOMPARE(r.value(QStringLiteral("Material_id")).toInt(), 3);
        QCOMPARE(r.value(QStringLiteral("Fahrzeug_id")).toInt(), 12);
        QCOMPARE(r.value(QStringLiteral("brutto")).toDouble(), 980.0);
        QCOMPARE(r.value(QStringLiteral("Tara")).toDouble(), 250.0);
        QCOMPARE(r.value(QStringLiteral("netto")).toDouble(), 730.0);
        QCOMPARE(r.value(QStringLiteral("brutto_alibi")).toString(), QStringLiteral("00000-000001"));
        QCOMPARE(r.value(QStringLiteral("tara_alibi")).toString(), QStringLiteral("Hand"));
        QCOMPARE(r.value(QStringLiteral("netto_alibi")).toString(), QStringLiteral("Berechnet"));
        QCOMPARE(r.value(QStringLiteral("ein_oder_aus")).toString(), QStringLiteral("E"));
        QCOMPARE(r.value(QStringLiteral("RFID")).toString(), QString());
        QVERIFY(r.value(QStringLiteral("schnellfirma")).isNull());
        QCOMPARE(s.tickets.previewed, QStringList{QStringLiteral("42")});
        QCOMPARE(Configuration::load(s.db()).wiegenummer, 42);
        // Listed, selection reset (the tare stays), the next request is "READ" and only one is out.
        QCOMPARE(s.listEntries(1), QStringList{QStringLiteral("Kieswerk Nord")});
        QCOMPARE(child<QLabel>(s.form.get(), "DBText4")->text(), QStringLiteral("42"));
        QCOMPARE(child<QLabel>(s.form.get(), "firma_gewaehlt")->text(), QString());
        QCOMPARE(child<QLineEdit>(s.form.get(), "wiegeart")->text(), QString());
        QCOMPARE(child<QLineEdit>(s.form.get(), "Tara")->text(), QStringLiteral("250"));
        QVERIFY(s.log().endsWith(QStringLiteral("Einzelwiegung")));
        QTest::qWait(50);
        QCOMPARE(s.scale.lines().last(), QByteArray("READ\r\n"));
        QCOMPARE(s.scale.lines().size(), 3); // READ, PID, READ
    }

    void firstAndSecondWeighing_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::addColumn<double>("brutto");
        QTest::addColumn<double>("tara");
        QTest::addColumn<double>("netto");
        QTest::addColumn<QString>("direction");
        QTest::newRow("loaded on the way out") << "310"
                                               << "940" << 940.0 << 310.0 << 630.0 << "A";
        QTest::newRow("unloaded") << "940"
                                  << "310" << 310.0 << 940.0 << 630.0 << "E";
        QTest::newRow("equal readings") << "500"
                                        << "500" << 500.0 << 500.0 << 0.0 << "E";
    }

    void firstAndSecondWeighing()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QFETCH(double, brutto);
        QFETCH(double, tara);
        QFETCH(double, netto);
        QFETCH(QString, direction);
        Station s;
        s.choose();
        s.weigh("Image5", in);
        QVariantMap r = s.row(QStringLiteral("wiegenummer=42"));
        QCOMPARE(r.value(QStringLiteral("wiegeart")).toString(), QStringLiteral("Erstwiegung"));
        QCOMPARE(r.value(QStringLiteral("brutto")).toDouble(), 0.0);
        QCOMPARE(r.value(QStringLiteral("Tara")).toDouble(), in.toDouble());
        QCOMPARE(r.value(QStringLiteral("tara_alibi")).toString(), QStringLiteral("00000-000001"));
        QCOMPARE(r.value(QStringLiteral("ein_oder_aus")).toString(), QStringLiteral("A"));
        QCOMPARE(s.listEntries(0), QStringList{QStringLiteral("Kieswerk Nord")});
        QCOMPARE(s.tickets.previewed, QStringList{QStringLiteral("42")}); // erstwiegungsdruck with preview

        s.weigh("Image6", out);
        r = s.row(QStringLiteral("wiegenummer=42"));
        QCOMPARE(r.value(QStringLiteral("wiegeart")).toString(), QStringLiteral("Zweitwiegung"));
        QCOMPARE(r.value(QStringLiteral("brutto")).toDouble(), brutto);
        QCOMPARE(r.value(QStringLiteral("Tara")).toDouble(), tara);
        QCOMPARE(r.value(QStringLiteral("netto")).toDouble(), netto);
        QCOMPARE(r.value(QStringLiteral("brutto_alibi")).toString(), QStringLiteral("00000-000002"));
        QCOMPARE(r.value(QStringLiteral("tara_alibi")).toString(), QStringLiteral("00000-000001"));
        QCOMPARE(r.value(QStringLiteral("ein_oder_aus")).toString(), direction);
        QCOMPARE(s.count(QStringLiteral("select count(*) from wiegung")), 1);
        QCOMPARE(Configuration::load(s.db()).wiegenummer, 42); // the second weighing draws no number
        QCOMPARE(s.listEntries(0), QStringList());
        QCOMPARE(s.listEntries(2), QStringList{QStringLiteral("Kieswerk Nord")});
        QCOMPARE(s.tickets.previewed, (QStringList{QStringLiteral("42"), QStringLiteral("42")}));
    }

    void numberTextsAndTare()
    {
        Station s;
        s.choose();
        auto* tara = child<QLineEdit>(s.form.get(), "Tara");
        tara->clear();
        QTest::keyClicks(tara, QStringLiteral("12a.5"));
        QTest::keyClick(tara, Qt::Key_Backspace); // discarded too
        QCOMPARE(tara->text(), QStringLiteral("12.5"));
        s.weigh("Image11", QStringLiteral("743.0"));
        QVariantMap r = s.row(QStringLiteral("wiegenummer=42"));
        QCOMPARE(r.value(QStringLiteral("brutto")).toDouble(), 743.0);
        QCOMPARE(r.value(QStringLiteral("Tara")).toDouble(), 12.5);
        QCOMPARE(r.value(QStringLiteral("netto")).toDouble(), 730.5);

        s.choose();
        tara->setText(QStringLiteral("0,5")); // pasted with a comma
        child<QWidget>(s.form.get(), "einzelwiegungsart")->findChildren<QRadioButton*>()[1]->setChecked(true); // "Aus"
        s.weigh("Image11", QStringLiteral("123.5"));
        r = s.row(QStringLiteral("wiegenummer=43"));
        QCOMPARE(r.value(QStringLiteral("brutto")).toDouble(), 123.5);
        QCOMPARE(r.value(QStringLiteral("netto")).toDouble(), 123.0);
        QCOMPARE(r.value(QStringLiteral("ein_oder_aus")).toString(), QStringLiteral("A"));

        // A tare that is no number: a clear message, nothing stored, the cycle goes on.
        s.choose();
        tara->setText(QStringLiteral("1.2.3"));
        s.weigh("Image11", QStringLiteral("500"));
        QCOMPARE(s.prompt.messages.size(), 1);
        QVERIFY(s.prompt.messages[0].contains(QStringLiteral("1.2.3")));
        QCOMPARE(s.count(QStringLiteral("select count(*) from wiegung")), 2);
        QCOMPARE(Configuration::load(s.db()).wiegenummer, 43);
        QCOMPARE(child<QLabel>(s.form.get(), "firma_gewaehlt")->text(), QStringLiteral("Kieswerk Nord"));
        QVERIFY(waitFor([&] { return s.scale.lines().last() == "READ\r\n"; }));
    }

    void quickEntryColumns()
    {
        Station s;
        s.choose();
        s.form->selection().quickEntry(s.db(), Selection::Group::Company, QStringLiteral("O'Brien & Co"));
        s.form->findChild<QLineEdit*>(QStringLiteral("graireader"))->setText(QStringLiteral("E2 00 34 12"));
        s.weigh("Image5", QStringLiteral("7000"));
        const QVariantMap r = s.row(QStringLiteral("wiegenummer=42"));
        QCOMPARE(r.value(QStringLiteral("schnellfirma")).toString(), QStringLiteral("O'Brien & Co"));
        QVERIFY(r.value(QStringLiteral("schnellmaterial")).isNull());
        QCOMPARE(r.value(QStringLiteral("Material_id")).toInt(), 3);
        QCOMPARE(r.value(QStringLiteral("RFID")).toString(), QStringLiteral("E2 00 34 12"));
        QCOMPARE(s.listEntries(0), QStringList{QStringLiteral("O'Brien & Co")});
    }

    void reasonTexts()
    {
        Station s(QStringLiteral("waage=0"));
        child<QToolButton>(s.form.get(), "Image5")->click();
        QCOMPARE(s.fehlertext(),
                 QStringLiteral(" Firma nicht gewählt!  Produkt nicht gewählt!  Fahrzeug nicht gewählt! "
                                " Keine Waage konfiguriert! "));
        QVERIFY(s.fehlertextShown());
        child<QToolButton>(s.form.get(), "Image11")->click();
        QCOMPARE(s.fehlertext(), QStringLiteral("Keine Firma gewählt! Kein Produkt gewählt! Kein Fahrzeug gewählt! "
                                                " Keine Waage konfiguriert! "));
        child<QToolButton>(s.form.get(), "Image6")->click();
        QCOMPARE(s.fehlertext(), QStringLiteral(" Keine Waage konfiguriert!  Keine Erstwiegung ausgewählt! "));
        QCOMPARE(child<QLineEdit>(s.form.get(), "wiegeart")->text(), QString());
        QCOMPARE(child<QLineEdit>(s.form.get(), "Waagenanfrage")->text(), QStringLiteral("READ"));
    }

    void checksWithAScale()
    {
        Station s;
        Selection& sel = s.form->selection();
        sel.setCompany(7, QStringLiteral("Kieswerk Nord"), {}, {}, {}, true);
        sel.setVehicle(12, QStringLiteral("LKW 12"), true);
        child<QToolButton>(s.form.get(), "Image5")->click();
        QCOMPARE(s.fehlertext(), QStringLiteral(" Produkt nicht gewählt! "));
        child<QToolButton>(s.form.get(), "Image6")->click();
        QCOMPARE(s.fehlertext(), QStringLiteral(" Keine Erstwiegung ausgewählt! "));
        QCOMPARE(child<QLineEdit>(s.form.get(), "wiegeart")->text(), QString());

        // The empty tare: only the message box, nothing armed, the error panel hidden.
        s.choose();
        child<QLineEdit>(s.form.get(), "wiegeart")->setText(QStringLiteral("vorher"));
        child<QLineEdit>(s.form.get(), "Tara")->clear();
        child<QToolButton>(s.form.get(), "Image11")->click();
        QCOMPARE(s.prompt.messages,
                 QStringList{QStringLiteral("Es muss eine Tara bei einer Einzelwiegung eingegeben werden!")});
        QCOMPARE(child<QLineEdit>(s.form.get(), "wiegeart")->text(), QStringLiteral("vorher"));
        QVERIFY(!s.fehlertextShown());
        child<QLineEdit>(s.form.get(), "Tara")->setText(QStringLiteral("0"));
        child<QToolButton>(s.form.get(), "Image11")->click();
        QCOMPARE(child<QLineEdit>(s.form.get(), "Waagenanfrage")->text(), QStringLiteral("PID"));
        QCOMPARE(child<QLineEdit>(s.form.get(), "wiegeart")->text(), QStringLiteral("Einzelwiegung"));
    }

    void lastCommandBeforeTheReplyWins()
    {
        Station s;
        s.choose();
        s.weigh("Image5", QStringLiteral("300"));
        s.choose();
        child<QToolButton>(s.form.get(), "Image5")->click();
        s.weigh("Image6", QStringLiteral("900"));
        QCOMPARE(s.count(QStringLiteral("select count(*) from wiegung")), 1);
        QCOMPARE(s.row(QStringLiteral("wiegenummer=42")).value(QStringLiteral("wiegeart")).toString(),
                 QStringLiteral("Zweitwiegung"));
    }

    void firstWeighingWithoutTicketAndAnEmptyKind()
    {
        Station s(QStringLiteral("erstwiegungsdruck=0"));
        s.form->ticketForm()->setWeighNumber(QStringLiteral("7"));
        s.choose();
        s.weigh("Image5", QStringLiteral("300"));
        QCOMPARE(s.tickets.previewed + s.tickets.printed, QStringList());
        QCOMPARE(s.form->ticketForm()->wiegenummer()->text(), QStringLiteral("7"));

        // A triggered reply without a pending kind stores nothing but still resets and requests.
        s.choose();
        const int lines = int(s.scale.lines().size());
        child<QLineEdit>(s.form.get(), "Waagenanfrage")->setText(QStringLiteral("PID"));
        s.turn();
        QVERIFY(waitFor([&] { return s.scale.lines().size() == lines + 2; }));
        QCOMPARE(s.scale.lines().last(), QByteArray("READ\r\n"));
        QCOMPARE(s.count(QStringLiteral("select count(*) from wiegung")), 1);
        QVERIFY(s.log().endsWith(QStringLiteral("Erstwiegung\n")));
        QCOMPARE(child<QLabel>(s.form.get(), "firma_gewaehlt")->text(), QString());
    }

    void secondWeighingWhoseFirstWentAway()
    {
        Station s;
        s.choose();
        s.weigh("Image5", QStringLiteral("300"));
        child<QToolButton>(s.form.get(), "Image6")->click(); // armed with the open first weighing
        s.db().exec(QStringLiteral("delete from wiegung"));
        s.form->todayLists().open(TodayLists::Erstwiegungen);
        s.form->todayListsView()->reload(TodayLists::Erstwiegungen);
        s.weight = QStringLiteral("900");
        s.turn();
        QVERIFY(waitFor([&] { return !s.prompt.messages.isEmpty(); }));
        QVERIFY(s.prompt.messages[0].contains(QStringLiteral("keine Erstwiegung")));
        QCOMPARE(s.count(QStringLiteral("select count(*) from wiegung")), 0);
    }

    void listsCoverTheLast24Hours()
    {
        Station s;
        const QDateTime now(QDate(2026, 12, 11), QTime(12, 0));
        Clock::set(now);
        Query q(s.db());
        auto add = [&](int n, const char* kind, const QDateTime& when) {
            q.setSql(QStringLiteral("insert into wiegung (wiegenummer, wiegeart, datum, Firma_id, schnellfirma)"
                                    " values (?, ?, ?, 7, ?)"),
                     {n, QString::fromLatin1(kind), when, QStringLiteral("F%1").arg(n)})
                .execute();
        };
        add(1, "Einzelwiegung", now.addSecs(-23 * 3600));
        add(2, "Einzelwiegung", now.addSecs(-25 * 3600)); // same calendar day... or not: 24 hours count
        add(3, "Zweitwiegung", now.addSecs(-23 * 3600));
        add(4, "Zweitwiegung", now.addSecs(-25 * 3600));
        add(5, "Erstwiegung", now.addDays(-40)); // open first weighings have no time limit
        add(6, "Einzelwiegung", now.addSecs(-3600));
        s.form->todayLists().refreshAll();
        s.form->todayListsView()->reloadAll();
        QCOMPARE(s.listEntries(0), QStringList{QStringLiteral("Kieswerk Nord")});
        QCOMPARE(s.form->todayLists().query(TodayLists::EinzelwiegungHeute).rowCount(), 2);
        QCOMPARE(s.form->todayLists().weighNumber(TodayLists::EinzelwiegungHeute), QStringLiteral("6")); // newest first
        QCOMPARE(s.form->todayLists().query(TodayLists::SummenwiegungHeute).rowCount(), 1);
        QCOMPARE(s.form->todayLists().weighNumber(TodayLists::SummenwiegungHeute), QStringLiteral("3"));
    }

    void listActions()
    {
        Station s;
        Query q(s.db());
        for (int n : {1233, 1234})
            q.setSql(
                 QStringLiteral("insert into wiegung (wiegenummer, wiegeart, datum, Firma_id, Material_id, Fahrzeug_id)"
                                " values (?, 'Einzelwiegung', now(), 7, 3, 12)"),
                 {n})
                .execute();
        q
            .setSql(QStringLiteral(
                "insert into wiegung (wiegenummer, wiegeart, datum, Firma_id) values (99, 'Erstwiegung', now(), 7)"))
            .execute();
        s.form->todayLists().refreshAll();
        s.form->todayListsView()->reloadAll();
        auto* list = child<QListView>(s.form.get(), "DBLookupListBox2");
        QCOMPARE(child<QLabel>(s.form.get(), "DBText4")->text(), QStringLiteral("1234")); // newest first
        QCOMPARE(child<QLabel>(s.form.get(), "DBText5")->text(), QStringLiteral("Kies"));
        QCOMPARE(child<QLabel>(s.form.get(), "DBText6")->text(), QStringLiteral("LKW 12"));

        // A right click on the other entry leaves the selection; the menu acts on the selected one.
        const QRect second = list->visualRect(list->model()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, second.center());
        QCOMPARE(child<QLabel>(s.form.get(), "DBText4")->text(), QStringLiteral("1234"));
        QMenu* menu = child<QMenu>(s.form.get(), "popup_einzel_heute");
        menu->hide();
        child<QAction>(menu, "MenuItem1")->trigger();
        QCOMPARE(s.tickets.previewed, QStringList{QStringLiteral("1234")});

        // Photos in the order of their cameras, missing ones skipped.
        QDir().mkpath(s.form->photoDir());
        for (const char* f : {"1234_3.bmp", "1234_1.bmp"}) {
            QFile file(QDir(s.form->photoDir()).filePath(QString::fromLatin1(f)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        g_opened.clear();
        PhotoViewer::setOpener(recordOpen);
        child<QAction>(menu, "MenuItem2")->trigger();
        PhotoViewer::setOpener(nullptr);
        QCOMPARE(g_opened, (QStringList{QStringLiteral("1234_1.bmp"), QStringLiteral("1234_3.bmp")}));

        // Delete: Cancel keeps everything, OK deletes and refreshes only that list.
        list->setCurrentIndex(list->model()->index(1, 0));
        QCOMPARE(child<QLabel>(s.form.get(), "DBText4")->text(), QStringLiteral("1233"));
        s.prompt.answers = {false};
        child<QAction>(menu, "Wiegunglschen1")->trigger();
        QCOMPARE(s.prompt.questions.last(),
                 QStringLiteral("Möchten Sie die Wiegung wirklich unwiederruflich löschen?"));
        QCOMPARE(s.count(QStringLiteral("select count(*) from wiegung")), 3);
        s.prompt.answers = {true};
        child<QAction>(menu, "Wiegunglschen1")->trigger();
        QCOMPARE(s.count(QStringLiteral("select count(*) from wiegung where wiegenummer=1233")), 0);
        QCOMPARE(s.listEntries(1), QStringList{QStringLiteral("Kieswerk Nord")});
        QCOMPARE(child<QLabel>(s.form.get(), "DBText4")->text(), QStringLiteral("1234"));

        // The open first weighing is deleted through Image12 after asking by its company.
        s.prompt.answers = {true};
        child<QToolButton>(s.form.get(), "Image12")->click();
        QCOMPARE(s.prompt.questions.last(), QStringLiteral("Möchten Sie die Erstwiegung von Kieswerk Nord löschen?"));
        QCOMPARE(s.listEntries(0), QStringList());
        QCOMPARE(s.count(QStringLiteral("select count(*) from wiegung where wiegenummer=99")), 0);
    }

    void twoStationsNeverShareANumber()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Data/daten.db"));
        {
            Database db;
            db.open(path, true);
            db.exec(QStringLiteral("insert into firmenstamm (id, Firmenname) values (7, 'A')"));
        }
        std::vector<qint64> numbers[2];
        QString failures[2];
        auto station = [&](int i) {
            try {
                Database db;
                db.open(path, false);
                WeighingRecorder recorder(db);
                WeighingRecorder::Inputs in;
                in.weight = QStringLiteral("1000");
                in.tare = QStringLiteral("100");
                in.companyId = in.productId = in.vehicleId = QStringLiteral("7");
                for (int n = 0; n < 200; ++n)
                    numbers[i].push_back(recorder.storeSingle(in));
            } catch (const std::exception& e) {
                failures[i] = QString::fromUtf8(e.what());
            }
        };
        std::unique_ptr<QThread> threads[2] = {std::unique_ptr<QThread>(QThread::create(station, 0)),
                                               std::unique_ptr<QThread>(QThread::create(station, 1))};
        for (auto& t : threads)
            t->start();
        for (auto& t : threads)
            t->wait();
        QCOMPARE(failures[0], QString());
        QCOMPARE(failures[1], QString());
        std::set<qint64> all(numbers[0].begin(), numbers[0].end());
        all.insert(numbers[1].begin(), numbers[1].end());
        QCOMPARE(all.size(), size_t(400));
        QCOMPARE(*all.rbegin(), 400);
        Database db;
        db.open(path, false);
        Query q(db);
        q.setSql(QStringLiteral("select count(distinct wiegenummer), count(*) from wiegung"));
        q.open();
        QCOMPARE(q.field(0, 0).asInt(), 400);
        QCOMPARE(q.field(0, 1).asInt(), 400);
    }

    void failedInsertConsumesNoNumber()
    {
        QTemporaryDir dir;
        Database db;
        db.open(dir.filePath(QStringLiteral("daten.db")), true);
        db.exec(QStringLiteral("CREATE TRIGGER nein BEFORE INSERT ON wiegung BEGIN SELECT RAISE(ABORT, 'voll'); END"));
        WeighingRecorder recorder(db);
        WeighingRecorder::Inputs in;
        in.weight = QStringLiteral("1000");
        in.tare = QStringLiteral("0");
        in.companyId = in.productId = in.vehicleId = QStringLiteral("1");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, recorder.storeSingle(in));
        QCOMPARE(Configuration::load(db).wiegenummer, 0);
        in.companyId.clear();
        QVERIFY_THROWS_EXCEPTION(WeighingError, recorder.storeSingle(in));
    }
};

QTEST_MAIN(WeighingTest)
#include "tst_weighing.moc"
