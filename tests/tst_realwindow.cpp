#include "colouring/floodfill.h"
#include "mainwindow/colouringview.h"
#include "mainwindow/contentsview.h"
#include "mainwindow/homeview.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/paintswatches.h"
#include "pages/pagelibrary.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QDir>
#include <QtTest>

#include <csignal>

using namespace atoz;

namespace {

// A point inside each of `count` different areas of `page`.
QList<QPoint> pointsInside(QImage page, int count)
{
    QList<QPoint> points;
    while (points.size() < count) {
        const QPoint point = test::PointInside(page);
        points.append(point);
        // Ink the area over, so that the next point lies in another one.
        FloodFill(reinterpret_cast<std::uint32_t*>(page.bits()), page.width(), page.height(),
                  page.bytesPerLine() / 4, point.x(), point.y(), ToQRgb(Black), ToQRgb(Black));
    }
    return points;
}

// Copy 1, page A, then each point filled with the paint of its swatch, all
// at the book's scale in this test.
void colour(test::RealBook& book, const QList<QPair<QPoint, int>>& fills)
{
    book.Click(HomeView::BarWidth, {1350, 2490, 1365, 1635});    // tile "1"
    book.Click(ContentsView::BarWidth, {100, 100, 2120, 1766});  // the thumbnail of A
    for (const auto& [point, swatch] : fills) {
        book.Click(0, PaintSwatches::SwatchPlace(swatch));
        // The screen pixel whose middle lies on the page pixel's middle (or just past it).
        const QPoint scaled(int((point.x() + 0.5) * TwipsScale()), int((point.y() + 0.5) * TwipsScale()));
        book.Click(QPoint(TwipsToPixels(ColouringView::BarWidth), 0) + scaled);
    }
}

// The book's window is as big as its client area at the test's scale.
bool fillsItsPlace(test::RealBook& book)
{
    const QSize size = TwipsSize(frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight);
    return book.Xdotool({"getwindowgeometry", book.window})
        .contains(QStringLiteral("Geometry: %1x%2").arg(size.width()).arg(size.height()));
}

}  // namespace

// The built program in a real X window, clicked by xdotool like a child's
// mouse. This covers what the headless tests cannot: the window system's own
// event path, the real window size, the cursors being made on a display, and
// the ways a real run ends.
class RealWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetTwipsScale(1); }

    // Open copy 1, page A, colour an area red, OK, Exit: the page is stored
    // at its own size, and the book lets go of its folder. On a 1920 x 1080
    // screen the book fills it at 2.5 times its size, and every click lands
    // at its scaled place.
    void colourAPageAndKeepIt_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("scale 1") << 1.0 << QSize(1024, 768) << QStringList{"--scale", "1"};
        QTest::newRow("fitting scale on 1920 x 1080") << 2.5 << QSize(1920, 1080) << QStringList();
    }
    void colourAPageAndKeepIt()
    {
        QFETCH(double, scale);
        QFETCH(QSize, screen);
        QFETCH(QStringList, arguments);
        if (!test::RealBook::Possible())
            QSKIP("needs Xvfb and xdotool (./test.sh installs them)");
        SetTwipsScale(scale);
        QTemporaryDir pages;
        test::RealBook book(ATOZ_PROGRAM, QStringList{"--data-dir", pages.path()} + arguments, screen);
        QVERIFY2(!book.window.isEmpty(), "the window did not show");
        QVERIFY(fillsItsPlace(book));

        const QPoint inside = test::PointInside(LoadPagePicture(0));
        colour(book, {{inside, 7}});         // red
        book.Click(0, {60, 180, 585, 465});  // OK
        QVERIFY2(book.Exit(), "the program did not end well at Exit");

        const QImage stored = LoadPicture(pages.filePath("b2f0p0.BMP"));
        QCOMPARE(stored.size(), QSize(480, 400));
        QCOMPARE(FromQRgb(stored.pixel(inside)), Colour(255));
        QCOMPARE(FromQRgb(stored.pixel(0, 0)), White);
        // No lock file, no socket file left.
        QCOMPARE(QDir(pages.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"b2f0p0.BMP"});
        QCOMPARE(QDir(book.home.filePath("runtime"))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{});
    }

    // Three areas coloured and never a click on OK: however the run ends,
    // every fill is on disk.
    void colouringSurvivesTheEnd_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("cleanExit");  // ends as the close box does: status 0, nothing left behind
        QTest::newRow("killed") << "kill" << false;
        QTest::newRow("log-out") << "term" << true;
        QTest::newRow("terminal closed") << "hup" << true;
        QTest::newRow("display gone") << "display" << false;
    }
    void colouringSurvivesTheEnd()
    {
        QFETCH(QString, end);
        QFETCH(bool, cleanExit);
        if (!test::RealBook::Possible())
            QSKIP("needs Xvfb and xdotool (./test.sh installs them)");
        QTemporaryDir pages;
        test::RealBook book(ATOZ_PROGRAM, {"--data-dir", pages.path(), "--scale", "1"});
        QVERIFY2(!book.window.isEmpty(), "the window did not show");
        const QList<QPoint> points = pointsInside(LoadPagePicture(0), 3);
        const QList<QPair<QPoint, int>> fills = {{points[0], 7}, {points[1], 19}, {points[2], 31}};
        colour(book, fills);

        if (end == "kill") {
            QTest::qWait(2000);
            book.program.kill();
        } else if (end == "term" || end == "hup") {
            ::kill(pid_t(book.program.processId()), end == "term" ? SIGTERM : SIGHUP);
        } else {
            QTest::qWait(1000);
            book.StopDisplay();
        }
        QVERIFY2(book.program.waitForFinished(10000), "the program did not end");
        if (cleanExit) {
            QCOMPARE(book.program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(book.program.exitCode(), 0);
            QCOMPARE(QDir(pages.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"b2f0p0.BMP"});
        }
        const QImage stored = LoadPicture(pages.filePath("b2f0p0.BMP"));
        QVERIFY2(!stored.isNull(), "page A was not stored");
        for (const auto& [point, swatch] : fills)
            QCOMPARE(FromQRgb(stored.pixel(point)), DefaultPaint(swatch));
    }
};

QTEST_GUILESS_MAIN(RealWindowTest)
#include "tst_realwindow.moc"
