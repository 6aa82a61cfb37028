#include "folders/namewindow.h"
#include "palette/palette.h"
#include "platform/adultlocks.h"
#include "platform/bookscale.h"
#include "support/testsupport.h"

#include <QPointingDevice>
#include <QRandomGenerator>
#include <QSettings>
#include <QStyleHints>
#include <QtTest>

#include <memory>

using namespace atoz;

namespace {

// The system-wide settings file, put in place before a store reads it: its
// text, a directory standing where it should be ("directory"), or none.
class SystemFile
{
public:
    explicit SystemFile(const QByteArray& text = {})
    {
        const QString file = dir_.filePath("Vorlane/RezivIdod.ini");
        QDir(dir_.path()).mkpath(text == "directory" ? file : "Vorlane");
        if (!text.isEmpty() && text != "directory")
            test::WriteFile(file, text);
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dir_.path());
    }
    QByteArray text() const { return test::ReadFile(dir_.filePath("Vorlane/RezivIdod.ini")); }

private:
    QTemporaryDir dir_;
};

}  // namespace

// A school's or a kiosk's set-up: defaults an adult puts in the system-wide
// settings file for every user, the locks that children cannot undo, and
// the book under a finger on a touch screen.
class KioskTest : public QObject
{
    Q_OBJECT

private slots:
    // Where a value comes from: this run's command line over the user's file
    // over the system file over the built-in default. Only the system file
    // locks; one that cannot be read counts as none.
    void settingsInForce_data()
    {
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QString>("run");  // this run's Display/Scale, if any
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("printing");
        QByteArray damaged = "[Locked\nPrinting=False\n[Paints]\nColor3=111\n";
        QRandomGenerator noise(3);
        while (damaged.size() < 2048)
            damaged += char(noise.bounded(256));
        QTest::newRow("a system default") << QByteArray("[Paints]\nColor3=111\n") << QByteArray() << "" << "Paints/Color3"
                                          << "111" << true;
        QTest::newRow("the user's value beats it") << QByteArray("[Paints]\nColor3=111\n")
                                                   << QByteArray("[Paints]\nColor3=222\n") << "" << "Paints/Color3"
                                                   << "222" << true;
        QTest::newRow("this run's beats both") << QByteArray("[Display]\nScale=2\n") << QByteArray("[Display]\nScale=1.5\n")
                                               << "3" << "Display/Scale" << "3" << true;
        QTest::newRow("a lock in the system file") << QByteArray("[Locked]\nPrinting=False\n") << QByteArray() << ""
                                                   << "Paints/Color3" << "none" << false;
        QTest::newRow("a lock in the user's file is none") << QByteArray() << QByteArray("[Locked]\nPrinting=False\n")
                                                           << "" << "Paints/Color3" << "none" << true;
        QTest::newRow("a damaged system file is none") << damaged << QByteArray() << "" << "Paints/Color3" << "none"
                                                       << true;
        QTest::newRow("an unreadable system file is none") << QByteArray("directory") << QByteArray() << ""
                                                           << "Paints/Color3" << "none" << true;
    }
    void settingsInForce()
    {
        QFETCH(QByteArray, system);
        QFETCH(QByteArray, user);
        QFETCH(QString, run);
        QFETCH(QString, key);
        const SystemFile systemFile(system);
        QTemporaryDir home;
        if (!user.isEmpty())
            test::WriteFile(home.filePath("settings.ini"), user);
        SettingsStore store(home.filePath("settings.ini"));
        if (!run.isEmpty())
            store.SetForThisRun("Display", "Scale", run);
        QTEST(store.GetSetting(key.section(u'/', 0, 0), key.section(u'/', 1), "none"), "value");
        QTEST(store.locks().printing, "printing");

        // The book writes the user's file only.
        store.SaveSetting("Paints", "Color3", "333");
        QCOMPARE(store.GetSetting("Paints", "Color3", "none"), QString("333"));
        QCOMPARE(systemFile.text(), system == "directory" ? QByteArray() : system);
    }

    // The example that the package installs locks nothing as it stands, and
    // every lock once its lines are taken in.
    void exampleFile()
    {
        const QByteArray example = test::ReadFile(ATOZ_EXAMPLE_SETTINGS);
        QVERIFY(!example.isEmpty());
        QTemporaryDir home;
        {
            const SystemFile systemFile(example);
            const AdultLocks locks = SettingsStore(home.filePath("settings.ini")).locks();
            QVERIFY(!locks.fullScreen && !locks.scale && locks.printing && locks.web && locks.names && locks.palette
                    && !locks.adultExit && locks.dataDir.isEmpty() && !locks.cursorHidden);
        }
        QByteArray taken = example;
        taken = taken.mid(taken.indexOf("[Locked]")).replace("\n;", "\n").replace("\n ", "\n;");
        const SystemFile systemFile(example.left(example.indexOf("[Locked]")) + taken);
        const AdultLocks locks = SettingsStore(home.filePath("settings.ini")).locks();
        QVERIFY(locks.fullScreen == true && locks.scale == 0.0 && !locks.printing && !locks.web && !locks.names
                && !locks.palette && locks.adultExit && locks.dataDir == QDir::homePath() + "/ColouringPages"
                && locks.cursorHidden);
    }

