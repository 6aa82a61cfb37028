#include "colouring/floodfill.h"
#include "pages/pagelibrary.h"
#include "platform/colour.h"
#include "support/testsupport.h"

#include <QRandomGenerator>
#include <QtTest>

#include <deque>
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

// The fill done the slow, plain way: a breadth-first walk from the seed over
// the 4-connected pixels that are not border.
void breadthFirstFill(std::vector<std::uint32_t>& pixels, int width, int height, std::ptrdiff_t stride, QPoint seed,
                      std::uint32_t fill, std::uint32_t border)
{
    std::vector<bool> reached(pixels.size());
    std::deque<QPoint> queue{seed};
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        const std::size_t at = std::size_t(p.y() * stride + p.x());
        if (p.x() < 0 || p.y() < 0 || p.x() >= width || p.y() >= height || reached[at] || pixels[at] == border)
            continue;
        reached[at] = true;
        pixels[at] = fill;
        queue.insert(queue.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
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

        // The shapes of areas are the comparison's below; these are the rules.
        QTest::newRow("closed area only") << QStringList{".....", ".###.", ".#.#.", ".###."} << QPoint(2, 2) << true
                                          << QStringList{".....", ".###.", ".#r#.", ".###."};
        QTest::newRow("outline refused") << QStringList{".#."} << QPoint(1, 0) << false << QStringList{".#."};
        QTest::newRow("near black is no border") << QStringList{"..n..", "#####"} << QPoint(0, 0) << true
                                                 << QStringList{"rrrrr", "#####"};
        QTest::newRow("several colours painted over") << QStringList{"bbb#.", "b.n#.", "rrr#."} << QPoint(1, 1)
                                                      << true << QStringList{"rrr#.", "rrr#.", "rrr#."};
        for (const QPoint seed : {QPoint(-1, 0), QPoint(2, 0), QPoint(0, 1)})
            QTest::addRow("seed off the page at %d,%d", seed.x(), seed.y()) << QStringList{".."} << seed << false << QStringList{".."};
        QTest::newRow("one pixel") << QStringList{"."} << QPoint(0, 0) << true << QStringList{"r"};
    }

    void semantics()
    {
        QFETCH(QStringList, before);
        QFETCH(QPoint, seed);
        QImage page = PageFromRows(before);
        QTEST(fill(page, seed.x(), seed.y(), 255), "filled");
        QTEST(RowsOf(page), "after");
    }

    // Against the breadth-first fill, pixel for pixel: every area of every
    // page, and pictures of random ink at several densities, sizes around the
    // 64 pixels of a word of visited bits, a stride wider than a row, and
    // the fill colour already scattered through the region.
    void matchesBreadthFirstFill_data()
    {
        QTest::addColumn<int>("ink");  // per cent of border pixels; -1 for the book's pages
        QTest::newRow("the 26 pages") << -1;
        for (int ink : {5, 30, 45, 60})
            QTest::addRow("random ink %d%%", ink) << ink;
    }
    void matchesBreadthFirstFill()
    {
        QFETCH(int, ink);
        constexpr std::uint32_t Border = 0, Fill = 7;
        // Each case: its pixels, width, height and stride.
        std::vector<std::tuple<std::vector<std::uint32_t>, int, int, int>> cases;
        QRandomGenerator random(uint(ink + 17));
        for (int page = 0; page < PageCount && ink < 0; ++page) {
            const QImage picture = LoadPagePicture(page);
            std::vector<std::uint32_t> pixels;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    pixels.push_back(FromQRgb(picture.pixel(x, y)) == Black ? Border : 1);
            cases.emplace_back(pixels, picture.width(), picture.height(), picture.width());
        }
        for (const QSize size : {QSize(1, 1), QSize(63, 9), QSize(64, 64), QSize(65, 7), QSize(130, 50)}) {
            std::vector<std::uint32_t> pixels(std::size_t((size.width() + 3) * size.height()));
            for (std::uint32_t& pixel : pixels)
                pixel = int(random.bounded(100)) < ink ? Border : 1 + random.bounded(Fill + 1);
            if (ink >= 0)
                cases.emplace_back(pixels, size.width(), size.height(), size.width() + 3);
        }

        int fills = 0, mismatches = 0;
        for (const auto& [pixels, width, height, stride] : cases) {
            // A seed in every area: each fill inks its area over for the next.
            std::vector<std::uint32_t> areas = pixels;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    if (areas[std::size_t(y * stride + x)] == Border)
                        continue;
                    std::vector<std::uint32_t> fast = pixels, plain = pixels;
                    QVERIFY(FloodFill(fast.data(), width, height, stride, x, y, Fill, Border));
                    breadthFirstFill(plain, width, height, stride, {x, y}, Fill, Border);
                    mismatches += fast != plain;
                    breadthFirstFill(areas, width, height, stride, {x, y}, Border, Border);
                    ++fills;
                }
        }
        QVERIFY(fills > 0);
        QCOMPARE(mismatches, 0);
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
