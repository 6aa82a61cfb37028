#include "mainwindow/colouringview.h"
#include "mainwindow/contentsview.h"
#include "mainwindow/homeview.h"
#include "palette/paintswatches.h"
#include "pages/pagelibrary.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace atoz;

namespace {

QPoint middle(int leftPixels, QRect twips)
{
    return QPoint(leftPixels, 0) + TwipsRect(twips).center();
}

// The largest memory the process has held, in megabytes.
qint64 peakMegabytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() / 1024;
    return -1;
}

}  // namespace

// The built program on a copy's folder that holds what a family's computer
// can hold under page names: a FIFO, a link to /dev/zero, SVGs that take
// seconds each to draw, and a parent's backup beside a page. Opening the copy
// must finish within 10 s and stay under 600 MB; page A is coloured and stored
// as always, and nothing else in the folder is touched. A secondary window
// shows its caption exactly.
class RealBadFolderTest : public QObject
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
        QTest::qWait(700);  // longer than a double-click
    }

private slots:
    void openAFolderOfOddFiles()
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
        QDir(home.path()).mkpath("pages");
        const QDir pages(home.filePath("pages"));
        test::MakeOddFile(pages.filePath("b2f0p1.BMP"), test::OddFile::Fifo);
        test::MakeOddFile(pages.filePath("b2f0p2.BMP"), test::OddFile::Zeros);
        for (int page = 3; page < PageCount; ++page)
            test::MakeOddFile(pages.filePath(QStringLiteral("b2f0p%1.BMP").arg(page)), test::OddFile::SlowSvg);
        const QString backup = pages.filePath("b2f0p0.BMP.backup");
        test::WriteFile(backup, "a parent's copy of page A");
        test::AgeFile(backup, 24 * 3600);
        const QByteArray svg = test::ReadFile(pages.filePath("b2f0p3.BMP"));

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        if (env.contains("ASAN_OPTIONS"))  // see tst_realwindow
            env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":strict_string_checks=0");
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(ATOZ_PROGRAM), {"--data-dir", pages.path()});
        QVERIFY(program.waitForStarted());

        const QString window = xdotool({"search", "--sync", "--onlyvisible", "--name", "Book 2: A to Z"}).section('\n', 0, 0);
        QVERIFY2(!window.isEmpty(), "the window did not show");
        QTest::qWait(500);

        // The names window's caption, exactly as the book words it.
        clickAt(window, middle(0, {870, 2100, 1080, 420}));  // "Name"
        const QString names = xdotool({"search", "--sync", "--onlyvisible", "--name", "Vorlane"}).section('\n', 0, 0);
        QCOMPARE(xdotool({"getwindowname", names}), QString("Vorlane Coloring Books"));
        xdotool({"key", "Escape"});
        QTest::qWait(700);

        // Open copy 1 and colour page A. The clicks wait in line behind the
        // opening, so the page is stored only once the copy is open.
        const QPoint inside = test::PointInside(LoadPagePicture(0));
        QElapsedTimer opening;
        opening.start();
        clickAt(window, middle(TwipsToPixels(HomeView::BarWidth), {1350, 2490, 1365, 1635}));  // tile "1"
        clickAt(window, middle(TwipsToPixels(ContentsView::BarWidth), {100, 100, 2120, 1766}));  // page A
        clickAt(window, middle(0, PaintSwatches::SwatchPlace(7)));  // red
        clickAt(window, QPoint(TwipsToPixels(ColouringView::BarWidth), 0) + inside);
        clickAt(window, middle(0, {60, 180, 585, 465}));  // OK
        const QString pageA = pages.filePath("b2f0p0.BMP");
        while (!QFileInfo::exists(pageA) && opening.elapsed() < 10000)
            QTest::qWait(100);
        QVERIFY2(QFileInfo::exists(pageA), "the copy did not open within 10 s");
        const qint64 peak = peakMegabytes(program.processId());
        QVERIFY2(peak > 0 && peak < 600, qPrintable(QStringLiteral("%1 MB").arg(peak)));

        clickAt(window, middle(0, {150, 5190, 1785, 585}));  // Exit
        QVERIFY2(program.state() == QProcess::NotRunning || program.waitForFinished(10000),
                 "the program did not end at Exit");
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(FromQRgb(LoadPicture(pageA).pixel(inside)), Colour(255));
        QCOMPARE(test::ReadFile(backup), QByteArray("a parent's copy of page A"));
        QCOMPARE(test::KindOf(pages.filePath("b2f0p1.BMP")), QString("fifo"));
        QCOMPARE(test::KindOf(pages.filePath("b2f0p2.BMP")), QString("link"));
        QCOMPARE(test::ReadFile(pages.filePath("b2f0p25.BMP")), svg);
        QCOMPARE(pages.entryList(QDir::Files | QDir::System | QDir::Hidden).size(), PageCount + 1);
    }
};

QTEST_GUILESS_MAIN(RealBadFolderTest)
#include "tst_realbadfolder.moc"
