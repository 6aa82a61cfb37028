#include "colouring/colouringpage.h"
#include "colouring/floodfill.h"
#include "pages/pagelibrary.h"
#include "palette/colournames.h"
#include "palette/palette.h"
#include "support/testsupport.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <vector>

using namespace atoz;
using test::PageFromRows;
using test::RowsOf;

namespace {

// Four white areas around a black cross: top-left, top-right, bottom-left,
// bottom-right. Pixel (2, 4) is in the bottom-left area; (3, 4) and (2, 3)
// are outline.
const QStringList Quadrants = {"...#..", "...#..", "...#..", "######", "...#..", "...#.."};
const QPointF Inside[] = {{1, 1}, {5, 1}, {1, 5}, {5, 5}};  // by quadrant 0..3

struct Book
{
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath("settings.ini")};
    Palette palette{settings};
    ColouringPage page;

    Book()
    {
        palette.LoadPalette();
        page.Open(PageFromRows(Quadrants));
    }
    bool click(QPointF at) { return page.FillArea(float(at.x()), float(at.y()), palette.CurrentPaint()); }
    // The colour symbol of areas 0..3.
    QString areas() const
    {
        QString seen;
        for (const QPointF& at : Inside)
            seen += RowsOf(page.image())[int(at.y())][int(at.x())];
        return seen;
    }
};

bool fill(QImage& page, int x, int y, Colour colour)
{
    return FloodFill(reinterpret_cast<std::uint32_t*>(page.bits()), page.width(), page.height(),
                     page.bytesPerLine() / 4, x, y, ToQRgb(colour), ToQRgb(Black));
}

// The fill done the slow, plain way: a breadth-first walk from the seed over
// the 4-connected pixels that are not border. `fill` is a colour the area does
// not hold (a marker, or the border itself), so a pixel once filled is passed.
void breadthFirstFill(std::vector<std::uint32_t>& pixels, int width, int height, std::ptrdiff_t stride, QPoint seed,
                      std::uint32_t fill, std::uint32_t border)
{
    std::vector<std::ptrdiff_t> queue{seed.y() * stride + seed.x()};
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const std::ptrdiff_t at = queue[next];
        std::uint32_t& pixel = pixels[std::size_t(at)];
        if (pixel == border || pixel == fill)
            continue;
        pixel = fill;
        const std::ptrdiff_t x = at % stride, y = at / stride;
        if (x > 0)
            queue.push_back(at - 1);
        if (x + 1 < width)
            queue.push_back(at + 1);
        if (y > 0)
            queue.push_back(at - stride);
        if (y + 1 < height)
            queue.push_back(at + stride);
    }
}

}  // namespace

class ColouringTest : public QObject
{
    Q_OBJECT

private slots:
    // Steps: "0r" fills area 0 with red (colours r, b, n as in the page rows),
    // "@x,y" clicks there with the paint of the moment, "U" undoes, "S7"
    // selects swatch 7. A click that fills nothing leaves the page, its
    // signals and the record of the last fill alone; half pixels round to
    // the even one.
    void undoSequences_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("areas");  // the colour symbol of areas 0..3 afterwards
        QTest::addColumn<bool>("undoable");

