#include "pages/pagelibrary.h"
#include "pagegen/pageareas.h"
#include "platform/colour.h"

#include <QPainter>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

using namespace atoz;

namespace {

QString where(const std::vector<QPoint>& pixels)
{
    return pixels.empty() ? QString("nowhere")
                          : QString("%1 pixels, the first at %2,%3").arg(pixels.size()).arg(pixels[0].x()).arg(pixels[0].y());
}

// A round-cornered box split by one upright line, as a page draws it:
// 5-pixel frame, 4-pixel divider; `fault` adds one flaw to it.
QImage box(const std::function<void(QPainter&)>& fault)
{
    QImage picture(240, 200, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawRoundedRect(20, 20, 200, 160, 16, 16);
    painter.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(100, 20, 100, 180);
    fault(painter);
    return picture;
}

// How far the outer edge of a straight stroke strays from a straight line:
// on every row from `from` to `to` (fractions of the height of the ink, from
// its top), the first black pixel seen from the left or from the right; the
// largest distance of one of them from the line that fits them best.
double edgeDeparture(const QImage& picture, bool fromLeft, double from, double to)
{
    int top = -1, bottom = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (FromQRgb(picture.pixel(x, y)) == Black) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
    std::vector<QPointF> edge;   // (row, column)
    const int height = bottom - top + 1;
    for (int y = top + int(from * height); y <= top + int(to * height); ++y)
        for (int i = 0; i < picture.width(); ++i) {
            const int x = fromLeft ? i : picture.width() - 1 - i;
            if (FromQRgb(picture.pixel(x, y)) == Black) {
                edge.emplace_back(y, x);
                break;
            }
        }
    if (edge.size() < 2)
        return 0;
    QPointF mean;
    for (const QPointF& p : edge)
        mean += p / double(edge.size());
    double slope = 0, spread = 0;
    for (const QPointF& p : edge) {
        slope += (p.x() - mean.x()) * (p.y() - mean.y());
        spread += (p.x() - mean.x()) * (p.x() - mean.x());
    }
    slope /= spread;
    double most = 0;
    for (const QPointF& p : edge)
        most = std::max(most, std::abs(p.y() - mean.y() - slope * (p.x() - mean.x())));
    return most;
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

    // The outer edge of a straight stroke is straight along the middle of
    // the stroke, away from its rounded ends: no bar pokes out of it. (The
    // crossbar of the font's A overshoots its left leg; drawn as it is, it
    // made a round knob, an area of its own, 22 pixels out of the line.)
    void straightStrokes_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("fromLeft");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        const struct
        {
            const char* name;
            char letter;
            bool fromLeft;
            double from;
            double to;
        } strokes[] = {
            {"A left leg", 'A', true, 0.15, 0.85},   {"A right leg", 'A', false, 0.15, 0.85},
            {"B stem", 'B', true, 0.1, 0.9},         {"D stem", 'D', true, 0.1, 0.9},
            {"E stem", 'E', true, 0.1, 0.9},         {"F stem", 'F', true, 0.1, 0.85},
            {"H left stem", 'H', true, 0.1, 0.9},    {"H right stem", 'H', false, 0.1, 0.9},
            {"I left side", 'I', true, 0.3, 0.7},    {"I right side", 'I', false, 0.3, 0.7},
            {"K stem", 'K', true, 0.1, 0.9},         {"L stem", 'L', true, 0.1, 0.85},
            {"M left leg", 'M', true, 0.15, 0.85},   {"M right leg", 'M', false, 0.15, 0.85},
            {"N left stem", 'N', true, 0.1, 0.9},    {"N right stem", 'N', false, 0.1, 0.9},
            {"P stem", 'P', true, 0.1, 0.85},        {"R stem", 'R', true, 0.1, 0.85},
            {"T left side", 'T', true, 0.3, 0.85},   {"T right side", 'T', false, 0.3, 0.85},
            {"U left leg", 'U', true, 0.1, 0.4},     {"U right leg", 'U', false, 0.1, 0.4},
            {"V left arm", 'V', true, 0.15, 0.8},    {"V right arm", 'V', false, 0.15, 0.8},
            {"W left arm", 'W', true, 0.15, 0.8},    {"W right arm", 'W', false, 0.15, 0.8},
            {"X upper left", 'X', true, 0.2, 0.35},  {"X upper right", 'X', false, 0.2, 0.35},
            {"X lower left", 'X', true, 0.65, 0.8},  {"X lower right", 'X', false, 0.65, 0.8},
            {"Y left arm", 'Y', true, 0.15, 0.3},    {"Y right arm", 'Y', false, 0.15, 0.8},
            {"Z slant left", 'Z', true, 0.3, 0.7},   {"Z slant right", 'Z', false, 0.3, 0.7},
        };
        for (const auto& stroke : strokes)
            QTest::newRow(stroke.name) << stroke.letter - 'A' << stroke.fromLeft << stroke.from << stroke.to;
    }

    void straightStrokes()
    {
        QFETCH(int, index);
        QFETCH(bool, fromLeft);
        QFETCH(double, from);
        QFETCH(double, to);
        const double departure = edgeDeparture(LoadPagePicture(index), fromLeft, from, to);
        QVERIFY2(departure <= 3, qPrintable(QString("the outer edge strays %1 pixels from a straight line").arg(departure, 0, 'f', 1)));
    }

    // The checks above find the flaws they are there for, and only those.
    void checksFindFlaws_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<bool>("thin");
        QTest::addColumn<bool>("narrow");
        QTest::addColumn<bool>("sharp");
        QTest::addColumn<bool>("loose");
        QTest::newRow("sound") << box([](QPainter&) {}) << false << false << false << false;
        QTest::newRow("hairline") << box([](QPainter& p) { p.setPen(Qt::black); p.drawLine(160, 20, 160, 180); })
                                  << true << false << false << false;
        QTest::newRow("sliver beside the divider") << box([](QPainter& p) { p.drawLine(110, 20, 110, 180); })
                                                   << false << true << false << false;
        // A wave may meet the frame aslant, but not at a shallow angle: there
        // it melts into the frame, leaving a sharp, narrow corner.
        QTest::newRow("wave meeting the frame at 65 degrees")
            << box([](QPainter& p) { p.drawLine(QPointF(120, 20), QPointF(120 + 160 / std::tan(qDegreesToRadians(65.0)), 180)); })
            << false << false << false << false;
        QTest::newRow("wave meeting the frame at 35 degrees")
            << box([](QPainter& p) { p.drawLine(QPointF(100, 130), QPointF(100 + 50 / std::tan(qDegreesToRadians(35.0)), 180)); })
            << false << true << true << false;
        QTest::newRow("2-pixel tick on the frame") << box([](QPainter& p) { p.fillRect(60, 23, 3, 2, Qt::black); })
                                                   << false << false << false << true;
        QTest::newRow("2-pixel tick on the divider") << box([](QPainter& p) { p.fillRect(102, 100, 2, 3, Qt::black); })
                                                     << false << false << false << true;
        QTest::newRow("wave ending in an area") << box([](QPainter& p) { p.drawLine(100, 80, 150, 80); })
                                                << false << false << false << true;
    }

