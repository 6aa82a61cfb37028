#include "folders/foldermodel.h"
#include "folders/folderpage.h"
#include "folders/foldernames.h"
#include "folders/folderstore.h"
#include "pages/contentsgrid.h"
#include "pages/pagelibrary.h"
#include "pages/pageoutline.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QDir>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <thread>

using namespace atoz;

using test::WriteFile;

class FoldersTest : public QObject
{
    Q_OBJECT

private slots:
    // Only a temporary file the book's own write made, and only once no
    // running book can still be writing it, is removed when its copy opens;
    // every look-alike a parent may have made stays.
    void openingACopyRemovesOnlyItsOwnStaleTemporaries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("age");  // seconds
        QTest::addColumn<bool>("removed");
        const int old = int(StaleTemporarySeconds) + 60;
        QTest::newRow("left by a killed write") << "b2f1p17.BMP.atoz-EOux7z" << old << true;
        QTest::newRow("another page's") << "b2f1p16.BMP.atoz-EOux7z" << old << true;
        QTest::newRow("another book writing now") << "b2f1p17.BMP.atoz-EOux7z" << 5 << false;
        QTest::newRow("another copy's") << "b2f2p17.BMP.atoz-EOux7z" << old << false;
        QTest::newRow("five letters") << "b2f1p17.BMP.atoz-EOuxq" << old << false;
        QTest::newRow("other case") << "B2F1P17.BMP.atoz-EOuxqz" << old << false;
        QTest::newRow("not a page's") << "notes.txt.atoz-EOuxqz" << old << false;
        QTest::newRow("a parent's backup") << "b2f1p17.BMP.backup" << old << false;
        QTest::newRow("six letters") << "b2f1p17.BMP.zzzzzz" << old << false;
    }
    void openingACopyRemovesOnlyItsOwnStaleTemporaries()
    {
        QFETCH(QString, name);
        QFETCH(int, age);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        WriteFile(dir.filePath(name), "a full-size page");
        test::AgeFile(dir.filePath(name), age);
        FolderModel(dir.path()).LoadFolderPages(1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).contains(name), !removed);
    }

    // The page being coloured follows each change onto disk by itself, a
    // burst of clicks as one write. A write that fails says nothing and is
    // tried again at the next change; OK stores the page once the folder
    // takes it. A folder deleted meanwhile is made again.
    void changesAreStoredInTheBackground_data()
    {
        QTest::addColumn<bool>("writable");
        // "r" and "b" fill an area red or blue, "u" undoes, "#" clicks the
        // outline, "w" waits for the write under way, "fix" makes the folder
        // writable, "rm" deletes it, "ok" stores as OK does.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("writes");  // each background write: "y" stored, "n" failed
        QTest::addColumn<QChar>("stored");    // in the file, inside the area: 'r', 'b', '.', or '-' (no file)
        QTest::newRow("a fill") << true << QStringList{"r"} << "y" << QChar(u'r');
        QTest::newRow("a burst is one write") << true << QStringList{"r", "b", "r", "b"} << "y" << QChar(u'b');
        QTest::newRow("an undo after a store") << true << QStringList{"r", "w", "u"} << "yy" << QChar(u'.');
        QTest::newRow("an undo before the store") << true << QStringList{"r", "u"} << "y" << QChar(u'.');
        QTest::newRow("a click on the outline") << true << QStringList{"#"} << "" << QChar(u'-');
        QTest::newRow("an undo with nothing to undo") << true << QStringList{"u"} << "" << QChar(u'-');
        QTest::newRow("unwritable, then OK once writable")
            << false << QStringList{"r", "w", "b", "w", "fix", "ok"} << "nn" << QChar(u'b');
        QTest::newRow("the folder deleted") << true << QStringList{"r", "w", "rm", "b"} << "yy" << QChar(u'b');
    }
    void changesAreStoredInTheBackground()
    {
        QFETCH(bool, writable);
        QFETCH(QStringList, steps);
        QFETCH(QString, writes);
        QTemporaryDir dir;
        const QString pages = writable ? dir.filePath("pages") : test::UnwritablePath(dir.path(), "pages");
        FolderModel model(pages);
        model.SetStoreDelay(0);
        QSignalSpy written(&model, &FolderModel::backgroundStoreFinished);
        model.LoadFolderPages(0);
        model.OpenPage(0);
        ColouringPage& page = model.colouringPage();
        const QPoint inside = test::PointInside(page.image());
        int outline = inside.y();  // the first outline pixel above the point inside
        while (FromQRgb(page.image().pixel(inside.x(), outline)) != Black)
            --outline;
        for (const QString& step : steps) {
            if (step == "u")
                page.UndoLastFill();
            else if (step == "w")
                QVERIFY(written.wait(3000));
            else if (step == "fix")
                QVERIFY(QFile::remove(dir.filePath("not-a-directory")) && QDir().mkpath(pages));
            else if (step == "rm")
                QVERIFY(QDir(pages).removeRecursively());
            else if (step == "ok")
                QVERIFY(model.StorePage() && model.page(0) == page.image());
            else
                page.FillArea(inside.x(), step == "#" ? outline : inside.y(), step == "b" ? 16711680 : 255);
        }
        QTRY_COMPARE_WITH_TIMEOUT(written.count(), int(writes.size()), 3000);
        QVERIFY(!model.IsStoring());  // and no write more
        QString seen;
        for (const QList<QVariant>& write : written)
            seen += write.at(0).toBool() ? u'y' : u'n';
        QCOMPARE(seen, writes);
        const QImage stored = LoadPicture(model.store().FolderPageFileName(0, 0));
        QTEST(stored.isNull() ? QChar(u'-') : test::RowsOf(stored.copy(QRect(inside, QSize(1, 1))))[0][0], "stored");
        QVERIFY(!model.HasUnstoredChanges());
    }

    // On a slow disk, a write of the page is under way and another is due
    // when OK comes, another page opens, or the model goes: the writes run
    // one at a time, the last picture reaches the disk, and none is left
    // running.
    void writesOfAPageRunOneAtATime_data()
    {
        QTest::addColumn<QString>("then");
        QTest::newRow("OK") << "ok";
        QTest::newRow("another page opened") << "open";
        QTest::newRow("the model goes") << "gone";
    }
    void writesOfAPageRunOneAtATime()
    {
        QFETCH(QString, then);
        QTemporaryDir dir;
        std::atomic<int> started = 0, writing = 0, most = 0;
        FolderStore::FileAccess slowDisk = FolderStore::SystemFiles();
        slowDisk.write = [&, write = slowDisk.write](const QImage& image, const QString& path) {
            ++started;
            const int now = ++writing;
            for (int seen = most; seen < now && !most.compare_exchange_weak(seen, now);) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));  // a slow fsync
            const bool written = write(image, path);
            --writing;
            return written;
        };
        auto model = std::make_unique<FolderModel>(dir.path(), slowDisk);
        const QString file = model->store().FolderPageFileName(0, 0);
        model->LoadFolderPages(0);
        model->OpenPage(0);
        ColouringPage& page = model->colouringPage();
        const QPoint inside = test::PointInside(page.image());
        page.FillArea(inside.x(), inside.y(), 255);
        model->StoreInBackground();  // under way
        page.FillArea(inside.x(), inside.y(), 16711680);
        model->StoreInBackground();  // due once that one ends
        const QImage last = page.image();
        if (then == "ok")
            QVERIFY(model->StorePage());
        else if (then == "open")
            model->OpenPage(1);
        else
            model.reset();
        QCOMPARE(writing.load(), 0);
        QThreadPool::globalInstance()->waitForDone();  // where a write the model left would run
        QCOMPARE(started.load(), then == "gone" ? 1 : 2);
        QCOMPARE(most.load(), 1);
        if (then != "gone")
            QCOMPARE(LoadPicture(file), last);
    }

    // A stored page that is there but cannot be read (no permission, or no
    // memory left to read it) is never replaced: it starts as its library
    // page, its file is set aside and said once, and colouring goes to the
    // page's own name. A damaged page is passed over and replaced.
    void pagesThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("keptAs");  // empty: nothing is said and the file is replaced
        QTest::newRow("no permission") << "EACCES" << "b2f0p3-unreadable.BMP";
        QTest::newRow("out of memory") << "bad_alloc" << "b2f0p3-unreadable.BMP";
        QTest::newRow("name taken") << "EACCES, taken" << "b2f0p3-unreadable-2.BMP";
        QTest::newRow("damaged") << "damaged" << "";
    }
    void pagesThatCannotBeRead()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, keptAs);
        QTemporaryDir dir;
        FolderStore::FileAccess files = FolderStore::SystemFiles();
        files.read = [trouble, read = files.read](const QString& path, PictureForm form) {
            if (!path.endsWith("b2f0p3.BMP") || trouble == "damaged" || !QFileInfo::exists(path))
                return read(path, form);
            if (trouble == "bad_alloc")
                throw std::bad_alloc();
            return PictureFile{QImage(), EACCES};
        };
        FolderModel model(dir.path(), files);
        const QString file = model.store().FolderPageFileName(0, 3);
        QVERIFY(SavePicture(test::ColouredPage(3, 255), file));
        if (trouble == "damaged")
            WriteFile(file, "not a picture");
        const QByteArray colouring = test::ReadFile(file);
        if (trouble.endsWith("taken"))
            WriteFile(dir.filePath("b2f0p3-unreadable.BMP"), "kept before");
        QSignalSpy told(&model, &FolderModel::unreadablePagesFound);

        for (int opening = 0; opening < 2; ++opening) {
            model.LoadFolderPages(0);
            QCOMPARE(model.page(3), LoadPagePicture(3));
            QCOMPARE(model.page(4), LoadPagePicture(4));
        }
        QCOMPARE(told.size(), int(!keptAs.isEmpty()));
        if (!keptAs.isEmpty()) {
            QCOMPARE(told[0][0].toStringList(), QStringList{dir.filePath(keptAs)});
            QCOMPARE(test::ReadFile(dir.filePath(keptAs)), colouring);
        }
        model.OpenPage(3);
        model.colouringPage().FillArea(0, 0, 16711680);
        QVERIFY(model.StorePage());
        QCOMPARE(LoadPicture(file), model.colouringPage().image());
        if (!keptAs.isEmpty())
            QCOMPARE(test::ReadFile(dir.filePath(keptAs)), colouring);
        if (trouble.endsWith("taken"))
            QCOMPARE(test::ReadFile(dir.filePath("b2f0p3-unreadable.BMP")), QByteArray("kept before"));
    }

    // A page kept after a failed write shows when its copy opens, while the
    // window's thread goes on changing what is kept (under ThreadSanitizer,
    // a worker that read what is kept meanwhile is a race).
    void keptPagesWhileACopyLoads()
    {
        QTemporaryDir dir;
        FolderStore::FileAccess noRoom = FolderStore::SystemFiles();
        noRoom.write = [](const QImage&, const QString&) { return false; };
        FolderModel model(dir.path(), noRoom);
        const QImage coloured = test::ColouredPage(20, 255);
        QVERIFY(!model.store().StorePage(0, 20, coloured));
        model.LoadFolderPages(0, [&](int page) { model.store().StorePage(1, page, coloured); });
        QCOMPARE(model.page(20), coloured);
    }

    // What a copy's folder may hold under a page's name besides a picture:
    // the library page shows, at once, and the thing stays as it was. A page
    // is stored only over a regular file.
    void oddPageFiles_data()
    {
        QTest::addColumn<QString>("kind");  // as test::MakeOddFile makes it, or "notes" for a link to a parent's notes
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("stored");
        QTest::newRow("FIFO") << "fifo" << "fifo" << false;
        QTest::newRow("link to /dev/zero") << "zeros" << "link" << false;
        QTest::newRow("directory") << "directory" << "directory" << false;
        QTest::newRow("larger than any picture") << "oversized" << "file" << true;
        QTest::newRow("SVG that is slow to draw") << "slow svg" << "file" << true;
        QTest::newRow("link to a parent's notes") << "notes" << "link" << false;
    }
    void oddPageFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, left);
        QFETCH(bool, stored);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("outside");
        QDir(dir.path()).mkpath("pages");
        const QString notes = dir.filePath("outside/notes.txt");
        WriteFile(notes, "the parent's notes");
        FolderStore store(dir.filePath("pages"));
        const QString file = store.FolderPageFileName(0, 7);
        if (kind == "notes")
            QFile::link("../outside/notes.txt", file);
        else
            test::MakeOddFile(file, kind);

        QCOMPARE(store.LoadFolderPage(0, 7), LoadPagePicture(7));
        QCOMPARE(test::KindOf(file), left);
        QCOMPARE(store.StorePage(0, 7, test::ColouredPage(7, 255)), stored);
        QCOMPARE(test::KindOf(file), stored ? QString("file") : left);
        QCOMPARE(test::ReadFile(notes), QByteArray("the parent's notes"));
        QCOMPARE(store.LoadFolderPage(0, 7), test::ColouredPage(7, 255));  // kept in memory when not stored
    }

    // A name is kept whole up to a length no one types; a longer one, which
    // only a damaged or hand-edited file holds, is cut when it is loaded.
    void storedNamesAreCut_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shown");  // characters
        QTest::newRow("typed") << "Mia" << 3;
        QTest::newRow("longest kept") << QString(FolderNames::MaxStoredLength, u'a') << FolderNames::MaxStoredLength;
        QTest::newRow("one longer") << QString(FolderNames::MaxStoredLength + 1, u'a') << FolderNames::MaxStoredLength;
        QTest::newRow("10 million") << QString(10'000'000, u'a') << FolderNames::MaxStoredLength;
        QTest::newRow("no half character")
            << QString(FolderNames::MaxStoredLength - 1, u'a') + QStringLiteral("\U0001F600")
            << FolderNames::MaxStoredLength - 1;
    }
    void storedNamesAreCut()
    {
        QFETCH(QString, stored);
        QFETCH(int, shown);
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath("settings.ini"));
        settings.SaveSetting(FolderNames::Section, FolderNames::SettingsKey(3), stored);
        FolderNames names(settings);
        names.LoadFolderNames();
        QCOMPARE(names.name(3), stored.left(shown));
    }

    // The open copy keeps each page in the form it came in, or the smallest
    // that holds every colour, and gives back exactly the page it read. Only
    // the page being coloured is a full 32-bit picture. Its thumbnail is kept
    // as greys, or without the byte no pixel uses, each pixel as drawn.
    void pagesAreKeptCompact_data()
    {
        QTest::addColumn<QString>("stored");  // what lies in the page's file
        QTest::addColumn<int>("bitsPerPixel");
        QTest::addColumn<int>("thumbnailBits");
        QTest::newRow("library page") << "" << 1 << 8;
        QTest::newRow("coloured page") << "coloured" << 8 << 24;
        QTest::newRow("8-bit bitmap") << "indexed" << 8 << 8;
        QTest::newRow("more than 256 colours") << "many" << 24 << 24;
    }
    void pagesAreKeptCompact()
    {
        QFETCH(QString, stored);
        QTemporaryDir dir;
        FolderModel model(dir.path());
        QImage page = LoadPagePicture(4);
        if (stored == "coloured")
            page = test::ColouredPage(4, 255);
        for (int y = 190; y < 210 && stored == "many"; ++y)
            for (int x = 0; x < page.width(); ++x)
                page.setPixel(x, y, qRgb(x % 256, x / 256, y));
        if (stored == "indexed")
            QVERIFY(page.convertToFormat(QImage::Format_Indexed8).save(model.store().FolderPageFileName(3, 4), "BMP"));
        else if (!stored.isEmpty())
            QVERIFY(model.store().StorePage(3, 4, page));

        model.LoadFolderPages(3);
        QTEST(model.CompactPage(4).depth(), "bitsPerPixel");
        QCOMPARE(model.page(4), page);
        const QImage& thumbnail = model.Thumbnail(4);
        QTEST(thumbnail.depth(), "thumbnailBits");
        QCOMPARE(thumbnail.convertToFormat(QImage::Format_RGB32),
                 ThumbnailOf(page, thumbnail.size(), 1, nullptr, OutlineFor(page, 4)));
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
        QTest::newRow("no picture") << QSize() << QRect(0, 0, 141, 118);
    }
    void thumbnailFit()
    {
        QFETCH(QSize, picture);
        QTEST(FitThumbnail(picture, TwipsSize(ThumbnailCellWidth, ThumbnailCellHeight, 1)), "placed");
    }

    // Three columns where the sheet is wide enough, and a scroll bar that
    // moves by rows only while some rows are out of view.
    void contentsGrid_data()
    {
        QTest::addColumn<int>("sheetWidth");
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("scrollMax");
        QTest::newRow("three columns") << 6765 << 6065 << 3 << 6;
        QTest::newRow("just under three") << 6660 << 6065 << 2 << 10;
        QTest::newRow("all rows fit") << 6765 << 17000 << 3 << DisabledScrollMax;
    }
    void contentsGrid()
    {
        QFETCH(int, sheetWidth);
        QFETCH(int, pageHeight);
        QFETCH(int, columns);
        const ContentsGrid grid = LayOutContentsGrid(sheetWidth, pageHeight, 26);
        QCOMPARE(grid.columns, columns);
        QCOMPARE(grid.rows, (26 + columns - 1) / columns);
        QTEST(grid.scrollMax, "scrollMax");
        QCOMPARE(grid.scrollEnabled, grid.scrollMax != DisabledScrollMax);
        QCOMPARE(int(grid.boxes.size()), 26);
    }
};

QTEST_GUILESS_MAIN(FoldersTest)
#include "tst_folders.moc"
