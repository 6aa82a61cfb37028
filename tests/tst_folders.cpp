#include "folders/foldermodel.h"
#include "folders/folderstore.h"
#include "folders/thumbnailfit.h"
#include "mainwindow/contentsgrid.h"
#include "pages/pagelibrary.h"
#include "platform/picture.h"
#include "support/testsupport.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace atoz;

using test::WriteFile;

namespace {

// The open copy of a fresh folder with page A up for colouring, and where a
// click lands inside one of its areas and on its outline.
struct OpenBook
{
    QTemporaryDir dir;
    FolderModel model;
    QSignalSpy written{&model, &FolderModel::backgroundStoreFinished};
    const QPoint inside = test::PointInside(LoadPagePicture(0));

    explicit OpenBook(const QString& directory = QString()) : model(directory.isEmpty() ? dir.path() : directory)
    {
        model.LoadFolderPages(0);
        model.OpenPage(0);
    }
    // "r" and "b" fill the area with red or blue, "u" undoes, "#" clicks the
    // outline, "w" waits for the write under way to end.
    void Do(const QString& step)
    {
        if (step == "u")
            model.colouringPage().UndoLastFill();
        else if (step == "#")
            model.colouringPage().FillArea(inside.x(), outline(), 255);
        else if (step == "w")
            QVERIFY(written.wait(3000));
        else
            model.colouringPage().FillArea(inside.x(), inside.y(), step == "r" ? 255 : 16711680);
    }
    // The first outline pixel above the point inside.
    int outline() const
    {
        int y = inside.y();
        while (FromQRgb(model.colouringPage().image().pixel(inside.x(), y)) != Black)
            --y;
        return y;
    }
    // The stored page's colour inside the area: 'r', 'b', '.' (white) or '-' (no file).
    QChar Stored()
    {
        const QImage page = LoadPicture(model.store().FolderPageFileName(0, 0));
        return page.isNull() ? u'-' : test::RowsOf(page.copy(QRect(inside, QSize(1, 1)))).value(0).at(0);
    }
};

}  // namespace

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

    // The page being coloured follows each change onto disk by itself, a
    // burst of clicks as one write.
    void changesAreStoredInTheBackground_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("writes");
        QTest::addColumn<QChar>("stored");
        QTest::newRow("a fill") << QStringList{"r"} << 1 << QChar(u'r');
        QTest::newRow("a burst is one write") << QStringList{"r", "b", "r", "b"} << 1 << QChar(u'b');
        QTest::newRow("an undo after a store") << QStringList{"r", "w", "u"} << 2 << QChar(u'.');
        QTest::newRow("an undo before the store") << QStringList{"r", "u"} << 1 << QChar(u'.');
        QTest::newRow("a click on the outline") << QStringList{"#"} << 0 << QChar(u'-');
        QTest::newRow("an undo with nothing to undo") << QStringList{"u"} << 0 << QChar(u'-');
    }
    void changesAreStoredInTheBackground()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, writes);
        QFETCH(QChar, stored);
        OpenBook book;
        for (const QString& step : steps)
            book.Do(step);
        if (writes > 0)
            QTRY_COMPARE_WITH_TIMEOUT(book.written.count(), writes, 3000);
        QTest::qWait(2 * FolderModel::StoreDelay);  // and no write more
        QCOMPARE(book.written.count(), writes);
        QCOMPARE(book.Stored(), stored);
        QVERIFY(!book.model.HasUnstoredChanges());
    }

    // A background write that fails says nothing, is tried again at the next
    // change, and OK stores the page once the folder can take it.
    void failedBackgroundStoreIsRetried()
    {
        QTemporaryDir dir;
        const QString pages = test::UnwritablePath(dir.path(), "pages");
        OpenBook book(pages);
        book.Do("r");
        book.Do("w");
        QCOMPARE(book.written.takeFirst(), QVariantList{false});
        QVERIFY(book.model.HasUnstoredChanges());
        book.Do("b");
        book.Do("w");
        QCOMPARE(book.written.takeFirst(), QVariantList{false});

        QVERIFY(QFile::remove(dir.filePath("not-a-directory")));
        QVERIFY(QDir().mkpath(pages));
        QVERIFY(book.model.StorePage());
        QCOMPARE(book.Stored(), u'b');
        QCOMPARE(book.model.Page(0), book.model.colouringPage().image());
        QVERIFY(!book.model.HasUnstoredChanges());
    }

    // The open copy keeps each page in the form it came in, or the smallest
    // that holds every colour, and gives back exactly the page it read. Only
    // the page being coloured is a full 32-bit picture.
    void pagesAreKeptCompact_data()
    {
        QTest::addColumn<QString>("stored");  // what lies in the page's file
        QTest::addColumn<int>("bitsPerPixel");
        QTest::newRow("library page") << "" << 1;
        QTest::newRow("coloured page") << "coloured" << 8;
        QTest::newRow("8-bit bitmap") << "indexed" << 8;
        QTest::newRow("more than 256 colours") << "many" << 24;
    }
    void pagesAreKeptCompact()
    {
        QFETCH(QString, stored);
        QFETCH(int, bitsPerPixel);
        QTemporaryDir dir;
        FolderModel model(dir.path());
        QImage page = LoadPagePicture(4);
        if (stored == "coloured") {
            page = test::ColouredPage(4, 255);
        } else if (stored == "many") {
            for (int x = 0; x < page.width(); ++x)
                page.setPixel(x, 0, qRgb(x % 256, x / 256, 9));
        }
        if (stored == "indexed")
            QVERIFY(page.convertToFormat(QImage::Format_Indexed8).save(model.store().FolderPageFileName(3, 4), "BMP"));
        else if (!stored.isEmpty())
            QVERIFY(model.store().StorePage(3, 4, page));

        model.LoadFolderPages(3);
        QCOMPARE(model.CompactPage(4).depth(), bitsPerPixel);
        QCOMPARE(model.Page(4), page);
        QCOMPARE(model.Thumbnail(4).size(), FitThumbnail(page.size()).size());
        model.OpenPage(4);
        QCOMPARE(model.colouringPage().image().format(), QImage::Format_RGB32);
        QCOMPARE(model.colouringPage().image(), page);
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
