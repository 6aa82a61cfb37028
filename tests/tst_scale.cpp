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
#include "platform/bookscale.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QtTest>

#include <cmath>

#include <functional>

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
        SetTwipsScale(scale);
        book_ = std::make_unique<test::Book>();
    }

private slots:
    void cleanup()
    {
        book_.reset();
        SetTwipsScale(1);
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
        QCOMPARE(TwipsScale(), scale);
        QTEST(book_->settings.GetSetting("Display", "Scale", "none"), "remembered");
        QCOMPARE(book_->window().CurrentView(), view);
        QCOMPARE(page.image(), effect == "undone" ? opened : filled);
        QCOMPARE(book_->services.files.proposals.size(), int(effect == "saved"));
        QCOMPARE(book_->services.messages.shown.size(), int(effect == "printed"));
        QCOMPARE(book_->window().size(), TwipsSize(frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight));
        if (view == View::Colouring && effect != "undone") {
            QCOMPARE(book_->Find("Paint_7")->geometry(), TwipsRect(PaintSwatches::SwatchPlace(7)));
            QCOMPARE(book_->Find("Page_2")->geometry(), QRect(TwipsPoint(ColouringView::BarWidth, 0), QSize(480, 400) * scale));
            book_->Click("UserCmdUndo");
            QCOMPARE(page.image(), opened);
        }
    }

    void fullScreen()
    {
        start(1);
        key(QKeySequence(Qt::Key_F11));
        QTRY_COMPARE(book_->window().size(), book_->window().screen()->geometry().size());
        QCOMPARE(TwipsScale(), 1.25);
        QCOMPARE(book_->Find("HomeView")->geometry().center(), book_->window().rect().center());
        QCOMPARE(book_->settings.GetSetting("Display", "FullScreen", "none"), "True");
        key(QKeySequence(Qt::Key_F11));
        QCOMPARE(book_->settings.GetSetting("Display", "FullScreen", "none"), "False");
        QTRY_COMPARE(book_->window().size(), TwipsSize(frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight));
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
        QCOMPARE(book.size(), TwipsSize(frmRezivIdod::ClientWidth, frmRezivIdod::ClientHeight));
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
                QVERIFY2(accessible->role() == QAccessible::Button, qPrintable(control->objectName()));
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
            QCOMPARE(shown->size(), TwipsSize(twips));
            look(shown.get(), name);
        }
    }
};

QTEST_MAIN(ScaleTest)
#include "tst_scale.moc"