    // Each lock of the system file beats the user's file and the command
    // line: what it locks is not shown, or its key does nothing.
    void locks_data()
    {
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QString>("hidden");   // controls not shown, in a view
        QTest::addColumn<QString>("refused");  // what the book does not do
        QTest::newRow("FullScreen") << QByteArray("[Locked]\nFullScreen=True\n") << "" << "windowed";
        QTest::newRow("Scale") << QByteArray("[Locked]\nScale=1.25\n") << "" << "zoom";
        QTest::newRow("Printing") << QByteArray("[Locked]\nPrinting=False\n")
                                  << "UserPrinterSetupPic UserPrinterSetup_0 UserPrinterSetup_1 UserCmdPrint" << "print";
        QTest::newRow("Web") << QByteArray("[Locked]\nWeb=False\n") << "" << "web";
        QTest::newRow("Names") << QByteArray("[Locked]\nNames=False\n[Book2]\nName0=Ada\n")
                               << "UserCmdNamePic UserCmdName_0 UserCmdName_2" << "names";
        QTest::newRow("Palette") << QByteArray("[Locked]\nPalette=False\n[Paints]\nColor5=123\n") << "UserCmdColor"
                                 << "palette";
        QTest::newRow("Exit") << QByteArray("[Locked]\nExit=Adult\n") << "" << "exit";
        QTest::newRow("Cursor") << QByteArray("[Locked]\nCursor=Hidden\n") << "" << "cursor";
    }
    void locks()
    {
        QFETCH(QByteArray, system);
        QFETCH(QString, hidden);
        QFETCH(QString, refused);
        const SystemFile systemFile(system);
        test::Book book;
        // What a child may have chosen before, and this run's command line.
        for (const auto& [key, value] : {std::pair{"Scale", "1.5"}, {"FullScreen", "False"}})
            book.settings.SaveSetting("Display", key, value);
        book.settings.SaveSetting("Book2", "Name0", "Bo");
        book.settings.SaveSetting("Paints", "Color5", "456");
        book.settings.SaveSetting("Paints", "Color6", "789");
        SetDisplayForThisRun(book.settings, 2.0, false);
        book.Start();
        frmRezivIdod& window = book.window();
        window.ShowBook(LoadDisplayChoice(book.settings));
        if (window.IsFullScreen())
            QTRY_COMPARE(window.size(), window.screen()->geometry().size());
        book.OpenPage(0, 0);
        const QPoint inside = test::PointInside(book.page());
        window.folder().colouringPage().FillArea(inside.x(), inside.y(), 255);

        for (const QString& name : hidden.split(u' ', Qt::SkipEmptyParts)) {
            QVERIFY2(book.Find(name)->isHidden(), qPrintable(name));
            QVERIFY2(!book.Find(name)->findChild<QObject*>("Clickable"), qPrintable(name));
        }
        const auto key = [&](QKeySequence keys) {
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keySequence(window.windowHandle(), keys);
        };
        if (refused == "windowed") {
            QVERIFY(window.IsFullScreen());
            key(Qt::Key_F11);
            QVERIFY(window.IsFullScreen());
        } else if (refused == "zoom") {
            QCOMPARE(window.scale(), 1.25);
            for (QKeySequence keys : {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Minus, Qt::CTRL | Qt::Key_0})
                key(keys);
            QCOMPARE(window.scale(), 1.25);
        } else if (refused == "print") {
            key(QKeySequence::Print);
            window.UserPrinterSetupPic_Click();
            QCOMPARE(book.services.printer.printed.size(), 0);
            QCOMPARE(book.services.printer.dialogsShown, 0);
            QCOMPARE(book.services.messages.shown.size(), 0);
        } else if (refused == "web") {
            QVERIFY(!book.Find("wwwLabel")->findChild<QObject*>("Clickable"));
            window.wwwLabel_Click();
            QCOMPARE(book.services.browsers.calls, QStringList());
        } else if (refused == "names") {
            QCOMPARE(window.folderNames().name(0), QString("Ada"));  // the adult's
            QVERIFY(!book.Find("UserCmdName_1")->findChild<QObject*>("Clickable"));
            window.UserCmdName_Click();
            QVERIFY(!window.findChild<frmName*>());
        } else if (refused == "palette") {
            QCOMPARE(window.paints().SwatchColour(5), Colour(123));  // the adult's
            QCOMPARE(window.paints().SwatchColour(6), DefaultPaint(6));
            window.UserCmdColor_Click();
            QCOMPARE(book.services.colours.opened.size(), 0);
        } else if (refused == "exit") {
            // A child's click on Exit or the close box leaves the book open;
            // Ctrl+Shift+Q ends it, with the page stored.
            book.Click("UserCmdDone UserCmdExit_1 close");
            QVERIFY(window.isVisible());
            book.Click("Thumbnail_0");
            window.folder().colouringPage().FillArea(inside.x(), inside.y(), 65280);
            key(Qt::CTRL | Qt::SHIFT | Qt::Key_Q);
            QVERIFY(!window.isVisible());
            QCOMPARE(FromQRgb(LoadPicture(book.PageFile(0, 0)).pixel(inside)), Colour(65280));
        } else if (refused == "cursor") {
            QVERIFY(QGuiApplication::overrideCursor());
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
        }
        if (refused != "names")
            QCOMPARE(window.folderNames().name(0), QString("Bo"));
        if (refused != "palette")
            QCOMPARE(window.paints().SwatchColour(5), Colour(456));
    }

