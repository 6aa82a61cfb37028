#include "support/testsupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace atoz;

// The built program started more than once under a private X server, as a
// child double-clicking its menu entry does: one book for each page folder.
class RealInstanceTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::XServer> server_;
    QTemporaryDir home_;
    std::vector<std::unique_ptr<QProcess>> programs_;

    QString xdotool(const QStringList& arguments) { return server_->Xdotool(arguments); }
    // The book's visible main windows, by their X window ids.
    QStringList windows()
    {
        return xdotool({"search", "--onlyvisible", "--name", "Book 2: A to Z"}).split('\n', Qt::SkipEmptyParts);
    }

    // The window under the middle of the screen, where both books open: the
    // one in front.
    QString windowOnTop()
    {
        const QString at = xdotool({"mousemove", "512", "384", "getmouselocation"});
        return at.section("window:", 1).trimmed();
    }

    QProcess& start(const QString& pages)
    {
        auto& program = programs_.emplace_back(std::make_unique<QProcess>());
        program->setProcessEnvironment(test::XEnvironment(home_, server_->display()));
        program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program->start(QStringLiteral(ATOZ_PROGRAM), {"--data-dir", home_.filePath(pages)});
        return *program;
    }

private slots:
    void oneBookForEachFolder()
    {
        if (!test::RealBook::Possible())
            QSKIP("needs Xvfb and xdotool (./test.sh installs them)");
        server_ = std::make_unique<test::XServer>();
        QVERIFY2(!server_->display().isEmpty(), "Xvfb did not start");

        // Two starts 0.3 s apart on one folder: the second hands over and ends.
        QProcess& first = start("pages");
        QTest::qWait(300);
        QProcess& second = start("pages");
        QVERIFY2(second.waitForFinished(10000), "the second start did not end");
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        const QString book = xdotool({"search", "--sync", "--onlyvisible", "--name", "Book 2: A to Z"});
        QVERIFY2(!book.isEmpty(), "the first start shows no window");
        QTest::qWait(1000);
        QCOMPARE(windows(), QStringList{book});
        QCOMPARE(first.state(), QProcess::Running);

        // Another folder is another book, in a window of its own.
        QProcess& other = start("other");
        QTRY_COMPARE_WITH_TIMEOUT(windows().size(), 2, 15000);
        QStringList both = windows();
        both.removeAll(book);
        const QString otherBook = both.value(0);
        QTRY_COMPARE_WITH_TIMEOUT(windowOnTop(), otherBook, 5000);

        // A start on the first folder again brings its book to the front.
        QProcess& third = start("pages");
        QVERIFY(third.waitForFinished(10000));
        QCOMPARE(third.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(windowOnTop(), book, 5000);
        QCOMPARE(windows().size(), 2);
        QCOMPARE(other.state(), QProcess::Running);
    }

    // Every book started here ends before its X server does.
    void cleanup()
    {
        for (const auto& program : programs_) {
            program->kill();
            program->waitForFinished(5000);
        }
        programs_.clear();
        server_.reset();
    }
};

QTEST_GUILESS_MAIN(RealInstanceTest)
#include "tst_realinstance.moc"
