#include "ReplyParser.h"
#include "TestSupport.h"

#include <QtTest>

namespace {
// "PID" "ST,1," 7 blanks 980 "Kg," 9 blanks 830 "Kg," 00000-000002 blank CR LF: 51 characters.
const QByteArray Worked = "PIDST,1,       980Kg,         830Kg,00000-000002 \r\n";
} // namespace

class ScaleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        QTest::newRow("live worked") << QByteArray("ST,GS,    98.5,kg\r\n") << false << true << "98,5" << "";
        QTest::newRow("live unstable") << QByteArray("US,GS,   980.0,kg\r\n") << false << true << "980,0" << "";
        QTest::newRow("live stable same") << QByteArray("ST,GS,   980.0,kg\r\n") << false << true << "980,0" << "";
        QTest::newRow("live unpadded") << QByteArray("ST,GS,-12.5,kg\r\n") << false << true << "-12,5,kg" << "";
        QTest::newRow("triggered trailing zeros")
            << QByteArray("PIDST,1,    123.50Kg,         830Kg,00000-000002 \r\n") << true << false << "123,50"
            << "00000-000002";
        QTest::newRow("triggered short") << QByteArray("PIDST,1,       980Kg,    830\r\n") << true << false << "980"
                                         << "";
        QTest::newRow("PID wins over ST,GS") << QByteArray("PIDST,GS   980\r\n") << true << true << "980"
                                             << "";
        QTest::newRow("line feed alone") << QByteArray("\n") << false << false << "" << "";
        QTest::newRow("ERR") << QByteArray("ERR\r\n") << false << false << "" << "";
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
