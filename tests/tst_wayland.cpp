#include "folders/folderstore.h"
#include "mainwindow/homeview.h"
#include "mainwindow/mainwindow.h"
#include "platform/bookscale.h"
#include "platform/colour.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace atoz;

namespace {

constexpr QSize Screen(1280, 800);

}  // namespace

// The built program as a native Wayland client, on a headless weston of the
// test's own: the window shows at the size that fits the screen with the
// home view in it, and SIGTERM ends the book as its close box does.
class WaylandTest : public QObject
{
    Q_OBJECT

    QTemporaryDir home_;
    QProcess weston_;
    QProcess program_;
    QString socket_;

    QProcessEnvironment environment() const
    {
        // Under LeakSanitizer: Qt's Wayland plugins are unloaded before the
        // leak check runs, so what they keep for the whole run shows up as
        // leaks of an unknown module. The book's own code is checked for
        // leaks by every other test.
        QProcessEnvironment env = test::ProgramEnvironment(home_, "detect_leaks=0");
        env.insert("WAYLAND_DISPLAY", socket_);
        env.insert("QT_QPA_PLATFORM", "wayland");
        env.remove("DISPLAY");  // no way back to X
        return env;
    }

    // The whole screen, as weston's screenshooter writes it.
    QImage screenshot()
    {
        QTemporaryDir shots;
        QProcess shooter;
        shooter.setProcessEnvironment(environment());
        shooter.setWorkingDirectory(shots.path());
        shooter.start(QStringLiteral("weston-screenshooter"), {});
        if (!shooter.waitForFinished(10000) || shooter.exitCode() != 0)
            return {};
        const QStringList files = QDir(shots.path()).entryList({"*.png"});
        return files.isEmpty() ? QImage() : QImage(shots.filePath(files.first())).convertToFormat(QImage::Format_RGB32);
    }

    // Where the first folder's tile shows: the box of the rows and columns
    // that are mostly its colour (the window's icon has a little of it too).
    static QRect tileOf(const QImage& shot)
    {
        const QRgb colour = ToQRgb(FolderColour(0));
        constexpr int Most = 50;
        QList<int> rows;
        for (int y = 0; y < shot.height(); ++y) {
            int count = 0;
            for (int x = 0; x < shot.width(); ++x)
                count += shot.pixel(x, y) == colour;
            if (count >= Most)
                rows.append(y);
        }
        QRect box;
        for (int x = 0; x < shot.width() && !rows.isEmpty(); ++x) {
            int count = 0;
            for (int y : rows)
                count += shot.pixel(x, y) == colour;
            if (count >= Most)
                box |= QRect(x, rows.first(), 1, rows.last() - rows.first() + 1);
        }
        return box;
    }

private slots:
    void initTestCase()
    {
        for (const char* tool : {"weston", "weston-screenshooter"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP("needs weston (./test.sh installs it)");
        socket_ = QStringLiteral("atoz-test-%1").arg(QCoreApplication::applicationPid());
        weston_.setProcessEnvironment(environment());
        weston_.setProcessChannelMode(QProcess::MergedChannels);  // its log stays out of the test's
        weston_.start(QStringLiteral("weston"),
                      {"--backend=headless-backend.so", "--socket=" + socket_, "--use-pixman", "--debug",
                       QStringLiteral("--width=%1").arg(Screen.width()),
                       QStringLiteral("--height=%1").arg(Screen.height())});
        QVERIFY(weston_.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home_.filePath("runtime/" + socket_)), 10000);
    }
    void cleanupTestCase()
    {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished(3000);
        }
        if (weston_.state() != QProcess::NotRunning) {
            weston_.terminate();
            if (!weston_.waitForFinished(5000))
                weston_.kill();
        }
    }

    void showsTheHomeViewAndEndsOnSigterm()
    {
        program_.setProcessEnvironment(environment());
        program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program_.start(QStringLiteral(ATOZ_PROGRAM), {"--data-dir", home_.filePath("pages")});
        QVERIFY(program_.waitForStarted());

        // The book fits the screen with a title bar: 1.75 on 1280 x 800.
        SetTwipsScale(FittingScale(Screen, frmRezivIdod::EstimatedFrame,
                                   {frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight}));
        QCOMPARE(TwipsScale(), 1.75);
        QImage shot;
        QRect tile;
        QElapsedTimer waited;
        waited.start();
        while (tile.size() != TwipsSize(1365, 1635) && waited.elapsed() < 20000) {
            QTest::qWait(500);
            shot = screenshot();
            tile = tileOf(shot);
        }
        QVERIFY2(!shot.isNull(), "weston-screenshooter gave no picture");
        QCOMPARE(tile.size(), TwipsSize(1365, 1635));

        // The book from the tile's place: black all round its edge, and not
        // black just past its right and bottom edges, where the window ends.
        const QRect book(tile.topLeft() - TwipsPoint(HomeView::BarWidth + 1350, 2490),
                         TwipsSize(frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight));
        QVERIFY(shot.rect().contains(book));
        auto black = [&shot](int x, int y) { return shot.pixel(x, y) == qRgb(0, 0, 0); };
        int outsideBlack = 0;
        for (int x = book.left(); x <= book.right(); ++x) {
            QVERIFY(black(x, book.top()) && black(x, book.bottom()));
            outsideBlack += book.bottom() + 1 < shot.height() && black(x, book.bottom() + 1);
        }
        for (int y = book.top() + TwipsToPixels(1000); y <= book.bottom(); ++y) {  // below the Exit picture
            QVERIFY(black(book.left(), y) && black(book.right(), y));
            outsideBlack += book.right() + 1 < shot.width() && black(book.right() + 1, y);
        }
        QCOMPARE(outsideBlack, 0);
        // The home view: the eight tiles in their folders' colours.
        for (int i = 0; i < FolderCount; ++i) {
            const QRect tileTwips = {i < 4 ? 1350 + 1440 * i : 1350 + 1440 * (i - 4), i < 4 ? 2490 : 4230, 1365, 1635};
            const QPoint middle = book.topLeft() + TwipsPoint(HomeView::BarWidth, 0) + TwipsRect(tileTwips).topLeft()
                + TwipsPoint(100, 100);
            QCOMPARE(shot.pixel(middle), ToQRgb(FolderColour(i)));
        }

        ::kill(pid_t(program_.processId()), SIGTERM);
        QVERIFY2(program_.waitForFinished(10000), "the program did not end at SIGTERM");
        QCOMPARE(program_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program_.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(WaylandTest)
#include "tst_wayland.moc"
