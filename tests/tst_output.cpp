#include "output/printchoices.h"
#include "output/printquerywindow.h"
#include "output/savefile.h"
#include "palette/paintcolorwindow.h"
#include "pages/pagelibrary.h"
#include "pages/pageoutline.h"
#include "platform/picture.h"
#include "platform/ui/controls.h"
#include "support/testsupport.h"

#include <QDir>
#include <QLabel>
#include <QtTest>

using namespace atoz;
using test::Find;

// Palette editor, saving a page as a file, the print window and the print
// arithmetic, with the platform's dialogs and printer scripted.
class OutputTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Book> book_;

    const QImage& page() const { return book_->page(); }
    QString setting(const QString& key) const { return book_->settings.GetSetting("Setting", key, "none"); }

private slots:
    void initTestCase() { qputenv("HOME", QDir::tempPath().toLocal8Bit() + "/atoz-output-home"); }

    // Each case starts on page A, the middle of the letter painted red.
    void init()
    {
        book_ = std::make_unique<test::Book>();
        book_->OpenPage(0, 0);
        const QPoint inside = test::PointInside(LoadPagePicture(0));
        book_->Click("Paint_7");
        book_->Click(QStringLiteral("Page_2@%1,%2").arg(inside.x()).arg(inside.y()));
    }
    void cleanup() { book_.reset(); }

    void printPage_data()
    {
        QTest::addColumn<QSizeF>("sheet");
        QTest::addColumn<bool>("fill");
        QTest::addColumn<int>("margin");
        QTest::addColumn<QRectF>("placed");
        const QSizeF portrait(12240, 15840);
        QTest::newRow("portrait, filled, 1 inch") << portrait << true << 4 << QRectF(1440, 1440, 9360, 7320);
        QTest::newRow("landscape, filled, 1 inch") << portrait.transposed() << true << 4
                                                   << QRectF(1440, 1440, 11808, 9360);
        QTest::newRow("filled, no margin") << portrait << true << 0 << QRectF(0, 0, 12240, 10200);
        QTest::newRow("sheet read to whole twips") << QSizeF(12240.4, 15839.6) << true << 4
                                                   << QRectF(1440, 1440, 9360, 7320);
        QTest::newRow("natural size, no margin") << portrait << false << 0 << QRectF(0, 0, 7200, 6000);
        QTest::newRow("natural size, 1 1/2 inch") << portrait << false << 5 << QRectF(2160, 2160, 7200, 6000);
        QTest::newRow("margin leaves nothing") << QSizeF(4000, 4000) << true << 5 << QRectF(0, 0, 7200, 6000);
    }
    void printPage()
    {
        QFETCH(QSizeF, sheet);
        QFETCH(bool, fill);
        QFETCH(int, margin);
        QTEST(PrintPage(PageSize, sheet, {sheet.width() > sheet.height(), fill, margin}).twips, "placed");
    }

    void storedPrintChoices_data()
    {
        QTest::addColumn<QStringList>("stored");  // Landscape, FillPage, Margin; "-" is missing
        QTest::addColumn<bool>("printerLandscape");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<bool>("fill");
        QTest::addColumn<int>("margin");
        QTest::newRow("first use") << QStringList{"-", "-", "-"} << false << false << true << 4;
        QTest::newRow("first use, printer turned") << QStringList{"-", "-", "-"} << true << true << true << 4;
        QTest::newRow("stored") << QStringList{"True", "False", "1"} << false << true << false << 1;
        QTest::newRow("any case, numbers") << QStringList{"fALSE", "0", "5"} << true << false << false << 5;
        QTest::newRow("other numbers are true") << QStringList{"-1", "-", "-"} << false << true << true << 4;
        QTest::newRow("damaged") << QStringList{"maybe", "", "7"} << true << true << true << 4;
        QTest::newRow("margin below") << QStringList{"-", "-", "-1"} << false << false << true << 4;
        QTest::newRow("margin not whole") << QStringList{"-", "-", "2.5"} << false << false << true << 4;
    }
    void storedPrintChoices()
    {
        QFETCH(QStringList, stored);
        QFETCH(bool, printerLandscape);
        const QStringList keys = {"Landscape", "FillPage", "Margin"};
        for (int i = 0; i < keys.size(); ++i)
            if (stored[i] != "-")
                book_->settings.SaveSetting("Setting", keys[i], stored[i]);
        const PrintChoices choices = LoadPrintSettings(book_->settings, printerLandscape);
        QTEST(choices.landscape, "landscape");
        QTEST(choices.fillPage, "fill");
        QTEST(choices.marginIndex, "margin");
    }

    // The print window names the printer and shows one green choice in each
    // group. YES stores the choices and prints one page where the arithmetic
    // puts it; NO and the close box print nothing and store nothing.
    void printing_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("printed");
        QTest::newRow("YES") << "CmdYes" << true;
        QTest::newRow("NO") << "CmdNo" << false;
        QTest::newRow("close box") << "close" << false;
    }
    void printing()
    {
        QFETCH(QString, answer);
        QFETCH(bool, printed);
        const auto answered = test::WhenModal<frmPrintQuery>([answer](frmPrintQuery* query) {
            const QColor green(0, 255, 0);
            const auto greens = [&] {
                QStringList shown;
                for (QLabel* label : query->findChildren<QLabel*>())
                    if (label->palette().color(QPalette::WindowText) == green && !label->objectName().startsWith("Cmd"))
                        shown.append(label->objectName());
                shown.sort();
                return shown;
            };
            QCOMPARE(Find<QLabel>(query, "PrinterName")->text(), QString("Kitchen Printer"));
            QCOMPARE(greens(), (QStringList{"FillPageL_0", "Margin_4", "Portrait1"}));
            for (const char* control : {"Landscape2", "FillPageL_1", "Margin_1", "Margin_2"})
                test::Click(query, control);
            QCOMPARE(greens(), (QStringList{"FillPageL_1", "Landscape1", "Margin_2"}));
            QCOMPARE(Find(query, "Landscape2")->palette().color(QPalette::Window), green);
            test::Click(query, "FillPageL_0");
            answer == "close" ? void(query->close()) : test::Click(query, answer);
        });
        book_->Click("UserCmdPrint");
        QCOMPARE(book_->services.printer.printed.size(), printed ? 1 : 0);
        QCOMPARE(setting("Margin"), printed ? QString("2") : QString("none"));
        if (printed) {
            QCOMPARE(setting("Landscape") + setting("FillPage"), QString("TrueTrue"));
            const test::FakePrinter::Page& sheet = book_->services.printer.printed[0];
            QVERIFY(sheet.picture == page() && sheet.landscape);
            QCOMPARE(sheet.outline, LoadPageOutline(book_->window().folder().CurrentPage()));  // printed smooth
            QCOMPARE(sheet.twips, QRectF(720, 720, 13248, 10800));
        }
        QVERIFY(book_->services.messages.shown.isEmpty());
    }

    void printerTroubleIsSaidOnce()
    {
        book_->services.printer.refuses = true;
        const auto answered = test::WhenModal<frmPrintQuery>([](frmPrintQuery* query) { test::Click(query, "CmdYes"); });
        book_->Click("UserCmdPrint");
        QCOMPARE(book_->services.messages.shown.size(), 1);
        QCOMPARE(page(), book_->services.printer.printed.value(0).picture);  // the page is as it was

        book_->services.printer.installed = false;
        book_->Click("UserCmdPrint");  // no print window at all
        book_->Click("UserCmdDone");
        book_->Click("UserCmdHome");
        book_->Click("UserPrinterSetup_0");
        QCOMPARE(book_->services.messages.shown.size(), 3);
        book_->services.printer.installed = true;
        book_->Click("UserPrinterSetupPic");  // the system's choice of printer, and nothing said
        QCOMPARE(book_->services.messages.shown.size(), 3);
        QCOMPARE(book_->services.printer.dialogsShown, 1);
        QCOMPARE(book_->services.printer.printed.size(), 1);
    }

    // The editor opens on swatch 7 (red by default), with swatches 3 and 7
    // holding colours of their own; the colour chooser answers black.
    void paletteEditor_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Colour>("seven");  // swatch 7 afterwards, the paint of the moment
        QTest::addColumn<Colour>("three");
        const Colour red = 255, before = 123456, dark = 111;  // swatch 7, swatch 3 before
        QTest::newRow("colour disc") << "CmdCustom1" << NearBlack << dark;  // black paint is near black
        QTest::newRow("Select Custom Color") << "CmdCustom2" << NearBlack << dark;
        QTest::newRow("default preview") << "CmdDefault3" << red << dark;
        QTest::newRow("Restore Default Color") << "CmdDefault2" << red << dark;
        QTest::newRow("All outline") << "CmdAll4" << red << DefaultPaint(3);
        QTest::newRow("All") << "CmdAll1" << red << DefaultPaint(3);
        QTest::newRow("Restore All Default Colors") << "CmdAll3" << red << DefaultPaint(3);
        QTest::newRow("Cancel") << "CmdOK1" << before << dark;
        QTest::newRow("Exit Without Changing") << "CmdOK3" << before << dark;
        QTest::newRow("close box") << "close" << before << dark;
        QTest::newRow("colour chooser cancelled: stays open") << "CmdCustom1" << before << dark;
    }
    void paletteEditor()
    {
        QFETCH(QString, control);
        QFETCH(Colour, seven);
        QFETCH(Colour, three);
        const bool cancelled = QByteArray(QTest::currentDataTag()).startsWith("colour chooser cancelled");
        Palette& paints = book_->window().paints();
        for (const auto& [swatch, colour] : {std::pair{3, 111}, {7, 123456}}) {
            paints.SelectSwatch(swatch);
            paints.SetPaintColor(colour);
        }
        if (!cancelled)
            book_->services.colours.answer = Black;
        Colour preview = 0;
        bool stillOpen = false;
        const auto answered = test::WhenModal<frmPaintColor>([&](frmPaintColor* editor) {
            preview = *Find<OutlineShape>(editor, "CmdDefault1")->fill();
            control == "close" ? void(editor->close()) : test::Click(editor, control);
            stillOpen = editor->isVisible();
            if (stillOpen)
                test::Click(editor, "CmdOK3");
        });
        book_->Click("UserCmdColor");

        QCOMPARE(preview, Colour(255));  // swatch 7's own default, not its colour now
        QCOMPARE(stillOpen, cancelled);
        QCOMPARE(QList<Colour>({paints.SwatchColour(7), paints.SwatchColour(3), paints.CurrentPaint()}),
                 QList<Colour>({seven, three, seven}));
        QCOMPARE(book_->settings.GetSetting("Paints", "Color7", "") + ' ' + book_->settings.GetSetting("Paints", "Color3", ""),
                 QStringLiteral("%1 %2").arg(seven).arg(three));
        QCOMPARE(paints.CurrentSwatch(), 7);
        QCOMPARE(book_->services.colours.opened,
                 control.startsWith("CmdCustom") ? QList<Colour>{123456} : QList<Colour>{});
    }

    // The dialog is always given a whole path, whatever the settings hold.
    void proposalIsAWholePath_data()
    {
        QTest::addColumn<QString>("stored");  // "-": nothing stored
        QTest::addColumn<QString>("proposed");  // below the pictures folder, or whole
        QTest::newRow("nothing stored") << "-" << "colorpage.bmp";
        QTest::newRow("the first edition's default") << "c:\\colorpage.bmp" << "colorpage.bmp";
        QTest::newRow("a whole path") << "/srv/art/mia.bmp" << "/srv/art/mia.bmp";
        QTest::newRow("a name alone") << "mia.bmp" << "mia.bmp";
        QTest::newRow("relative") << "./art/../mia.png" << "mia.png";
    }
    void proposalIsAWholePath()
    {
        QFETCH(QString, stored);
        QFETCH(QString, proposed);
        if (stored != "-")
            book_->settings.SaveSetting("Setting", "SaveFile", stored);
        const QString pictures = book_->dir.filePath("Pictures");
        const QString expected = QDir::isAbsolutePath(proposed) ? proposed : pictures + u'/' + proposed;
        QCOMPARE(ProposedSaveFile(book_->settings, pictures), expected);
    }

    // The file dialog proposes colorpage.bmp in the pictures folder, which
    // is made only when the page is written there. A file that cannot be
    // written is said once.
    void savingAPage_data()
    {
        QTest::addColumn<QString>("typed");  // what the child picks in the dialog; "" cancels, "*" the proposal
        QTest::addColumn<QString>("written");
        QTest::newRow("bitmap") << "mia.bmp" << "mia.bmp";
        QTest::newRow("extension added") << "mia" << "mia.bmp";
        QTest::newRow("PNG") << "mia.png" << "mia.png";
        QTest::newRow("cancel") << "" << "";
        QTest::newRow("the proposal") << "*" << "*";
        QTest::newRow("unwritable") << "not-a-directory/mia.bmp" << "";
    }
    void savingAPage()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        const QString pictures = book_->dir.filePath("Pictures");
        const QString proposal = pictures + "/colorpage.bmp";
        const auto path = [&](const QString& name) { return name == "*" ? proposal : book_->dir.filePath(name); };
        test::UnwritablePath(book_->dir.path(), "");
        book_->services.files.answer = typed.isEmpty() ? QString() : path(typed);
        book_->Click("UserCmdSave");

        QCOMPARE(book_->services.files.proposals, QStringList{proposal});
        QCOMPARE(QFileInfo(pictures).isDir(), written == "*");
        QCOMPARE(book_->services.messages.shown.size(), int(written.isEmpty() && !typed.isEmpty()));
        QCOMPARE(setting("SaveFile"), written.isEmpty() ? QString("none") : path(written));
        if (!written.isEmpty()) {
            QCOMPARE(LoadPicture(path(written)), page());  // every colour exactly
            book_->Click("UserCmdSave");
            QCOMPARE(book_->services.files.proposals.last(), path(written));
        }
    }

    // Settings that cannot be written are said once, in words for a parent,
    // and the book goes on with the changes for the rest of the run.
    void settingsTroubleIsSaidOnce()
    {
        const QString file = book_->settings.fileName();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));  // a directory where the file should be
        Palette& paints = book_->window().paints();
        paints.SetPaintColor(4321);
        paints.RestoreAllDefaultPaints();
        paints.SetPaintColor(1234);
        book_->window().folderNames().StoreFolderNames({QString("Kim")});
        QTRY_COMPARE(book_->services.messages.shown.size(), 1);
        QCOMPARE(book_->services.messages.shown[0].first, SettingsErrorTitle());
        QVERIFY(book_->services.messages.shown[0].second.contains(file));
        QCOMPARE(paints.CurrentPaint(), Colour(1234));
        QCOMPARE(book_->window().folderNames().name(0), QString("Kim"));
        book_->Click("UserCmdDone");
        QCOMPARE(book_->window().CurrentView(), frmRezivIdod::View::Contents);
        QTest::qWait(50);
        QCOMPARE(book_->services.messages.shown.size(), 1);
    }
};

QTEST_MAIN(OutputTest)
#include "tst_output.moc"
