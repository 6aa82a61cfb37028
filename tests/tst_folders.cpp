#include "folders/folderstore.h"
#include "folders/thumbnailfit.h"
#include "mainwindow/contentsgrid.h"
#include "pages/pagelibrary.h"
#include "platform/picture.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace atoz;

using test::WriteFile;

class FoldersTest : public QObject
{
    Q_OBJECT

private slots:
    void damagedFileFallsBackToTheLibrary()
    {
        // Every kind of unreadable picture is a case of the picture loader's
        // tests; here, that the folder falls back and leaves the file alone.
        QTemporaryDir dir;
        FolderStore store(dir.path());
        WriteFile(store.FolderPageFileName(6, 2), "BM but not a bitmap");
        QCOMPARE(store.LoadFolderPage(6, 2), LoadPagePicture(2));
        QCOMPARE(QFileInfo(store.FolderPageFileName(6, 2)).size(), qint64(19));
    }

    void storeRemovesOnlyItsOwnStaleTemporaries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        QTest::newRow("left by a killed write") << "b2f1p17.BMP.EOuxqz" << true;
        QTest::newRow("another page's") << "b2f1p16.BMP.EOuxqz" << false;
        QTest::newRow("another folder's") << "b2f2p17.BMP.EOuxqz" << false;
        QTest::newRow("five letters") << "b2f1p17.BMP.EOuxq" << false;
        QTest::newRow("seven letters") << "b2f1p17.BMP.EOuxqzz" << false;
        QTest::newRow("a digit") << "b2f1p17.BMP.EOux7z" << false;
        QTest::newRow("another separator") << "b2f1p17.BMP-EOuxqz" << false;
        QTest::newRow("other case") << "B2F1P17.BMP.EOuxqz" << false;
        QTest::newRow("name inside") << "xb2f1p17.BMP.EOuxqz" << false;
        QTest::newRow("unrelated") << "notes.txt" << false;
    }
    void storeRemovesOnlyItsOwnStaleTemporaries()
    {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        const QString page = dir.filePath("b2f1p17.BMP");
        WriteFile(page, "the earlier page");
        WriteFile(dir.filePath(name), "a full-size page");
        const QImage coloured = test::ColouredPage(17, 255);
        QVERIFY(FolderStore(dir.path()).StorePage(1, 17, coloured));
        QCOMPARE(LoadPicture(page), coloured);
        QStringList left{"b2f1p17.BMP"};
        if (!removed)
            left.append(name);
        left.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), left);
    }

    void thumbnailFit_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("page") << QSize(480, 400) << QRect(0, 0, 141, 118);
        QTest::newRow("portrait") << QSize(400, 480) << QRect(21, 0, 98, 118);
        QTest::newRow("smaller wide") << QSize(240, 100) << QRect(0, 29, 141, 59);
        QTest::newRow("small square") << QSize(50, 50) << QRect(11, 0, 118, 118);
        QTest::newRow("large square") << QSize(500, 500) << QRect(11, 0, 118, 118);
        QTest::newRow("squarer than the cell") << QSize(480, 420) << QRect(3, 0, 135, 118);
        QTest::newRow("no picture") << QSize() << QRect(0, 0, 141, 118);
    }
    void thumbnailFit()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, placed);
        QCOMPARE(FitThumbnail(picture), placed);
    }

    void contentsGrid_data()
    {
        QTest::addColumn<int>("sheetWidth");
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("sheetHeight");
        QTest::addColumn<int>("scrollMax");
        QTest::addColumn<QPoint>("lastBox");
        QTest::newRow("three columns") << 6765 << 6065 << 3 << 9 << 16894 << 6 << QPoint(2320, 15028);
        QTest::newRow("just under three") << 6660 << 6065 << 2 << 13 << 24358 << 10 << QPoint(2320, 22492);
        QTest::newRow("all rows fit") << 6765 << 17000 << 3 << 9 << 16894 << DisabledScrollMax << QPoint(2320, 15028);
    }
    void contentsGrid()
    {
        QFETCH(int, sheetWidth);
        QFETCH(int, pageHeight);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, sheetHeight);
        QFETCH(int, scrollMax);
        QFETCH(QPoint, lastBox);
        const ContentsGrid grid = ShowContentsGrid(sheetWidth, pageHeight, 26);
        QCOMPARE(grid.columns, columns);
        QCOMPARE(grid.rows, rows);
        QCOMPARE(grid.sheetHeight, sheetHeight);
        QCOMPARE(grid.scrollMax, scrollMax);
        QCOMPARE(grid.scrollEnabled, scrollMax != DisabledScrollMax);
        QCOMPARE(int(grid.boxes.size()), 26);
        QCOMPARE(grid.boxes.front(), QPoint(100, 100));
        QCOMPARE(grid.boxes.back(), lastBox);
    }
};

QTEST_GUILESS_MAIN(FoldersTest)
#include "tst_folders.moc"
