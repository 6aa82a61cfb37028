#include "colouring/undorecord.h"
#include "mainwindow/colouringview.h"
#include "pages/pagelibrary.h"
#include "palette/paintswatches.h"
#include "palette/palette.h"
#include "platform/settingsstore.h"
#include "support/testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace atoz;
using test::Find;

class ColouringViewTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<Palette> palette_;
    UndoRecord undo_;
    std::unique_ptr<ColouringView> view_;

    QWidget* find(const QString& name) const { return Find(view_.get(), name); }
    Colour pixel(int x, int y) const { return FromQRgb(view_->PageImage().pixel(x, y)); }
    QColor background(const QString& name) const { return find(name)->palette().color(QPalette::Window); }
    void press(Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(find("Page_2"), button, {}, {3, 2}); }

private slots:
    void init()
    {
        QFile::remove(dir_.filePath("settings.ini"));
        settings_ = std::make_unique<SettingsStore>(dir_.filePath("settings.ini"));
        palette_ = std::make_unique<Palette>(*settings_);
        palette_->LoadPalette();
        view_ = std::make_unique<ColouringView>(*palette_, undo_);
        view_->OpenPage(test::PageFromRows({"..........", ".########.", ".#......#.", ".########.", ".........."}));
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }

    void everyButtonColoursAndUndoes_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void everyButtonColoursAndUndoes()
    {
        QFETCH(Qt::MouseButton, button);
        QVERIFY(!find("UserCmdUndo")->isVisible());
        QTest::mouseClick(find("Paint_7"), Qt::LeftButton);
        press(button);
        QCOMPARE(pixel(2, 2), Colour(255));
        QCOMPARE(pixel(0, 0), White);  // outside the box
        QVERIFY(find("UserCmdUndo")->isVisible());

        QTest::mouseClick(find("UserCmdUndo"), Qt::LeftButton);
        QCOMPARE(pixel(2, 2), White);
        QVERIFY(!find("UserCmdUndo")->isVisible());
    }

    void nearBlackStaysApartFromOutline()
    {
        QTest::mouseClick(find("Paint_33"), Qt::LeftButton);  // the palette's black
        press();
        QCOMPARE(pixel(3, 2), NearBlack);
        // The surface keeps 65793 apart from the outline's 0: still paintable.
        QTest::mouseClick(find("Paint_7"), Qt::LeftButton);
        press();
        QCOMPARE(pixel(3, 2), Colour(255));
    }

    void swatchesAndMarker()
    {
        QCOMPARE(find("PaintMarker")->parentWidget(), find("Paint_2"));
        QCOMPARE(background("Paint_2"), QColor(Qt::white));
        QTest::mouseClick(find("Paint_7"), Qt::RightButton);
        QCOMPARE(find("PaintMarker")->parentWidget(), find("Paint_7"));
        QCOMPARE(background("PaintMarker"), QColor(255, 0, 0));
        QCOMPARE(background("Paint_7"), QColor(Qt::white));
        QCOMPARE(background("Paint_2"), QColor(255, 255, 204));
        // Indices run right to left within a row; swatch 8 is the short one.
        QCOMPARE(find("Paint_0")->geometry(), QRect(88, 50, 40, 20));
        QCOMPARE(find("Paint_8")->geometry(), QRect(4, 94, 40, 18));
        QCOMPARE(find("Paint_41")->geometry(), QRect(4, 334, 40, 20));
    }


};

QTEST_MAIN(ColouringViewTest)
#include "tst_colouringview.moc"
