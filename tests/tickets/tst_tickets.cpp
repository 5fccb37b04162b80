#include "ColorText.h"
#include "Database.h"
#include "DatabaseError.h"
#include "LayoutTables.h"
#include "Query.h"
#include "TestSupport.h"
#include "TicketError.h"
#include "TicketRenderer.h"

#include <QGuiApplication>
#include <QPalette>
#include <QtTest>

namespace {

// At 96 dpi one band unit is one pixel; the printable area starts 10 mm (37.8 px) in.
constexpr double Margin = 10 / 25.4 * 96;

int px(double unit)
{
    return qRound(Margin + unit);
}

struct Db
{
    QTemporaryDir dir;
    Database db;
    QString photos;

    Db()
    {
        db.open(dir.filePath(QStringLiteral("Data/daten.db")), true);
        photos = dir.filePath(QStringLiteral("Dokumentation"));
        QDir().mkpath(photos);
        // Test layouts of their own, not the defaults.
        for (const char* t : {"ausdrucke_fixtexte", "ausdrucke_bilder", "ausdrucke_shapes"})
            db.exec(QStringLiteral("delete from %1").arg(QString::fromLatin1(t)));
        exec(QStringLiteral("insert into ausdrucke (Bezeichnung, xbeginn, ybeginn) values ('Test', 200, 48)"));
        exec(QStringLiteral("insert into wiegung (wiegenummer, wiegeart, datum, brutto, Tara, netto, brutto_alibi)"
                            " values (42, 'Test', '2026-12-11 09:05:00', 980, 250, 730.5, '00000-000002')"));
    }
    void exec(const QString& sql, const QVariantList& v = {}) { Query(db).setSql(sql, v).execute(); }
    void text(int x, int y, const QString& t, const QString& farbe = QStringLiteral("clBlack"), int size = 20,
              const QString& feldart = QStringLiteral("Freitext"), const QString& style = QStringLiteral("0000"))
    {
        exec(QStringLiteral(
                 "insert into ausdrucke_fixtexte (ausdruckart, anzeigetext, schriftart, farbe, x, y,"
                 " schriftgroesse, schriftschnitt, feldart) values ('Test', ?, 'Liberation Sans', ?, ?, ?, ?, ?, ?)"),
             {t, farbe, x, y, size, style, feldart});
    }
    void rect(int x, int y, int w, int h)
    {
        exec(QStringLiteral("insert into ausdrucke_shapes (ausdruckart, x, y, shapebreite, shapehoehe) values ('Test', "
                            "?, ?, ?, ?)"),
             {x, y, w, h});
    }
    void picture(int x, int y, int w, int h, const QString& bildart, const QString& datei, const QVariant& camera = {},
                 bool stretch = true)
    {
        exec(QStringLiteral("insert into ausdrucke_bilder (ausdruckart, x, y, breite, hoehe, bildart, datei,"
                            " webcamnummer, stretch) values ('Test', ?, ?, ?, ?, ?, ?, ?, ?)"),
             {x, y, w, h, bildart, datei, camera, stretch});
    }
    QString image(const char* name, const QColor& color, QSize size = {40, 40})
    {
        QImage img(size, QImage::Format_RGB32);
        img.fill(color);
        const QString path = QDir(photos).filePath(QString::fromLatin1(name));
        img.save(path, "BMP");
        return path;
    }
    QImage render(const QString& number = QStringLiteral("42"))
    {
        return TicketRenderer::toImage(TicketRenderer::build(db, number, photos), 96);
    }
};

bool isColor(const QImage& img, int x, int y, const QColor& c)
{
    const QColor p = img.pixelColor(x, y);
    return qAbs(p.red() - c.red()) < 40 && qAbs(p.green() - c.green()) < 40 && qAbs(p.blue() - c.blue()) < 40;
}

bool anyColor(const QImage& img, const QRect& r, const QColor& c)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (isColor(img, x, y, c))
                return true;
    return false;
}

bool allWhite(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

} // namespace

class TicketsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colorTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("name") << "clRed" << QColor(255, 0, 0);
        QTest::newRow("name in other case") << "CLBLUE" << QColor(0, 0, 255);
        QTest::newRow("lower case as the designer writes") << "clblack" << QColor(0, 0, 0);
        QTest::newRow("hexadecimal BGR") << "$000080FF" << QColor(255, 128, 0);
        QTest::newRow("decimal") << "255" << QColor(255, 0, 0);
        QTest::newRow("decimal green") << "32768" << QColor(0, 128, 0);
        QTest::newRow("system colour") << "clWindow" << QGuiApplication::palette().color(QPalette::Base);
        QTest::newRow("system colour as number") << "$80000005" << QGuiApplication::palette().color(QPalette::Base);
    }

    void colorTexts()
    {
        QFETCH(QString, text);
        QFETCH(QColor, color);
        QCOMPARE(ColorText::parse(text), color);
    }

    void colorTextsBackAndErrors()
    {
        QCOMPARE(ColorText::format(QColor(255, 0, 0)), QStringLiteral("clRed"));
        QCOMPARE(ColorText::format(QColor(255, 128, 0)), QStringLiteral("$000080FF"));
        QCOMPARE(ColorText::parse(ColorText::format(QColor(1, 2, 3))), QColor(1, 2, 3));
        QCOMPARE(ColorText::parse(QStringLiteral("clNone")).alpha(), 0);
        for (const char* bad : {"rot", "", "$xyz", "12ab"})
            QVERIFY_THROWS_EXCEPTION(TicketError, ColorText::parse(QString::fromLatin1(bad)));
        const FontStyle s = FontStyle::parse(QStringLiteral("1010"));
        QVERIFY(s.bold && !s.italic && s.underline && !s.strikeOut);
        QVERIFY(FontStyle::parse(QStringLiteral("0100")).italic);
        QVERIFY(!FontStyle::parse(QStringLiteral("0x00")).italic);
    }

    void placementIsMeasuredFromThePrintableArea()
    {
        Db d;
        d.rect(296, 48 + 96, 40, 40); // one inch right of and below the printable area's corner
        const QImage img = d.render();
        QVERIFY(anyColor(img, QRect(px(96) - 1, px(110), 2, 1), Qt::black));
        QVERIFY(isColor(img, px(96) - 2, px(110), Qt::white));
        QVERIFY(isColor(img, px(110), px(110), Qt::white)); // outline only
        QVERIFY(anyColor(img, QRect(px(135) - 1, px(110), 2, 1), Qt::black));
        QVERIFY(isColor(img, px(137), px(110), Qt::white));
    }

    void textsOverRectanglesOverPictures()
    {
        Db d;
        d.picture(200, 48, 200, 200, QStringLiteral("Bilder"), d.image("rot.bmp", Qt::red));
        d.rect(200 + 100, 48, 100, 200); // its left edge runs through the picture
        d.text(200 + 90, 48 + 100, QStringLiteral("    "), QStringLiteral("clBlack"), 30); // blanks: only background
        const QImage img = d.render();
        QVERIFY(isColor(img, px(50), px(50), Qt::red));                      // picture alone
        QVERIFY(anyColor(img, QRect(px(100) - 1, px(20), 2, 1), Qt::black)); // rectangle over the picture
        QVERIFY(isColor(img, px(100), px(110), Qt::white));                  // text background over both
        QVERIFY(isColor(img, px(92), px(110), Qt::white));
    }

    void theLaterTextLiesOnTop()
    {
        for (bool blanksLast : {true, false}) {
            Db d;
            if (!blanksLast)
                d.text(300, 148, QStringLiteral("      "), QStringLiteral("clBlack"), 40);
            d.text(300, 148, QStringLiteral("MMMM"), QStringLiteral("clRed"), 20);
            if (blanksLast)
                d.text(300, 148, QStringLiteral("      "), QStringLiteral("clBlack"), 40);
            const QImage img = d.render();
            QCOMPARE(anyColor(img, QRect(px(100), px(100), 60, 25), Qt::red), !blanksLast);
        }
    }

    void dataFields()
    {
        Db d;
        d.exec(QStringLiteral(
            "insert into ausdrucke_dbfelder (feldname, tabelle, spalte) values ('Fremd', 'andere', 'netto')"));
        d.text(500, 60, QStringLiteral("Netto"), QStringLiteral("clBlack"), 11, QStringLiteral("Datenpool"));
        d.text(500, 80, QStringLiteral("Fremd"), QStringLiteral("clBlack"), 11, QStringLiteral("Datenpool"));
        d.text(500, 100, QStringLiteral("Datum"), QStringLiteral("clBlack"), 11, QStringLiteral("Datenpool"));
        d.text(500, 120, QStringLiteral("nicht in der Liste"), QStringLiteral("clBlack"), 11,
               QStringLiteral("datenpool"));
        d.text(500, 140, QStringLiteral("Brutto Alibi"), QStringLiteral("clBlack"), 11, QStringLiteral("Datenpool"));
        const TicketPage page = TicketRenderer::build(d.db, QStringLiteral("42"), d.photos);
        QCOMPARE(page.kind, QStringLiteral("Test"));
        QCOMPARE(page.texts.size(), 5);
        QCOMPARE(page.texts[0].text, QStringLiteral("730,5"));
        QCOMPARE(page.texts[0].pos, QPointF(300, 12));
        QCOMPARE(page.texts[1].text, QString());
        QCOMPARE(page.texts[2].text, QStringLiteral("11.12.2026 09:05:00"));
        QCOMPARE(page.texts[3].text, QString());
        QCOMPARE(page.texts[4].text, QStringLiteral("00000-000002"));

        d.exec(QStringLiteral("insert into ausdrucke_dbfelder (feldname, tabelle, spalte) values ('Kaputt', "
                              "'wiegung_gesamt', 'gibtsnicht')"));
        d.text(500, 160, QStringLiteral("Kaputt"), QStringLiteral("clBlack"), 11, QStringLiteral("Datenpool"));
        QVERIFY_THROWS_EXCEPTION(TicketError, TicketRenderer::build(d.db, QStringLiteral("42"), d.photos));
    }

    void webcamPhotosByCamera()
    {
        Db d;
        d.image("42_3.bmp", Qt::green);
        d.picture(200, 48, 100, 100, QStringLiteral("Webcam"), QString(), 3);
        d.picture(400, 48, 100, 100, QStringLiteral("Ausfahrt Kamera2"), QString(), 4); // not taken
        d.picture(600, 48, 100, 100, QStringLiteral("Webcam"), QString());              // no camera chosen
        const QImage img = d.render();
        QVERIFY(isColor(img, px(50), px(50), Qt::green));
        QVERIFY(isColor(img, px(250), px(50), Qt::white));
        QVERIFY(isColor(img, px(450), px(50), Qt::white));
        // A picture that is not stretched keeps its own size and is cut at the box.
        Db e;
        e.picture(200, 48, 100, 100, QStringLiteral("Bilder"), e.image("klein.bmp", Qt::blue, {30, 300}), {}, false);
        const QImage img2 = e.render();
        QVERIFY(isColor(img2, px(10), px(90), Qt::blue));
        QVERIFY(isColor(img2, px(50), px(50), Qt::white));
        QVERIFY(isColor(img2, px(10), px(110), Qt::white));
    }

    void emptyAndMissingLayouts()
    {
        Db d;
        QVERIFY(allWhite(d.render()));                      // a layout without elements
        QVERIFY(allWhite(d.render(QStringLiteral("999")))); // no such weighing
        QVERIFY_THROWS_EXCEPTION(DatabaseError, d.render(QString()));

        // Elements whose layout row is missing lie shifted by the designer's origin.
        d.exec(QStringLiteral("delete from ausdrucke where bezeichnung='Test'"));
        d.rect(10, 20, 30, 30);
        const TicketPage page = TicketRenderer::build(d.db, QStringLiteral("42"), d.photos);
        QCOMPARE(page.rects.size(), 1);
        QCOMPARE(page.rects[0].rect.topLeft(), QPointF(10, 20));
    }

    void twoTicketsCarryOnlyTheirOwnElements()
    {
        Db d;
        d.exec(QStringLiteral("insert into ausdrucke (Bezeichnung, xbeginn, ybeginn) values ('Anders', 200, 48)"));
        d.exec(QStringLiteral("insert into wiegung (wiegenummer, wiegeart) values (43, 'Anders')"));
        d.text(300, 100, QStringLiteral("Test-Text"));
        d.exec(QStringLiteral("insert into ausdrucke_fixtexte (ausdruckart, anzeigetext, schriftart, farbe, x, y,"
                              " schriftgroesse, feldart) values ('ANDERS', 'Anders-Text', 'Calibri', 'clBlack', 300, "
                              "100, 11, 'Freitext')"));
        const TicketPage a = TicketRenderer::build(d.db, QStringLiteral("42"), d.photos);
        const TicketPage b = TicketRenderer::build(d.db, QStringLiteral("43"), d.photos);
        QCOMPARE(a.texts.size(), 1);
        QCOMPARE(a.texts[0].text, QStringLiteral("Test-Text"));
        QCOMPARE(b.texts.size(), 1);
        QCOMPARE(b.texts[0].text, QStringLiteral("Anders-Text")); // layout names compare ignoring case
    }

    void badElementsFail()
    {
        {
            Db d;
            d.text(300, 100, QStringLiteral("x"), QStringLiteral("rötlich"));
            QVERIFY_THROWS_EXCEPTION(TicketError, d.render());
        }
        {
            Db d;
            d.picture(200, 48, 10, 10, QStringLiteral("Bilder"), QStringLiteral("/gibt/es/nicht.jpg"));
            QVERIFY_THROWS_EXCEPTION(TicketError, d.render());
        }
    }

    void defaultTicketsRenderToPdf()
    {
        QTemporaryDir dir;
        Database db;
        db.open(dir.filePath(QStringLiteral("daten.db")), true);
        Query(db)
            .setSql(QStringLiteral("insert into firmenstamm (Firmenname, Adresse, plz, ort) values ('Kieswerk Huber', "
                                   "'Hauptstraße 1', '4020', 'Linz')"))
            .execute();
        const qint64 company = db.lastInsertId();
        int n = 100;
        for (const char* kind : {"Erstwiegung", "Zweitwiegung", "Einzelwiegung"}) {
            Query(db)
                .setSql(
                    QStringLiteral("insert into wiegung (wiegenummer, wiegeart, datum, Firma_id, brutto, Tara, netto,"
                                   " brutto_alibi, tara_alibi, netto_alibi, ein_oder_aus) values (?, ?, now(), ?,"
                                   " 24480, 9800, 14680, '00000-000017', '00000-000016', 'Berechnet', 'A')"),
                    {++n, QString::fromLatin1(kind), company})
                .execute();
            const TicketPage page = TicketRenderer::build(db, QString::number(n), dir.path());
            QStringList texts;
            for (const auto& t : page.texts)
                texts << t.text;
            QVERIFY(texts.contains(QString::number(n)));
            QVERIFY(texts.contains(QStringLiteral("Kieswerk Huber")));
            QVERIFY(
                texts.contains(QStringLiteral("Messwerte aus frei programmierbarer Zusatzeinrichtung. Die geeichten "
                                              "Messwerte können eingesehen werden.")));
            QCOMPARE(page.pictures.size(), 2);
            const QString pdf = dir.filePath(QString::fromLatin1(kind) + QStringLiteral(".pdf"));
            TicketRenderer::toPdf(page, pdf);
            QFile f(pdf);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.read(5) == "%PDF-");
            if (qEnvironmentVariableIsSet("TICKET_PDF_DIR"))
                QFile::copy(pdf, QDir(qEnvironmentVariable("TICKET_PDF_DIR"))
                                     .filePath(QString::fromLatin1(kind) + QStringLiteral(".pdf")));
        }
    }
};

QTEST_MAIN(TicketsTest)
#include "tst_tickets.moc"
