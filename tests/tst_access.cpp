#include "folders/namewindow.h"
#include "info/aboutwindow.h"
#include "info/bookswindow.h"
#include "info/infowindow.h"
#include "info/webwindow.h"
#include "output/printquerywindow.h"
#include "pages/pagelibrary.h"
#include "palette/paintcolorwindow.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

using namespace atoz;
using View = frmRezivIdod::View;

namespace {

// Presses `keys` ("Tab*8 Return Right") on whatever has the focus in
// `window`, as the keyboard does.
void press(QWidget* window, const QString& keys)
{
    static const QHash<QString, Qt::Key> named{
        {"Tab", Qt::Key_Tab},     {"Backtab", Qt::Key_Backtab}, {"Return", Qt::Key_Return}, {"Space", Qt::Key_Space},
        {"Escape", Qt::Key_Escape}, {"Left", Qt::Key_Left},     {"Right", Qt::Key_Right},   {"Up", Qt::Key_Up},
        {"Down", Qt::Key_Down}};
    for (const QString& step : keys.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = step.section(u'*', 0, 0);
        const int times = step.contains(u'*') ? step.section(u'*', 1).toInt() : 1;
        for (int i = 0; i < times; ++i) {
            QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
            QTest::keyClick(focus, named.value(key), key == "Backtab" ? Qt::ShiftModifier : Qt::NoModifier);
            // Here the progress window takes the activation with it when it
            // goes; a desktop gives it back.
            if (window->isVisible() && !window->isActiveWindow()) {
                window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window));
            }
        }
    }
}

}  // namespace

// Every hand can use the book: the keyboard alone does all a mouse does, in
// every view and window, and a screen reader finds every control as one
// thing with one name and hears what is chosen.
class AccessTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Book> book_;

    frmRezivIdod& window() const { return book_->window(); }
    QString focused() const
    {
        const QWidget* focus = window().focusWidget();
        return focus && focus != &window() ? focus->objectName() : QString();
    }

