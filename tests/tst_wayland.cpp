#include "folders/folderstore.h"
#include "mainwindow/mainwindow.h"
#include "platform/bookscale.h"
#include "platform/colour.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace atoz;

// The built program as a native Wayland client, on a headless weston of the
// test's own: the window shows at the scale that fits the screen, with the
// home view in it, and SIGTERM ends the book as its close box does.
class WaylandTest : public QObject
{
    Q_OBJECT

    QTemporaryDir home_;
    QProcess weston_, program_;

private slots:
    void cleanup()
    {
        for (QProcess* process : {&program_, &weston_})
            if (process->state() != QProcess::NotRunning) {
                process->terminate();
                if (!process->waitForFinished(5000))
                    process->kill();
            }
    }

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
        SetTwipsScale(FittingScale(screen, frmRezivIdod::EstimatedFrame,
                                   {frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight}));
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
        QTRY_COMPARE_WITH_TIMEOUT(tile(), TwipsSize(1365, 1635), 20000);

        ::kill(pid_t(program_.processId()), SIGTERM);
        QVERIFY2(program_.waitForFinished(10000), "the program did not end at SIGTERM");
        QCOMPARE(program_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program_.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(WaylandTest)
#include "tst_wayland.moc"
