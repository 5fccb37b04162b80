#include "AdminPage.h"
#include "DeviceHub.h"
#include "Query.h"
#include "TForm1.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

class StationTest : public QObject
{
    Q_OBJECT

    template <typename T> static T* child(QWidget* w, const char* name)
    {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }

    static QString log(TForm1& f) { return child<QPlainTextEdit>(&f, "serverfenster")->toPlainText(); }

private Q_SLOTS:
    void initTestCase()
    {
        TcpDevice::reconnectIntervalMs = 200;
        DeviceHub::serialSettleMs = 10;
    }

    void startCreatesTheDatabaseAndShowsEveryControl()
    {
        ScriptedPrompt prompt;
        TempStation st;
        TForm1 f(st.path());
        QVERIFY(QFileInfo::exists(st.databasePath()));
        QVERIFY(f.isConfigurationOpen());
        QCOMPARE(f.windowTitle(), QStringLiteral("Pondamir Version 18.011"));
        QCOMPARE(prompt.errors, QStringList());

        struct Caption
        {
            const char* name;
            const char* text;
        };
        const Caption buttons[] = {{"Button10", "Änderung speichern"},      {"Button16", "Bild_aufnehmen"},
                                   {"Button13", "Simulation Alibi"},        {"Button12", "Simulation Weight only"},
                                   {"Button15", "Fehllesung"},              {"Button14", "Blockauslesen"},
                                   {"Button17", "abfragen"},                {"Button11", "Login"},
                                   {"kennwort_aendern", "Kennwort ändern"}, {"videoansicht_erlauben", "Videoansicht"},
                                   {"konfiguration_erlauben", "Konfiguration"},
                                   {"administration_erlauben", "Administration"}};
        for (const Caption& c : buttons)
            QCOMPARE(child<QPushButton>(&f, c.name)->text(), QString::fromUtf8(c.text));
        const Caption checks[] = {{"DBCheckBox1", "Video"},
                                  {"DBCheckBox2", "RFID"},
                                  {"DBCheckBox3", "Waage"},
                                  {"DBCheckBox4", "Zusatzanzeige"},
                                  {"DBCheckBox5", "Erstwiegungsdruck"},
                                  {"DBCheckBox6", "Erstwiegungsdruck Vorschau"},
                                  {"DBCheckBox7", "Summendruck Vorschau"},
                                  {"DBCheckBox8", "Einzelwiegungsdruck Vorschau"},
                                  {"DBCheckBox9", "Serverfenster sichtbar"},
                                  {"DBCheckBox10", "Benutzersteuerung"},
                                  {"gewichtsprotokoll", "Gewicht im Serverfenster anzeigen"},
                                  {"CheckBox1", "Waage dauertest"}};
        for (const Caption& c : checks)
            QCOMPARE(child<QCheckBox>(&f, c.name)->text(), QString::fromUtf8(c.text));
        QCOMPARE(child<QLineEdit>(&f, "Waagenanfrage")->text(), QStringLiteral("READ"));
        QCOMPARE(child<QLineEdit>(&f, "Tara")->text(), QStringLiteral("0"));
        QCOMPARE(child<QGroupBox>(&f, "GroupBox1")->title(), QStringLiteral("Auswahl"));
        QCOMPARE(child<QGroupBox>(&f, "GroupBox5")->title(), QStringLiteral("Information"));
        QCOMPARE(child<QLabel>(&f, "Label1")->text(), QStringLiteral("kg"));
        QCOMPARE(child<QLabel>(&f, "Label16")->text(), QStringLiteral("PDMR"));
        auto* direction = child<QGroupBox>(&f, "einzelwiegungsart");
        const auto radios = direction->findChildren<QRadioButton*>();
        QCOMPARE(radios.size(), 2);
        QCOMPARE(radios[0]->text(), QStringLiteral("Ein"));
        QVERIFY(radios[0]->isChecked());
        QCOMPARE(child<QComboBox>(&f, "DBComboBox1")->count(), 2);
        for (const char* name : {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image9",
                                 "Image11", "Image12"})
            QVERIFY2(!child<QWidget>(&f, name)->accessibleName().isEmpty(), name);
        for (const char* name : {"firmenauswahl", "produktauswahl", "fahrzeugauswahl", "Panel5", "Fehlertext",
                                 "login", "kennwort_aendern", "firma_gewaehlt_id", "firma_hand"})
            QVERIFY2(child<QWidget>(&f, name)->isHidden(), name);
        QCOMPARE(child<QLineEdit>(&f, "kennwort")->echoMode(), QLineEdit::Password);

        // The page buttons switch the notebook.
        auto* pages = child<QStackedWidget>(&f, "anzeige");
        child<QPushButton>(&f, "administration_erlauben")->click();
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("Administration"));
        child<QPushButton>(&f, "konfiguration_erlauben")->click();
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("Konfiguration"));
        f.FormActivate();
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("Videoansicht"));
    }

    void allDevicesOffAppendsNothing()
    {
        ScriptedPrompt prompt;
        TempStation st;
        TForm1 f(st.path());
        QCOMPARE(log(f), QString());
        QVERIFY(child<QWidget>(&f, "serverfenster")->isVisibleTo(&f));
    }

    void interfaceTextInOtherLetterCaseSetsUpNoLink()
    {
        ScriptedPrompt prompt;
        TempStation st;
        st.prepare({QStringLiteral("update konfiguration set waage=1, schnittstelle_waage='seriell', port_waage=3")});
        TForm1 f(st.path());
        QCOMPARE(prompt.errors, QStringList());
        QCOMPARE(log(f), QString());
        QVERIFY(!f.devices().serial().isOpen());
        QVERIFY(!f.devices().scaleSocket().isConnected());
        QCOMPARE(f.devices().cycle().transport(), ReadCycle::Transport::None);
    }

    void loginPanelAndMessageWindowFollowTheConfiguration()
    {
        ScriptedPrompt prompt;
        TempStation st;
        st.prepare({QStringLiteral("update konfiguration set benutzersteuerung=1, serverfenster=0")});
        TForm1 f(st.path());
        QVERIFY(child<QWidget>(&f, "login")->isVisibleTo(&f));
        QVERIFY(!child<QWidget>(&f, "serverfenster")->isVisibleTo(&f));
    }

    void displayAndTcpScaleConnectWithTheirMessages()
    {
        ScriptedPrompt prompt;
        FakeTcpDevice display;
        FakeTcpDevice scale;
        TempStation st;
        st.prepare({QStringLiteral("update konfiguration set zusatzanzeige=1, ip_zusatzanzeige='127.0.0.1',"
                                   " port_zusatzanzeige=%1, waage=1, schnittstelle_waage='TCP-IP',"
                                   " ip_waage='127.0.0.1', port_waage=%2")
                        .arg(display.port())
                        .arg(scale.port())});
        TForm1 f(st.path());
        QVERIFY(waitFor([&] { return log(f).contains(QStringLiteral("Verbindungsaufbau zur Waage (TCP/IP) aufgebaut!")); }));
        QVERIFY(waitFor([&] { return log(f).contains(QStringLiteral("Zusatzanzeige verbunden!")); }));
        QVERIFY(log(f).startsWith(QStringLiteral("Verbindungsaufbau Zusatz-Anzeige Funktion in Ordnung -> begonnen!")));
        // A connected TCP scale starts its cycle at once.
        QVERIFY(waitFor([&] { return scale.received().startsWith("READ\r\n"); }));
    }

    void unreachableDisplayIsReportedOnce()
    {
        ScriptedPrompt prompt;
        quint16 closedPort;
        {
            FakeTcpDevice probe;
            closedPort = probe.port();
        }
        TempStation st;
        st.prepare({QStringLiteral("update konfiguration set zusatzanzeige=1, ip_zusatzanzeige='127.0.0.1',"
                                   " port_zusatzanzeige=%1")
                        .arg(closedPort)});
        TForm1 f(st.path());
        QVERIFY(waitFor([&] { return log(f).contains(QStringLiteral("Zusatzanzeige keine Verbindung möglich!")); }));
        QTest::qWait(700); // several retries
        QCOMPARE(log(f).count(QStringLiteral("keine Verbindung möglich")), 1);
        QCOMPARE(prompt.errors, QStringList());
    }

    void savingTheConfigurationStoresAndAppliesIt()
    {
        ScriptedPrompt prompt;
        FakeTcpDevice first;
        FakeTcpDevice second;
        TempStation st;
        st.prepare({QStringLiteral("update konfiguration set zusatzanzeige=1, ip_zusatzanzeige='127.0.0.1',"
                                   " port_zusatzanzeige=%1, wiegenummer=5")
                        .arg(first.port())});
        TForm1 f(st.path());
        QVERIFY(waitFor([&] { return first.hasClient(); }));

        // Meanwhile weighings advanced the counter: saving the page must not set it back.
        f.database().exec(QStringLiteral("update konfiguration set wiegenummer=9"));
        child<QLineEdit>(&f, "DBEdit9")->setText(QString::number(second.port()));
        child<QLineEdit>(&f, "DBEdit1")->setText(QStringLiteral("http://kamera/bild"));
        child<QCheckBox>(&f, "DBCheckBox9")->setChecked(false);
        child<QPushButton>(&f, "Button10")->click();
        QCOMPARE(prompt.errors, QStringList());

        const Configuration c = Configuration::load(f.database());
        QCOMPARE(c.port_zusatzanzeige, int(second.port()));
        QCOMPARE(c.url_webcam, QStringLiteral("http://kamera/bild"));
        QVERIFY(!c.serverfenster);
        QCOMPARE(c.wiegenummer, 9);
        QVERIFY(!child<QWidget>(&f, "serverfenster")->isVisibleTo(&f));
        // The display moved to its new address.
        QVERIFY(waitFor([&] { return second.hasClient(); }));
        QVERIFY(waitFor([&] { return !first.hasClient(); }));
        QCOMPARE(log(f).count(QStringLiteral("begonnen!")), 2);

        // A port that is no number is refused and nothing is stored.
        child<QLineEdit>(&f, "DBEdit3")->setText(QStringLiteral("x"));
        child<QPushButton>(&f, "Button10")->click();
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(Configuration::load(f.database()).port_waage, 23);

        // The counter typed on the page is taken.
        child<QLineEdit>(&f, "DBEdit3")->setText(QStringLiteral("23"));
        child<QLineEdit>(&f, "DBEdit4")->setText(QStringLiteral("100"));
        child<QPushButton>(&f, "Button10")->click();
        QCOMPARE(Configuration::load(f.database()).wiegenummer, 100);
    }

    void unreadableDatabaseIsReportedAndKept()
    {
        ScriptedPrompt prompt;
        TempStation st;
        QDir(st.path()).mkpath(QStringLiteral("Data"));
        QFile junk(st.databasePath());
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, '\x42'));
        junk.close();
        TForm1 f(st.path());
        QCOMPARE(prompt.errors.size(), 1);
        QVERIFY(prompt.errors[0].contains(QStringLiteral("daten.db")));
        QVERIFY(!f.isConfigurationOpen());
        QCOMPARE(QFileInfo(st.databasePath()).size(), 4096);
        // Activation tries again, and reports again.
        f.FormActivate();
        QCOMPARE(prompt.errors.size(), 2);
    }

    void messageWindowKeepsTheLatestLines()
    {
        ScriptedPrompt prompt;
        TempStation st;
        TForm1 f(st.path());
        for (int i = 0; i < 10050; ++i)
            f.messageLog().append(QString::number(i));
        auto* memo = child<QPlainTextEdit>(&f, "serverfenster");
        QCOMPARE(memo->blockCount(), 10000);
        QVERIFY(memo->toPlainText().endsWith(QStringLiteral("\n10049")));
        QVERIFY(memo->toPlainText().startsWith(QStringLiteral("50\n")));
    }

    void coordinatesOfTheWindow()
    {
        ScriptedPrompt prompt;
        TempStation st;
        TForm1 f(st.path());
        f.move(120, 45);
        child<QPushButton>(&f, "Button17")->click();
        const QPoint p = f.frameGeometry().topLeft();
        QCOMPARE(child<QLabel>(&f, "Label33")->text(), QStringLiteral("%1/%2").arg(p.x()).arg(p.y()));
    }
};

QTEST_MAIN(StationTest)
#include "tst_station.moc"
