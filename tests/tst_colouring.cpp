#include "colouring/colouringpage.h"
#include "palette/palette.h"
#include "platform/settingsstore.h"
#include "support/testsupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace atoz;
using test::PageFromRows;
using test::RowsOf;

namespace {

// Four white areas around a black cross: top-left, top-right, bottom-left,
// bottom-right. Pixel (2, 4) is in the bottom-left area; (3, 4) and (2, 3)
// are outline.
const QStringList Quadrants = {"...#..", "...#..", "...#..", "######", "...#..", "...#.."};
const QPointF Inside[] = {{1, 1}, {5, 1}, {1, 5}, {5, 5}};  // by quadrant 0..3

struct Book
{
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath("settings.ini")};
    Palette palette{settings};
    ColouringPage page;

    Book()
    {
        palette.LoadPalette();
        page.Open(PageFromRows(Quadrants));
    }
    bool click(QPointF at) { return page.FillArea(float(at.x()), float(at.y()), palette.CurrentPaint()); }
    QStringList rows() const { return RowsOf(page.image()); }
};

}  // namespace

class ColouringTest : public QObject
{
    Q_OBJECT

private slots:
    void halfPixelsRoundToEven()
    {
        Book book;
        QVERIFY(book.page.FillArea(2.5f, 3.5f, 255));  // pixel (2, 4), not (3, 4) or (2, 3)
        QCOMPARE(book.rows(), (QStringList{"...#..", "...#..", "...#..", "######", "rrr#..", "rrr#.."}));
        QVERIFY(book.page.UndoLastFill());  // at the same half pixel: the same area
        QCOMPARE(book.rows(), Quadrants);
    }

    void refusedClicksLeaveTheRecord_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::newRow("outline") << QPointF(3, 0);
        QTest::newRow("rounds onto outline") << QPointF(2.6, 0);
        QTest::newRow("below page") << QPointF(1, 5.6);
        QTest::newRow("not a number") << QPointF(std::nan(""), 1);
        QTest::newRow("far away") << QPointF(1e30, 1);
    }
    void refusedClicksLeaveTheRecord()
    {
        QFETCH(QPointF, at);
        Book book;
        QVERIFY(book.click(Inside[0]));
        QSignalSpy announced(&book.page, &ColouringPage::undoAvailableChanged);
        QSignalSpy edited(&book.page, &ColouringPage::edited);
        const QImage before = book.page.image();
        QVERIFY(!book.click(at));
        QCOMPARE(book.page.image(), before);
        QCOMPARE(announced.count() + edited.count(), 0);
        QVERIFY(book.page.undo().UndoAvailable() && book.page.undo().UndoX() == 1.0f);
    }

    void blackPaintBecomesNearBlack()
    {
        Book book;
        book.settings.SaveSetting("Paints", "Color5", "0");
        book.palette.LoadPalette();
        book.palette.SelectSwatch(5);
        QCOMPARE(book.palette.CurrentPaint(), NearBlack);
        QVERIFY(book.click(Inside[0]));
        QVERIFY(book.page.FillArea(5, 5, Black));  // the page never paints outline either
        QCOMPARE(FromQRgb(book.page.image().pixel(0, 0)), NearBlack);
        QCOMPARE(FromQRgb(book.page.image().pixel(5, 5)), NearBlack);
    }

    // Steps: "0r" fills area 0 with red (colours r, b, n as in the page rows),
    // "#" clicks the outline, "U" undoes, "S7" selects swatch 7.
    void undoSequences_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("areas");  // the colour symbol of areas 0..3 afterwards
        QTest::addColumn<bool>("undoable");

        QTest::newRow("undo a fill") << QStringList{"0r", "U"} << "...." << false;
        QTest::newRow("second undo offers nothing") << QStringList{"0r", "U", "U"} << "...." << false;
        QTest::newRow("only the last fill") << QStringList{"0r", "1b", "U"} << "r..." << false;
        QTest::newRow("refused click in between") << QStringList{"0r", "#", "U"} << "...." << false;
        QTest::newRow("new swatch in between") << QStringList{"0r", "S7", "U"} << "...." << false;
        QTest::newRow("new swatch then fill") << QStringList{"0r", "S7", "1r", "U"} << "r..." << false;
        QTest::newRow("two colours, one undo") << QStringList{"0r", "0b", "U"} << "r..." << false;
        QTest::newRow("near black undone") << QStringList{"2n", "U"} << "...." << false;
        QTest::newRow("nothing to undo") << QStringList{"U"} << "...." << false;
        QTest::newRow("fill after undo") << QStringList{"0r", "U", "3b"} << "...b" << true;
        QTest::newRow("same colour again is the undo point") << QStringList{"0r", "0r", "U"} << "r..." << false;
    }
    void undoSequences()
    {
        QFETCH(QStringList, steps);
        Book book;
        const QMap<QChar, Colour> colours = {{u'r', 255}, {u'b', 16711680}, {u'n', NearBlack}};
        for (const QString& step : steps) {
            if (step == "U")
                book.page.UndoLastFill();
            else if (step == "#")
                book.click({3, 3});
            else if (step.startsWith(u'S'))
                book.palette.SelectSwatch(step.mid(1).toInt());
            else {
                book.palette.SetPaintColor(colours[step[1]]);  // the selected swatch takes the colour
                book.click(Inside[step[0].digitValue()]);
            }
        }
        QString seen;
        for (const QPointF& at : Inside)
            seen += book.rows()[int(at.y())][int(at.x())];
        QTEST(seen, "areas");
        QTEST(book.page.undo().UndoAvailable(), "undoable");
    }

    void storedValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<Colour>("colour");
        QTest::newRow("a colour") << "123456" << Colour(123456);
        QTest::newRow("zero is kept") << "0" << Black;
        QTest::newRow("padded") << " 255 " << Colour(255);
        QTest::newRow("too big") << "16777216" << DefaultPaint(5);
        QTest::newRow("negative") << "-1" << DefaultPaint(5);
        QTest::newRow("words") << "red" << DefaultPaint(5);
        QTest::newRow("empty") << "" << DefaultPaint(5);
    }
    void storedValues()
    {
        QFETCH(QString, stored);
        Book book;
        book.settings.SaveSetting("Paints", "Color5", stored);
        book.palette.LoadPalette();
        QTEST(book.palette.SwatchColour(5), "colour");
    }
};

QTEST_GUILESS_MAIN(ColouringTest)
#include "tst_colouring.moc"
