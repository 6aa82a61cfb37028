#include "colouring/floodfill.h"
#include "folders/folderstore.h"
#include "mainwindow/colouringview.h"
#include "mainwindow/contentsview.h"
#include "mainwindow/homeview.h"
#include "mainwindow/paintswatches.h"
#include "output/printchoices.h"
#include "output/printing.h"
#include "pages/pagelibrary.h"
#include "pages/pageoutline.h"
#include "platform/bookscale.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "platform/ui/qtprinter.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace atoz;

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool schedulerRunning()
{
    return run("lpstat", {"-r"}).contains("scheduler is running");
}

// The pixels of `area` that are black or nearly.
int darkPixels(const QImage& picture, QRect area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            dark += std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 64;
        }
    return dark;
}

}  // namespace

// The built program in a real X window, clicked by xdotool like a child's
// mouse, and as a native Wayland client, each run with a session bus of the
// test's own as on a desktop. This covers what the headless tests cannot:
// the window system's own event path, the real window size, the cursors
// being made on a display, the ways a real run ends, a real run on a folder
// of odd files or on pages it may not read or write, one book for each page
// folder, and printing onto real printer queues. Every wait is for the thing
// itself: a window, a change on the screen, a file, the program's end.
class RealWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir home_;  // the Wayland client's
    QProcess weston_, program_, scheduler_;

    // The print system for a test: the one already running, or a scheduler
    // of the test's own, with queues "PDF" and "PDF-Spare" that write every
    // job as a PDF file into PDF/ under the user's home folder. False when
    // it is not installed.
    bool printSystem()
    {
        for (const char* tool : {"/usr/sbin/cupsd", "lpadmin", "pdfinfo", "pdftoppm", "pdfimages"})
            if (QStandardPaths::findExecutable(tool).isEmpty() && !QFile::exists(tool))
                return false;
        if (!schedulerRunning()) {
            scheduler_.start("/usr/sbin/cupsd", {"-f"});
            if (!QTest::qWaitFor(schedulerRunning, 10000))
                return false;
        }
        for (const QString queue : {"PDF", "PDF-Spare"})
            if (!run("lpstat", {"-p", queue}).startsWith("printer " + queue + ' '))
                run("lpadmin", {"-p", queue, "-E", "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"});
        if (run("lpstat", {"-d"}).contains("no system default"))
            run("lpadmin", {"-d", "PDF"});
        return true;
    }