    void checksFindFlaws()
    {
        QFETCH(QImage, picture);
        const PageMap map(picture);
        QTEST(!map.thinInk().empty(), "thin");
        QTEST(!map.narrowPlaces().empty(), "narrow");
        QTEST(!map.sharpCorners().empty(), "sharp");
        QTEST(!map.looseInk().empty(), "loose");
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

// Every page is embedded in the exact 1-bit format, reads back as pure black
// and white, and is a sound colouring page: one outside area, at least three
// areas inside the letter, none too small to hit, outlines thick enough.
void PageLibraryTest::everyPage()
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
    // Bottom-up rows: the DIB's last row is the picture's top row, which is
    // white margin on every page; bit 1 is white.
    QCOMPARE(dib.mid(48 + 399 * 60, 60), QByteArray(60, '\xff'));
    QCOMPARE(FromQRgb(page.pixel(0, 0)), White);

    int outside = 0, inside = 0;
    for (const PageArea& area : WhiteAreas(page)) {
        (area.touchesEdge ? outside : inside)++;
        QVERIFY2(area.touchesEdge || area.pixels >= 150,
                 qPrintable(QString("a speck of %1 pixels at %2,%3").arg(area.pixels).arg(area.bounds.x()).arg(area.bounds.y())));
    }
    QCOMPARE(outside, 1);
    QVERIFY2(inside >= 3, qPrintable(QString("only %1 areas inside the letter").arg(inside)));
    // No hairlines that a fill could slip through or a child could not see;
    // every inside area at least 9 pixels wide (a disc of radius 4 rolls
    // through all of it but the corners, which lie within 4 pixels of where
    // it rolls); waves meet strokes at 45 degrees or more; every black pixel
    // belongs to a line between two areas: no spur, tick or blob.
    const PageMap map(page);
    QVERIFY(map.thinInk().empty());
    QVERIFY2(map.narrowPlaces().empty(), qPrintable("too narrow for a finger: " + where(map.narrowPlaces())));
    QVERIFY2(map.sharpCorners().empty(), qPrintable("corners sharper than 45 degrees: " + where(map.sharpCorners())));
    QVERIFY2(map.looseInk().empty(), qPrintable("ink that is no line between two areas: " + where(map.looseInk())));

    QCOMPARE(LoadAttributionText(index), QString("ZQ"));
}

QTEST_GUILESS_MAIN(PageLibraryTest)
#include "tst_pagelibrary.moc"
