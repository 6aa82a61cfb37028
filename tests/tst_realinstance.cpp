#include "support/testsupport.h"

#include <QtTest>

using namespace atoz;

// The built program started more than once under a private X server, as a
// child double-clicking its menu entry does: one book for each page folder.
class RealInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void oneBookForEachFolder()
    {
        if (!test::RealBook::Possible())
            QSKIP("needs Xvfb and xdotool (./test.sh installs them)");
        test::RealBook x;
        QVERIFY2(!x.display.isEmpty(), "Xvfb did not start");
        const auto start = [&](const char* pages) { return &x.Start({"--data-dir", x.home.filePath(pages)}); };
        // The book's visible main windows, and the one in front under the
        // middle of the screen, where both books open.
        const auto windows = [&] {
            return x.Xdotool({"search", "--onlyvisible", "--name", "Book 2: A to Z"}).split('\n', Qt::SkipEmptyParts);
        };
        const auto onTop = [&] { return x.Xdotool({"mousemove", "512", "384", "getmouselocation"}).section("window:", 1); };

        // Two starts 0.3 s apart on one folder: the second hands over and ends.
        QProcess* first = start("pages");
        QTest::qWait(300);
        QProcess* second = start("pages");
        QVERIFY2(second->waitForFinished(10000), "the second start did not end");
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        const QString book = x.Xdotool({"search", "--sync", "--onlyvisible", "--name", "Book 2: A to Z"});
        QVERIFY2(!book.isEmpty(), "the first start shows no window");
        QTest::qWait(1000);
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
};

QTEST_GUILESS_MAIN(RealInstanceTest)
#include "tst_realinstance.moc"
