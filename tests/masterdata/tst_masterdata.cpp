#include "Configuration.h"
#include "ItemWindows.h"
#include "Modal.h"
#include "Query.h"
#include "SearchWindows.h"
#include "TestSupport.h"
#include "Tfirmaanlegen.h"
#include "TForm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList column(QTableView* grid, int col = 0)
{
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->index(r, col).data().toString();
    return out;
}

QStringList entries(QListView* list)
{
    QStringList out;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        out << list->model()->index(r, 0).data().toString();
    return out;
}

void selectEntry(QAbstractItemView* view, const QString& text)
{
    for (int r = 0; r < view->model()->rowCount(); ++r) {
        if (view->model()->index(r, 0).data().toString() == text) {
            view->setCurrentIndex(view->model()->index(r, 0));
            return;
        }
    }
    qFatal("no entry %s", qPrintable(text));
}

qint64 scalar(Database& db, const QString& sql, const QVariantList& values = {})
{
    Query q(db);
    q.setSql(sql, values);
    q.open();
    return q.field(0, 0).asInt();
}

// A station over a temporary folder with a few companies, products and vehicles.
struct Fixture
{
    ScriptedPrompt prompt;
    TempStation st;
    std::unique_ptr<TForm1> form;
    QHash<QString, qint64> ids;

    Fixture()
    {
        st.prepare();
        form = std::make_unique<TForm1>(st.path());
        Database& db = form->database();
        auto add = [&](const QString& key, const QString& sql, const QVariantList& v) {
            Query(db).setSql(sql, v).execute();
            ids[key] = db.lastInsertId();
        };
        for (const char* p : {"Kies", "Sand", "Erde", "Altholz"})
            add(QString::fromLatin1(p), QStringLiteral("insert into produktstamm (Artikelbezeichnung) values (?)"),
                {QString::fromLatin1(p)});
        Query(db)
            .setSql(QStringLiteral("update produktstamm set inaktiv=1 where id=?"), {ids[QStringLiteral("Altholz")]})
            .execute();
        for (auto [v, t] : {std::pair<const char*, double>{"LKW 1", 7500}, {"LKW 2", 9000.5}, {"Traktor", 4000}})
            add(QString::fromLatin1(v),
                QStringLiteral("insert into fahrzeugstamm (Fahrzeugbeschreibung, Tara) values (?, ?)"),
                {QString::fromLatin1(v), t});
        const char* companies[][5] = {{"Alpha Bau", "K", "0", "Ring 1", "Linz"},
                                      {"Beta Recycling", "L", "0", "Weg 2", "Wels"},
                                      {"Gamma Handel", "A", "0", "Platz 3", "Steyr"},
                                      {"Delta Alt", "K", "1", "Gasse 4", "Enns"},
                                      {"O'Neil & Söhne", "K", "0", "Kai 5", "Linz"}};
        for (auto& c : companies)
            add(QString::fromUtf8(c[0]),
                QStringLiteral("insert into firmenstamm (Firmenname, Kunde_Lieferant, inaktiv, Adresse, plz, ort)"
                               " values (?, ?, ?, ?, '4020', ?)"),
                {QString::fromUtf8(c[0]), QString::fromLatin1(c[1]), QString::fromLatin1(c[2]).toInt(),
                 QString::fromLatin1(c[3]), QString::fromLatin1(c[4])});
    }
    ~Fixture() { Modal::setHook(nullptr); }

    Database& db() { return form->database(); }
    QDialog* dialog(const char* name) { return child<QDialog>(form.get(), name); }
    QString label(const char* name) { return child<QLabel>(form.get(), name)->text(); }
};

} // namespace

class MasterDataTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void companySearch_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("kunde");
        QTest::addColumn<bool>("lieferant");
        QTest::addColumn<bool>("inactive");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all active") << "" << true << true << false
                                    << QStringList{"Alpha Bau", "Beta Recycling", "Gamma Handel", "O'Neil & Söhne"};
        QTest::newRow("customers") << "" << true << false << false
                                   << QStringList{"Alpha Bau", "Gamma Handel", "O'Neil & Söhne"};
        QTest::newRow("suppliers") << "" << false << true << false << QStringList{"Beta Recycling", "Gamma Handel"};
        QTest::newRow("no kind box lists every kind")
            << "" << false << false << false
            << QStringList{"Alpha Bau", "Beta Recycling", "Gamma Handel", "O'Neil & Söhne"};
        QTest::newRow("inactive only") << "" << true << true << true << QStringList{"Delta Alt"};
        QTest::newRow("name in any case") << "RECYC" << true << true << false << QStringList{"Beta Recycling"};
        QTest::newRow("name with a quote") << "o'neil & SÖ" << true << true << false << QStringList{"O'Neil & Söhne"};
    }

    void companySearch()
    {
        QFETCH(QString, name);
        QFETCH(bool, kunde);
        QFETCH(bool, lieferant);
        QFETCH(bool, inactive);
        QFETCH(QStringList, expected);
        Fixture fx;
        auto* w = static_cast<TFirmenauswahlmaske*>(fx.dialog("Firmenauswahlmaske"));
        child<QLineEdit>(w, "Edit1")->setText(name);
        child<QCheckBox>(w, "kunde")->setChecked(kunde);
        child<QCheckBox>(w, "lieferant")->setChecked(lieferant);
        child<QCheckBox>(w, "RadioButton1")->setChecked(inactive);
        child<QPushButton>(w, "Button1")->click();
        auto* grid = child<QTableView>(w, "firmen");
        QCOMPARE(column(grid), expected);
        QCOMPARE(grid->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Ort"));
        QCOMPARE(grid->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Eingang kg"));
        QCOMPARE(fx.prompt.messages, QStringList());
        // "Inaktive anzeigen" can be switched off again.
        child<QCheckBox>(w, "RadioButton1")->setChecked(false);
        child<QPushButton>(w, "Button1")->click();
        QVERIFY(!column(grid).contains(QStringLiteral("Delta Alt")));
    }

    void createAndEditACompany()
    {
        Fixture fx;
        // An older company with the very same name, address, postcode and tag.
        Query(fx.db())
            .setSql(QStringLiteral("insert into firmenstamm (Firmenname, Adresse, plz, ort, rfid, Kunde_Lieferant)"
                                   " values ('Zeta', '', '', 'Alt', '', 'K')"))
            .execute();
        const qint64 older = fx.db().lastInsertId();
        auto* search = static_cast<TFirmenauswahlmaske*>(fx.dialog("Firmenauswahlmaske"));
        auto* editor = static_cast<Tfirmaanlegen*>(fx.dialog("firmaanlegen"));
        QString newId;
        Modal::setHook([&](QDialog* d) {
            QCOMPARE(d, editor);
            QVERIFY(child<QLabel>(editor, "Panel1")->isVisibleTo(editor));
            QCOMPARE(child<QPushButton>(editor, "Button1")->text(), QStringLiteral("Firma anlegen"));
            child<QLineEdit>(editor, "firmenname")->setText(QStringLiteral("Zeta"));
            child<QPushButton>(editor, "Button1")->click();
            child<QCheckBox>(editor, "kunde")->setChecked(true);
            child<QLineEdit>(editor, "firmenname")->clear();
            child<QPushButton>(editor, "Button1")->click();
            child<QLineEdit>(editor, "firmenname")->setText(QStringLiteral("Zeta"));
            child<QLineEdit>(editor, "ort")->setText(QStringLiteral("Neu"));
            child<QPushButton>(editor, "Button1")->click();
            newId = editor->art();
            QVERIFY(!child<QLabel>(editor, "Panel1")->isVisibleTo(editor));
            QCOMPARE(child<QPushButton>(editor, "Button1")->text(), QStringLiteral("Änderung speichern"));
            QCOMPARE(child<QLineEdit>(editor, "ort")->text(), QStringLiteral("Neu"));
            // Now the edit: inactive, both kinds.
            child<QCheckBox>(editor, "Lieferant")->setChecked(true);
            child<QCheckBox>(editor, "Inaktiv")->setChecked(true);
            child<QPushButton>(editor, "Button1")->click();
        });
        child<QPushButton>(search, "Button2")->click();
        QCOMPARE(fx.prompt.messages, (QStringList{QStringLiteral("Es muss Kunde oder Lieferant gewählt werden!"),
                                                  QStringLiteral("Der Firmennamen muss ausgefüllt sein!")}));
        QVERIFY(newId.toLongLong() > older);
        Query q(fx.db());
        q.setSql(QStringLiteral("select * from firmenstamm where id=?"), {newId.toLongLong()});
        q.open();
        QCOMPARE(q.field(QStringLiteral("ort")).asText(), QStringLiteral("Neu"));
        QCOMPARE(q.field(QStringLiteral("Kunde_Lieferant")).asText(), QStringLiteral("A"));
        QVERIFY(q.field(QStringLiteral("inaktiv")).asBool());
        QCOMPARE(q.field(QStringLiteral("RFID_Material")).asInt(), 0);
        QCOMPARE(q.field(QStringLiteral("rfid_ausloeser")).asText(), QStringLiteral("Einzelwiegung"));
        // The inactive company left the normal search, which ran again when the editor closed.
        QCOMPARE(column(child<QTableView>(search, "firmen")).count(QStringLiteral("Zeta")), 1);
    }

    void assignmentActions()
    {
        Fixture fx;
        auto* editor = static_cast<Tfirmaanlegen*>(fx.dialog("firmaanlegen"));
        editor->setArt(QString::number(fx.ids[QStringLiteral("Alpha Bau")]));
        auto* available = child<QListView>(editor, "DBLookupListBox2");
        auto* assigned = child<QListView>(editor, "DBLookupListBox3");
        auto* products = child<QListView>(editor, "DBLookupListBox1");
        QCOMPARE(entries(available), (QStringList{"LKW 1", "LKW 2", "Traktor"}));
        QCOMPARE(entries(products), (QStringList{"Erde", "Kies", "Sand"})); // not the inactive one
        QVERIFY(child<QToolButton>(editor, "Image3")->isHidden());
        QVERIFY(child<QToolButton>(editor, "Image5")->isHidden());
        QVERIFY(child<QToolButton>(editor, "Image4")->isHidden());

        selectEntry(available, QStringLiteral("LKW 2"));
        child<QToolButton>(editor, "Image2")->click();
        selectEntry(available, QStringLiteral("Traktor"));
        emit available->doubleClicked(available->currentIndex());
        QCOMPARE(entries(assigned), (QStringList{"LKW 2", "Traktor"}));
        QCOMPARE(entries(available), QStringList{"LKW 1"});
        QVERIFY(!child<QToolButton>(editor, "Image3")->isHidden());

        selectEntry(assigned, QStringLiteral("Traktor"));
        child<QToolButton>(editor, "Image5")->click();
        QCOMPARE(child<QLineEdit>(editor, "DBEdit2")->text(), QStringLiteral("Traktor"));
        QVERIFY(!child<QToolButton>(editor, "Image6")->isHidden());
        selectEntry(assigned, QStringLiteral("LKW 2"));
        child<QToolButton>(editor, "Image3")->click();
        QCOMPARE(entries(assigned), QStringList{"Traktor"});
        child<QToolButton>(editor, "Image6")->click();
        QCOMPARE(child<QLineEdit>(editor, "DBEdit2")->text(), QString());

        selectEntry(products, QStringLiteral("Sand"));
        emit products->doubleClicked(products->currentIndex());
        QCOMPARE(child<QLineEdit>(editor, "DBEdit1")->text(), QStringLiteral("Sand"));
        QCOMPARE(entries(products), (QStringList{"Erde", "Kies"}));
        child<QToolButton>(editor, "Image4")->click();
        QCOMPARE(entries(products), (QStringList{"Erde", "Kies", "Sand"}));

        // Another company still has every vehicle to choose from.
        editor->setArt(QString::number(fx.ids[QStringLiteral("Beta Recycling")]));
        QCOMPARE(entries(available), (QStringList{"LKW 1", "LKW 2", "Traktor"}));
        QCOMPARE(fx.prompt.messages, QStringList());
    }

    void takingACompanyOver()
    {
        Fixture fx;
        const qint64 alpha = fx.ids[QStringLiteral("Alpha Bau")];
        Companies::setPreferredArticle(fx.db(), alpha, fx.ids[QStringLiteral("Kies")]);
        Companies::setPreferredVehicle(fx.db(), alpha, fx.ids[QStringLiteral("LKW 2")]);
        auto* search = static_cast<TFirmenauswahlmaske*>(fx.dialog("Firmenauswahlmaske"));
        search->search();
        auto* grid = child<QTableView>(search, "firmen");

        // A company without preferences changes only the company labels.
        fx.form->selection().setProduct(99, QStringLiteral("Vorher"), true);
        grid->setCurrentIndex(grid->model()->index(1, 0)); // Beta Recycling
        child<QPushButton>(search, "Button4")->click();
        QCOMPARE(fx.label("firma_gewaehlt"), QStringLiteral("Beta Recycling"));
        QCOMPARE(fx.label("firma_adresse"), QStringLiteral("Weg 2"));
        QCOMPARE(fx.label("Firma_plz_ort"), QStringLiteral("4020 Wels"));
        QCOMPARE(fx.label("produkt_gewaehlt"), QStringLiteral("Vorher"));
        QCOMPARE(child<QLineEdit>(fx.form.get(), "Tara")->text(), QStringLiteral("0"));

        fx.form->selection().quickEntry(fx.db(), Selection::Group::Vehicle, QStringLiteral("Fremd-LKW"));
        grid->setCurrentIndex(grid->model()->index(0, 0)); // Alpha Bau
        child<QPushButton>(search, "Button4")->click();
        QCOMPARE(fx.label("firma_gewaehlt_id"), QString::number(alpha));
        QCOMPARE(fx.label("produkt_gewaehlt"), QStringLiteral("Kies"));
        QCOMPARE(fx.label("produkt_gewaehlt_id"), QString::number(fx.ids[QStringLiteral("Kies")]));
        QCOMPARE(fx.label("Fahrzeug_gewaehlt"), QStringLiteral("LKW 2"));
        QCOMPARE(fx.label("fahrzeug_hand"), QString());
        QCOMPARE(child<QLineEdit>(fx.form.get(), "Tara")->text(), QStringLiteral("9000,5"));
    }

    void erasingACompany()
    {
        Fixture fx;
        const qint64 alpha = fx.ids[QStringLiteral("Alpha Bau")], beta = fx.ids[QStringLiteral("Beta Recycling")];
        Query q(fx.db());
        for (auto [n, c] : {std::pair<int, qint64>{7, alpha}, {8, alpha}, {9, beta}})
            q.setSql(
                 QStringLiteral(
                     "insert into wiegung (wiegenummer, wiegeart, Firma_id, netto) values (?, 'Einzelwiegung', ?, 1)"),
                 {n, c})
                .execute();
        Companies::assignVehicle(fx.db(), alpha, fx.ids[QStringLiteral("LKW 1")]);
        Companies::assignVehicle(fx.db(), beta, fx.ids[QStringLiteral("LKW 1")]);
        QDir(fx.st.path()).mkpath(QStringLiteral("Dokumentation"));
        const QString photos = fx.form->photoDir();
        for (const char* f : {"7_1.bmp", "8_3.bmp", "9_1.bmp"}) {
            QFile file(QDir(photos).filePath(QString::fromLatin1(f)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        auto* editor = static_cast<Tfirmaanlegen*>(fx.dialog("firmaanlegen"));

        editor->setArt(QStringLiteral("neu"));
        child<QPushButton>(editor, "Button2")->click(); // a new company: nothing to erase
        QCOMPARE(fx.prompt.questions.size(), 0);

        editor->setArt(QString::number(alpha));
        fx.prompt.answers = {false};
        child<QPushButton>(editor, "Button2")->click();
        QCOMPARE(fx.prompt.questions.last(),
                 QStringLiteral("Es werden alle Datensätze von Alpha Bau gelöscht, dieser Vorgang kann nicht "
                                "rückgängig gemacht werden!!!"));
        QCOMPARE(scalar(fx.db(), QStringLiteral("select count(*) from wiegung")), 3);

        // A failure deletes nothing at all.
        fx.db().exec(QStringLiteral(
            "CREATE TRIGGER sperre BEFORE DELETE ON firmenstamm BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"));
        fx.prompt.answers = {true};
        child<QPushButton>(editor, "Button2")->click();
        QCOMPARE(fx.prompt.messages.size(), 1);
        QVERIFY(fx.prompt.messages[0].contains(QStringLiteral("gesperrt")));
        QCOMPARE(scalar(fx.db(), QStringLiteral("select count(*) from wiegung")), 3);
        QCOMPARE(scalar(fx.db(), QStringLiteral("select count(*) from fahrzeug_zu_firma")), 2);
        QVERIFY(QFile::exists(QDir(photos).filePath(QStringLiteral("7_1.bmp"))));
        fx.db().exec(QStringLiteral("DROP TRIGGER sperre"));

        fx.prompt.answers = {true};
        child<QPushButton>(editor, "Button2")->click();
        QCOMPARE(scalar(fx.db(), QStringLiteral("select count(*) from firmenstamm where id=?"), {alpha}), 0);
        QCOMPARE(scalar(fx.db(), QStringLiteral("select count(*) from wiegung where firma_id=?"), {alpha}), 0);
        QCOMPARE(scalar(fx.db(), QStringLiteral("select count(*) from fahrzeug_zu_firma where firmen_id=?"), {alpha}),
                 0);
        QVERIFY(!QFile::exists(QDir(photos).filePath(QStringLiteral("7_1.bmp"))));
        QVERIFY(!QFile::exists(QDir(photos).filePath(QStringLiteral("8_3.bmp"))));
        // The other company keeps everything.
        QCOMPARE(scalar(fx.db(), QStringLiteral("select count(*) from wiegung where firma_id=?"), {beta}), 1);
        QCOMPARE(scalar(fx.db(), QStringLiteral("select count(*) from fahrzeug_zu_firma where firmen_id=?"), {beta}),
                 1);
        QVERIFY(QFile::exists(QDir(photos).filePath(QStringLiteral("9_1.bmp"))));
    }

    void vehicleTare()
    {
        Fixture fx;
        auto* search = static_cast<TFahrzeugauswahlmaske*>(fx.dialog("Fahrzeugauswahlmaske"));
        auto* create = fx.dialog("fahrzeuganlegen");
        auto* tara = child<QLineEdit>(create, "tara");
        child<QLineEdit>(create, "beschreibung")->setText(QStringLiteral("Kipper"));
        QTest::keyClicks(tara, QStringLiteral("7a,5"));
        QTest::keyClick(tara, Qt::Key_Backspace);
        QCOMPARE(tara->text(), QStringLiteral("7,5"));
        Modal::setHook([](QDialog* d) { child<QPushButton>(d, "Button1")->click(); });
        child<QPushButton>(search, "Button2")->click();
        QCOMPARE(scalar(fx.db(), QStringLiteral("select count(*) from fahrzeugstamm where Tara=7.5 and"
                                                " Fahrzeugbeschreibung='Kipper'")),
                 1);
        QVERIFY(column(child<QTableView>(search, "fahrzeug")).contains(QStringLiteral("Kipper")));

        // Pasted text is not filtered, but what is no number is refused and nothing stored.
        tara->setText(QStringLiteral("sieben"));
        child<QPushButton>(search, "Button2")->click();
        QCOMPARE(fx.prompt.messages.size(), 1);
        QVERIFY(fx.prompt.messages[0].startsWith(QStringLiteral("Fehlerhaftes tara:")));
        QCOMPARE(
            scalar(fx.db(), QStringLiteral("select count(*) from fahrzeugstamm where Fahrzeugbeschreibung='Kipper'")),
            1);

        // Editing with a decimal point, and opening again shows the saved values.
        auto* grid = child<QTableView>(search, "fahrzeug");
        selectEntry(grid, QStringLiteral("LKW 1"));
        auto* edit = fx.dialog("fahrzeuganpassen");
        Modal::setHook([](QDialog* d) {
            child<QLineEdit>(d, "DBEdit2")->setText(QStringLiteral("12.5"));
            child<QCheckBox>(d, "DBCheckBox1")->setChecked(true);
            child<QPushButton>(d, "Button1")->click();
        });
        child<QPushButton>(search, "Button3")->click();
        QCOMPARE(scalar(fx.db(), QStringLiteral("select count(*) from fahrzeugstamm where Tara=12.5 and inaktiv=1")),
                 1);
        QVERIFY(!column(grid).contains(QStringLiteral("LKW 1")));
        child<QCheckBox>(search, "CheckBox1")->setChecked(true);
        QVERIFY(!column(grid).contains(QStringLiteral("LKW 1"))); // only "suchen" searches
        child<QPushButton>(search, "Button1")->click();
        QCOMPARE(column(grid), QStringList{QStringLiteral("LKW 1")});
        static_cast<Tfahrzeuganpassen*>(edit)->setId(QString::number(fx.ids[QStringLiteral("LKW 1")]));
        QCOMPARE(child<QLineEdit>(edit, "DBEdit2")->text(), QStringLiteral("12.5"));
        child<QLineEdit>(edit, "DBEdit2")->setText(QStringLiteral("x"));
        Modal::setHook(nullptr);
        child<QPushButton>(edit, "Button1")->click();
        QCOMPARE(fx.prompt.messages.size(), 2);
        QCOMPARE(scalar(fx.db(), QStringLiteral("select count(*) from fahrzeugstamm where Tara=12.5")), 1);

        // Taking a vehicle over leaves the tare alone.
        child<QLineEdit>(fx.form.get(), "Tara")->setText(QStringLiteral("333"));
        child<QPushButton>(search, "Button4")->click();
        QCOMPARE(fx.label("Fahrzeug_gewaehlt"), QStringLiteral("LKW 1"));
        QCOMPARE(child<QLineEdit>(fx.form.get(), "Tara")->text(), QStringLiteral("333"));
    }

    void products()
    {
        Fixture fx;
        auto* search = static_cast<Tproduktauswahlmaske*>(fx.dialog("produktauswahlmaske"));
        Modal::setHook([](QDialog* d) {
            child<QLineEdit>(d, "beschreibung")->setText(QStringLiteral("Kies 'gewaschen'"));
            child<QPushButton>(d, "Button1")->click();
        });
        child<QPushButton>(search, "Button2")->click();
        child<QLineEdit>(search, "Edit1")->setText(QStringLiteral("'GEWASCHEN'"));
        child<QPushButton>(search, "Button1")->click();
        auto* grid = child<QTableView>(search, "produkt");
        QCOMPARE(column(grid), QStringList{QStringLiteral("Kies 'gewaschen'")});
        child<QPushButton>(search, "Button4")->click();
        QCOMPARE(fx.label("produkt_gewaehlt"), QStringLiteral("Kies 'gewaschen'"));
        child<QLineEdit>(search, "Edit1")->clear();
        child<QCheckBox>(search, "CheckBox1")->setChecked(true);
        child<QPushButton>(search, "Button1")->click();
        QCOMPARE(column(grid), QStringList{QStringLiteral("Altholz")});
        QCOMPARE(fx.prompt.messages, QStringList());
    }

    void quickEntryAndReset()
    {
        Fixture fx;
        auto* search = static_cast<TFirmenauswahlmaske*>(fx.dialog("Firmenauswahlmaske"));
        search->search();
        child<QPushButton>(search, "Button4")->click(); // Alpha Bau
        auto* panel = child<QWidget>(fx.form.get(), "produktauswahl");
        child<QToolButton>(fx.form.get(), "Image2")->click();
        QVERIFY(panel->isVisibleTo(fx.form.get()));
        auto* edit = child<QLineEdit>(fx.form.get(), "produkt_einfuegen");
        QTest::keyClick(edit, Qt::Key_Return); // empty: nothing, the panel stays
        QVERIFY(panel->isVisibleTo(fx.form.get()));
        QTest::keyClicks(edit, QStringLiteral("Mutterboden"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!panel->isVisibleTo(fx.form.get()));
        QCOMPARE(edit->text(), QString());
        QCOMPARE(fx.label("produkt_hand"), QStringLiteral("Hand"));
        QCOMPARE(fx.label("produkt_gewaehlt"), QStringLiteral("Mutterboden"));
        QCOMPARE(fx.label("produkt_gewaehlt_id"),
                 QString::number(
                     scalar(fx.db(), QStringLiteral("select id from produktstamm where artikelbezeichnung is null"))));
        QCOMPARE(fx.label("firma_hand"), QString());
        QCOMPARE(fx.label("firma_gewaehlt"), QStringLiteral("Alpha Bau"));
        // The grid of the page "Administration" shows the quick-entry row looked up.
        auto* grid = child<QTableView>(fx.form.get(), "DBGrid1");
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Artikelbezeichnung"));

        // A company typed in keeps the address of the company chosen before.
        child<QToolButton>(fx.form.get(), "Image1")->click();
        child<QLineEdit>(fx.form.get(), "firma_einfuegen")->setText(QStringLiteral("Hans Huber"));
        child<QPushButton>(child<QWidget>(fx.form.get(), "firmenauswahl"), "Button2")->click();
        QCOMPARE(fx.label("firma_gewaehlt"), QStringLiteral("Hans Huber"));
        QCOMPARE(fx.label("firma_hand"), QStringLiteral("Hand"));
        QCOMPARE(fx.label("firma_adresse"), QStringLiteral("Ring 1"));

        // "x Abbruch" keeps the typed text.
        child<QToolButton>(fx.form.get(), "Image3")->click();
        child<QLineEdit>(fx.form.get(), "fahrzeug_einfuegen")->setText(QStringLiteral("halb"));
        child<QPushButton>(child<QWidget>(fx.form.get(), "fahrzeugauswahl"), "Button9")->click();
        QVERIFY(!child<QWidget>(fx.form.get(), "fahrzeugauswahl")->isVisibleTo(fx.form.get()));
        QCOMPARE(child<QLineEdit>(fx.form.get(), "fahrzeug_einfuegen")->text(), QStringLiteral("halb"));

        child<QLineEdit>(fx.form.get(), "Tara")->setText(QStringLiteral("250"));
        child<QLineEdit>(fx.form.get(), "graireader")->setText(QStringLiteral("E2 00 34 12"));
        child<QToolButton>(fx.form.get(), "Image4")->click();
        for (const char* name : {"firma_hand", "produkt_hand", "fahrzeug_hand", "firma_gewaehlt", "firma_adresse",
                                 "Firma_plz_ort", "firma_gewaehlt_id", "produkt_gewaehlt", "produkt_gewaehlt_id",
                                 "Fahrzeug_gewaehlt", "fahrzeug_gewaehlt_id"})
            QVERIFY2(fx.label(name).isEmpty(), name);
        QCOMPARE(child<QLineEdit>(fx.form.get(), "graireader")->text(), QString());
        QCOMPARE(child<QLineEdit>(fx.form.get(), "Tara")->text(), QStringLiteral("250"));
        QCOMPARE(child<QLineEdit>(fx.form.get(), "fahrzeug_einfuegen")->text(), QStringLiteral("halb"));
    }
};

QTEST_MAIN(MasterDataTest)
#include "tst_masterdata.moc"