    // Exit held down for three seconds ends a book that an adult keeps open.
    void exitHeldDown()
    {
        const SystemFile systemFile("[Locked]\nExit=Adult\n");
        test::Book book;
        QWidget* exit = book.Find("UserCmdExit_0");
        QTest::mousePress(exit, Qt::LeftButton);
        QTest::qWait(AdultLocks::ExitHold / 2);
        QTest::mouseRelease(exit, Qt::LeftButton);
        QVERIFY(book.window().isVisible());
        QTest::mousePress(exit, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!book.window().isVisible(), AdultLocks::ExitHold * 2);
    }

    void userPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expanded");
        QTest::newRow("home") << "~/pages" << "/home/kim/pages";
        QTest::newRow("user") << "/srv/pages/$USER" << "/srv/pages/kim";
        QTest::newRow("user in braces") << "/srv/${USER}-pages" << "/srv/kim-pages";
        QTest::newRow("a tilde inside") << "/srv/a~b" << "/srv/a~b";
    }
    void userPaths()
    {
        QFETCH(QString, path);
        QTEST(ExpandUserPath(path, "/home/kim", "kim"), "expanded");
    }

    // A tap does what a click does; a second quick tap, and a second finger
    // while the first is down, do nothing.
    void touch_data()
    {
        QTest::addColumn<QString>("taps");  // control names; "+" puts a second finger down on the next
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("fills");
        const int contents = int(frmRezivIdod::View::Contents), colouring = int(frmRezivIdod::View::Colouring);
        QTest::newRow("a tile, a page, a swatch, the page") << "OpenFolder_0 Thumbnail_0 Paint_7 Page_2" << colouring
                                                            << 1;
        QTest::newRow("the page, twice quickly") << "OpenFolder_0 Thumbnail_0 Page_2 Page_2" << colouring << 1;
        QTest::newRow("OK, twice quickly") << "OpenFolder_0 Thumbnail_0 UserCmdDone UserCmdDone" << contents << 0;
        QTest::newRow("a second finger on the page") << "OpenFolder_0 Thumbnail_0 Paint_7 +Page_2" << colouring << 0;
    }
    void touch()
    {
        QFETCH(QString, taps);
        test::Book book;
        // Qt registers the device but never deletes it; deleting it unregisters it.
        const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
        QPointingDevice* screen = touchScreen.get();
        QWidget* window = &book.window();
        int fills = 0;
        connect(&book.window().folder().colouringPage(), &ColouringPage::edited, this, [&fills] { ++fills; });
        std::optional<QPoint> inside;  // one place on the page for every tap
        const auto at = [&](const QString& name) {
            QWidget* control = book.Find(name);
            if (name == "Page_2" && !inside)
                inside = test::PointInside(book.page());
            return control->mapTo(window, name == "Page_2" ? *inside : control->rect().center());
        };
        QStringList steps = taps.split(u' ');
        for (int i = 0; i < steps.size(); ++i) {
            if (steps[i].startsWith(u'+')) {
                // The first finger stays down on the control before.
                QTest::touchEvent(window, screen).press(0, at(steps[i - 1]));
                QTest::touchEvent(window, screen).stationary(0).press(1, at(steps[i].mid(1)));
                QTest::touchEvent(window, screen).release(0, at(steps[i - 1])).release(1, at(steps[i].mid(1)));
                continue;
            }
            const QPoint point = at(steps[i]);
            QTest::touchEvent(window, screen).press(0, point);
            QTest::touchEvent(window, screen).release(0, point);
            const bool quickly = i + 1 < steps.size() && steps[i + 1] == steps[i];
            if (!quickly)
                QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
        }
        QTEST(int(book.window().CurrentView()), "view");
        QTEST(fills, "fills");
    }
};

QTEST_MAIN(KioskTest)
#include "tst_kiosk.moc"
