#include "AdminPage.h"
#include "DeviceHub.h"
#include "MessageWindow.h"
#include "PhotoCapture.h"
#include "Query.h"
#include "Tdruck_wiegung.h"
#include "TestSupport.h"
#include "TForm1.h"
#include "TicketError.h"
#include "WeightDisplay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

class StationTest : public QObject
{
    Q_OBJECT

    static QString log(TForm1& f)
    {
        auto* w = child<MessageWindow>(&f, "serverfenster");
        w->flush();
        return w->toPlainText();
    }

private Q_SLOTS:
    void initTestCase()
    {
        TcpDevice::reconnectIntervalMs = 200;
        DeviceHub::serialSettleMs = 10;
        TForm1::photoSettleMs = 10;
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
        const Caption buttons[] = {{"Button10", "Änderung speichern"},
                                   {"Button16", "Bild_aufnehmen"},
                                   {"Button13", "Simulation Alibi"},
                                   {"Button12", "Simulation Weight only"},
                                   {"Button15", "Fehllesung"},
                                   {"Button14", "Blockauslesen"},
                                   {"Button17", "abfragen"},
                                   {"Button11", "Login"},
                                   {"kennwort_aendern", "Kennwort ändern"},
                                   {"videoansicht_erlauben", "Videoansicht"},
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
        for (const char* name :
             {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image9", "Image11", "Image12"})
            QVERIFY2(!child<QWidget>(&f, name)->accessibleName().isEmpty(), name);
        for (const char* name : {"firmenauswahl", "produktauswahl", "fahrzeugauswahl", "Panel5", "Fehlertext", "login",
                                 "kennwort_aendern", "firma_gewaehlt_id", "firma_hand"})
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
        QVERIFY(waitFor(
            [&] { return log(f).contains(QStringLiteral("Verbindungsaufbau zur Waage (TCP/IP) aufgebaut!")); }));
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
        auto* memo = child<MessageWindow>(&f, "serverfenster");
        for (int i = 0; i < 10020; ++i) {
            f.messageLog().append(QString::number(i));
            if (i == 5000)
                memo->flush();
        }
        for (int i = 10020; i < 10050; ++i)
            f.messageLog().append(QString::number(i));
        memo->flush();
        QCOMPARE(memo->blockCount(), 10000);
        QVERIFY(memo->toPlainText().endsWith(QStringLiteral("\n10049")));
        QVERIFY(memo->toPlainText().startsWith(QStringLiteral("50\n")));
    }

    void scaleRepliesReachTheWindow()
    {
        ScriptedPrompt prompt;
        FakeTcpDevice scale;
        FakeTcpDevice display;
        TempStation st;
        st.prepare({QStringLiteral("update konfiguration set waage=1, schnittstelle_waage='TCP-IP',"
                                   " ip_waage='127.0.0.1', port_waage=%1, zusatzanzeige=1,"
                                   " ip_zusatzanzeige='127.0.0.1', port_zusatzanzeige=%2")
                        .arg(scale.port())
                        .arg(display.port())});
        TForm1 f(st.path());
        QVERIFY(waitFor([&] { return scale.lines().size() == 1; })); // the cycle started on connecting

        // Saving the configuration puts no second request in flight.
        child<QPushButton>(&f, "Button10")->click();
        child<QPushButton>(&f, "Button10")->click();
        QTest::qWait(100);
        QCOMPARE(scale.lines().size(), 1);

        child<QCheckBox>(&f, "gewichtsprotokoll")->setChecked(true);
        child<QToolButton>(&f, "Image7")->click();
        scale.send("ST,GS,   123.5,kg\r\n");
        QVERIFY(waitFor([&] { return scale.lines().size() == 2; }));
        QCOMPARE(scale.lines()[1], QByteArray("Z\r\n"));
        QCOMPARE(child<WeightDisplay>(&f, "gewicht")->text(), QStringLiteral("123,5"));
        QVERIFY(log(f).endsWith(QStringLiteral("L:123,5")));
        QVERIFY(waitFor([&] { return display.received() == "ST,GS,   123,5,kg\r\n"; }));
        QCOMPARE(child<QLineEdit>(&f, "Waagenanfrage")->text(), QStringLiteral("READ"));

        // "Simulation Alibi" hands the weight on display and its alibi to the weighing.
        child<QPushButton>(&f, "Button13")->click();
        QCOMPARE(child<QLineEdit>(&f, "Alibitext")->text(), QStringLiteral("DEMO0-DEMO02"));
        QVERIFY(log(f).endsWith(QStringLiteral("\nEinzelwiegung")));
        QCOMPARE(child<WeightDisplay>(&f, "gewicht")->text(), QStringLiteral("123,5"));
        QCOMPARE(child<QPlainTextEdit>(&f, "waage_antwort_ausloeser")->toPlainText(), QString());
        // The cycle still has exactly one request out ("Z" is unanswered).
        QTest::qWait(50);
        QCOMPARE(scale.lines().size(), 2);

        // Typing into the request edit sends the text at the next turn.
        child<QLineEdit>(&f, "Waagenanfrage")->setText(QStringLiteral("TEST"));
        scale.send("Z OK\r\n");
        QVERIFY(waitFor([&] { return scale.lines().size() == 3; }));
        QCOMPARE(scale.lines()[2], QByteArray("TEST\r\n"));

        // A reply pasted into the live memo is handled like one received.
        child<QPlainTextEdit>(&f, "waage_antwort_laufend")->setPlainText(QStringLiteral("ST,GS,     777,kg\r\n"));
        QCOMPARE(child<WeightDisplay>(&f, "gewicht")->text(), QStringLiteral("777"));
        QCOMPARE(child<QPlainTextEdit>(&f, "waage_antwort_laufend")->toPlainText(), QString());
    }

    void noScaleNoRequests()
    {
        ScriptedPrompt prompt;
        FakeTcpDevice scale;
        TempStation st;
        st.prepare({QStringLiteral("update konfiguration set waage=0, schnittstelle_waage='TCP-IP',"
                                   " ip_waage='127.0.0.1', port_waage=%1")
                        .arg(scale.port())});
        TForm1 f(st.path());
        child<QPushButton>(&f, "Button13")->click();
        QTest::qWait(150);
        QCOMPARE(scale.connectionCount(), 0);
        QCOMPARE(scale.received(), QByteArray());
    }

    void serialScaleStartsItsCycle()
    {
        ScriptedPrompt prompt;
        PtyDevice pty;
        const QString name = pty.slaveName();
        int asked = -1;
        SerialScaleLink::setResolver([name, &asked](int n) {
            asked = n;
            return name;
        });
        TempStation st;
        st.prepare({QStringLiteral("update konfiguration set waage=1, schnittstelle_waage='SERIELL', port_waage=3")});
        TForm1 f(st.path());
        QCOMPARE(asked, 3);
        QVERIFY(f.devices().serial().isOpen());
        QVERIFY(waitFor([&] { return pty.lines().size() == 1; }));
        QCOMPARE(pty.lines()[0], QByteArray("READ\r\n"));
        // Saving keeps the open port and sends no extra request.
        child<QPushButton>(&f, "Button10")->click();
        QTest::qWait(100);
        QCOMPARE(pty.lines().size(), 1);
        QCOMPARE(prompt.errors, QStringList());
        SerialScaleLink::setResolver(nullptr);
    }

    void missingSerialPortIsReportedAndTheReaderNotConnected()
    {
        ScriptedPrompt prompt;
        SerialScaleLink::setResolver([](int) { return QStringLiteral("/dev/pondamir-no-such-port"); });
        FakeTcpDevice reader;
        TempStation st;
        st.prepare({QStringLiteral("update konfiguration set waage=1, schnittstelle_waage='SERIELL', port_waage=1,"
                                   " rfid=1, rfid_ip='127.0.0.1'")});
        TForm1 f(st.path());
        QCOMPARE(prompt.errors.size(), 1);
        QVERIFY(prompt.errors[0].contains(QStringLiteral("/dev/pondamir-no-such-port")));
        QVERIFY(!log(f).contains(QStringLiteral("Reader")));
        SerialScaleLink::setResolver(nullptr);
    }

    void photosPerKindAndRegion_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("height2");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("first weighing") << "Erstwiegung" << 0 << QStringList{"77_1.bmp"};
        QTest::newRow("first weighing, two regions") << "Erstwiegung" << 50 << QStringList{"77_1.bmp", "77_2.bmp"};
        QTest::newRow("single weighing") << "Einzelwiegung" << 50 << QStringList{"77_1.bmp", "77_2.bmp"};
        QTest::newRow("second weighing") << "Zweitwiegung" << 50 << QStringList{"77_3.bmp", "77_4.bmp"};
        QTest::newRow("no kind") << "" << 50 << QStringList{"77_1.bmp", "77_2.bmp"};
    }

    void photosPerKindAndRegion()
    {
        QFETCH(QString, kind);
        QFETCH(int, height2);
        QFETCH(QStringList, files);
        ScriptedPrompt prompt;
        TempStation st;
        st.prepare({QStringLiteral("update konfiguration set bild1_x=10, bild1_y=20, bild1_breite=64, bild1_hoehe=48,"
                                   " bild2_x=100, bild2_y=20, bild2_breite=32, bild2_hoehe=%1")
                        .arg(height2)});
        TForm1 f(st.path());
        QList<QRect> asked;
        PhotoCapture::setGrabber([&](const QRect& r) {
            asked << r;
            QImage img(r.size(), QImage::Format_RGB32);
            img.fill(Qt::darkCyan);
            return img;
        });
        f.move(200, 100);
        child<QLineEdit>(&f, "wiegeart")->setText(kind);
        f.webcambilder_speichern(77);
        PhotoCapture::setGrabber(nullptr);
        const QDir photos(f.photoDir());
        QCOMPARE(photos.entryList(QDir::Files), files);
        const QPoint origin = f.frameGeometry().topLeft();
        QCOMPARE(asked.first(), QRect(origin + QPoint(10, 20), QSize(64, 48)));
        const QImage saved(photos.filePath(files.first()));
        QCOMPARE(saved.size(), QSize(64, 48));
        QVERIFY(child<QWidget>(&f, "Panel5")->isHidden());
    }

    void testCaptureAndUnwritablePhotos()
    {
        ScriptedPrompt prompt;
        TempStation st;
        TForm1 f(st.path());
        QVERIFY(!f.configuration().video);
        // "Bild_aufnehmen" takes weigh number 1234 from the real screen, video or not.
        child<QPushButton>(&f, "Button16")->click();
        QVERIFY(QFileInfo::exists(QDir(f.photoDir()).filePath(QStringLiteral("1234_1.bmp"))));
        QCOMPARE(QImage(QDir(f.photoDir()).filePath(QStringLiteral("1234_1.bmp"))).size(), QSize(320, 240));
        QCOMPARE(child<QLabel>(&f, "videowiegenummer")->text(), QStringLiteral("1234"));
        QCOMPARE(child<QLabel>(&f, "videogewicht")->text(), QStringLiteral("0 kg"));

        // A photo that cannot be written is reported and nothing stops.
        QDir(f.photoDir()).removeRecursively();
        QFile blocker(f.photoDir());
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        f.webcambilder_speichern(5);
        QVERIFY(log(f).contains(QStringLiteral("5_1.bmp konnte nicht gespeichert werden!")));
        QCOMPARE(prompt.errors, QStringList());
    }

    void noPrinterIsAClearMessage()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer");
        ScriptedPrompt prompt;
        TempStation st;
        TForm1 f(st.path());
        f.database().exec(QStringLiteral("insert into wiegung (wiegenummer, wiegeart) values (5, 'Einzelwiegung')"));
        f.ticketForm()->setWeighNumber(QStringLiteral("5"));
        try {
            f.ticketForm()->print();
            QFAIL("printed without a printer");
        } catch (const TicketError& e) {
            QVERIFY(e.message().contains(QStringLiteral("kein Standarddrucker")));
        }
    }

    void comingBackFromAnotherWindowActivates()
    {
        ScriptedPrompt prompt;
        TempStation st;
        TForm1 f(st.path());
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* firma = child<QLabel>(&f, "firma_gewaehlt");

        // Back from a modal dialog (a search window): the selection stays.
        f.selection().setCompany(1, QStringLiteral("Kieswerk"), {}, {}, {}, true);
        child<QPushButton>(&f, "administration_erlauben")->click();
        QDialog modal(&f);
        modal.setModal(true);
        modal.show();
        QVERIFY(QTest::qWaitForWindowActive(&modal));
        modal.accept();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(firma->text(), QStringLiteral("Kieswerk"));
        QCOMPARE(child<QStackedWidget>(&f, "anzeige")->currentWidget()->objectName(), QStringLiteral("Administration"));

        // Back from a window that did not block the main window (a ticket preview): activation.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        other.close();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(firma->text(), QString());
        QCOMPARE(child<QStackedWidget>(&f, "anzeige")->currentWidget()->objectName(), QStringLiteral("Videoansicht"));
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
