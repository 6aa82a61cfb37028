#include "colouring/floodfill.h"
#include "mainwindow/colouringview.h"
#include "mainwindow/contentsview.h"
#include "mainwindow/homeview.h"
#include "mainwindow/mainwindow.h"
#include "palette/paintswatches.h"
#include "pages/pagelibrary.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QDir>
#include <QtTest>

#include <csignal>

using namespace atoz;

// The built program in a real X window, clicked by xdotool like a child's
// mouse. This covers what the headless tests cannot: the window system's own
// event path, the real window size, the cursors being made on a display, and
// the ways a real run ends.
class RealWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetTwipsScale(1); }

    // Copy 1, page A, three areas coloured, then the run ends: with OK and
    // Exit, or never a click on OK. However it ends, every fill is on disk,
    // the page at its own size; a clean end leaves no lock or socket file.
    // On a 1920 x 1080 screen the book fills it at 2.5 times its size, and
    // every click lands at its scaled place.
    void colouringSurvivesTheEnd_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<double>("scale");  // 2.5: the fitting scale on 1920 x 1080
        QTest::newRow("OK, Exit") << "exit" << 1.0;
        QTest::newRow("OK, Exit, fitting scale on 1920 x 1080") << "exit" << 2.5;
        QTest::newRow("killed") << "kill" << 1.0;
        QTest::newRow("log-out") << "term" << 1.0;
        QTest::newRow("terminal closed") << "hup" << 1.0;
        QTest::newRow("display gone") << "display" << 1.0;
    }
    void colouringSurvivesTheEnd()
    {
        QFETCH(QString, end);
        QFETCH(double, scale);
        if (!test::RealBook::Possible())
            QSKIP("needs Xvfb and xdotool (./test.sh installs them)");
        SetTwipsScale(scale);
        QTemporaryDir pages;
        const bool fitting = scale != 1;
        test::RealBook book(QStringList{"--data-dir", pages.path()} + (fitting ? QStringList() : QStringList{"--scale", "1"}),
                            fitting ? QSize(1920, 1080) : QSize(1024, 768));
        QVERIFY2(!book.window.isEmpty(), "the window did not show");
        const QSize size = TwipsSize(frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight);
        QVERIFY(book.Xdotool({"getwindowgeometry", book.window})
                    .contains(QStringLiteral("Geometry: %1x%2").arg(size.width()).arg(size.height())));

        book.Click(HomeView::BarWidth, {1350, 2490, 1365, 1635});    // tile "1"
        book.Click(ContentsView::BarWidth, {100, 100, 2120, 1766});  // the thumbnail of A
        QImage page = LoadPagePicture(0);
        QList<QPair<QPoint, int>> fills;
        for (int swatch : {7, 19, 31}) {
            const QPoint point = test::PointInside(page);
            fills.append({point, swatch});
            // Inked over, so that the next point lies in another area.
            FloodFill(reinterpret_cast<std::uint32_t*>(page.bits()), page.width(), page.height(),
                      page.bytesPerLine() / 4, point.x(), point.y(), ToQRgb(Black), ToQRgb(Black));
            book.Click(0, PaintSwatches::SwatchPlace(swatch));
            // The screen pixel whose middle lies on the page pixel's middle (or just past it).
            const QPoint scaled(int((point.x() + 0.5) * scale), int((point.y() + 0.5) * scale));
            book.Click(QPoint(TwipsToPixels(ColouringView::BarWidth), 0) + scaled);
        }

        if (end == "exit") {
            book.Click(0, {60, 180, 585, 465});  // OK
            QVERIFY2(book.Exit(), "the program did not end well at Exit");
        } else if (end == "kill") {
            QTest::qWait(2000);
            book.program().kill();
        } else if (end == "display") {
            QTest::qWait(1000);
            book.StopDisplay();
        } else {
            ::kill(pid_t(book.program().processId()), end == "term" ? SIGTERM : SIGHUP);
        }
        QVERIFY2(book.program().state() == QProcess::NotRunning || book.program().waitForFinished(10000),
                 "the program did not end");
        if (end != "kill" && end != "display") {  // as the close box ends it
            QCOMPARE(book.program().exitStatus(), QProcess::NormalExit);
            QCOMPARE(book.program().exitCode(), 0);
            QCOMPARE(QDir(pages.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"b2f0p0.BMP"});
            QCOMPARE(QDir(book.home.filePath("runtime"))
                         .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                     QStringList{});
        }
        const QImage stored = LoadPicture(pages.filePath("b2f0p0.BMP"));
        QCOMPARE(stored.size(), PageSize);
        for (const auto& [point, swatch] : fills)
            QCOMPARE(FromQRgb(stored.pixel(point)), DefaultPaint(swatch));
    }
};

QTEST_GUILESS_MAIN(RealWindowTest)
#include "tst_realwindow.moc"