        QTest::newRow("undo a fill") << QStringList{"0r", "U"} << "...." << false;
        QTest::newRow("second undo offers nothing") << QStringList{"0r", "U", "U"} << "...." << false;
        QTest::newRow("only the last fill") << QStringList{"0r", "1b", "U"} << "r..." << false;
        QTest::newRow("outline click in between") << QStringList{"0r", "@3,3", "U"} << "...." << false;
        QTest::newRow("rounds onto outline") << QStringList{"0r", "@2.6,0", "U"} << "...." << false;
        QTest::newRow("below page") << QStringList{"0r", "@1,5.6", "U"} << "...." << false;
        QTest::newRow("not a number") << QStringList{"0r", "@nan,1", "U"} << "...." << false;
        QTest::newRow("far away") << QStringList{"0r", "@1e30,1", "U"} << "...." << false;
        QTest::newRow("half pixels: (2, 4)") << QStringList{"0r", "@2.5,3.5"} << "r.r." << true;
        QTest::newRow("the undo finds the half pixel") << QStringList{"0r", "@2.5,3.5", "U"} << "r..." << false;
        QTest::newRow("new swatch in between") << QStringList{"0r", "S7", "U"} << "...." << false;
        QTest::newRow("new swatch then fill") << QStringList{"0r", "S7", "1r", "U"} << "r..." << false;
        QTest::newRow("two colours, one undo") << QStringList{"0r", "0b", "U"} << "r..." << false;
        QTest::newRow("near black undone") << QStringList{"2n", "U"} << "...." << false;
        QTest::newRow("nothing to undo") << QStringList{"U"} << "...." << false;
        QTest::newRow("fill after undo") << QStringList{"0r", "U", "3b"} << "...b" << true;
        QTest::newRow("same colour again is the undo point") << QStringList{"0r", "0r", "U"} << "r..." << false;
    }
    void undoSequences()
    {
        QFETCH(QStringList, steps);
        Book book;
        const QMap<QChar, Colour> colours = {{u'r', 255}, {u'b', 16711680}, {u'n', NearBlack}};
        for (const QString& step : steps) {
            if (step == "U")
                book.page.UndoLastFill();
            else if (step.startsWith(u'@')) {
                const QStringList at = step.mid(1).split(u',');
                const QImage before = book.page.image();
                QSignalSpy announced(&book.page, &ColouringPage::undoAvailableChanged);
                QSignalSpy edited(&book.page, &ColouringPage::edited);
                if (!book.click({at[0].toDouble(), at[1].toDouble()}))
                    QVERIFY(book.page.image() == before && announced.isEmpty() && edited.isEmpty());
            }
            else if (step.startsWith(u'S'))
                book.palette.SelectSwatch(step.mid(1).toInt());
            else {
                book.palette.SetPaintColor(colours[step[1]]);  // the selected swatch takes the colour
                book.click(Inside[step[0].digitValue()]);
            }
        }
        QTEST(book.areas(), "areas");
        QTEST(book.page.undo().UndoAvailable(), "undoable");
    }

    // A swatch's stored colour, and what it paints: black paint is near
    // black, as the page never paints outline.
    void storedValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<Colour>("colour");
        QTest::addColumn<Colour>("painted");
        QTest::newRow("a colour") << "123456" << Colour(123456) << Colour(123456);
        QTest::newRow("black") << "0" << Black << NearBlack;
        QTest::newRow("padded") << " 255 " << Colour(255) << Colour(255);
        QTest::newRow("too big") << "16777216" << DefaultPaint(5) << DefaultPaint(5);
        QTest::newRow("negative") << "-1" << DefaultPaint(5) << DefaultPaint(5);
        QTest::newRow("words") << "red" << DefaultPaint(5) << DefaultPaint(5);
        QTest::newRow("empty") << "" << DefaultPaint(5) << DefaultPaint(5);
    }
    void storedValues()
    {
        QFETCH(QString, stored);
        QFETCH(Colour, painted);
        Book book;
        book.settings.SaveSetting("Paints", "Color5", stored);
        book.palette.LoadPalette();
        book.palette.SelectSwatch(5);
        QTEST(book.palette.SwatchColour(5), "colour");
        QVERIFY(book.click(Inside[0]) && book.page.FillArea(5, 5, book.palette.SwatchColour(5)));
        QCOMPARE(FromQRgb(book.page.image().pixel(0, 0)), painted);
        QCOMPARE(FromQRgb(book.page.image().pixel(5, 5)), painted);
    }

    // A swatch's colour in the words a screen reader says: the palette's
    // own colours and ones a parent mixes.
    void colourNames_data()
    {
        QTest::addColumn<Colour>("colour");
        QTest::addColumn<QString>("name");
        const std::pair<int, const char*> swatches[] = {
            {7, "red"}, {2, "light yellow"}, {3, "brown"}, {41, "light brown"}, {12, "plum"}, {19, "blue"},
            {24, "dark turquoise"}, {28, "green"}, {33, "black"}, {34, "grey"}, {35, "white"}, {40, "pink"}};
        for (const auto& [swatch, name] : swatches)
            QTest::addRow("swatch %d", swatch) << DefaultPaint(swatch) << QString(name);
        QTest::newRow("outline black") << Black << "black";
        QTest::newRow("almost white") << ColourFromRgb(250, 248, 250) << "white";
        QTest::newRow("dark grey") << ColourFromRgb(70, 72, 70) << "dark grey";
        QTest::newRow("hue at the circle's end") << ColourFromRgb(255, 0, 20) << "red";
        QTest::newRow("navy") << ColourFromRgb(0, 0, 90) << "dark blue";
    }
    void colourNames()
    {
        QFETCH(Colour, colour);
        QTEST(ColourName(colour), "name");
    }

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

    // Against the breadth-first fill, pixel for pixel and in the bounds it
    // gives of what it painted: every area of every page, and pictures of
    // random ink at several densities, sizes around the 64 pixels of a word
    // of visited bits, a stride wider than a row, and the fill colour
    // already scattered through the region.
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
                    FillBounds painted;
                    QVERIFY(FloodFill(fast.data(), width, height, stride, x, y, Fill, Border, &painted));
                    // The plain fill marks the region first, for its bounds.
                    constexpr std::uint32_t Region = 0xFFFF;
                    breadthFirstFill(plain, width, height, stride, {x, y}, Region, Border);
                    QPoint topLeft(width, height), bottomRight(-1, -1);
                    for (std::uint32_t* pixel = plain.data(); pixel != plain.data() + plain.size(); ++pixel)
                        if (*pixel == Region) {
                            const int at = int(pixel - plain.data());
                            const QPoint p(at % stride, at / stride);
                            topLeft = {std::min(topLeft.x(), p.x()), std::min(topLeft.y(), p.y())};
                            bottomRight = {std::max(bottomRight.x(), p.x()), std::max(bottomRight.y(), p.y())};
                            *pixel = Fill;
                        }
                    mismatches += fast != plain
                               || QRect(topLeft, bottomRight)
                                      != QRect(QPoint(painted.left, painted.top), QPoint(painted.right, painted.bottom));
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

QTEST_GUILESS_MAIN(ColouringTest)
#include "tst_colouring.moc"
