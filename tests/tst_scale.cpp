#include "colouring/colouringpage.h"
#include "folders/namewindow.h"
#include "folders/progresswindow.h"
#include "info/aboutwindow.h"
#include "info/bookswindow.h"
#include "info/infowindow.h"
#include "info/webwindow.h"
#include "output/printquerywindow.h"
#include "palette/paintcolorwindow.h"
#include "mainwindow/colouringview.h"
#include "mainwindow/paintswatches.h"
#include "pagegen/pageareas.h"
#include "pages/pageoutline.h"
#include "platform/bookscale.h"
#include "platform/picture.h"
#include "output/printing.h"
#include "output/savefile.h"
#include "platform/twips.h"
#include "platform/ui/qtprinter.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest>

#include <cmath>

#include <functional>
#include <optional>

using namespace atoz;
using View = frmRezivIdod::View;

// The book drawn at a scale: the scale chosen for a screen, a click on the
// scaled page, the parent's keys, and the other keys of the book.
class ScaleTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Book> book_;

    // The keys pressed in the book's window, made active as a parent's
    // click would.
    void key(const QKeySequence& keys)
    {
        book_->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&book_->window()));
        QTest::keySequence(book_->window().windowHandle(), keys);
    }
    void start(double scale)
    {
        book_ = std::make_unique<test::Book>(scale);
    }
    double scale() const { return book_->window().scale(); }

