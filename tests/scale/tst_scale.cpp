#include "AdditionalDisplay.h"
#include "MessageLog.h"
#include "ReadCycle.h"
#include "ReplyParser.h"
#include "SerialScaleLink.h"
#include "TcpDevice.h"
#include "TestSupport.h"

#include <QtTest>

namespace {
// "PID" "ST,1," 7 blanks 980 "Kg," 9 blanks 830 "Kg," 00000-000002 blank CR LF: 51 characters.
const QByteArray Worked = "PIDST,1,       980Kg,         830Kg,00000-000002 \r\n";
const QByteArray Live980 = "ST,GS,     980,kg\r\n";

TcpDevice::Messages scaleTexts()
{
    TcpDevice::Messages m;
    m.connected = QStringLiteral("Waage verbunden");
    m.lost = QStringLiteral("Waage verloren");
    m.reconnected = QStringLiteral("Waage wieder da");
    return m;
}

// The station's scale link without its window: both transports, the display and the cycle.
struct Rig
{
    MessageLog log;
    QStringList lines;
    TcpDevice tcp{log, scaleTexts(), true};
    TcpDevice displaySocket{log, {}, true};
    SerialScaleLink serial;
    AdditionalDisplay display{displaySocket};
    ReadCycle cycle{log, tcp, serial, display};
    int stored = 0;

    Rig()
    {
        QObject::connect(&log, &MessageLog::lineAppended, [this](const QString& l) { lines << l; });
        // Like the weighing: store, then send the next request.
        cycle.setStoreHandler([this] {
            ++stored;
            cycle.sendRequest();
        });
    }

    void startSerial(PtyDevice& pty)
    {
        const QString name = pty.slaveName();
        SerialScaleLink::setResolver([name](int) { return name; });
        serial.open(1);
        cycle.configure(true, ReadCycle::Transport::Serial);
        cycle.start();
    }
};
} // namespace

class ScaleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        TcpDevice::reconnectIntervalMs = 100;
        ReadCycle::replyTimeoutMs = 2000;
    }

    void serialCycleSendsReadAfterEveryLiveReply()
    {
        Rig rig;
        PtyDevice pty;
        int replies = 0;
        pty.answer = [&](const QByteArray&) { return ++replies <= 5 ? Live980 : QByteArray(); };
        rig.cycle.setWeightLogging(true);
        rig.startSerial(pty);
        QVERIFY(waitFor([&] { return pty.lines().size() == 6; }));
        QTest::qWait(50);
        QCOMPARE(pty.lines(), QList<QByteArray>(6, "READ\r\n"));
        QCOMPARE(rig.cycle.weight(), QStringLiteral("980"));
        QCOMPARE(rig.lines, QStringList(5, QStringLiteral("L:980")));
    }

    void commandsGoOutAtTheNextTurnOnly_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("PID") << "PID" << Worked;
        QTest::newRow("Z") << "Z" << QByteArray("Z OK\r\n");
        QTest::newRow("pasted TEST") << "TEST" << QByteArray("ERR\r\n");
    }

    void commandsGoOutAtTheNextTurnOnly()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, reply);
        Rig rig;
        PtyDevice pty;
        rig.startSerial(pty);
        QVERIFY(waitFor([&] { return pty.lines().size() == 1; }));
        rig.cycle.setRequest(command); // armed while "READ" is in flight
        pty.send(Live980);
        QVERIFY(waitFor([&] { return pty.lines().size() == 2; }));
        QCOMPARE(pty.lines()[1], command.toLatin1() + "\r\n");
        QCOMPARE(rig.cycle.request(), QStringLiteral("READ"));
        pty.send(reply);
        QVERIFY(waitFor([&] { return pty.lines().size() == 3; }));
        QTest::qWait(100);
        // Exactly one request answers each reply, the triggered one included.
        QCOMPARE(pty.lines().size(), 3);
        QCOMPARE(pty.lines()[2], QByteArray("READ\r\n"));
        QCOMPARE(rig.stored, command == QLatin1String("PID") ? 1 : 0);
        if (command == QLatin1String("PID")) {
            QCOMPARE(rig.cycle.alibi(), QStringLiteral("00000-000002"));
            QCOMPARE(rig.cycle.weight(), QStringLiteral("980"));
        }
    }

    void typingEmptiesTheBufferAndAnUnknownLineRepeatsAtOnce()
    {
        Rig rig;
        PtyDevice pty;
        rig.startSerial(pty);
        QVERIFY(waitFor([&] { return pty.lines().size() == 1; }));
        pty.send("ST,GS,   ");
        QTest::qWait(50);
        rig.cycle.setRequest(QStringLiteral("T"));
        rig.cycle.setRequest(QStringLiteral("TE")); // each keystroke empties the buffer
        pty.send("  980,kg\r\n");                   // the rest alone is no reply: the request goes at once
        QVERIFY(waitFor([&] { return pty.lines().size() == 2; }));
        QCOMPARE(pty.lines()[1], QByteArray("TE\r\n"));
        pty.send("ERR\r\n");
        QVERIFY(waitFor([&] { return pty.lines().size() == 3; }));
        QCOMPARE(pty.lines()[2], QByteArray("READ\r\n"));
        QCOMPARE(rig.cycle.weight(), QString());
    }

    void noScaleConfiguredSendsNothing()
    {
        Rig rig;
        PtyDevice pty;
        const QString name = pty.slaveName();
        SerialScaleLink::setResolver([name](int) { return name; });
        rig.serial.open(1);
        rig.cycle.configure(false, ReadCycle::Transport::Serial);
        rig.cycle.start();
        rig.cycle.setRequest(QStringLiteral("PID"));
        rig.cycle.sendRequest();
        QTest::qWait(150);
        QCOMPARE(pty.received(), QByteArray());
        QCOMPARE(rig.cycle.request(), QStringLiteral("READ"));
    }

    void startingTwiceKeepsOneRequestInFlight()
    {
        Rig rig;
        PtyDevice pty;
        rig.startSerial(pty);
        rig.cycle.start();
        rig.cycle.start();
        QTest::qWait(100);
        QCOMPARE(pty.lines().size(), 1);
        QVERIFY(rig.cycle.requestInFlight());
    }

    void silentScaleGetsTheRequestAgain()
    {
        ReadCycle::replyTimeoutMs = 150;
        Rig rig;
        PtyDevice pty;
        rig.startSerial(pty);
        QVERIFY(waitFor([&] { return pty.lines().size() >= 3; }));
        QCOMPARE(rig.lines.count(QStringLiteral("Waage antwortet nicht!")), 1);
        // A lost "PID" is repeated, so its weighing still comes.
        rig.cycle.setRequest(QStringLiteral("PID"));
        QVERIFY(waitFor([&] { return pty.lines().last() == "PID\r\n"; }));
        QVERIFY(waitFor([&] {
            return pty.lines().size() >= 2 && pty.lines().last() == "PID\r\n" &&
                   pty.lines()[pty.lines().size() - 2] == "PID\r\n";
        }));
        pty.answer = [](const QByteArray& l) { return l.startsWith("PID") ? Worked : Live980; };
        pty.send(Worked);
        QVERIFY(waitFor([&] { return rig.stored == 1; }));
        QTest::qWait(200);
        QCOMPARE(rig.lines.count(QStringLiteral("Waage antwortet nicht!")), 1);
        ReadCycle::replyTimeoutMs = 2000;
    }

    void serialPortThatGoesAwayIsOpenedAgain()
    {
        Rig rig;
        auto pty = std::make_unique<PtyDevice>();
        QString name = pty->slaveName();
        SerialScaleLink::setResolver([&name](int) { return name; });
        rig.serial.open(1);
        rig.cycle.configure(true, ReadCycle::Transport::Serial);
        rig.cycle.start();
        QVERIFY(waitFor([&] { return pty->lines().size() == 1; }));
        pty.reset(); // the adapter is pulled
        QVERIFY(waitFor([&] {
            return rig.lines.contains(QStringLiteral("Verbindung zur Waage (seriell) verloren!")) ||
                   !rig.serial.isOpen();
        }));
        QVERIFY(!rig.serial.isOpen());
        pty = std::make_unique<PtyDevice>();
        name = pty->slaveName();
        QVERIFY(waitFor([&] { return rig.serial.isOpen(); }));
        // The cycle begins anew on the port that came back.
        QVERIFY(waitFor([&] { return pty->lines().size() == 1; }));
        QCOMPARE(pty->lines()[0], QByteArray("READ\r\n"));
        SerialScaleLink::setResolver(nullptr);
    }

    void tcpScaleCyclesAndReconnects()
    {
        Rig rig;
        FakeTcpDevice scale;
        scale.answer = [](const QByteArray& l) { return l == "READ\r\n" ? Live980 : QByteArray("ERR\r\n"); };
        rig.cycle.configure(true, ReadCycle::Transport::Tcp);
        QVERIFY(rig.tcp.connectTo(QStringLiteral("127.0.0.1"), scale.port()));
        QVERIFY(waitFor([&] { return scale.lines().size() > 50; }));
        QCOMPARE(rig.cycle.weight(), QStringLiteral("980"));
        QCOMPARE(rig.lines, QStringList{QStringLiteral("Waage verbunden")});

        scale.answer = nullptr;
        scale.dropClient();
        QVERIFY(waitFor([&] { return rig.lines.contains(QStringLiteral("Waage wieder da")); }));
        QCOMPARE(rig.lines.count(QStringLiteral("Waage verloren")), 1);
        QCOMPARE(scale.connectionCount(), 2);
        // The new connection starts the cycle again with one request.
        scale.clearReceived();
        QVERIFY(waitFor([&] { return scale.lines().size() == 1; }));
        QTest::qWait(100);
        QCOMPARE(scale.lines(), QList<QByteArray>{"READ\r\n"});
    }

    void displayLine_data()
    {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("980") << "980" << QByteArray("ST,GS,     980,kg\r\n");
        QTest::newRow("123,5") << "123,5" << QByteArray("ST,GS,   123,5,kg\r\n");
        QTest::newRow("-20") << "-20" << QByteArray("ST,GS,     -20,kg\r\n");
        QTest::newRow("nine characters") << "123456789" << QByteArray("ST,GS,123456789,kg\r\n");
    }

    void displayLine()
    {
        QFETCH(QString, weight);
        QFETCH(QByteArray, line);
        QCOMPARE(AdditionalDisplay::line(weight), line);
    }

    void displayRepeatsEveryWeightOnlyWhenEnabled()
    {
        Rig rig;
        FakeTcpDevice display;
        QVERIFY(rig.displaySocket.connectTo(QStringLiteral("127.0.0.1"), display.port()));
        QVERIFY(waitFor([&] { return rig.displaySocket.isConnected(); }));
        rig.cycle.waage_antwort_laufendChange(QStringLiteral("US,GS,   980.0,kg\r\n"));
        QTest::qWait(100);
        QCOMPARE(display.received(), QByteArray()); // connected, but switched off
        rig.display.setEnabled(true);
        rig.cycle.waage_antwort_laufendChange(QStringLiteral("US,GS,   980.0,kg\r\n"));
        rig.cycle.waage_antwort_ausloeserChange(QString::fromLatin1(Worked));
        QVERIFY(waitFor([&] { return display.lines().size() == 2; }));
        QCOMPARE(display.lines()[0], QByteArray("ST,GS,   980,0,kg\r\n"));
        QCOMPARE(display.lines()[1], QByteArray("ST,GS,     980,kg\r\n"));
        QCOMPARE(rig.stored, 1);
    }

    void workedTriggeredReply()
    {
        QCOMPARE(Worked.size(), 51);
        QVERIFY(ReplyParser::isTriggered(Worked));
        const auto r = ReplyParser::parseTriggered(QString::fromLatin1(Worked));
        QCOMPARE(r.weight, QStringLiteral("980"));
        QCOMPARE(r.alibi, QStringLiteral("00000-000002"));
    }

    void extraction_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("triggered");
        QTest::addColumn<bool>("live");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("alibi");
        QTest::newRow("live worked") << QByteArray("ST,GS,    98.5,kg\r\n") << false << true << "98,5"
                                     << "";
        QTest::newRow("live unstable") << QByteArray("US,GS,   980.0,kg\r\n") << false << true << "980,0"
                                       << "";
        QTest::newRow("live stable same") << QByteArray("ST,GS,   980.0,kg\r\n") << false << true << "980,0"
                                          << "";
        QTest::newRow("live unpadded") << QByteArray("ST,GS,-12.5,kg\r\n") << false << true << "-12,5,kg"
                                       << "";
        QTest::newRow("triggered trailing zeros")
            << QByteArray("PIDST,1,    123.50Kg,         830Kg,00000-000002 \r\n") << true << false << "123,50"
            << "00000-000002";
        QTest::newRow("triggered short") << QByteArray("PIDST,1,       980Kg,    830\r\n") << true << false << "980"
                                         << "";
        QTest::newRow("PID wins over ST,GS") << QByteArray("PIDST,GS   980\r\n") << true << true << "980"
                                             << "";
        QTest::newRow("line feed alone") << QByteArray("\n") << false << false << ""
                                         << "";
        QTest::newRow("ERR") << QByteArray("ERR\r\n") << false << false << ""
                             << "";
    }

    void extraction()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, triggered);
        QFETCH(bool, live);
        QFETCH(QString, weight);
        QFETCH(QString, alibi);
        QCOMPARE(ReplyParser::isTriggered(line), triggered);
        QCOMPARE(ReplyParser::isLive(line), live);
        if (triggered) {
            const auto r = ReplyParser::parseTriggered(QString::fromLatin1(line));
            QCOMPARE(r.weight, weight);
            QCOMPARE(r.alibi, alibi);
        } else if (live) {
            QCOMPARE(ReplyParser::parseLive(QString::fromLatin1(line)), weight);
        }
    }

    void triggeredReplyOfThirtyCharacters()
    {
        const QByteArray line = Worked.left(30);
        const auto r = ReplyParser::parseTriggered(QString::fromLatin1(line));
        QCOMPARE(r.alibi, QString());
        QCOMPARE(r.weight, QStringLiteral("980"));
    }

    void trimRemovesControlCharacters()
    {
        QCOMPARE(ReplyParser::trimControl(QStringLiteral("\t\r 12 3\x01\n")), QStringLiteral("12 3"));
        QCOMPARE(ReplyParser::trimControl(QStringLiteral("   ")), QString());
    }

    void lineAssemblyReportsLineFeedsAndKeepsTheBuffer()
    {
        LineAssembler a;
        int lines = 0;
        for (char c : QByteArray("ST,GS,  980,kg\r\nX"))
            lines += a.append(c) ? 1 : 0;
        QCOMPARE(lines, 1);
        QCOMPARE(a.buffer(), QByteArray("ST,GS,  980,kg\r\nX"));
        a.clear();
        for (int i = 0; i < LineAssembler::MaxSize * 3; ++i)
            a.append('x');
        QVERIFY(a.buffer().size() <= LineAssembler::MaxSize);
    }
};

QTEST_GUILESS_MAIN(ScaleTest)
#include "tst_scale.moc"
