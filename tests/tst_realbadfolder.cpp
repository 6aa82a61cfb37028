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
#include <QtTest>

using namespace atoz;

// The built program on a copy's folder holding what a family's computer can
// hold under page names: a FIFO, a link to /dev/zero, SVGs that take seconds
// each to draw, and a parent's backup beside page A. The copy opens within
// 10 s and under 600 MB, page A is coloured and stored, nothing else in the
// folder is touched, and a secondary window shows its own caption exactly.
class RealBadFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void openAFolderOfOddFiles()
    {
        if (!test::RealBook::Possible())
            QSKIP("needs Xvfb and xdotool (./test.sh installs them)");
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
        book.Click(0, {870, 2100, 1080, 420});  // "Name"
        const QString names = book.Xdotool({"search", "--sync", "--onlyvisible", "--name", "Vorlane"});
        QCOMPARE(book.Xdotool({"getwindowname", names.section(u'\n', 0, 0)}), QString("Vorlane Coloring Books"));
        book.Xdotool({"key", "Escape"});

        // The clicks wait in line behind the opening of the copy, so page A
        // is stored only once the copy is open.
        const QPoint inside = test::PointInside(LoadPagePicture(0));
        QElapsedTimer opening;
        opening.start();
        book.Click(HomeView::BarWidth, {1350, 2490, 1365, 1635});    // tile "1"
        book.Click(ContentsView::BarWidth, {100, 100, 2120, 1766});  // page A
        book.Click(0, PaintSwatches::SwatchPlace(7));                // red
        book.Click(QPoint(TwipsToPixels(ColouringView::BarWidth), 0) + inside);
        book.Click(0, {60, 180, 585, 465});  // OK
        const QString pageA = pages.filePath("b2f0p0.BMP");
        while (!QFileInfo::exists(pageA) && opening.elapsed() < 10000)
            QTest::qWait(100);
        QVERIFY2(QFileInfo::exists(pageA), "the copy did not open within 10 s");
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
};

QTEST_GUILESS_MAIN(RealBadFolderTest)
#include "tst_realbadfolder.moc"