private slots:
    void init()
    {
        book_ = std::make_unique<test::Book>();
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }
    void cleanup() { book_.reset(); }

    // What each key does in the main window: where the focus goes and what
    // is opened or chosen. Tab follows reading order, down the bar and then
    // across the page; tiles, thumbnails and swatches are one stop each,
    // moved in by the arrows; after a move to another view the focus is
    // where the work goes on.
    void keys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("view");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("effect");  // "folder N", "page N", "swatch N", "scroll N", "closed"
        const int home = int(View::Home), contents = int(View::Contents), colouring = int(View::Colouring);
        const QString copy = "Tab*8 Return", page = copy + " Right Return";  // copy 1 open; its page B
        QTest::newRow("start: none") << "" << home << "" << "";
        QTest::newRow("first Tab") << "Tab" << home << "UserCmdExitPic" << "";
        QTest::newRow("down the bar") << "Tab*6" << home << "UserCmdAboutPic" << "";
        QTest::newRow("then the page") << "Tab*7" << home << "wwwLabel" << "";
        QTest::newRow("tiles") << "Tab*8" << home << "OpenFolder_0" << "";
        QTest::newRow("Shift+Tab from the start") << "Backtab" << home << "OpenFolder_0" << "";
        QTest::newRow("tiles by arrows") << "Tab*8 Right Down" << home << "OpenFolder_5" << "";
        QTest::newRow("Left past a row's start") << "Tab*8 Down Left" << home << "OpenFolder_3" << "";
        QTest::newRow("tiles are one stop") << "Tab*8 Right Tab" << home << "UserCmdExitPic" << "";
        QTest::newRow("Return opens a copy") << "Tab*8 Right Return" << contents << "Thumbnailbox_0" << "folder 1";
        QTest::newRow("Space too") << "Tab*8 Space" << contents << "Thumbnailbox_0" << "folder 0";
        QTest::newRow("thumbnails by arrows") << copy + " Right Down" << contents << "Thumbnailbox_4" << "";
        QTest::newRow("a thumbnail comes into sight") << copy + " Down*8" << contents << "Thumbnailbox_24" << "scroll 6";
        QTest::newRow("contents: Tab to Home") << copy + " Tab" << contents << "UserCmdHome" << "";
        QTest::newRow("another copy's tab") << copy + " Tab*4 Return" << contents << "UserCmdChangeFolder_2"
                                            << "folder 2";
        QTest::newRow("Home") << "Tab*8 Right Return Tab Return" << home << "OpenFolder_1" << "folder 1";
        QTest::newRow("Return opens a page") << page << colouring << "Paint_2" << "page 1";
        QTest::newRow("swatches by arrows") << page + " Down Right Return" << colouring << "Paint_4" << "swatch 4";
        QTest::newRow("Space picks a paint") << page + " Right Space" << colouring << "Paint_1" << "swatch 1";
        QTest::newRow("palette: one stop") << page + " Right Tab" << colouring << "UserCmdColor" << "swatch 2";
        QTest::newRow("OK") << page + " Backtab*3 Return" << contents << "Thumbnailbox_1" << "page 1";
        QTest::newRow("the page: last stop") << page + " Tab*3" << colouring << "Page_2" << "";
        QTest::newRow("colouring by keys") << page + " Tab*3 Right*2 Down Return" << colouring << "Page_2" << "fill 260,210";
        QTest::newRow("colouring elsewhere") << page + " Tab*3 Left*9 Up*9 Space" << colouring << "Page_2"
                                             << "fill 150,110";
        QTest::newRow("Exit") << "Tab Return" << home << "" << "closed";
    }
    void keys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, effect);
        press(&window(), keys);
        if (effect == "closed") {
            QVERIFY(!window().isVisible());
            return;
        }
        QTEST(focused(), "focus");
        QTEST(int(window().CurrentView()), "view");
        const int number = effect.section(u' ', 1).toInt();
        if (effect.startsWith("folder"))
            QCOMPARE(window().folder().CurrentFolder(), number);
        if (effect.startsWith("page"))
            QCOMPARE(window().folder().CurrentPage(), number);
        if (effect.startsWith("swatch"))
            QCOMPARE(window().paints().CurrentSwatch(), number);
        if (effect.startsWith("scroll"))
            QCOMPARE(book_->Find<QScrollBar>("ContentsScroll")->value(), number);
        if (effect.startsWith("fill")) {  // there, unless it is outline; nowhere else that is not its area
            const QStringList at = effect.section(u' ', 1).split(u',');
            const QPoint pixel(at[0].toInt(), at[1].toInt());
            const QImage library = LoadPagePicture(window().folder().CurrentPage());
            const bool outline = FromQRgb(library.pixel(pixel)) == Black;
            QCOMPARE(FromQRgb(book_->page().pixel(pixel)), outline ? Black : window().paints().CurrentPaint());
            QCOMPARE(window().folder().colouringPage().undo().UndoAvailable(), !outline);
        }
    }

    // The small windows: Return is their default button (YES in the print
    // window, OK in the information windows) unless the focus is on another
    // button; Space presses what has the focus; Escape closes.
    void windowKeys_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("outcome");  // "closed", or "printed" with the fill choice
        QTest::newRow("about: Return") << "UserCmdAboutPic" << "Return" << "closed";
        QTest::newRow("about: Escape") << "UserCmdAbout_0" << "Escape" << "closed";
        QTest::newRow("books: Return") << "UserBookAdPic" << "Return" << "closed";
        QTest::newRow("books: Tab, Space") << "UserBookAdPic" << "Tab Space" << "closed";
        QTest::newRow("information: Return") << "UserCmdInfo" << "Return" << "closed";
        QTest::newRow("print: Return is YES") << "UserCmdPrint" << "Return" << "printed, filled";
        QTest::newRow("print: on an option too") << "UserCmdPrint" << "Tab*5 Return" << "printed, filled";
        QTest::newRow("print: Space chooses") << "UserCmdPrint" << "Tab*2 Space Return" << "printed, natural";
        QTest::newRow("print: NO") << "UserCmdPrint" << "Tab*12 Return" << "closed";
        QTest::newRow("print: Escape") << "UserCmdPrint" << "Escape" << "closed";
        QTest::newRow("palette editor: leave") << "UserCmdColor" << "Tab*4 Return" << "closed";
        QTest::newRow("palette editor: Escape") << "UserCmdColor" << "Escape" << "closed";
    }
    void windowKeys()
    {
        QFETCH(QString, opener);
        QFETCH(QString, keys);
        if (!opener.startsWith("UserBook") && !opener.startsWith("UserCmdAbout"))
            book_->OpenPage(0, 0);
        bool closedByKeys = false;
        const auto answered = test::WhenModal<QDialog>([&](QDialog* dialog) {
            press(dialog, keys);
            closedByKeys = !dialog->isVisible();
            if (!closedByKeys)
                dialog->reject();
        });
        book_->Click(opener);
        QVERIFY(closedByKeys);
        const auto& printed = book_->services.printer.printed;
        QTEST(printed.isEmpty() ? QString("closed")
                                : QString(printed[0].twips.width() > 7200 ? "printed, filled" : "printed, natural"),
              "outcome");
        QCOMPARE(window().paints().CurrentSwatch(), 2);
    }

    // The web window opens over the middle of the book and closes on Escape
    // and on Ctrl+W.
    void webWindow()
    {
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            book_->Click("wwwLabel");
            auto* web = book_->Find<frmWeb>("frmWeb");
            QVERIFY(QTest::qWaitForWindowExposed(web));
            QVERIFY((web->frameGeometry().center() - window().frameGeometry().center()).manhattanLength() <= 4);
            web->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(web));
            QTest::keySequence(web->windowHandle(), keys);
            QTRY_VERIFY(!web->isVisible());
        }
    }

    // What a screen reader finds: each control as one thing (a picture and
    // its captions are one button; its parts are passed over), named in
    // words, with what is chosen.
    void screenReader_data()
    {
        QTest::addColumn<QString>("where");  // the clicks that lead there, or a window: "print", "names"
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");  // -1: passed over, without a name
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("state");  // "selected", "checked" or ""
        const int button = QAccessible::Button, unseen = -1, tab = QAccessible::PageTab, item = QAccessible::ListItem,
                  option = QAccessible::RadioButton;
        const QString colouring = "OpenFolder_0 Thumbnail_0";
        QTest::newRow("a picture with two captions") << "" << "UserCmdNamePic" << button << "Your Name" << "";
        QTest::newRow("a caption") << "" << "UserCmdName_2" << unseen << "" << "";
        QTest::newRow("Printer Setup") << "" << "UserPrinterSetupPic" << button << "Printer Setup" << "";
        QTest::newRow("More Books") << "" << "UserBookAdPic" << button << "More Books" << "";
        QTest::newRow("Exit") << "" << "UserCmdExitPic" << button << "Exit" << "";
        QTest::newRow("a tile") << "" << "OpenFolder_2" << button << "Copy 3, Your Name" << "";
        QTest::newRow("a tile's number") << "" << "OpenFolderNumber2_2" << unseen << "" << "";
        QTest::newRow("the open copy's tab") << "OpenFolder_1" << "UserCmdChangeFolder_1" << tab << "Copy 2, Your Name"
                                             << "selected";
        QTest::newRow("another tab") << "OpenFolder_1" << "UserCmdChangeFolder_0" << tab << "Copy 1, Your Name" << "";
        QTest::newRow("a thumbnail") << "OpenFolder_1" << "Thumbnailbox_25" << button << "Page Z" << "";
        QTest::newRow("its picture") << "OpenFolder_1" << "Thumbnail_25" << unseen << "" << "";
        QTest::newRow("the paint in use") << colouring << "Paint_2" << item << "light yellow" << "selected";
        QTest::newRow("another paint") << colouring << "Paint_7" << item << "red" << "";
        QTest::newRow("a paint chosen") << colouring + " Paint_7" << "Paint_7" << item << "red" << "selected";
        QTest::newRow("the paint before") << colouring + " Paint_7" << "Paint_2" << item << "light yellow" << "";
        QTest::newRow("print: chosen") << "print" << "Portrait1" << option << "Portrait" << "checked";
        QTest::newRow("print: not chosen") << "print" << "Landscape1" << option << "Landscape" << "";
        QTest::newRow("print: the page picture") << "print" << "Landscape2" << unseen << "" << "";
        QTest::newRow("print: a margin") << "print" << "Margin_4" << option << "Margin: one inch" << "checked";
        QTest::newRow("print: fill") << "print" << "FillPageL_1" << option << "Fill Page: No" << "";
        QTest::newRow("names: a box") << "names" << "TextYourName_3" << int(QAccessible::EditableText)
                                      << "Name of copy 4" << "";
    }
    void screenReader()
    {
        QFETCH(QString, where);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, state);
        std::unique_ptr<QWidget> small;
        if (where == "print")
            small = std::make_unique<frmPrintQuery>(book_->settings, "Kitchen Printer", false, &window());
        else if (where == "names")
            small = std::make_unique<frmName>(window().folderNames(), &window());
        else
            book_->Click(where);
        QWidget* widget = test::Find(small ? small.get() : static_cast<QWidget*>(&window()), control);

        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QTEST(accessible->text(QAccessible::Name), "name");
        if (role < 0) {
            QVERIFY(accessible->state().invisible);
            return;
        }
        QCOMPARE(int(accessible->role()), role);
        QCOMPARE(accessible->state().selected, state == "selected");
        QCOMPARE(accessible->state().checked, state == "checked");
        QVERIFY(accessible->state().focusable);
        if (role == QAccessible::EditableText) {  // labelled by its number
            const auto labels = accessible->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels[0].first->text(QAccessible::Name), QString::number(control.right(1).toInt() + 1));
        } else {
            QCOMPARE(accessible->childCount(), 0);
            QCOMPARE(accessible->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        }
    }

    // A screen reader's press answers at once, even for a button that opens
    // a modal window: the press comes after.
    void pressAnswersAtOnce()
    {
        bool opened = false;
        const auto answered = test::WhenModal<frmAbout>([&](frmAbout* about) {
            opened = true;
            about->accept();
        });
        QAccessibleInterface* about = QAccessible::queryAccessibleInterface(book_->Find("UserCmdAboutPic"));
        about->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!opened);
        QTRY_VERIFY(opened);
    }
};

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
