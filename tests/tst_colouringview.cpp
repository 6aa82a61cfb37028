#include "colouring/undorecord.h"
#include "mainwindow/colouringview.h"
#include "mainwindow/pagesurface.h"
#include "pages/pagelibrary.h"
#include "palette/paintswatches.h"
#include "palette/palette.h"
#include "platform/settingsstore.h"
#include "support/testsupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace atoz;

namespace {

const QStringList Box = {"..........", ".########.", ".#......#.", ".#......#.", ".########.", ".........."};

Colour pixelAt(const ColouringView& view, int x, int y)
{
    return FromQRgb(view.PageImage().pixel(x, y));
}

QColor backgroundOf(QWidget* widget)
{
    return widget->palette().color(QPalette::Window);
}

}  // namespace

class ColouringViewTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<Palette> palette_;
    std::unique_ptr<UndoRecord> undo_;
    std::unique_ptr<ColouringView> view_;

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        T* widget = view_->findChild<T*>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    QWidget* undoButton() const { return find("UserCmdUndo"); }

private slots:
    void init()
    {
        settings_ = std::make_unique<SettingsStore>(dir_.filePath("settings.ini"));
        palette_ = std::make_unique<Palette>(*settings_);
        palette_->LoadPalette();
        undo_ = std::make_unique<UndoRecord>();
        view_ = std::make_unique<ColouringView>(*palette_, *undo_);
        view_->OpenPage(test::PageFromRows(Box));
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }
    void cleanup()
    {
        view_.reset();
        QFile::remove(dir_.filePath("settings.ini"));
    }

    void everyButtonColours_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void everyButtonColours()
    {
        QFETCH(Qt::MouseButton, button);
        QVERIFY(!undoButton()->isVisible());
        QTest::mouseClick(find("Paint_7"), Qt::LeftButton);
        QTest::mousePress(find("Page_2"), button, {}, QPoint(3, 3));
        QCOMPARE(pixelAt(*view_, 2, 2), Colour(255));
        QCOMPARE(pixelAt(*view_, 0, 0), White);  // outside the box
        QVERIFY(undoButton()->isVisible());

        QTest::mouseClick(undoButton(), Qt::LeftButton);
        QCOMPARE(pixelAt(*view_, 2, 2), White);
        QVERIFY(!undoButton()->isVisible());
    }

    void outlineClickChangesNothing()
    {
        QTest::mousePress(find("Page_2"), Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(pixelAt(*view_, 2, 2), White);
        QCOMPARE(pixelAt(*view_, 0, 0), White);
        QVERIFY(!undoButton()->isVisible());
    }

    void onlyTheColouringPageColours()
    {
        view_->Page_MouseDown(0, Qt::LeftButton, {}, 3, 3);
        view_->Page_MouseDown(1, Qt::LeftButton, {}, 3, 3);
        QCOMPARE(pixelAt(*view_, 3, 3), White);
        view_->Page_MouseDown(2, Qt::LeftButton, {}, 3, 3);
        QCOMPARE(pixelAt(*view_, 3, 3), Colour(13434879));
    }

    void nearBlackStaysApartFromOutline()
    {
        QTest::mouseClick(find("Paint_33"), Qt::LeftButton);  // the palette's black
        QTest::mousePress(find("Page_2"), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(pixelAt(*view_, 3, 3), NearBlack);
        // Still paintable: the surface keeps 65793 apart from the outline's 0.
        QTest::mouseClick(find("Paint_7"), Qt::LeftButton);
        QTest::mousePress(find("Page_2"), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(pixelAt(*view_, 3, 3), Colour(255));
    }

    void swatchSelectionShowsTheMarker()
    {
        QCOMPARE(find("PaintMarker")->parentWidget(), find("Paint_2"));
        QCOMPARE(backgroundOf(find("Paint_2")), QColor(Qt::white));
        QTest::mouseClick(find("Paint_7"), Qt::RightButton);
        QCOMPARE(find("PaintMarker")->parentWidget(), find("Paint_7"));
        QCOMPARE(backgroundOf(find("PaintMarker")), QColor(255, 0, 0));
        QCOMPARE(backgroundOf(find("Paint_7")), QColor(Qt::white));
        QCOMPARE(backgroundOf(find("Paint_2")), ToQColor(13434879));
        QVERIFY(find("PaintMarker")->isVisible());
    }

    void layoutOfTheBar()
    {
        QCOMPARE(find("CmdBar_2")->geometry(), QRect(0, 0, 133, 401));
        QCOMPARE(find("Page_2")->pos(), QPoint(133, 0));
        QCOMPARE(find("Paint_0")->geometry(), QRect(88, 50, 40, 20));   // row 1, right
        QCOMPARE(find("Paint_2")->geometry(), QRect(4, 50, 40, 20));    // row 1, left
        QCOMPARE(find("Paint_8")->geometry(), QRect(4, 94, 40, 18));    // the short one
        QCOMPARE(find("Paint_41")->geometry(), QRect(4, 334, 40, 20));  // row 14, left
        QCOMPARE(find("PaintMarker")->geometry(), QRect(4, 2, 33, 15));
        QCOMPARE(find("UserCmdUndo")->geometry(), QRect(6, 360, 33, 32));
        QCOMPARE(view_->findChildren<Swatch*>().size(), 42);
    }

    void cursors()
    {
        QCOMPARE(find("Page_2")->cursor().hotSpot(), QPoint(8, 30));
        QCOMPARE(find("Paint_5")->cursor().hotSpot(), QPoint(8, 30));
        QCOMPARE(find("UserCmdSave")->cursor().hotSpot(), QPoint(12, 1));
        QCOMPARE(find("Page_2")->cursor().pixmap().size(), QSize(32, 32));
    }

    void surfaceTakesThePictureSize()
    {
        view_->OpenPage(LoadPagePicture(0));
        QCOMPARE(find("Page_2")->size(), QSize(480, 400));
        view_->OpenPage(QImage(400, 480, QImage::Format_RGB32));
        QCOMPARE(find("Page_2")->size(), QSize(400, 480));
    }

    void openingAPageClearsTheUndo()
    {
        QTest::mousePress(find("Page_2"), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(undoButton()->isVisible());
        const QImage picture = test::PageFromRows(Box);
        view_->OpenPage(picture);
        QVERIFY(!undoButton()->isVisible());
        QVERIFY(!undo_->UndoAvailable());
        QTest::mousePress(find("Page_2"), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(FromQRgb(picture.pixel(3, 3)), White);  // the picture handed in is not painted on
    }

    void commandButtonsAnnounceThemselves_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("OK") << "UserCmdDone" << QByteArray(SIGNAL(doneClicked()));
        QTest::newRow("save") << "UserCmdSave" << QByteArray(SIGNAL(saveClicked()));
        QTest::newRow("print") << "UserCmdPrint" << QByteArray(SIGNAL(printClicked()));
        QTest::newRow("palette editor") << "UserCmdColor" << QByteArray(SIGNAL(colourClicked()));
        QTest::newRow("information") << "UserCmdInfo" << QByteArray(SIGNAL(infoClicked()));
    }
    void commandButtonsAnnounceThemselves()
    {
        QFETCH(QString, control);
        QFETCH(QByteArray, signal);
        QSignalSpy spy(view_.get(), signal.constData());
        QTest::mouseClick(find(control), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(ColouringViewTest)
#include "tst_colouringview.moc"
