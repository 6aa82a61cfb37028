#include "colouring/floodfill.h"
#include "platform/colour.h"
#include "support/testsupport.h"

#include <QtTest>

#include <vector>

using namespace atoz;
using test::PageFromRows;
using test::RowsOf;

namespace {

bool fill(QImage& page, int x, int y, Colour colour)
{
    return FloodFill(reinterpret_cast<std::uint32_t*>(page.bits()), page.width(), page.height(),
                     page.bytesPerLine() / 4, x, y, ToQRgb(colour), ToQRgb(Black));
}

}  // namespace

class FloodFillTest : public QObject
{
    Q_OBJECT

private slots:
    void semantics_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QPoint>("seed");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<QStringList>("after");

        QTest::newRow("closed area only")
            << QStringList{"........", ".####...", ".#..#...", ".####...", "........"} << QPoint(2, 2) << true
            << QStringList{"........", ".####...", ".#rr#...", ".####...", "........"};
        QTest::newRow("outline refused")
            << QStringList{"....", ".##.", "...."} << QPoint(1, 1) << false
            << QStringList{"....", ".##.", "...."};
        QTest::newRow("diagonal line keeps areas apart")
            << QStringList{"...#", "..#.", ".#..", "#..."} << QPoint(0, 0) << true
            << QStringList{"rrr#", "rr#.", "r#..", "#..."};
        QTest::newRow("edges bound the region")
            << QStringList{"..#..", "..#..", "..#.."} << QPoint(4, 2) << true
            << QStringList{"..#rr", "..#rr", "..#rr"};
        QTest::newRow("several colours painted over")
            << QStringList{"bbb#.", "b.n#.", "rrr#."} << QPoint(1, 1) << true
            << QStringList{"rrr#.", "rrr#.", "rrr#."};
        QTest::newRow("near black is no border")
            << QStringList{"..n..", "..n..", "#####"} << QPoint(0, 0) << true
            << QStringList{"rrrrr", "rrrrr", "#####"};
        QTest::newRow("already the fill colour")
            << QStringList{"rr#", "r.#"} << QPoint(0, 0) << true << QStringList{"rr#", "rr#"};
        QTest::newRow("spiral corridor")
            << QStringList{".......", "######.", ".....#.", ".###.#.", ".#...#.", ".#####.", "......."}
            << QPoint(0, 0) << true
            << QStringList{"rrrrrrr", "######r", "rrrrr#r", "r###r#r", "r#rrr#r", "r#####r", "rrrrrrr"};
        QTest::newRow("comb teeth from below")
            << QStringList{".#.#.#.", ".#.#.#.", "......."} << QPoint(6, 2) << true
            << QStringList{"r#r#r#r", "r#r#r#r", "rrrrrrr"};
        QTest::newRow("seed left of x") << QStringList{".."} << QPoint(-1, 0) << false << QStringList{".."};
        QTest::newRow("seed right of x") << QStringList{".."} << QPoint(2, 0) << false << QStringList{".."};
        QTest::newRow("seed below") << QStringList{".."} << QPoint(0, 1) << false << QStringList{".."};
        QTest::newRow("one pixel") << QStringList{"."} << QPoint(0, 0) << true << QStringList{"r"};
    }

    void semantics()
    {
        QFETCH(QStringList, before);
        QFETCH(QPoint, seed);
        QFETCH(bool, filled);
        QFETCH(QStringList, after);
        QImage page = PageFromRows(before);
        QCOMPARE(fill(page, seed.x(), seed.y(), 255), filled);
        QCOMPARE(RowsOf(page), after);
    }

    void strideLeavesPaddingAlone()
    {
        // A 3 x 2 window into a buffer 5 pixels wide: the two spare pixels of
        // each row are outside the picture and keep their value.
        std::vector<std::uint32_t> buffer(10, 7);
        QVERIFY(FloodFill(buffer.data(), 3, 2, 5, 1, 1, 9, 0));
        QCOMPARE(buffer, (std::vector<std::uint32_t>{9, 9, 9, 7, 7, 9, 9, 9, 7, 7}));
    }

    void hugeRegionWithoutStackOverflow()
    {
        // A 4096 x 4096 serpentine: one region whose path doubles back on every
        // other row, the worst shape for a recursive fill.
        const int size = 4096;
        std::vector<std::uint32_t> pixels(size_t(size) * size, 1);
        for (int y = 1; y < size; y += 2)
            for (int x = 0; x < size; ++x)
                if ((y % 4 == 1) ? x != size - 1 : x != 0)
                    pixels[size_t(y) * size + x] = 0;
        QVERIFY(FloodFill(pixels.data(), size, size, size, 0, 0, 5, 0));
        QCOMPARE(pixels.front(), 5u);
        QCOMPARE(pixels[size_t(size - 2) * size + size / 2], 5u);  // the last corridor, reached through every bend
        QCOMPARE(std::count(pixels.begin(), pixels.end(), 1u), 0);
    }
};

QTEST_GUILESS_MAIN(FloodFillTest)
#include "tst_floodfill.moc"
