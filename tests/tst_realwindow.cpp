#include "mainwindow/colouringview.h"
#include "mainwindow/contentsview.h"
#include "mainwindow/homeview.h"
#include "palette/paintswatches.h"
#include "pages/pagelibrary.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace atoz;

namespace {

// The middle of a control, in pixels of the main window's client area, from
// its place in twips and the left edge of its view's part.
QPoint middle(int leftPixels, QRect twips)
{
    return QPoint(leftPixels, 0) + TwipsRect(twips).center();
}

}  // namespace

// The built program in a real X window, clicked by xdotool like a child's
// mouse: open copy 1, page A, colour an area red, OK, Exit. The page must be
// stored. This covers what the headless tests cannot: the window system's own
// event path, the real window size and the cursors being made on a display.
class RealWindowTest : public QObject
{
    Q_OBJECT

    QString display_;

    QString xdotool(const QStringList& arguments)
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_);
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(15000);
        return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    }
    void clickAt(const QString& window, QPoint at)
    {
        xdotool({"mousemove", "--window", window, QString::number(at.x()), QString::number(at.y()), "click", "1"});
        QTest::qWait(700);  // longer than a double-click, and time for the view to change
    }

private slots:
    void colourAPageAndKeepIt()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs Xvfb and xdotool (./test.sh installs them)");
        const test::XServer server;
        display_ = server.display();
        QVERIFY2(!display_.isEmpty(), "Xvfb did not start");

        QTemporaryDir home;
        QDir(home.path()).mkpath("runtime");
        QFile(home.filePath("runtime")).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                       | QFileDevice::ExeOwner);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        // Under AddressSanitizer: libxkbcommon-x11 copies key names with
        // strndup out of buffers that are not NUL-terminated, which the strict
        // string check reports although the copy stays within its length.
        if (env.contains("ASAN_OPTIONS"))
            env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":strict_string_checks=0");
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(ATOZ_PROGRAM), {"--data-dir", home.filePath("pages")});
        QVERIFY(program.waitForStarted());

        const QString window = xdotool({"search", "--sync", "--onlyvisible", "--name", "Book 2: A to Z"}).section('\n', 0, 0);
        QVERIFY2(!window.isEmpty(), "the window did not show");
        QVERIFY(xdotool({"getwindowgeometry", window}).contains("Geometry: 616x404"));
        QTest::qWait(500);

        const QPoint inside = test::PointInside(LoadPagePicture(0));
        const int homePage = TwipsToPixels(HomeView::BarWidth);
        const int contentsPage = TwipsToPixels(ContentsView::BarWidth);
        const int colouringPage = TwipsToPixels(ColouringView::BarWidth);
        clickAt(window, middle(homePage, {1350, 2490, 1365, 1635}));   // tile "1"
        clickAt(window, middle(contentsPage, {100, 100, 2120, 1766}));  // the thumbnail of A
        clickAt(window, middle(0, PaintSwatches::SwatchPlace(7)));       // red
        clickAt(window, QPoint(colouringPage, 0) + inside);
        clickAt(window, middle(0, {60, 180, 585, 465}));                 // OK
        clickAt(window, middle(0, {150, 5190, 1785, 585}));              // Exit

        QVERIFY2(program.state() == QProcess::NotRunning || program.waitForFinished(10000),
                 "the program did not end at Exit");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QImage stored = LoadPicture(home.filePath("pages/b2f0p0.BMP"));
        QVERIFY2(!stored.isNull(), "page A of copy 1 was not stored");
        QCOMPARE(FromQRgb(stored.pixel(inside)), Colour(255));
        QCOMPARE(FromQRgb(stored.pixel(0, 0)), White);
        QCOMPARE(QDir(home.filePath("pages")).entryList({"b2f*"}, QDir::Files), QStringList{"b2f0p0.BMP"});
    }
};

QTEST_GUILESS_MAIN(RealWindowTest)
#include "tst_realwindow.moc"
