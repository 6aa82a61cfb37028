#include "pages/pagelibrary.h"
#include "pagegen/pageareas.h"
#include "platform/colour.h"

#include <QtEndian>
#include <QtTest>

using namespace atoz;

namespace {

template <typename T>
T field(const QByteArray& dib, int offset)
{
    return qFromLittleEndian<T>(dib.constData() + offset);
}

// True when every black pixel lies in some 3 x 3 block of black: no hairlines
// that a fill could slip through or a child could not see.
bool outlinesAtLeastThreeThick(const QImage& page)
{
    auto black = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < page.width() && y < page.height() && FromQRgb(page.pixel(x, y)) == Black;
    };
    auto blockAt = [&](int left, int top) {
        for (int y = top; y < top + 3; ++y)
            for (int x = left; x < left + 3; ++x)
                if (!black(x, y))
                    return false;
        return true;
    };
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            if (!black(x, y))
                continue;
            bool covered = false;
            for (int dy = -2; dy <= 0 && !covered; ++dy)
                for (int dx = -2; dx <= 0 && !covered; ++dx)
                    covered = blockAt(x + dx, y + dy);
            if (!covered)
                return false;
        }
    return true;
}

}  // namespace

class PageLibraryTest : public QObject
{
    Q_OBJECT

private slots:
    void everyPage_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < PageCount; ++i)
            QTest::newRow(qPrintable(PageLetter(i))) << i;
    }

    void everyPage();

    void indexMapping()
    {
        QCOMPARE(PageResourceId(0), 101);
        QCOMPARE(PageResourceId(25), 126);
        QCOMPARE(PageLetter(0), QString("A"));
        QCOMPARE(PageLetter(25), QString("Z"));
        for (int noPage : {-1, 26, 101}) {
            QVERIFY(PageResourceData(noPage).isEmpty());
            QVERIFY(LoadPagePicture(noPage).isNull());
            QVERIFY(LoadAttributionText(noPage).isEmpty());
            QVERIFY(PageLetter(noPage).isEmpty());
        }
        // Each index has a drawing of its own.
        QSet<QByteArray> drawings;
        for (int i = 0; i < PageCount; ++i)
            drawings.insert(PageResourceData(i));
        QCOMPARE(drawings.size(), PageCount);
    }
};

// Every page is embedded in the exact 1-bit format, reads back as pure black
// and white, and is a sound colouring page: one outside area, at least three
// areas inside the letter, none too small to hit, outlines thick enough.
void PageLibraryTest::everyPage()
{
    QFETCH(int, index);

    const QByteArray dib = PageResourceData(index);
    QCOMPARE(dib.size(), 24048);
    QCOMPARE(field<quint32>(dib, 0), 40u);        // information header size
    QCOMPARE(field<qint32>(dib, 4), 480);         // width
    QCOMPARE(field<qint32>(dib, 8), 400);         // height, positive: bottom-up
    QCOMPARE(field<quint16>(dib, 12), quint16(1));  // planes
    QCOMPARE(field<quint16>(dib, 14), quint16(1));  // bits per pixel
    QCOMPARE(field<quint32>(dib, 16), 0u);        // no compression
    QCOMPARE(field<quint32>(dib, 20), 24000u);    // image size
    QCOMPARE(field<qint32>(dib, 24), 0);          // resolution
    QCOMPARE(field<qint32>(dib, 28), 0);
    QCOMPARE(field<quint32>(dib, 32), 2u);        // colours used
    QCOMPARE(field<quint32>(dib, 36), 0u);        // important
    QCOMPARE(dib.mid(40, 8), QByteArray("\x00\x00\x00\x00\xff\xff\xff\x00", 8));

    const QImage page = LoadPagePicture(index);
    QCOMPARE(page.size(), PageSize);
    QCOMPARE(page.format(), QImage::Format_RGB32);
    QVERIFY(IsBlackAndWhite(page));
    // Bottom-up rows: the DIB's last row is the picture's top row, which is
    // white margin on every page; bit 1 is white.
    QCOMPARE(dib.mid(48 + 399 * 60, 60), QByteArray(60, '\xff'));
    QCOMPARE(FromQRgb(page.pixel(0, 0)), White);

    int outside = 0;
    int inside = 0;
    for (const PageArea& area : WhiteAreas(page)) {
        if (area.touchesEdge) {
            ++outside;
            continue;
        }
        ++inside;
        QVERIFY2(area.pixels >= 150, qPrintable(QString("a speck of %1 pixels at %2,%3")
                                                     .arg(area.pixels)
                                                     .arg(area.bounds.x())
                                                     .arg(area.bounds.y())));
    }
    QCOMPARE(outside, 1);
    QVERIFY2(inside >= 3, qPrintable(QString("only %1 areas inside the letter").arg(inside)));
    QVERIFY(outlinesAtLeastThreeThick(page));

    QCOMPARE(LoadAttributionText(index), QString("ZQ"));
}

QTEST_GUILESS_MAIN(PageLibraryTest)
#include "tst_pagelibrary.moc"
