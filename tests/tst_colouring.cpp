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
    // The colour symbol of areas 0..3.
    QString areas() const
    {
        QString seen;
        for (const QPointF& at : Inside)
            seen += RowsOf(page.image())[int(at.y())][int(at.x())];
        return seen;
    }
};

}  // namespace

class ColouringTest : public QObject
{
    Q_OBJECT

private slots:
    // Steps: "0r" fills area 0 with red (colours r, b, n as in the page rows),
    // "@x,y" clicks there with the paint of the moment, "U" undoes, "S7"
    // selects swatch 7. A click that fills nothing leaves the page, its
    // signals and the record of the last fill alone; half pixels round to
    // the even one.
    void undoSequences_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("areas");  // the colour symbol of areas 0..3 afterwards
        QTest::addColumn<bool>("undoable");

        QTest::newRow("undo a fill") << QStringList{"0r", "U"} << "...." << false;
        QTest::newRow("second undo offers nothing") << QStringList{"0r", "U", "U"} << "...." << false;
        QTest::newRow("only the last fill") << QStringList{"0r", "1b", "U"} << "r..." << false;
        QTest::newRow("outline click in between") << QStringList{"0r", "@3,3", "U"} << "...." << false;
        QTest::newRow("rounds onto outline") << QStringList{"0r", "@2.6,0", "U"} << "...." << false;
        QTest::newRow("below page") << QStringList{"0r", "@1,5.6", "U"} << "...." << false;
        QTest::newRow("not a number") << QStringList{"0r", "@nan,1", "U"} << "...." << false;
        QTest::newRow("far away") << QStringList{"0r", "@1e30,1", "U"} << "...." << false;
        QTest::newRow("half pixels: (2, 4)") << QStringList{"0r", "@2.5,3.5"} << "r.r." << true;
        QTest::newRow("the undo finds the half pixel") << QStringList{"0r", "@2.5,3.5", "U"} << "r..." << false;
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
            else if (step.startsWith(u'@')) {
                const QStringList at = step.mid(1).split(u',');
                const QImage before = book.page.image();
                QSignalSpy announced(&book.page, &ColouringPage::undoAvailableChanged);
                QSignalSpy edited(&book.page, &ColouringPage::edited);
                if (!book.click({at[0].toDouble(), at[1].toDouble()}))
                    QVERIFY(book.page.image() == before && announced.isEmpty() && edited.isEmpty());
            }
            else if (step.startsWith(u'S'))
                book.palette.SelectSwatch(step.mid(1).toInt());
            else {
                book.palette.SetPaintColor(colours[step[1]]);  // the selected swatch takes the colour
                book.click(Inside[step[0].digitValue()]);
            }
        }
        QTEST(book.areas(), "areas");
        QTEST(book.page.undo().UndoAvailable(), "undoable");
    }

    // A swatch's stored colour, and what it paints: black paint is near
    // black, as the page never paints outline.
    void storedValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<Colour>("colour");
        QTest::addColumn<Colour>("painted");
        QTest::newRow("a colour") << "123456" << Colour(123456) << Colour(123456);
        QTest::newRow("black") << "0" << Black << NearBlack;
        QTest::newRow("padded") << " 255 " << Colour(255) << Colour(255);
        QTest::newRow("too big") << "16777216" << DefaultPaint(5) << DefaultPaint(5);
        QTest::newRow("negative") << "-1" << DefaultPaint(5) << DefaultPaint(5);
        QTest::newRow("words") << "red" << DefaultPaint(5) << DefaultPaint(5);
        QTest::newRow("empty") << "" << DefaultPaint(5) << DefaultPaint(5);
    }
    void storedValues()
    {
        QFETCH(QString, stored);
        QFETCH(Colour, painted);
        Book book;
        book.settings.SaveSetting("Paints", "Color5", stored);
        book.palette.LoadPalette();
        book.palette.SelectSwatch(5);
        QTEST(book.palette.SwatchColour(5), "colour");
        QVERIFY(book.click(Inside[0]) && book.page.FillArea(5, 5, book.palette.SwatchColour(5)));
        QCOMPARE(FromQRgb(book.page.image().pixel(0, 0)), painted);
        QCOMPARE(FromQRgb(book.page.image().pixel(5, 5)), painted);
    }
};

QTEST_GUILESS_MAIN(ColouringTest)
#include "tst_colouring.moc"
