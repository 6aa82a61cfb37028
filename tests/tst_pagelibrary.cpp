#include "pages/pagelibrary.h"
#include "pagegen/pageareas.h"
#include "platform/colour.h"

#include <QtTest>

using namespace atoz;

class PageLibraryTest : public QObject
{
    Q_OBJECT

private slots:
    // Every page is embedded in the exact 1-bit format, reads back as pure
    // black and white, and is a sound colouring page: one outside area, at
    // least three areas inside the letter, none too small to hit, and the
    // checks the page generator drew it by.
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
        QCOMPARE(LoadAttributionText(index), QString("ZQ"));
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
