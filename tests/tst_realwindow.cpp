#include "mainwindow/colouringview.h"
#include "mainwindow/contentsview.h"
#include "mainwindow/homeview.h"
#include "palette/paintswatches.h"
#include "pages/pagelibrary.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QDir>
#include <QtTest>

using namespace atoz;

// The built program in a real X window, clicked by xdotool like a child's
// mouse: open copy 1, page A, colour an area red, OK, Exit. The page must be
// stored. This covers what the headless tests cannot: the window system's own
// event path, the real window size and the cursors being made on a display.
class RealWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void colourAPageAndKeepIt()
    {
        if (!test::RealBook::Possible())
            QSKIP("needs Xvfb and xdotool (./test.sh installs them)");
        QTemporaryDir pages;
        test::RealBook book(ATOZ_PROGRAM, {"--data-dir", pages.path()});
        QVERIFY2(!book.window.isEmpty(), "the window did not show");
        QVERIFY(book.Xdotool({"getwindowgeometry", book.window}).contains("Geometry: 616x404"));

        const QPoint inside = test::PointInside(LoadPagePicture(0));
        book.Click(HomeView::BarWidth, {1350, 2490, 1365, 1635});    // tile "1"
        book.Click(ContentsView::BarWidth, {100, 100, 2120, 1766});  // the thumbnail of A
        book.Click(0, PaintSwatches::SwatchPlace(7));                // red
        book.Click(QPoint(TwipsToPixels(ColouringView::BarWidth), 0) + inside);
        book.Click(0, {60, 180, 585, 465});  // OK
        QVERIFY2(book.Exit(), "the program did not end well at Exit");

        const QImage stored = LoadPicture(pages.filePath("b2f0p0.BMP"));
        QVERIFY2(!stored.isNull(), "page A of copy 1 was not stored");
        QCOMPARE(FromQRgb(stored.pixel(inside)), Colour(255));
        QCOMPARE(FromQRgb(stored.pixel(0, 0)), White);
        QCOMPARE(QDir(pages.path()).entryList({"b2f*"}, QDir::Files), QStringList{"b2f0p0.BMP"});
    }
};

QTEST_GUILESS_MAIN(RealWindowTest)
#include "tst_realwindow.moc"
