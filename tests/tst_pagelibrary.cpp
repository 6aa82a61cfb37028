#include "pages/pagelibrary.h"
#include "pages/pageoutline.h"
#include "pagegen/pageareas.h"
#include "platform/colour.h"

#include <QPainter>
#include <QtTest>

using namespace atoz;

class PageLibraryTest : public QObject
{
    Q_OBJECT

private slots:
    // Every page is embedded in the exact 1-bit format, reads back as pure
    // black and white, and is a sound colouring page: one outside area, at
    // least three areas inside the letter, none too small to hit, and the
    // checks the page generator drew it by. Its smooth outline agrees with
    // its black pixels to within a pixel.
    void everyPage_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < PageCount; ++i)
            QTest::newRow(qPrintable(PageLetter(i))) << i;
    }
    void everyPage()
    {
        QFETCH(int, index);
        const QByteArray dib = PageResourceData(index);
        QCOMPARE(dib.size(), 24048);
        // 40-byte header: 480 x 400 bottom-up, 1 plane, 1 bit, no compression,
        // 24000 bytes of pixels, no resolution, 2 colours; then black and white.
        QCOMPARE(dib.left(48).toHex(), QByteArray("28000000e001000090010000010001000000000"
                                                  "0c05d00000000000000000000020000000000000000000000ffffff00"));
        const QImage page = LoadPagePicture(index);
        QCOMPARE(page.size(), PageSize);
        QCOMPARE(page.format(), QImage::Format_RGB32);
        QVERIFY(IsBlackAndWhite(page));
        // Bottom-up rows: the DIB's last row is the picture's top row, which
        // is white margin on every page; bit 1 is white.
        QCOMPARE(dib.mid(48 + 399 * 60, 60), QByteArray(60, '\xff'));
        QCOMPARE(FromQRgb(page.pixel(0, 0)), White);

        int outside = 0, inside = 0;
        for (const PageArea& area : WhiteAreas(page)) {
            (area.touchesEdge ? outside : inside)++;
            QVERIFY2(area.touchesEdge || area.pixels >= 150, qPrintable(QString("a speck of %1 pixels").arg(area.pixels)));
        }
        QCOMPARE(outside, 1);
        QVERIFY2(inside >= 3, qPrintable(QString("only %1 areas inside the letter").arg(inside)));
        const PageMap map(page);
        for (const auto& [flaw, pixels] : {std::pair{"hairline", map.thinInk()}, {"too narrow", map.narrowPlaces()},
                                           {"sharp corner", map.sharpCorners()}, {"loose ink", map.looseInk()}}) {
            const QPoint first = pixels.empty() ? QPoint() : pixels[0];
            QVERIFY2(pixels.empty(), qPrintable(QString("%1 at %2,%3").arg(flaw).arg(first.x()).arg(first.y())));
        }
        const std::vector<QString> crooked = CrookedStrokes(char('A' + index), page);
        QVERIFY2(crooked.empty(), qPrintable(QString("the %1 is not straight").arg(crooked.empty() ? QString() : crooked[0])));
        QPainterPath outline = LoadPageOutline(index);
        QVERIFY(!outline.isEmpty());
        // Its figures inside one another run in opposite senses: both rules fill alike.
        QImage oddEven(page.size(), QImage::Format_Alpha8), winding(page.size(), QImage::Format_Alpha8);
        for (QImage* fill : {&oddEven, &winding}) {
            outline.setFillRule(fill == &oddEven ? Qt::OddEvenFill : Qt::WindingFill);
            fill->fill(0);
            QPainter(fill).fillPath(outline, Qt::black);
        }
        QCOMPARE(oddEven, winding);
        const std::vector<QPoint> apart = OutlineDisagreements(page, outline);
        const QPoint first = apart.empty() ? QPoint() : apart[0];
        QVERIFY2(apart.empty(), qPrintable(QString("the outline strays at %1,%2").arg(first.x()).arg(first.y())));
        QCOMPARE(LoadAttributionText(index), QString("ZQ"));
    }

    // A page is drawn with its library page's outline exactly when its black
    // pixels are the library page's, whatever the colours of its areas.
    void outlineFor_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("smooth");
        QTest::newRow("as in the library") << "" << 1 << true;
        QTest::newRow("areas coloured, 8 bits a pixel") << "colour" << 1 << true;
        QTest::newRow("a black pixel more") << "ink" << 1 << false;
        QTest::newRow("a black pixel painted over") << "erase" << 1 << false;
        QTest::newRow("another size") << "size" << 1 << false;
        QTest::newRow("another page's") << "" << 2 << false;
    }
    void outlineFor()
    {
        QFETCH(QString, change);
        QFETCH(int, index);
        QFETCH(bool, smooth);
        QImage page = LoadPagePicture(1);
        if (change == "colour") {
            page = page.convertToFormat(QImage::Format_Indexed8, {ToQRgb(Black), ToQRgb(White)});
            page.setColor(1, ToQRgb(Red));
        }
        if (change == "ink")
            page.setPixel(0, 0, ToQRgb(Black));
        if (change == "erase") {  // the first black pixel, row by row
            int i = 0;
            while (FromQRgb(page.pixel(i % page.width(), i / page.width())) != Black)
                ++i;
            page.setPixel(i % page.width(), i / page.width(), ToQRgb(NearBlack));
        }
        if (change == "size")
            page = page.scaled(page.size() * 2);
        QCOMPARE(OutlineFor(page, index).isEmpty(), !smooth);
    }

    // The outline's text: what is written reads back; anything damaged reads
    // as no outline, so that the page is drawn as its pixels.
    void outlineText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("figures");  // 0: no outline
        const QPainterPath page = LoadPageOutline(0);
        QTest::newRow("a page's") << OutlineText(page) << int(page.toSubpathPolygons().size());
        QTest::newRow("square") << QByteArray("# a square\nM 10 10 L 20 10 L 20 20 L 10 20 Z") << 1;
        QTest::newRow("curve") << QByteArray("M 10 10\nC 20 0 30 0 40 10\nZ\nM 1 1 L 2 2 Z\n") << 2;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("not closed") << QByteArray("M 10 10 L 20 10 L 20 20") << 0;
        QTest::newRow("cut short") << QByteArray("M 10 10 C 20 0 30 Z") << 0;
        QTest::newRow("no start") << QByteArray("L 20 10 Z") << 0;
        QTest::newRow("another command") << QByteArray("M 10 10 Q 20 0 30 10 Z") << 0;
        QTest::newRow("far off the page") << QByteArray("M 10 10 L 5000 10 L 20 20 Z") << 0;
        QTest::newRow("not a number") << QByteArray("M nan 10 L 20 10 L 20 20 Z") << 0;
    }
    void outlineText()
    {
        QFETCH(QByteArray, text);
        const QPainterPath outline = ParseOutline(text);
        QTEST(int(outline.toSubpathPolygons().size()), "figures");
        if (!outline.isEmpty())
            QCOMPARE(ParseOutline(OutlineText(outline)), outline);
    }

    // No page outside A to Z; each letter has a drawing of its own.
    void indexMapping()
    {
        for (int noPage : {-1, 26, 101})
            QVERIFY(PageResourceData(noPage).isEmpty() && LoadPagePicture(noPage).isNull()
                    && LoadAttributionText(noPage).isEmpty() && PageLetter(noPage).isEmpty());
        QSet<QByteArray> drawings;
        for (int i = 0; i < PageCount; ++i)
            drawings.insert(PageResourceData(i));
        QCOMPARE(drawings.size(), PageCount);
    }
};

QTEST_GUILESS_MAIN(PageLibraryTest)
#include "tst_pagelibrary.moc"
