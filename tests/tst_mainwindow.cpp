#include "folders/namewindow.h"
#include "folders/progresswindow.h"
#include "pages/contentsgrid.h"
#include "mainwindow/contentsview.h"
#include "pages/pagelibrary.h"
#include "palette/palette.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace atoz;
using View = frmRezivIdod::View;

// The real main window, driven through its controls as a child's mouse would:
// every click goes through the window system's event path, double-clicks
// included.
class MainWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Book> book_;

    QStringList storedPages() const { return QDir(book_->dir.path()).entryList({"b2f*"}, QDir::Files, QDir::Name); }
    QColor shade(const QString& name) const { return book_->Find(name)->palette().color(QPalette::Window); }
    bool undoShown() const { return book_->Find("UserCmdUndo")->isVisible(); }
    // The page thumbnail `page` shows: the folder's copy of it, when the
    // thumbnail shows that copy's thumbnail; null otherwise.
    QImage shownPage(int page) const
    {
        const FolderModel& folder = book_->window().folder();
        const QImage& shown = book_->Find<PageThumbnail>(QStringLiteral("Thumbnail_%1").arg(page))->picture();
        return shown.isNull() || shown != folder.Thumbnail(page) ? QImage() : folder.page(page);
    }

private slots:
    void init() { book_ = std::make_unique<test::Book>(); }
    void cleanup() { book_.reset(); }

    // Where each way through the book leads. A double-click acts once: its
    // second press does not reach the control that the first click put
    // under the pointer.
    void moves_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<bool>("twice");  // the last click a double-click
        QTest::addColumn<int>("view");    // -1: the window closed
        QTest::addColumn<int>("folder");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("stored");
        const int closed = -1, home = int(View::Home), contents = int(View::Contents), colouring = int(View::Colouring);
        QTest::newRow("start") << "" << false << home << 0 << 0 << "";
        QTest::newRow("tile") << "OpenFolder_3" << false << contents << 3 << 0 << "";
        QTest::newRow("tile's name") << "OpenFolderNumber_5" << false << contents << 5 << 0 << "";
        QTest::newRow("tile's number") << "OpenFolderNumber2_6" << false << contents << 6 << 0 << "";
        QTest::newRow("Open is folder 1 whatever was open") << "OpenFolder_4 UserCmdHome UserCmdOpen_0" << false
                                                            << contents << 0 << 0 << "";
        QTest::newRow("Open's picture") << "OpenFolder_4 UserCmdHome UserCmdOpenPic" << false << contents << 0 << 0 << "";
        QTest::newRow("another tab") << "OpenFolder_2 UserCmdChangeFolder_7" << false << contents << 7 << 0 << "";
        QTest::newRow("thumbnail") << "OpenFolder_1 Thumbnail_4" << false << colouring << 1 << 4 << "";
        QTest::newRow("OK stores, even uncoloured") << "OpenFolder_2 Thumbnail_4 UserCmdDone" << false << contents << 2
                                                    << 4 << "b2f2p4.BMP";
        QTest::newRow("home keeps the folder") << "OpenFolder_2 UserCmdHome" << false << home << 2 << 0 << "";
        QTest::newRow("changing folder keeps the page") << "OpenFolder_2 Thumbnail_8 UserCmdDone UserCmdChangeFolder_0"
                                                        << false << contents << 0 << 8 << "b2f2p8.BMP";
        QTest::newRow("exit at home") << "UserCmdExit_0" << false << closed << 0 << 0 << "";
        QTest::newRow("exit picture") << "UserCmdExitPic" << false << closed << 0 << 0 << "";
        QTest::newRow("exit on contents") << "OpenFolder_6 UserCmdExit_1" << false << closed << 6 << 0 << "";
        QTest::newRow("closed while colouring stores the page") << "OpenFolder_3 Thumbnail_2 close" << false << closed
                                                                << 3 << 2 << "b2f3p2.BMP";
        // The second press would fall on a thumbnail, the page, Home and Exit.
        QTest::newRow("tile, twice") << "OpenFolder_0" << true << contents << 0 << 0 << "";
        QTest::newRow("thumbnail, twice") << "OpenFolder_0 Thumbnail_0" << true << colouring << 0 << 0 << "";
        QTest::newRow("OK, twice") << "OpenFolder_0 Thumbnail_0 UserCmdDone" << true << contents << 0 << 0 << "b2f0p0.BMP";
        QTest::newRow("Home, twice") << "OpenFolder_0 UserCmdHome" << true << home << 0 << 0 << "";
    }
    void moves()
    {
        QFETCH(QString, clicks);
        QFETCH(bool, twice);
        QFETCH(int, view);
        const qsizetype last = clicks.lastIndexOf(u' ') + 1;
        book_->Click(clicks.left(last));
        book_->Click(clicks.mid(last), Qt::LeftButton, twice);
        QCOMPARE(book_->window().isVisible(), view >= 0);
        if (view >= 0) {
            QCOMPARE(int(book_->window().CurrentView()), view);
            QCOMPARE(book_->window().palette().color(QPalette::Window), view == int(View::Colouring) ? QColor(Qt::white) : QColor(Qt::black));
            // A view not built yet is not shown either.
            for (int bar = 0; bar < 3; ++bar) {
                const auto* shown = book_->window().findChild<QWidget*>(QStringLiteral("CmdBar_%1").arg(bar));
                QCOMPARE(shown && shown->isVisible(), view == bar);
            }
        }
        if (view == int(View::Colouring)) {
            QCOMPARE(book_->page(), LoadPagePicture(book_->window().folder().CurrentPage()));
            QVERIFY(!undoShown());
        }
        QTEST(book_->window().folder().CurrentFolder(), "folder");
        QTEST(book_->window().folder().CurrentPage(), "page");
        QTEST(storedPages().join(u' '), "stored");
        QVERIFY(book_->services.messages.shown.isEmpty());
    }

    // A click that comes before the first frame is on the screen finds the
    // view it opens built for it; the frame then builds nothing twice.
    void clickBeforeTheFirstFrame()
    {
        frmRezivIdod window(book_->settings, book_->dir.path(), book_->dir.filePath("Pictures"),
                            book_->services.services());
        QSignalSpy shown(&window, &frmRezivIdod::firstFrameShown);
        window.show();
        window.OpenFolder_Click(4);  // shows the progress window, which lets the frame come
        QTRY_COMPARE(shown.size(), 1);
        QCOMPARE(window.CurrentView(), View::Contents);
        QVERIFY(test::Find(&window, "CmdBar_1")->isVisible());
        QCOMPARE(window.findChildren<ContentsView*>().size(), 1);
        QCOMPARE(window.folder().CurrentFolder(), 4);
    }

    // The open folder's tab does nothing; another tab opens its folder at the
    // first row and reads its pages anew. Each page comes into its thumbnail,
    // a picture of another shape too, and the progress window goes once all
    // are in. Going home releases the tab.
    void tabsAndGoingHome()
    {
        book_->Click("OpenFolder_5");
        auto* scroll = book_->Find<QScrollBar>("ContentsScroll");
        scroll->setValue(2);
        QCOMPARE(book_->Find("ContentsPage")->y(), -TwipsToPixels(2 * GridRowPitch, 1));  // by whole rows
        QCOMPARE(shade("UserCmdChangeFolder_5"), QColor(Qt::black));
        QCOMPARE(book_->Find("UserCmdChangeFolder_5")->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(book_->Find("ImagePoint")->y(), book_->Find("UserCmdChangeFolder_5")->y());

        QImage portrait(400, 480, QImage::Format_RGB32);
        portrait.fill(Qt::green);
        QVERIFY(SavePicture(portrait, book_->PageFile(5, 3)));
        book_->Click("UserCmdChangeFolder_5");
        QCOMPARE(scroll->value(), 2);
        QCOMPARE(shownPage(3), LoadPagePicture(3));
        book_->Click("UserCmdChangeFolder_1 UserCmdChangeFolder_5");
        QCOMPARE(scroll->value(), 0);
        for (int i = 0; i < PageCount; ++i)
            QCOMPARE(shownPage(i), i == 3 ? portrait : LoadPagePicture(i));
        QVERIFY(!book_->window().findChild<frmProgressForm*>());

        book_->Click("UserCmdHome");
        QCOMPARE(shade("UserCmdChangeFolder_5"), ToQColor(FolderColour(5)));
        QVERIFY(book_->Find("Thumbnailbox_0")->isVisibleTo(book_->Find("ContentsPage")));
        QVERIFY(!book_->Find("Thumbnail_0")->isVisibleTo(book_->Find("ContentsPage")));
        QCOMPARE(book_->window().folder().CurrentFolder(), 5);
    }

    // A page coloured and kept with OK shows in its thumbnail at once and
    // when the folder opens again, and comes back from its file after a
    // restart. Where pages cannot be written the child is told once at OK,
    // goes on colouring with nothing lost, and is told once more at shut-down
    // unless the writes work by then.
    void colouringIsKept_data()
    {
        QTest::addColumn<bool>("writableAtOK");
        QTest::addColumn<bool>("writableAtShutDown");
        QTest::newRow("written") << true << true;
        QTest::newRow("still unwritable") << false << false;
        QTest::newRow("writable again") << false << true;
    }
    void colouringIsKept()
    {
        QFETCH(bool, writableAtOK);
        QFETCH(bool, writableAtShutDown);
        const QString pages = writableAtOK ? book_->dir.path() : test::UnwritablePath(book_->dir.path(), "pages");
        book_->Start(pages);
        const QPoint inside = test::PointInside(LoadPagePicture(1));
        book_->Click(QStringLiteral("OpenFolder_1 Thumbnail_1 Paint_7 Page_2@%1,%2").arg(inside.x()).arg(inside.y()));
        const QImage coloured = book_->page();
        QCOMPARE(FromQRgb(coloured.pixel(inside)), Colour(255));
        QCOMPARE(book_->window().folder().page(1), LoadPagePicture(1));  // the folder's copy waits for OK

        book_->Click("UserCmdDone");
        const QList<QPair<QString, QString>> told{{"File Save Error", "Your coloring page was not saved."}};
        QCOMPARE(book_->services.messages.shown, told.mid(0, writableAtOK ? 0 : 1));
        QCOMPARE(book_->window().CurrentView(), View::Contents);
        QVERIFY(!undoShown());
        QCOMPARE(shownPage(1), coloured);
        book_->Click("UserCmdHome OpenFolder_1");
        QCOMPARE(shownPage(1), coloured);

        if (writableAtShutDown && !writableAtOK) {
            QVERIFY(QFile::remove(QFileInfo(pages).path()));
            QVERIFY(QDir().mkpath(pages));
        }
        book_->Click("close");
        QCOMPARE(book_->services.messages.shown.size(), int(!writableAtOK) + int(!writableAtShutDown));
        QCOMPARE(LoadPicture(book_->PageFile(1, 1)), writableAtShutDown ? coloured : QImage());
        if (writableAtShutDown) {  // a 24-bit bitmap, as the book's pages have always been
            const QByteArray file = test::ReadFile(book_->PageFile(1, 1));
            QVERIFY(file.startsWith("BM") && file.at(28) == 24 && file.at(29) == 0);
        }
        book_->Start(pages);
        book_->OpenPage(1, 1);
        QCOMPARE(book_->page(), writableAtShutDown ? coloured : LoadPagePicture(1));
        QVERIFY(!undoShown());
    }

    // While a folder loads, the progress window stands centred over the book
    // and above it. A close that arrives then (the loading lets the window
    // system's events other than the child's input through) waits for the
    // pages, then ends the book with nothing stored and no window left.
    void closingWhileAFolderLoads()
    {
        QTimer::singleShot(0, &book_->window(), [this] {
            const QRect book = book_->window().frameGeometry();
            auto* progress = book_->window().findChild<frmProgressForm*>();
            QVERIFY(progress && progress->isVisible() && progress->windowFlags() & Qt::WindowStaysOnTopHint);
            QCOMPARE(progress->HeaderText()->text(), QString("Loading Pages ..."));
            QVERIFY((progress->frameGeometry().center() - book.center()).manhattanLength() <= 2);
            book_->window().close();
            QVERIFY(book_->window().isVisible() && book_->window().folder().IsLoading());
        });
        book_->Click("OpenFolder_4");
        QTRY_VERIFY(!book_->window().isVisible());
        QCOMPARE(book_->window().folder().CurrentFolder(), 4);
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
        QVERIFY(storedPages().isEmpty());
    }

    // A page that cannot be stored at the end: the close box says so once,
    // and tries again once the message is answered (the disk may have room
    // by then). A signal or the session's end shows no message, which would
    // hold the end up: each failed write says itself on standard error.
    void theEndWithAPageThatCannotBeStored_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("told");
        QTest::addColumn<bool>("stored");
        QTest::newRow("close box, room again once told") << "close" << 1 << true;
        QTest::newRow("signal") << "signal" << 0 << false;
        QTest::newRow("log-out") << "session" << 0 << false;
    }
    void theEndWithAPageThatCannotBeStored()
    {
        QFETCH(QString, end);
        const QString pages = test::UnwritablePath(book_->dir.path(), "pages");
        book_->Start(pages);
        const QPoint inside = test::PointInside(LoadPagePicture(6));
        book_->Click(QStringLiteral("OpenFolder_2 Thumbnail_6 Paint_7 Page_2@%1,%2").arg(inside.x()).arg(inside.y()));
        book_->services.messages.whenShown = [&] {
            QVERIFY(QFile::remove(QFileInfo(pages).path()) && QDir().mkpath(pages));
        };
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("b2f2p6.BMP was not written: Not a directory"));
        if (end == "signal")
            book_->window().EndOnRequest();
        if (end == "session")
            book_->window().CommitData();
        book_->window().close();
        QVERIFY(!book_->window().isVisible());
        QTEST(int(book_->services.messages.shown.size()), "told");
        QTEST(!LoadPicture(book_->PageFile(2, 6)).isNull(), "stored");
    }

    // Every way in opens a fresh names window; every way out stores all 8
    // boxes: what the child typed, and a name the child did not touch whole,
    // even one longer than a box holds (only an edited settings file has it).
    // Shutting the book while it is open is a way out too: it closes every
    // other window, and the next run shows the names. A name shows as it was
    // typed, markup and all, on its tile and its tab.
    void namesWindow_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("close");
        QTest::newRow("picture, OK") << "UserCmdNamePic" << "CmdOK";
        QTest::newRow("Name, close box") << "UserCmdName_0" << "close";
        QTest::newRow("Your, Escape") << "UserCmdName_2" << "escape";
        QTest::newRow("hint, OK") << "UserCmdName_1" << "CmdOK";
        QTest::newRow("picture, shut-down") << "UserCmdNamePic" << "shut-down";
        QTest::newRow("picture, a signal") << "UserCmdNamePic" << "signal";
    }
    void namesWindow()
    {
        QFETCH(QString, control);
        QFETCH(QString, close);
        const QString markup = "<b>Leo</b>";  // as long as a box holds
        book_->window().folderNames().StoreFolderNames({QString("Mia"), markup, QString("Sam"), QString("Maximilianus")});
        QWidget other;
        other.show();
        const auto answered = test::WhenModal<frmName>([&](frmName* window) {
            QCOMPARE(window->TextYourName(1)->text(), markup);
            QWidget* focus = window->CmdOK();  // Tab goes from OK through the boxes in order
            for (int i = 0; i < FolderCount; ++i) {
                do
                    focus = focus->nextInFocusChain();
                while (focus->focusPolicy() == Qt::NoFocus);
                QCOMPARE(focus, window->TextYourName(i));
            }
            QTest::keyClick(window->TextYourName(0), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(window->TextYourName(0), "Alexandrina");  // 11 letters: the last does not fit
            QTest::keyClick(window->TextYourName(2), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(window->TextYourName(2), Qt::Key_Delete);
            if (close == "CmdOK")
                test::Click(window, "CmdOK");
            else if (close == "escape")
                QTest::keyClick(window, Qt::Key_Escape);
            else if (close == "signal")
                book_->window().EndOnRequest();
            else
                (close == "close" ? static_cast<QWidget*>(window) : &book_->window())->close();
        });
        book_->Click(control);  // returns once the names window has gone
        const bool ended = close == "shut-down" || close == "signal";
        QCOMPARE(book_->window().isVisible() + other.isVisible(), ended ? 0 : 2);
        if (ended)
            book_->Start();
        // The names typed before and now; the copies nobody named keep no name.
        const QStringList stored = {"Alexandrin", markup, "", "Maximilianus", "missing", "missing", "missing", "missing"};
        for (int i = 0; i < FolderCount; ++i)
            QCOMPARE(book_->settings.GetSetting("Book2", QStringLiteral("Name%1").arg(i), "missing"), stored[i]);
        // What is drawn, as a screen reader reads it: a copy by its number and name.
        for (const auto& [label, shown] : {std::pair{"OpenFolder_0", "Copy 1, " + stored[0]},
                                           {"OpenFolder_1", "Copy 2, " + markup},
                                           {"UserCmdChangeFolder_1", "Copy 2, " + markup},
                                           {"UserCmdChangeFolder_2", QStringLiteral("Copy 3")}})
            QCOMPARE(QAccessible::queryAccessibleInterface(book_->Find(label))->text(QAccessible::Name), shown);
        QVERIFY(book_->window().findChildren<frmName*>().isEmpty() && book_->window().CurrentView() == View::Home);
    }

    // Any button picks a paint, moving the marker to it, and colours an area;
    // a double-click on the page is one fill. Undo takes the fill back.
    void colouringClicks_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("twice");
        QTest::newRow("left") << Qt::LeftButton << false;
        QTest::newRow("right") << Qt::RightButton << false;
        QTest::newRow("middle") << Qt::MiddleButton << false;
        QTest::newRow("double-click") << Qt::LeftButton << true;
    }
    void colouringClicks()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, twice);
        const QPoint inside = test::PointInside(LoadPagePicture(0));
        book_->OpenPage(0, 0);
        QCOMPARE(book_->Find("PaintMarker")->parentWidget(), book_->Find("Paint_2"));
        book_->Click("Paint_7", button);
        QCOMPARE(book_->Find("PaintMarker")->parentWidget(), book_->Find("Paint_7"));
        QCOMPARE(QList<QColor>({shade("PaintMarker"), shade("Paint_7"), shade("Paint_2")}),
                 QList<QColor>({QColor(255, 0, 0), QColor(Qt::white), ToQColor(DefaultPaint(2))}));

        book_->Click(QStringLiteral("Page_2@%1,%2").arg(inside.x()).arg(inside.y()), button, twice);
        QCOMPARE(FromQRgb(book_->page().pixel(inside)), Colour(255));
        QVERIFY(undoShown());
        book_->Click("UserCmdUndo");
        QCOMPARE(book_->page(), LoadPagePicture(0));
        QVERIFY(!undoShown());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