private slots:
    void cleanup()
    {
        book_.reset();
    }

    void fittingScale_data()
    {
        QTest::addColumn<QSize>("screen");  // device pixels
        QTest::addColumn<qreal>("ratio");   // the system's own scaling
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<double>("scale");
        const QSize none(0, 0);
        QTest::newRow("1920x1080, title bar") << QSize(1920, 1080) << 1.0 << frmRezivIdod::EstimatedFrame << 2.5;
        QTest::newRow("1920x1080 under a panel") << QSize(1920, 1040) << 1.0 << QSize(0, 37) << 2.25;
        QTest::newRow("1024x768") << QSize(1024, 768) << 1.0 << frmRezivIdod::EstimatedFrame << 1.5;
        QTest::newRow("smaller than the book") << QSize(320, 200) << 1.0 << none << 1.0;
        QTest::newRow("3840x2160 at 2x") << QSize(3840, 2160) << 2.0 << none << 2.5;
        QTest::newRow("1280x800 at 2x goes no smaller") << QSize(1280, 800) << 2.0 << none << 1.0;
        QTest::newRow("2880x1800 at 1.5x") << QSize(2880, 1800) << 1.5 << none << 2.75;
    }
    void fittingScale()
    {
        QFETCH(QSize, screen);
        QFETCH(qreal, ratio);
        QFETCH(QSize, frame);
        const QSize logical = (QSizeF(screen) / ratio).toSize();
        QTEST(FittingScale(logical, frame, {frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight}), "scale");
    }

    // A parent's scale that does not fit the screen (a remembered 3, or
    // --scale 1000) is cut to the largest that fits, and standard error says
    // so once. The offscreen screen is 800 x 600: 1.25 fits.
    void chosenScaleIsCutToTheScreen_data()
    {
        QTest::addColumn<double>("chosen");
        QTest::addColumn<double>("scale");
        QTest::newRow("fits") << 1.0 << 1.0;
        QTest::newRow("remembered 3") << 3.0 << 1.25;
        QTest::newRow("--scale 1000") << *ParseScale("1000") << 1.25;
    }
    void chosenScaleIsCutToTheScreen()
    {
        QFETCH(double, chosen);
        QFETCH(double, scale);
        start(1);
        const QRegularExpression said("does not fit the screen at scale");
        if (chosen > scale)
            QTest::ignoreMessage(QtWarningMsg, said);
        QTest::failOnWarning(said);
        QCOMPARE(frmRezivIdod::ScaleFor({chosen, false}, book_->window().screen()), scale);
        const QSize drawn(int(std::lround(frmRezivIdod::ClientWidth * scale / TwipsPerPixel)),
                          int(std::lround(frmRezivIdod::ClientHeight * scale / TwipsPerPixel)));
        for (int shown = 0; shown < 2; ++shown) {
            book_->window().ShowBook({chosen, false});
            QCOMPARE(book_->window().size(), drawn);
        }
    }

    void parseScale_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("scale");  // -1: refused
        QTest::newRow("quarter step") << "2.5" << 2.5;
        QTest::newRow("between steps") << "1.3" << 1.25;
        QTest::newRow("fit") << "0" << 0.0;
        QTest::newRow("below 1") << "0.5" << 1.0;
        QTest::newRow("huge") << "1e9" << LargestScale;
        QTest::newRow("negative") << "-2" << -1.0;
        QTest::newRow("word") << "big" << -1.0;
        QTest::newRow("not a number") << "nan" << -1.0;
    }
    void parseScale()
    {
        QFETCH(QString, text);
        QTEST(ParseScale(text).value_or(-1), "scale");
    }

    // A page of single white pixels in a black grid: each white pixel is an
    // area of its own, so a click fills exactly the page pixel it lands on.
    // The pixel drawn under the pointer is the one filled, and it is the
    // page pixel under the pointer's middle.
    void clickLandsOnPagePixel_data()
    {
        QTest::addColumn<double>("scale");
        for (double scale : {1.0, 1.25, 1.5, 2.0, 2.5})
            QTest::addRow("%g", scale) << scale;
    }
    void clickLandsOnPagePixel()
    {
        QFETCH(double, scale);
        start(scale);
        book_->OpenPage(0, 0);
        QImage grid(40, 40, QImage::Format_RGB32);
        for (int y = 0; y < grid.height(); ++y)
            for (int x = 0; x < grid.width(); ++x)
                grid.setPixel(x, y, x % 2 && y % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        ColouringPage& page = book_->window().folder().colouringPage();
        page.Open(grid);
        QWidget* surface = book_->Find("Page_2");
        QCOMPARE(surface->size(), QSize(40, 40) * scale);

        for (int pixel = 1; pixel < int(30 * scale); ++pixel) {  // (0, 0) would be the middle to QTest
            const QImage before = page.image();
            const QRgb drawn = surface->grab().toImage().pixel(pixel, pixel);
            QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(pixel, pixel));

            // The page pixel whose span holds the pointer's middle, a tie
            // going to the even one.
            const double middle = (pixel + 0.5) / scale;
            int under = int(middle);
            if (middle == under && under % 2)
                --under;
            const bool white = under % 2;
            QCOMPARE(drawn, before.pixel(under, under));
            for (int y = 0; y < grid.height(); ++y)
                for (int x = 0; x < grid.width(); ++x)
                    if (page.image().pixel(x, y) != before.pixel(x, y))
                        QVERIFY2(white && x == under && y == under,
                                 qPrintable(QStringLiteral("pixel %1: %2,%3 changed").arg(pixel).arg(x).arg(y)));
        }
    }

    // At 2.5 a library page is drawn with its smooth outline: grey along the
    // line, A's left leg straight to within a screen pixel (as pixels, it
    // steps 2.5 at a time), and the paint of every area running in under the
    // line: no white between paint and line, and paint wherever the line does
    // not reach. A stored page whose black pixels were changed outside the
    // book is drawn as its pixels.
    void smoothOutline_data()
    {
        QTest::addColumn<QString>("stored");  // none: the library page
        QTest::newRow("library page") << "none";
        QTest::newRow("every area red") << "red";
        QTest::newRow("edited elsewhere") << "edited";
    }
    void smoothOutline()
    {
        QFETCH(QString, stored);
        start(2.5);
        QImage page = test::ColouredPage(0, stored == "red" ? Red : White);
        if (stored == "edited")
            page.setPixel(2, 2, ToQRgb(Black));
        if (stored != "none")
            QVERIFY(SavePicture(page, book_->PageFile(0, 0)));
        book_->OpenPage(0, 0);
        const QImage drawn = book_->Find("Page_2")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.size(), QSize(1200, 1000));

        QImage line(drawn.size(), QImage::Format_Alpha8);  // how much of each screen pixel the outline covers
        line.fill(0);
        QPainter painter(&line);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(2.5, 2.5);
        painter.fillPath(LoadPageOutline(0), Qt::black);
        const bool red = stored == "red", edited = stored == "edited";
        const QRgb paint = red ? ToQRgb(Red) : ToQRgb(White);
        int grey = 0;  // neither paint nor black: the line's smoothed edge
        std::optional<QPoint> seam;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb pixel = drawn.pixel(x, y);
                grey += pixel != paint && pixel != ToQRgb(Black);
                if (edited || seam)
                    continue;
                // Paint and black mixed, nothing else; paint alone a pixel
                // away from the line.
                const bool mixed = red ? qGreen(pixel) == 0 && qBlue(pixel) == 0
                                       : qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
                bool nearLine = pixel == paint;
                for (int i = 0; i < 9 && !nearLine; ++i)
                    nearLine = line.pixelColor(std::clamp(x - 1 + i % 3, 0, line.width() - 1),
                                               std::clamp(y - 1 + i / 3, 0, line.height() - 1)).alpha() > 0;
                if (!mixed || !nearLine)
                    seam = QPoint(x, y);
            }
        QVERIFY2(!seam, qPrintable(QStringLiteral("a seam at %1,%2").arg(seam ? seam->x() : 0).arg(seam ? seam->y() : 0)));
        const double departure = StrokeDeparture(drawn, "A left leg");
        if (stored == "edited") {
            QCOMPARE(grey, 0);
            QVERIFY2(departure >= 1, qPrintable(QString::number(departure)));
        } else {
            QVERIFY2(grey > 2000, qPrintable(QString::number(grey)));
            QVERIFY2(departure < 1, qPrintable(QString::number(departure)));
        }
    }

    // Ctrl+Z, Ctrl+S and Ctrl+P act where their buttons show. The parent's
    // keys change the scale live: the view, the page, its fill and the undo
    // stay, every control takes its place at the new scale, and the choice
    // is remembered. The offscreen screen is 800 x 600: 1.25 fits.
    void keys_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QList<QKeySequence>>("keys");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("effect");  // the fake has no printer: "printed" is one message
        const QString colouring = "OpenFolder_2 Thumbnail_0";
        const QKeySequence undo(Qt::CTRL | Qt::Key_Z), save(Qt::CTRL | Qt::Key_S), print(Qt::CTRL | Qt::Key_P);
        const QKeySequence plus(Qt::CTRL | Qt::Key_Plus), minus(Qt::CTRL | Qt::Key_Minus), fit(Qt::CTRL | Qt::Key_0);
        using Keys = QList<QKeySequence>;
        QTest::newRow("undo") << colouring << Keys{undo} << 1.0 << "none" << "undone";
        QTest::newRow("save") << colouring << Keys{save} << 1.0 << "none" << "saved";
        QTest::newRow("print") << colouring << Keys{print} << 1.0 << "none" << "printed";
        QTest::newRow("save on the contents") << "OpenFolder_2" << Keys{save} << 1.0 << "none" << "";
        QTest::newRow("print at home") << "" << Keys{print} << 1.0 << "none" << "";
        QTest::newRow("plus") << colouring << Keys{plus} << 1.25 << "1.25" << "";
        QTest::newRow("plus stops where the window fits") << colouring << Keys{plus, plus, plus} << 1.25 << "1.25" << "";
        QTest::newRow("plus as Ctrl+=") << colouring << Keys{QKeySequence(Qt::CTRL | Qt::Key_Equal)} << 1.25 << "1.25" << "";
        QTest::newRow("minus stops at 1") << colouring << Keys{plus, minus, minus} << 1.0 << "1" << "";
        QTest::newRow("back to the fit") << colouring << Keys{plus, minus, fit} << 1.25 << "0" << "";
    }
    void keys()
    {
        QFETCH(QString, clicks);
        QFETCH(QList<QKeySequence>, keys);
        QFETCH(double, scale);
        QFETCH(QString, effect);
        start(1);
        book_->services.printer.installed = false;
        book_->Click(clicks);
        const View view = book_->window().CurrentView();
        ColouringPage& page = book_->window().folder().colouringPage();
        const QImage opened = page.image();
        if (view == View::Colouring)
            QVERIFY(page.FillArea(test::PointInside(opened).x(), test::PointInside(opened).y(), 255));
        const QImage filled = page.image();

        for (const QKeySequence& keys : keys)
            key(keys);
        QCOMPARE(this->scale(), scale);
        QTEST(book_->settings.GetSetting("Display", "Scale", "none"), "remembered");
        QCOMPARE(book_->window().CurrentView(), view);
        QCOMPARE(page.image(), effect == "undone" ? opened : filled);
        QCOMPARE(book_->services.files.proposals.size(), int(effect == "saved"));
        QCOMPARE(book_->services.messages.shown.size(), int(effect == "printed"));
        QCOMPARE(book_->window().size(), TwipsSize(frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight, scale));
        if (view == View::Colouring && effect != "undone") {
            QCOMPARE(book_->Find("Paint_7")->geometry(), TwipsRect(PaintSwatches::SwatchPlace(7), scale));
            QCOMPARE(book_->Find("Page_2")->geometry(),
                     QRect(TwipsPoint(ColouringView::BarWidth, 0, scale), QSize(480, 400) * scale));
            book_->Click("UserCmdUndo");
            QCOMPARE(page.image(), opened);
        }
    }

    void fullScreen()
    {
        start(1);
        key(QKeySequence(Qt::Key_F11));
        QTRY_COMPARE(book_->window().size(), book_->window().screen()->geometry().size());
        QCOMPARE(scale(), 1.25);
        QCOMPARE(book_->Find("HomeView")->geometry().center(), book_->window().rect().center());
        QCOMPARE(book_->settings.GetSetting("Display", "FullScreen", "none"), "True");
        // A smaller book in full screen is remembered for full screen.
        key(QKeySequence(Qt::CTRL | Qt::Key_Minus));
        QCOMPARE(scale(), 1.0);
        key(QKeySequence(Qt::Key_F11));
        QCOMPARE(book_->settings.GetSetting("Display", "FullScreen", "none"), "False");
        QTRY_COMPARE(book_->window().size(), TwipsSize(frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight, scale()));
        QCOMPARE(scale(), 1.25);  // the window's own: the fit
        key(QKeySequence(Qt::Key_F11));
        QCOMPARE(scale(), 1.0);
        QCOMPARE(book_->settings.GetSetting("Display", "FullScreenScale", "none"), "1");
    }

    // Qt's own dialogs that the book opens, at 2.5 against 1: their text
    // grows by the scale, and so do the dialogs and the colour chooser's
    // cells; the save dialog's name box holds a whole path. With ATOZ_SHOTS
    // set, each is written there as a PNG to look at.
    void dialogsAtScale_data()
    {
        QTest::addColumn<QString>("dialog");
        for (const char* dialog : {"file save error", "no printer", "colours", "save", "printer setup"})
            QTest::newRow(dialog) << QString(dialog);
    }
    void dialogsAtScale()
    {
        QFETCH(QString, dialog);
        struct Seen
        {
            qreal points = 0;
            QSize size, part;
            QString name;
            bool whole = true;  // a message's text within its box
        };
        const auto open = [&](double scale) {
            start(scale);
            QtServices real;
            QtPrinter printer;
            Services services = real.services();
            Seen seen;
            const auto answered = test::WhenModal<QDialog>([&](QDialog* shown) {
                seen = {shown->font().pointSizeF(), shown->size(), {}, {}};
                for (QWidget* part : shown->findChildren<QWidget*>())  // the colour cells
                    if (QByteArray(part->metaObject()->className()).endsWith("QWellArray"))
                        seen.part = part->size();
                if (auto* name = shown->findChild<QLineEdit*>("fileNameEdit"))
                    seen.name = name->text();
                if (auto* text = shown->findChild<QLabel*>("qt_msgbox_label"))
                    seen.whole = text->geometry().right() < shown->width();
                if (const QString shots = qEnvironmentVariable("ATOZ_SHOTS"); !shots.isEmpty())
                    shown->grab().save(QDir(shots).filePath(QStringLiteral("%1-%2.png").arg(dialog).arg(scale)));
                shown->reject();
            });
            QWidget* book = &book_->window();
            if (dialog == "file save error")
                services.messages.Inform(book, SaveErrorTitle(), SaveErrorText());
            else if (dialog == "no printer")
                services.messages.Inform(book, PrintProblemTitle(), NoPrinterText());
            else if (dialog == "colours")
                services.colours.ChooseColour(book, 255);
            else if (dialog == "save")
                services.files.SaveFileName(book, book_->dir.filePath("no folder yet/colorpage.bmp"), SaveFileFilters());
            else
                printer.ChoosePrinter(book);
            return seen;
        };
        const Seen classic = open(1), big = open(2.5);
        QVERIFY(classic.points > 0);
        QCOMPARE(big.points, classic.points * 2.5);
        QVERIFY(classic.whole && big.whole);
        // Each side grows by the text, the frames and the spacing, within
        // the screen (800 x 600 here).
        QVERIFY2(big.size.width() >= std::min(800, int(classic.size.width() * 1.8)), qPrintable(QDebug::toString(big.size)));
        QVERIFY2(big.size.height() >= std::min(600, int(classic.size.height() * 1.8)), qPrintable(QDebug::toString(big.size)));
        QCOMPARE(big.part, dialog == "colours" ? classic.part * 2.5 : QSize());
        if (dialog == "save")  // not a name relative to the folder the dialog shows
            for (const QString& name : {classic.name, big.name})
                QVERIFY2(QDir::isAbsolutePath(name) && name.endsWith("/no folder yet/colorpage.bmp"), qPrintable(name));
    }

    // The contents sheet's scroll bar: its arrows and its handle grow with
    // the bar, and so does the arrow drawn in each.
    void scrollBarArrows()
    {
        QList<QRect> arrows, handles;
        QList<int> glyphs;
        for (double scale : {1.0, 2.5}) {
            start(scale);
            book_->Click("OpenFolder_0");
            auto* bar = book_->Find<QScrollBar>("ContentsScroll");
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.orientation = Qt::Vertical;
            option.minimum = bar->minimum();
            option.maximum = bar->maximum();
            option.pageStep = bar->pageStep();
            option.sliderPosition = bar->value();
            const QRect arrow = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, bar);
            arrows.append(arrow);
            handles.append(bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar));
            // The arrow's width: the dark pixels across the button's middle row.
            const QImage drawn = bar->grab().toImage();
            int dark = 0;
            for (int x = arrow.left(); x <= arrow.right(); ++x)
                dark += qGray(drawn.pixel(x, arrow.center().y() + arrow.height() / 8)) < 128;
            glyphs.append(dark);
        }
        QCOMPARE(arrows[1].height(), qRound(arrows[0].height() * 2.5));
        QCOMPARE(arrows[1].width(), qRound(arrows[0].width() * 2.5));
        QVERIFY(handles[1].height() >= handles[0].height() * 2);
        QVERIFY2(glyphs[1] >= glyphs[0] * 2 && glyphs[1] >= arrows[1].width() / 5, qPrintable(QDebug::toString(glyphs)));
    }

    // The longest name a copy takes shows whole at every scale: on its tile,
    // on its tab clear of the marker, and in its box of the names window.
    void longestNames_data()
    {
        QTest::addColumn<double>("scale");
        for (double scale = 1; scale <= 3; scale += ScaleStep)
            QTest::addRow("%g", scale) << scale;
    }
    void longestNames()
    {
        QFETCH(double, scale);
        start(scale);
        for (const QString& name : {QString(10, u'W'), QString(10, u'M'), QStringLiteral("Maximilian")}) {
            book_->window().folderNames().StoreFolderNames(QList<std::optional<QString>>(FolderCount, name));
            book_->Click("OpenFolder_0");
            const QRect marker = book_->Find("ImagePoint")->geometry();
            for (const QString& shown : {QString("OpenFolderNumber_3"), QString("UserCmdChangeFolder_0")}) {
                auto* label = book_->Find<QLabel>(shown);
                QVERIFY2(label->fontMetrics().horizontalAdvance(name) <= label->contentsRect().width(),
                         qPrintable(shown + ' ' + name));
                if (shown.startsWith("UserCmdChangeFolder"))
                    QVERIFY(label->geometry().left() + label->contentsRect().left() > marker.right());
            }
            frmName names(book_->window().folderNames(), &book_->window());
            names.show();
            QLineEdit* box = names.TextYourName(5);
            box->setCursorPosition(int(name.size()));
            // With the cursor at the end, the text has not scrolled: it starts
            // at the box's left.
            QVERIFY2(box->cursorPositionAt(QPoint(0, box->height() / 2)) == 0, qPrintable(name));
            names.close();
            book_->Click("UserCmdHome");
        }
    }

    // The three views and every window of the book at a scale: each window
    // and each text grows by the scale, and screen readers and
    // accessibility-based tools find every control a child can click, as a
    // button with a name. With ATOZ_SHOTS set to a directory, each view and
    // window is written there as a PNG to look at.
    void windowsAtScale_data()
    {
        QTest::addColumn<double>("scale");
        for (double scale : {1.5, 2.5})
            QTest::addRow("%g", scale) << scale;
    }
    void windowsAtScale()
    {
        QFETCH(double, scale);
        start(scale);
        frmRezivIdod& book = book_->window();
        QCOMPARE(book.size(), TwipsSize(frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight, scale));
        const QString shots = qEnvironmentVariable("ATOZ_SHOTS");
        auto look = [&](QWidget* window, const QString& name) {
            const auto labels = window->findChildren<QLabel*>();
            for (const QLabel* label : labels)
                if (const QVariant points = label->property("atozPoints");
                    points.isValid() && !label->property("atozShrink").isValid())
                    QCOMPARE(label->font().pointSizeF(), points.toReal() * scale);
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!control->findChild<QObject*>("Clickable", Qt::FindDirectChildrenOnly))
                    continue;
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(QList({QAccessible::Button, QAccessible::RadioButton, QAccessible::PageTab, QAccessible::ListItem})
                             .contains(accessible->role()),
                         qPrintable(control->objectName()));
                QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            }
            if (!shots.isEmpty())
                window->grab().save(QDir(shots).filePath(QStringLiteral("%1-%2.png").arg(name).arg(scale)));
        };
        look(&book, "home");
        book_->Click("OpenFolder_0");
        look(&book, "contents");
        book_->Click("Thumbnail_0");
        const QPoint inside = test::PointInside(book_->page());
        book.folder().colouringPage().FillArea(inside.x(), inside.y(), 255);
        look(&book, "colouring");

        const std::tuple<const char*, QSize, std::function<QWidget*()>> windows[] = {
            {"palette", {4635, 4260}, [&] { return new frmPaintColor(book.paints(), book_->services.colours, &book); }},
            {"print", {6255, 4920}, [&] { return new frmPrintQuery(book_->settings, "Kitchen Printer", false, &book); }},
            {"names", {4560, 4605}, [&] { return new frmName(book.folderNames(), &book); }},
            {"about", {7710, 4965}, [&] { return new frmAbout(&book); }},
            {"books", {7890, 4800}, [&] { return new frmBooks(&book); }},
            {"information", {6150, 4260}, [&] { return new frmInfo(&book); }},
            {"progress", {6105, 870}, [&] { return new frmProgressForm(&book); }},
            {"web", {8580, 4950}, [&] { return new frmWeb(book_->services.browsers, &book); }},
        };
        for (const auto& [name, twips, make] : windows) {
            std::unique_ptr<QWidget> shown(make());
            shown->show();
            QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
            QCOMPARE(shown->size(), TwipsSize(twips, scale));
            look(shown.get(), name);
        }
    }
};

QTEST_MAIN(ScaleTest)
#include "tst_scale.moc"