private slots:
    void cleanup()
    {
        for (QProcess* process : {&program_, &weston_, &scheduler_})
            if (process->state() != QProcess::NotRunning) {
                process->terminate();
                if (!process->waitForFinished(5000))
                    process->kill();
            }
    }

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
            QSKIP("needs Xvfb, xdotool and dbus-daemon (./test.sh installs them)");
        QTemporaryDir pages;
        const bool fitting = scale != 1;
        test::RealBook book(QStringList{"--data-dir", pages.path()} + (fitting ? QStringList() : QStringList{"--scale", "1"}),
                            fitting ? QSize(1920, 1080) : QSize(1024, 768));
        QVERIFY2(!book.window.isEmpty(), "the window did not show");
        book.scale = scale;
        const QSize size = TwipsSize(frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight, scale);
        QVERIFY(book.Xdotool({"getwindowgeometry", book.window})
                    .contains(QStringLiteral("Geometry: %1x%2").arg(size.width()).arg(size.height())));

        QVERIFY(book.Click(HomeView::BarWidth, {1350, 2490, 1365, 1635}));    // tile "1"
        QVERIFY(book.Click(ContentsView::BarWidth, {100, 100, 2120, 1766}));  // the thumbnail of A
        QImage page = LoadPagePicture(0);
        QList<QPair<QPoint, int>> fills;
        for (int swatch : {7, 19, 31}) {
            const QPoint point = test::PointInside(page);
            fills.append({point, swatch});
            // Inked over, so that the next point lies in another area.
            FloodFill(reinterpret_cast<std::uint32_t*>(page.bits()), page.width(), page.height(),
                      page.bytesPerLine() / 4, point.x(), point.y(), ToQRgb(Black), ToQRgb(Black));
            QVERIFY(book.Click(0, PaintSwatches::SwatchPlace(swatch)));
            // The screen pixel whose middle lies on the page pixel's middle (or just past it).
            const QPoint scaled(int((point.x() + 0.5) * scale), int((point.y() + 0.5) * scale));
            QVERIFY(book.Click(QPoint(TwipsToPixels(ColouringView::BarWidth, scale), 0) + scaled));
        }
        const QString file = pages.filePath("b2f0p0.BMP");
        const auto stored = [&] {
            const QImage picture = LoadPicture(file);
            for (const auto& [point, swatch] : fills)
                if (picture.isNull() || FromQRgb(picture.pixel(point)) != DefaultPaint(swatch))
                    return false;
            return picture.size() == PageSize;
        };

        if (end == "exit") {
            QVERIFY(book.Click(0, {60, 180, 585, 465}));  // OK
            QVERIFY2(book.Exit(), "the program did not end well at Exit");
        } else if (end == "kill" || end == "display") {
            // Nothing is stored at such an end: the last fill is on disk a
            // moment after it was made.
            QTRY_VERIFY_WITH_TIMEOUT(stored(), 10000);
            end == "kill" ? book.program().kill() : book.StopDisplay();
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
        QVERIFY(stored());
    }

    // The built program on a copy's folder holding what a family's computer can
    // hold under page names: a FIFO, a link to /dev/zero, SVGs that take seconds
    // each to draw, and a parent's backup beside page A. The copy opens within
    // 10 s and under 600 MB, page A is coloured and stored, nothing else in the
    // folder is touched, and a secondary window shows its own caption exactly.
    void openAFolderOfOddFiles()
    {
        if (!test::RealBook::Possible())
            QSKIP("needs Xvfb, xdotool and dbus-daemon (./test.sh installs them)");
        QTemporaryDir folder;
        const QDir pages(folder.path());
        test::MakeOddFile(pages.filePath("b2f0p1.BMP"), "fifo");
        test::MakeOddFile(pages.filePath("b2f0p2.BMP"), "zeros");
        for (int page = 3; page < PageCount; ++page)
            test::MakeOddFile(pages.filePath(QStringLiteral("b2f0p%1.BMP").arg(page)), "slow svg");
        const QString backup = pages.filePath("b2f0p0.BMP.backup");
        test::WriteFile(backup, "a parent's copy of page A");
        test::AgeFile(backup, 24 * 3600);
        const QByteArray svg = test::ReadFile(pages.filePath("b2f0p25.BMP"));

        test::RealBook book({"--data-dir", pages.path(), "--scale", "1"});
        QVERIFY2(!book.window.isEmpty(), "the window did not show");
        book.ClickOnly(TwipsRect(QRect(870, 2100, 1080, 420), 1).center());  // "Name"
        const QString names = book.Xdotool({"search", "--sync", "--onlyvisible", "--name", "Vorlane"}).section(u'\n', 0, 0);
        QCOMPARE(book.Xdotool({"getwindowname", names}), QString("Vorlane Coloring Books"));
        book.Xdotool({"windowfocus", "--sync", names, "key", "Escape"});
        QTRY_VERIFY_WITH_TIMEOUT(book.Xdotool({"search", "--onlyvisible", "--name", "Vorlane"}).isEmpty(), 10000);

        const QPoint inside = test::PointInside(LoadPagePicture(0));
        QElapsedTimer opening;
        opening.start();
        QVERIFY(book.Click(HomeView::BarWidth, {1350, 2490, 1365, 1635}));    // tile "1"
        QVERIFY(book.Click(ContentsView::BarWidth, {100, 100, 2120, 1766}));  // page A, once the copy is open
        QVERIFY(book.Click(0, PaintSwatches::SwatchPlace(7)));                // red
        QVERIFY(book.Click(QPoint(TwipsToPixels(ColouringView::BarWidth, 1), 0) + inside));
        QVERIFY(book.Click(0, {60, 180, 585, 465}));  // OK
        const QString pageA = pages.filePath("b2f0p0.BMP");
        QVERIFY2(QTest::qWaitFor([&] { return QFileInfo::exists(pageA); }, 10000 - opening.elapsed()),
                 "the copy did not open within 10 s");
        QFile status(QStringLiteral("/proc/%1/status").arg(book.program().processId()));
        QVERIFY(status.open(QIODevice::ReadOnly));
        const QString peak = QString::fromLatin1(status.readAll()).split(u'\n').filter("VmHWM:").value(0);
        QVERIFY2(peak.section(' ', -2, -2).toLongLong() < 600 * 1024, qPrintable(peak));  // "VmHWM:  123456 kB"
        QVERIFY2(book.Exit(), "the program did not end well at Exit");

        QCOMPARE(FromQRgb(LoadPicture(pageA).pixel(inside)), Colour(255));
        QCOMPARE(test::ReadFile(backup), QByteArray("a parent's copy of page A"));
        QCOMPARE(test::KindOf(pages.filePath("b2f0p1.BMP")), QString("fifo"));
        QCOMPARE(test::KindOf(pages.filePath("b2f0p2.BMP")), QString("link"));
        QCOMPARE(test::ReadFile(pages.filePath("b2f0p25.BMP")), svg);
        QCOMPARE(pages.entryList(QDir::Files | QDir::System | QDir::Hidden).size(), PageCount + 1);
    }

    // The keyboard alone, on a 1920 x 1080 screen (the book at 2.5): Tab to
    // copy 1 and Return, Return on page A where the focus lands, the arrows
    // to a swatch and Return. The screen shows page A with that paint
    // chosen; OK and Exit by the keys store the page and end the run.
    void keyboardAlone()
    {
        if (!test::RealBook::Possible())
            QSKIP("needs Xvfb and xdotool (./test.sh installs them)");
        QTemporaryDir pages;
        test::RealBook book({"--data-dir", pages.path()}, QSize(1920, 1080));
        QVERIFY2(!book.window.isEmpty(), "the window did not show");
        const double scale = 2.5;
        book.Xdotool({"windowfocus", "--sync", book.window});
        const auto keys = [&](const QString& names) {
            for (const QString& name : names.split(u' '))
                book.Xdotool({"key", name});
            QTest::qWait(1500);  // the copy's pages load behind the first Return
        };
        keys("Tab Tab Tab Tab Tab Tab Tab Tab Return");  // the bar's six, the web address, tile 1
        keys("Return");                                  // page A
        keys("Down Right Return");                       // from swatch 2 down to 5, then 4

        QProcess grab;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", book.display);
        grab.setProcessEnvironment(env);
        grab.start("import", {"-window", book.window, "png:-"});
        QVERIFY(grab.waitForFinished(20000));
        const QImage screen = QImage::fromData(grab.readAllStandardOutput());
        QCOMPARE(screen.size(), TwipsSize(frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight, scale));
        const QRect swatch = TwipsRect(PaintSwatches::SwatchPlace(4), scale);
        QCOMPARE(FromQRgb(screen.pixel(swatch.left() + 3, swatch.center().y())), White);  // chosen: white
        QCOMPARE(FromQRgb(screen.pixel(swatch.center())), DefaultPaint(4));             // its colour in the marker
        // Page A where the colouring page stands: wherever the library page
        // is plainly white or black, the screen is too.
        const QImage a = LoadPagePicture(0);
        const QPoint page = TwipsPoint(ColouringView::BarWidth, 0, scale);
        int plain = 0, agreeing = 0;
        for (int y = 3; y < a.height() - 3; y += 4)
            for (int x = 3; x < a.width() - 3; x += 4) {
                const QRgb here = a.pixel(x, y);
                bool uniform = true;
                for (int dy = -3; dy <= 3 && uniform; ++dy)
                    for (int dx = -3; dx <= 3 && uniform; ++dx)
                        uniform = a.pixel(x + dx, y + dy) == here;
                if (!uniform)
                    continue;
                ++plain;
                const QPoint on = page + QPoint(int((x + 0.5) * scale), int((y + 0.5) * scale));
                agreeing += (qGray(screen.pixel(on)) > 128) == (qGray(here) > 128);
            }
        QVERIFY2(agreeing >= plain * 98 / 100, qPrintable(QStringLiteral("%1 of %2").arg(agreeing).arg(plain)));

        keys("shift+Tab shift+Tab shift+Tab Return");  // print, save, OK: the page is stored
        QVERIFY(QFile::exists(pages.filePath("b2f0p0.BMP")));
        keys("shift+Tab Return");  // from page A's thumbnail back to Exit
        QVERIFY(book.program().state() == QProcess::NotRunning || book.program().waitForFinished(10000));
        QCOMPARE(book.program().exitCode(), 0);
    }

    // The built program started more than once under a private X server, as a
    // child double-clicking its menu entry does: one book for each page
    // folder, also where a power cut left the folder's lock empty.
    void oneBookForEachFolder_data()
    {
        QTest::addColumn<QByteArray>("lock");  // the lock file before the starts; null: none
        QTest::newRow("no lock") << QByteArray();
        QTest::newRow("an empty lock") << QByteArray("");
    }
    void oneBookForEachFolder()
    {
        QFETCH(QByteArray, lock);
        if (!test::RealBook::Possible())
            QSKIP("needs Xvfb, xdotool and dbus-daemon (./test.sh installs them)");
        test::RealBook x;
        QVERIFY2(!x.display.isEmpty(), "Xvfb did not start");
        const auto start = [&](const char* pages) { return &x.Start({"--data-dir", x.home.filePath(pages)}); };
        // The book's visible main windows, and the one in front under the
        // middle of the screen, where both books open.
        const auto windows = [&] {
            return x.Xdotool({"search", "--onlyvisible", "--name", "Book 2: A to Z"}).split('\n', Qt::SkipEmptyParts);
        };
        const auto onTop = [&] { return x.Xdotool({"mousemove", "512", "384", "getmouselocation"}).section("window:", 1); };
        QDir(x.home.path()).mkpath("pages");
        if (!lock.isNull())
            test::WriteFile(x.home.filePath("pages/.atoz.lock"), lock);

        // Two starts at once on one folder: one hands over to the other and ends.
        QProcess* starts[] = {start("pages"), start("pages")};
        QTRY_VERIFY_WITH_TIMEOUT(starts[0]->state() == QProcess::NotRunning
                                     || starts[1]->state() == QProcess::NotRunning,
                                 20000);
        QProcess* second = starts[0]->state() == QProcess::NotRunning ? starts[0] : starts[1];
        QProcess* first = second == starts[0] ? starts[1] : starts[0];
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        const QString book = x.Xdotool({"search", "--sync", "--onlyvisible", "--name", "Book 2: A to Z"});
        QVERIFY2(!book.isEmpty(), "the first start shows no window");
        QCOMPARE(windows(), QStringList{book});
        QCOMPARE(first->state(), QProcess::Running);

        // Another folder is another book, in a window of its own, in front.
        QProcess* other = start("other");
        QTRY_COMPARE_WITH_TIMEOUT(windows().size(), 2, 15000);
        QStringList both = windows();
        both.removeAll(book);
        QTRY_COMPARE_WITH_TIMEOUT(onTop(), both.value(0), 5000);

        // A start on the first folder again brings its book to the front.
        QProcess* third = start("pages");
        QVERIFY(third->waitForFinished(10000));
        QCOMPARE(third->exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(onTop(), book, 5000);
        QCOMPARE(windows().size(), 2);
        QCOMPARE(other->state(), QProcess::Running);
    }

    // Ended by SIGTERM while the page cannot be stored, its folder made
    // read-only under it: the book ends at once with status 0, no message
    // waiting for a click, and says on standard error which page was not
    // stored and why. The book runs as another user, since root may write
    // anywhere.
    void endsAtOnceWhenThePageCannotBeStored()
    {
        if (!test::RealBook::Possible() || !::getpwnam("nobody"))
            QSKIP("needs Xvfb, xdotool, dbus-daemon and a user nobody");
        test::RealBook book({}, QSize(1024, 768), "nobody");
        const QString pages = book.home.filePath("pages");
        QVERIFY2(book.StartBook({"--data-dir", pages, "--scale", "1"}), "the window did not show");
        QVERIFY(book.Click(HomeView::BarWidth, {1350, 2490, 1365, 1635}));    // tile "1"
        QVERIFY(book.Click(ContentsView::BarWidth, {100, 100, 2120, 1766}));  // page A
        QVERIFY(book.Click(0, PaintSwatches::SwatchPlace(7)));
        QVERIFY(::chmod(QFile::encodeName(pages).constData(), 0555) == 0);
        QVERIFY(book.Click(QPoint(TwipsToPixels(ColouringView::BarWidth, 1), 0) + test::PointInside(LoadPagePicture(0))));

        ::kill(pid_t(book.program().processId()), SIGTERM);
        QVERIFY2(book.program().waitForFinished(2000), "the program did not end within 2 s");
        QCOMPARE(book.program().exitStatus(), QProcess::NormalExit);
        QCOMPARE(book.program().exitCode(), 0);
        const QString said = book.Errors(book.program());
        QVERIFY2(said.contains(QRegularExpression("b2f0p0\\.BMP was not written: Permission denied")), qPrintable(said));
    }

    // A stored page the book may not read is never replaced: its file is
    // set aside, unchanged, the parent is told once, and the page starts
    // blank; colouring it and OK store the new page under its own name.
    // The book runs as another user, since root may read anything.
    void aPageThatCannotBeReadIsKept()
    {
        if (!test::RealBook::Possible() || !::getpwnam("nobody"))
            QSKIP("needs Xvfb, xdotool, dbus-daemon and a user nobody");
        test::RealBook book({}, QSize(1024, 768), "nobody");
        const QDir pages(book.home.filePath("pages"));
        QVERIFY(pages.mkpath(".") && ::chown(QFile::encodeName(pages.path()).constData(), ::getpwnam("nobody")->pw_uid, 0) == 0);
        const QString pageA = pages.filePath("b2f0p0.BMP");
        QVERIFY(SavePicture(test::ColouredPage(0, 16711680), pageA));
        QVERIFY(QFile::setPermissions(pageA, QFile::ReadOwner | QFile::WriteOwner));  // root's alone
        const QByteArray colouring = test::ReadFile(pageA);

        QVERIFY2(book.StartBook({"--data-dir", pages.path(), "--scale", "1"}), "the window did not show");
        QVERIFY(book.Click(HomeView::BarWidth, {1350, 2490, 1365, 1635}));  // tile "1"
        const QString told = book.Xdotool({"search", "--sync", "--onlyvisible", "--name", "File Open Error"});
        QVERIFY2(!told.isEmpty(), "the parent was not told");
        book.Xdotool({"windowfocus", "--sync", told, "key", "Return"});
        QTRY_VERIFY_WITH_TIMEOUT(book.Xdotool({"search", "--onlyvisible", "--name", "File Open Error"}).isEmpty(), 10000);
        const QPoint inside = test::PointInside(LoadPagePicture(0));
        QVERIFY(book.Click(ContentsView::BarWidth, {100, 100, 2120, 1766}));  // page A, blank
        QVERIFY(book.Click(0, PaintSwatches::SwatchPlace(7)));
        QVERIFY(book.Click(QPoint(TwipsToPixels(ColouringView::BarWidth, 1), 0) + inside));
        QVERIFY(book.Click(0, {60, 180, 585, 465}));  // OK
        QVERIFY2(book.Exit(), "the program did not end well at Exit");

        const QString kept = pages.filePath("b2f0p0-unreadable.BMP");
        QCOMPARE(test::ReadFile(kept), colouring);
        struct stat status = {};
        QVERIFY(::stat(QFile::encodeName(kept).constData(), &status) == 0);
        QCOMPARE(status.st_uid, 0u);
        QCOMPARE(status.st_mode & 07777, 0600u);
        const QImage stored = LoadPicture(pageA);
        QCOMPARE(FromQRgb(stored.pixel(inside)), Colour(255));
        QCOMPARE(FromQRgb(stored.pixel(0, 0)), White);
    }

    // The built program as a native Wayland client, on a headless weston of the
    // test's own: the window shows at the scale that fits the screen, with the
    // home view in it, and SIGTERM ends the book as its close box does.
    void showsTheHomeViewAndEndsOnSigterm()
    {
        for (const char* tool : {"weston", "weston-screenshooter"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP("needs weston (./test.sh installs it)");
        const QSize screen(1280, 800);
        const QString socket = QStringLiteral("atoz-test-%1").arg(QCoreApplication::applicationPid());
        // Under LeakSanitizer: Qt's Wayland plugins are unloaded before the
        // leak check runs, so what they keep for the whole run shows up as
        // leaks of an unknown module. The book's own code is checked for
        // leaks by every other test.
        QProcessEnvironment env = test::ProgramEnvironment(home_, "detect_leaks=0");
        const test::SessionBus bus(home_.path());
        env.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
        env.insert("WAYLAND_DISPLAY", socket);
        env.insert("QT_QPA_PLATFORM", "wayland");
        env.remove("DISPLAY");  // no way back to X
        weston_.setProcessEnvironment(env);
        weston_.setProcessChannelMode(QProcess::MergedChannels);  // its log stays out of the test's
        weston_.start(QStringLiteral("weston"),
                      {"--backend=headless-backend.so", "--socket=" + socket, "--use-pixman", "--debug",
                       QStringLiteral("--width=%1").arg(screen.width()),
                       QStringLiteral("--height=%1").arg(screen.height())});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home_.filePath("runtime/" + socket)), 10000);
        program_.setProcessEnvironment(env);
        program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program_.start(QStringLiteral(ATOZ_PROGRAM), {"--data-dir", home_.filePath("pages")});
        QVERIFY(program_.waitForStarted());

        // The book fits the screen with a title bar: 1.75 on 1280 x 800, so
        // the first folder's tile shows at that scale. Its size, in weston's
        // screenshot, is that of the rows and columns mostly in its colour:
        // the name and number on it take a little, the window's icon has a
        // little of the colour too.
        const double scale = FittingScale(screen, frmRezivIdod::EstimatedFrame,
                                          {frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight});
        const auto tile = [&] {
            QTemporaryDir shots;
            QProcess shooter;
            shooter.setProcessEnvironment(env);
            shooter.setWorkingDirectory(shots.path());
            shooter.start(QStringLiteral("weston-screenshooter"), {});
            shooter.waitForFinished(10000);
            const QImage shot = QImage(shots.filePath(QDir(shots.path()).entryList({"*.png"}).value(0)))
                                    .convertToFormat(QImage::Format_RGB32);
            int rows = 0, width = 0;
            for (int y = 0; y < shot.height(); ++y) {
                int count = 0;
                for (int x = 0; x < shot.width(); ++x)
                    count += shot.pixel(x, y) == ToQRgb(FolderColour(0));
                rows += count >= 50;
                width = std::max(width, count);
            }
            return QSize(width, rows);
        };
        QTRY_COMPARE_WITH_TIMEOUT(tile(), TwipsSize(1365, 1635, scale), 20000);

        ::kill(pid_t(program_.processId()), SIGTERM);
        QVERIFY2(program_.waitForFinished(10000), "the program did not end at SIGTERM");
        QCOMPARE(program_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program_.exitCode(), 0);
    }

    // A coloured page printed: the queue's PDF holds one page in the chosen
    // orientation with the picture where the print arithmetic puts it, and
    // its outline drawn at the printer's resolution: every picture in the
    // PDF of less than 300 dots an inch is free of black, yet the sheet
    // shows the black outline.
    void printsWhereTheArithmeticSays_data()
    {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<bool>("fill");
        QTest::newRow("portrait, filled") << false << true;
        QTest::newRow("landscape, natural size") << true << false;
    }
    void printsWhereTheArithmeticSays()
    {
        QFETCH(bool, landscape);
        QFETCH(bool, fill);
        if (!printSystem())
            QSKIP("needs cups, printer-driver-cups-pdf and poppler-utils (./test.sh installs them)");
        QtPrinter printer("PDF");
        QVERIFY(printer.IsInstalled());
        const QImage picture = test::ColouredPage(0, 255);  // every area red
        const PrintChoices choices{landscape, fill, 4};
        // The PDF folder of the user the print system writes for: the home
        // folder the password database gives, which need not be $HOME.
        const passwd* user = getpwuid(getuid());
        const QDir pdfs(QString::fromLocal8Bit(user ? user->pw_dir : "/root") + "/PDF");
        const QStringList before = pdfs.entryList({"*.pdf"}, QDir::Files);
        QVERIFY(PrintColouredPage(printer, picture, choices, "A to Z test", OutlineFor(picture, 0)));
        const QRectF placed = PrintPage(picture.size(), printer.PageSize(), choices).twips.translated(
            printer.DrawingOrigin());

        QString pdf;
        const auto arrived = [&] {
            for (const QString& name : pdfs.entryList({"*.pdf"}, QDir::Files))
                if (!before.contains(name))
                    pdf = pdfs.filePath(name);
            return !pdf.isEmpty();
        };
        QVERIFY2(QTest::qWaitFor(arrived, 30000), "no PDF arrived from the print queue");
        // The file is complete once the queue has let it go.
        QString info;
        QVERIFY2(QTest::qWaitFor([&] { return (info = run("pdfinfo", {pdf})).contains("Pages:"); }, 30000),
                 qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        QTemporaryDir out;
        constexpr int Dpi = 36;
        run("pdftoppm", {"-r", QString::number(Dpi), "-png", "-singlefile", pdf, out.filePath("page")});
        const QStringList images = run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        run("pdfimages", {"-png", pdf, out.filePath("image")});
        QFile::remove(pdf);
        for (int i = 0; i < images.size(); ++i) {
            const QStringList columns = images[i].split(' ', Qt::SkipEmptyParts);  // x-ppi and y-ppi are 13th and 14th
            if (std::min(columns.value(12).toInt(), columns.value(13).toInt()) >= 300)
                continue;
            const QImage image(out.filePath(QStringLiteral("image-%1.png").arg(i, 3, 10, QChar('0'))));
            QVERIFY(!image.isNull());
            QCOMPARE(darkPixels(image, image.rect()), 0);
        }
        QImage sheet(out.filePath("page.png"));
        QVERIFY(!sheet.isNull());
        // A landscape page arrives either on a landscape sheet or, as the
        // print system hands it to a printer, turned a quarter onto upright
        // paper; turned back, both read the same.
        if (landscape && sheet.height() > sheet.width())
            sheet = sheet.transformed(QTransform().rotate(90));
        QCOMPARE(sheet.width() > sheet.height(), landscape);
        // Red just in from the picture's corners (its outside area), white
        // in the margin before it and on the paper beyond it.
        const QPointF in(placed.width() * 0.03, placed.height() * 0.03), out200(200, 200);
        const std::pair<QPointF, QRgb> probes[] = {{placed.topLeft() + in, qRgb(255, 0, 0)},
                                                   {placed.bottomRight() - in, qRgb(255, 0, 0)},
                                                   {placed.topLeft() - out200, qRgb(255, 255, 255)},
                                                   {placed.bottomRight() + out200, qRgb(255, 255, 255)}};
        for (const auto& [twips, expected] : probes) {
            const QRgb pixel = sheet.pixel((twips * Dpi / 1440).toPoint());
            QVERIFY2(std::max({qAbs(qRed(pixel) - qRed(expected)), qAbs(qGreen(pixel) - qGreen(expected)),
                               qAbs(qBlue(pixel) - qBlue(expected))}) < 40,
                     qPrintable(QStringLiteral("wrong colour at %1,%2 twips").arg(twips.x()).arg(twips.y())));
        }
        QVERIFY(darkPixels(sheet, QRectF(placed.topLeft() * Dpi / 1440, placed.size() * Dpi / 1440).toRect()) > 100);
    }

    // Printer Setup is a setup dialog, not a print dialog, and picking
    // another printer in it counts only with OK.
    void printerSetup_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("printer");
        QTest::newRow("Cancel") << false << "PDF";
        QTest::newRow("OK") << true << "PDF-Spare";
    }
    void printerSetup()
    {
        QFETCH(bool, accept);
        if (!printSystem())
            QSKIP("needs cups, printer-driver-cups-pdf and poppler-utils (./test.sh installs them)");
        QtPrinter printer("PDF");
        const auto answered = test::WhenModal<QDialog>([accept](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Printer Setup"));
            QCOMPARE(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text(), QString("OK"));
            for (QComboBox* list : dialog->findChildren<QComboBox*>())
                if (const int spare = list->findText("PDF-Spare"); spare >= 0)
                    list->setCurrentIndex(spare);
            accept ? dialog->accept() : dialog->reject();
        });
        printer.ChoosePrinter(nullptr);
        QTEST(printer.DeviceName(), "printer");
    }

    // In a terminal with no display at all, the book still tells its
    // version and its options.
    // The language of a run, on a German desktop: the system's, else the
    // one a parent set in the settings file, else --lang; the home view and
    // its title speak it from the first frame.
    void speaksTheFamilysLanguage_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("option");
        QTest::addColumn<QString>("title");
        QTest::newRow("the system's") << "" << QStringList() << "Buch 2: A bis Z";
        QTest::newRow("the setting over the system") << "it" << QStringList() << "Libro 2: dalla A alla Z";
        QTest::newRow("--lang over the setting") << "it" << QStringList{"--lang", "nl"} << "Boek 2: van A tot Z";
    }
    void speaksTheFamilysLanguage()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, option);
        if (!test::RealBook::Possible())
            QSKIP("needs Xvfb and xdotool (./test.sh installs them)");
        test::RealBook x;
        QVERIFY2(!x.display.isEmpty(), "Xvfb did not start");
        x.environment = {{"LANGUAGE", "de"}, {"LANG", "de_DE.UTF-8"}};
        if (!setting.isEmpty()) {
            QDir(x.home.path()).mkpath("config/Vorlane");
            test::WriteFile(x.home.filePath("config/Vorlane/RezivIdod.ini"), "[Display]\nLanguage=" + setting.toUtf8() + '\n');
        }
        x.Start(QStringList{"--data-dir", x.home.filePath("pages")} + option);
        QFETCH(QString, title);
        QVERIFY2(!x.Xdotool({"search", "--sync", "--onlyvisible", "--name", '^' + title + '$'}).isEmpty(),
                 qPrintable("no window titled " + title));
    }

    void answersInATerminal_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("answer");
        QTest::newRow("version") << "--version" << "A to Z 1.0.0\n";
        QTest::newRow("help") << "--help" << "--data-dir <directory>";
    }
    void answersInATerminal()
    {
        QFETCH(QString, option);
        QFETCH(QString, answer);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ATOZ_PROGRAM), {option});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QString said = QString::fromLocal8Bit(program.readAllStandardOutput());
        QVERIFY2(option == "--version" ? said == answer : said.contains(answer), qPrintable(said));
    }

    // A kiosk's bare X session, with no window manager to grant full screen,
    // and an adult's system file that keeps the book full screen: the book
    // covers the whole screen itself, and F11 leaves it so.
    void fullScreenWithoutAWindowManager()
    {
        if (!test::RealBook::Possible())
            QSKIP("needs Xvfb and xdotool (./test.sh installs them)");
        const QSize screen(1280, 800);
        test::RealBook x({}, screen);
        QVERIFY2(!x.display.isEmpty(), "Xvfb did not start");
        QDir(x.home.path()).mkpath("xdg/Vorlane");
        test::WriteFile(x.home.filePath("xdg/Vorlane/RezivIdod.ini"), "[Locked]\nFullScreen=True\n");
        x.Start({"--data-dir", x.home.filePath("pages"), "--windowed"});
        const QString window = x.Xdotool({"search", "--sync", "--onlyvisible", "--name", "Book 2: A to Z"});
        QVERIFY2(!window.isEmpty(), "the window did not show");
        const QString covering = QStringLiteral("Position: 0,0 (screen: 0)\n  Geometry: %1x%2").arg(screen.width()).arg(screen.height());
        QTRY_VERIFY_WITH_TIMEOUT(x.Xdotool({"getwindowgeometry", window}).contains(covering), 10000);
        x.Xdotool({"key", "--window", window, "F11"});
        QTest::qWait(1000);  // nothing is to happen: time for it not to
        QVERIFY(x.Xdotool({"getwindowgeometry", window}).contains(covering));
    }
};

QTEST_MAIN(RealWindowTest)
#include "tst_realwindow.moc"
