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
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace atoz;

namespace {

// The middle of a control, in pixels of the main window's client area, from
// its place in twips and the left edge of its view's part.
QPoint middle(int leftPixels, QRect twips)
{
    return QPoint(leftPixels, 0) + TwipsRect(twips).center();
}

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

}  // namespace

// The built program in a real X window, clicked by xdotool like a child's
// mouse. This covers what the headless tests cannot: the window system's own
// event path, the real window size, the cursors being made on a display, and
// the ways a real run ends.
class RealWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::XServer> server_;
    std::unique_ptr<QTemporaryDir> home_;
    QProcess program_;
    QString window_;

    QString xdotool(const QStringList& arguments)
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", server_->display());
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(15000);
        return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    }
    void clickAt(QPoint at)
    {
        xdotool({"mousemove", "--window", window_, QString::number(at.x()), QString::number(at.y()), "click", "1"});
        QTest::qWait(700);  // longer than a double-click, and time for the view to change
    }
    QString pageFile(const QString& name) const { return home_->filePath("pages/" + name); }

    // Starts the program on a fresh X server of `screen` and its own
    // folders, and waits for its window, as big as the book at the test's
    // scale.
    void start(QSize screen = QSize(1024, 768), const QStringList& options = {"--scale", "1"})
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs Xvfb and xdotool (./test.sh installs them)");
        server_ = std::make_unique<test::XServer>(screen);
        QVERIFY2(!server_->display().isEmpty(), "Xvfb did not start");

        QDir(home_->path()).mkpath("runtime");
        QFile(home_->filePath("runtime")).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                        | QFileDevice::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", server_->display());
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_CONFIG_HOME", home_->filePath("config"));
        env.insert("XDG_DATA_HOME", home_->filePath("data"));
        env.insert("XDG_RUNTIME_DIR", home_->filePath("runtime"));
        // Under AddressSanitizer: libxkbcommon-x11 copies key names with
        // strndup out of buffers that are not NUL-terminated, which the strict
        // string check reports although the copy stays within its length.
        if (env.contains("ASAN_OPTIONS"))
            env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":strict_string_checks=0");
        program_.setProcessEnvironment(env);
        program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program_.start(QStringLiteral(ATOZ_PROGRAM), QStringList{"--data-dir", home_->filePath("pages")} + options);
        QVERIFY(program_.waitForStarted());

        window_ = xdotool({"search", "--sync", "--onlyvisible", "--name", "Book 2: A to Z"}).section('\n', 0, 0);
        QVERIFY2(!window_.isEmpty(), "the window did not show");
        const QSize book = TwipsSize(frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight);
        const QString geometry = xdotool({"getwindowgeometry", window_});
        QVERIFY2(geometry.contains(QStringLiteral("Geometry: %1x%2").arg(book.width()).arg(book.height())),
                 qPrintable(geometry));
        QTest::qWait(500);
    }

    // Copy 1, page A, then each point filled with its paint.
    void colour(const QList<QPair<QPoint, int>>& fills)
    {
        clickAt(middle(TwipsToPixels(HomeView::BarWidth), {1350, 2490, 1365, 1635}));   // tile "1"
        clickAt(middle(TwipsToPixels(ContentsView::BarWidth), {100, 100, 2120, 1766}));  // the thumbnail of A
        for (const auto& [point, swatch] : fills) {
            clickAt(middle(0, PaintSwatches::SwatchPlace(swatch)));
            // The screen pixel whose middle lies on the page pixel's middle
            // (or just past it).
            const QPoint scaled(int((point.x() + 0.5) * TwipsScale()), int((point.y() + 0.5) * TwipsScale()));
            clickAt(QPoint(TwipsToPixels(ColouringView::BarWidth), 0) + scaled);
        }
    }

private slots:
    void init()
    {
        program_.close();
        server_.reset();
        home_ = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        SetTwipsScale(1);
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished(3000);
        }
    }

    // Open copy 1, page A, colour an area red, OK, Exit: the page is stored.
    void colourAPageAndKeepIt()
    {
        start();
        const QPoint inside = test::PointInside(LoadPagePicture(0));
        colour({{inside, 7}});                          // red
        clickAt(middle(0, {60, 180, 585, 465}));         // OK
        clickAt(middle(0, {150, 5190, 1785, 585}));      // Exit

        QVERIFY2(program_.state() == QProcess::NotRunning || program_.waitForFinished(10000),
                 "the program did not end at Exit");
        QCOMPARE(program_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program_.exitCode(), 0);
        const QImage stored = LoadPicture(pageFile("b2f0p0.BMP"));
        QVERIFY2(!stored.isNull(), "page A of copy 1 was not stored");
        QCOMPARE(FromQRgb(stored.pixel(inside)), Colour(255));
        QCOMPARE(FromQRgb(stored.pixel(0, 0)), White);
        // The book let go of its folder: no lock file, no socket file.
        QCOMPARE(QDir(home_->filePath("pages")).entryList(QDir::Files | QDir::Hidden), QStringList{"b2f0p0.BMP"});
        QCOMPARE(QDir(home_->filePath("runtime")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                            | QDir::NoDotAndDotDot),
                 QStringList{});
    }

    // On a 1920 x 1080 screen the book fills it at 2.5 times its size: every
    // click lands at its scaled place, and the stored page keeps its own size.
    void colourAtTheFittingScale()
    {
        SetTwipsScale(2.5);
        start(QSize(1920, 1080), {});
        const QPoint inside = test::PointInside(LoadPagePicture(0));
        colour({{inside, 7}});
        clickAt(middle(0, {60, 180, 585, 465}));  // OK
        QTRY_VERIFY(QFile::exists(pageFile("b2f0p0.BMP")));
        const QImage stored = LoadPicture(pageFile("b2f0p0.BMP"));
        QCOMPARE(stored.size(), QSize(480, 400));
        QCOMPARE(FromQRgb(stored.pixel(inside)), Colour(255));
        QCOMPARE(FromQRgb(stored.pixel(0, 0)), White);
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
        start();
        const QList<QPoint> points = pointsInside(LoadPagePicture(0), 3);
        const QList<QPair<QPoint, int>> fills = {{points[0], 7}, {points[1], 19}, {points[2], 31}};
        colour(fills);

        if (end == "kill") {
            QTest::qWait(2000);
            program_.kill();
        } else if (end == "term" || end == "hup") {
            ::kill(pid_t(program_.processId()), end == "term" ? SIGTERM : SIGHUP);
        } else {
            QTest::qWait(1000);
            server_->Stop();
        }
        QVERIFY2(program_.waitForFinished(10000), "the program did not end");
        if (cleanExit) {
            QCOMPARE(program_.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program_.exitCode(), 0);
            QCOMPARE(QDir(home_->filePath("pages")).entryList(QDir::Files | QDir::Hidden), QStringList{"b2f0p0.BMP"});
        }
        const QImage stored = LoadPicture(pageFile("b2f0p0.BMP"));
        QVERIFY2(!stored.isNull(), "page A was not stored");
        for (const auto& [point, swatch] : fills)
            QCOMPARE(FromQRgb(stored.pixel(point)), DefaultPaint(swatch));
    }
};

QTEST_GUILESS_MAIN(RealWindowTest)
#include "tst_realwindow.moc"
