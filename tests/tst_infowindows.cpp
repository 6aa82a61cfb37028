#include "info/infowindow.h"
#include "pages/maker.h"
#include "info/webwindow.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QDesktopServices>
#include <QLabel>
#include <QtTest>

using namespace atoz;

// The about, books, web and page information windows, opened from the real
// main window by clicks through the window system.
class InfoWindowsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Book> book_;
    QList<QUrl> opened_;

public slots:
    void openUrl(const QUrl& url) { opened_.append(url); }

private slots:
    void init() { book_ = std::make_unique<test::Book>(); }
    void cleanup() { book_.reset(); }

    // Each control opens its window modally over the main window, a new one
    // each time, gone once OK (double-clicked) or the close box ends it.
    void windowsOpenFromTheirControls_data()
    {
        QTest::addColumn<QString>("clicks");  // the last one opens the window
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("About") << "UserCmdAbout_0" << "frmAbout" << false;
        QTest::newRow("about picture") << "UserCmdAboutPic" << "frmAbout" << true;
        QTest::newRow("More") << "UserBookAd_0" << "frmBooks" << false;
        QTest::newRow("Books") << "UserBookAd_1" << "frmBooks" << true;
        QTest::newRow("books picture") << "UserBookAdPic" << "frmBooks" << false;
        QTest::newRow("i") << "OpenFolder_2 Thumbnail_4 UserCmdInfo" << "frmInfo" << false;
        QTest::newRow("i, close box") << "OpenFolder_0 Thumbnail_5 UserCmdInfo" << "frmInfo" << true;
    }
    void windowsOpenFromTheirControls()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, window);
        QFETCH(bool, closeBox);
        const qsizetype last = clicks.lastIndexOf(u' ') + 1;
        book_->Click(clicks.left(last));
        const QString control = clicks.mid(last);
        const auto view = book_->window().CurrentView();
        for (int opening = 0; opening < 2; ++opening) {
            QString shown;
            const auto answered = test::WhenModal<QWidget>([&](QWidget* modal) {
                shown = modal->parentWidget() == &book_->window() ? modal->objectName() : "not the main window's";
                closeBox ? void(modal->close()) : test::Click(modal, "CmdOK", Qt::LeftButton, true);
            });
            book_->Click(control);
            QCOMPARE(shown, window);
            QVERIFY(book_->window().findChildren<QDialog*>().isEmpty());
            QCOMPARE(book_->window().CurrentView(), view);
        }
    }

    // The page's credit above the information text, unless it is the
    // maker's own mark (spaces around it trimmed) or nothing.
    void attribution_data()
    {
        QTest::addColumn<QString>("attribution");
        QTest::addColumn<QString>("shownFirst");  // before an empty line and the information text
        QTest::newRow("the mark with spaces") << "  ZQ " << "";
        QTest::newRow("spaces only") << "   " << "";
        QTest::newRow("small letters") << "zq" << "zq";
        QTest::newRow("a tab is no space") << "\tZQ" << "\tZQ";
        QTest::newRow("guest artist, spaces kept") << " Drawn by Mia Rossi " << " Drawn by Mia Rossi ";
    }
    void attribution()
    {
        QFETCH(QString, attribution);
        QFETCH(QString, shownFirst);
        frmInfo window(&book_->window());
        window.InfoText(attribution);
        QCOMPARE(window.LabelInfo()->text(),
                 shownFirst.isEmpty() ? InformationText() : shownFirst + "\n\n" + InformationText());
    }

    // One web window, made at the first click and shown again and reloaded by
    // every later one, also after being minimised or closed. The book goes on
    // while it shows, and closes it at shut-down.
    void webWindowIsKept()
    {
        const QStringList load{"stop", "navigate http://www.larkvale.example"};
        book_->Click("wwwLabel");
        auto* web = book_->window().findChild<frmWeb*>();
        QVERIFY(web && web->isVisible() && !web->isModal());
        QCOMPARE(book_->services.browsers.calls, load);

        web->setWindowState(Qt::WindowMinimized);
        book_->Click("wwwLabel");
        QVERIFY(!web->isMinimized());
        web->close();
        book_->Click("wwwLabel");
        QVERIFY(web->isVisible());
        QCOMPARE(book_->window().findChildren<frmWeb*>(), QList<frmWeb*>{web});
        QCOMPARE(book_->services.browsers.calls, load + load + load);

        book_->Click("OpenFolder_1");
        QCOMPARE(book_->window().CurrentView(), frmRezivIdod::View::Contents);
        book_->window().close();
        QVERIFY(!web->isVisible());
    }

    // The browser follows the inside of the window, except on a side of 200
    // twips or less.
    void browserFollowsTheWindow_data()
    {
        QTest::addColumn<QList<QSize>>("sizes");  // the window's, one after the other, in twips
        QTest::addColumn<QSize>("browser");
        QTest::newRow("195 high") << QList<QSize>{{6000, 195}} << QSize(6000, 4950);
        QTest::newRow("210 high") << QList<QSize>{{6000, 210}} << QSize(6000, 210);
        QTest::newRow("150 wide, then 3000") << QList<QSize>{{150, 4950}, {3000, 4950}} << QSize(3000, 4950);
        QTest::newRow("195 wide") << QList<QSize>{{195, 3000}} << QSize(8580, 3000);
    }
    void browserFollowsTheWindow()
    {
        QFETCH(QList<QSize>, sizes);
        QFETCH(QSize, browser);
        frmWeb window(book_->services.browsers, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const QSize& size : sizes)
            window.resize(TwipsSize(size, 1));
        QTRY_COMPARE(window.brwWebBrowser()->size(), TwipsSize(browser, 1));
        window.setWindowState(Qt::WindowMinimized);  // a minimised window changes nothing
        window.resize(TwipsSize(3000, 3000, 1));
        QCOMPARE(window.brwWebBrowser()->size(), TwipsSize(browser, 1));
    }

    // Without the web engine: the address, and a button that hands it to the
    // system's browser, once per click.
    void browserLinkOpensTheSystemBrowser()
    {
        QWidget window;
        window.resize(400, 300);
        Browser* link = CreateBrowserLink(&window);
        link->resize(window.size());
        link->Navigate(QUrl::fromUserInput(WebAddress));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(test::Find<QLabel>(link, "LinkAddress")->text(), QString(WebAddress));
        QDesktopServices::setUrlHandler("http", this, "openUrl");
        test::Click(&window, "LinkOpen", Qt::LeftButton, true);
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(opened_, QList<QUrl>{QUrl("http://www.larkvale.example")});
    }

    // The real browser, where the program has one: a local page loads into
    // the web window and shows; an address nobody answers ends in the error
    // page, never in a hang.
    void embeddedBrowser_data()
    {
        QTest::addColumn<bool>("reachable");
        QTest::newRow("local page") << true;
        QTest::newRow("nobody answers") << false;
    }
    void embeddedBrowser()
    {
        QFETCH(bool, reachable);
        if (!std::unique_ptr<Browser>(CreateEmbeddedBrowser(nullptr)))
            QSKIP("built without Qt WebEngine (not installed, or the sanitizer build): nothing to load");
        QtServices platform;
        frmWeb window(platform.services().browsers, nullptr);
        const QString page = book_->dir.filePath("page.html");
        test::WriteFile(page, "<html><body style='background: #ff0000'>A to Z</body></html>");
        window.BrowseURL = reachable ? QUrl::fromLocalFile(page).toString() : "http://127.0.0.1:4/";
        QSignalSpy loaded(window.brwWebBrowser(), &Browser::loadFinished);
        window.show();
        window.BrowseHome();
        QVERIFY(loaded.wait(60000));
        QCOMPARE(loaded.at(0).at(0).toBool(), reachable);
        if (reachable)
            QTRY_COMPARE_WITH_TIMEOUT(window.grab().toImage().pixelColor(window.rect().center()), QColor(Qt::red),
                                      20000);
    }
};

int main(int argc, char* argv[])
{
    PrepareBrowser();
    QApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral(ATOZ_PROGRAM_DIR));  // where the web engine module is built
    InfoWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_infowindows.moc"
