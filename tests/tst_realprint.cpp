#include "output/printchoices.h"
#include "output/printing.h"
#include "pages/pagelibrary.h"
#include "platform/ui/qtprinter.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

using namespace atoz;

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool schedulerRunning()
{
    return run("lpstat", {"-r"}).contains("scheduler is running");
}

// The print system for one test: the one already running, or a scheduler of
// our own, stopped again by the process this test started. A queue "PDF"
// writes every job as a PDF file into PDF/ under the user's home folder.
class PrintSystem
{
public:
    PrintSystem()
    {
        if (!schedulerRunning()) {
            daemon_.start("/usr/sbin/cupsd", {"-f"});
            daemon_.waitForStarted();
            for (int wait = 0; wait < 100 && !schedulerRunning(); ++wait)
                QTest::qWait(100);
        }
        for (const QString queue : {"PDF", "PDF-Spare"})
            if (!run("lpstat", {"-p", queue}).startsWith("printer " + queue + ' '))
                run("lpadmin", {"-p", queue, "-E", "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"});
        if (run("lpstat", {"-d"}).contains("no system default"))
            run("lpadmin", {"-d", "PDF"});
    }
    ~PrintSystem()
    {
        if (daemon_.state() == QProcess::NotRunning)
            return;
        daemon_.terminate();
        if (!daemon_.waitForFinished(5000))
            daemon_.kill();
    }

private:
    QProcess daemon_;
};

// The PDF folder of the user the print system writes for: the home folder the
// password database gives, which need not be $HOME.
QDir pdfFolder()
{
    const passwd* user = getpwuid(getuid());
    return QDir(QString::fromLocal8Bit(user ? user->pw_dir : "/root") + "/PDF");
}

bool near(QRgb pixel, QRgb expected)
{
    return qAbs(qRed(pixel) - qRed(expected)) < 40 && qAbs(qGreen(pixel) - qGreen(expected)) < 40
        && qAbs(qBlue(pixel) - qBlue(expected)) < 40;
}

}  // namespace

bool printSystemInstalled()
{
    for (const char* tool : {"/usr/sbin/cupsd", "lpadmin", "pdfinfo", "pdftoppm"})
        if (QStandardPaths::findExecutable(tool).isEmpty() && !QFile::exists(tool))
            return false;
    return true;
}

// A coloured page through the book's own print path onto a real printer
// queue that writes PDF files; the file must hold one page in the chosen
// orientation with the picture where the print arithmetic puts it.
class RealPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void printsWhereTheArithmeticSays_data()
    {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<bool>("fill");
        QTest::newRow("portrait, filled") << false << true;
        QTest::newRow("landscape, filled") << true << true;
        QTest::newRow("portrait, natural size") << false << false;
        QTest::newRow("landscape, natural size") << true << false;
    }
    void printsWhereTheArithmeticSays()
    {
        QFETCH(bool, landscape);
        QFETCH(bool, fill);
        if (!printSystemInstalled())
            QSKIP("needs cups, printer-driver-cups-pdf and poppler-utils (./test.sh installs them)");
        const PrintSystem cups;
        QVERIFY2(schedulerRunning(), "the print scheduler did not start");

        QtPrinter printer("PDF");
        QVERIFY(printer.IsInstalled());
        const QImage picture = test::ColouredPage(0, 255);  // every area red
        const PrintChoices choices{landscape, fill, 4};
        const QStringList before = pdfFolder().entryList({"*.pdf"}, QDir::Files);
        QVERIFY(PrintColouredPage(printer, picture, choices, "A to Z test"));

        // Where the picture must be on the sheet, in twips.
        const QRectF placed = PrintPage(picture.size(), printer.PageSize(), choices).twips.translated(
            printer.DrawingOrigin());

        QString pdf;
        for (int wait = 0; wait < 300 && pdf.isEmpty(); ++wait) {
            QTest::qWait(100);
            for (const QString& name : pdfFolder().entryList({"*.pdf"}, QDir::Files))
                if (!before.contains(name))
                    pdf = pdfFolder().filePath(name);
        }
        QVERIFY2(!pdf.isEmpty(), "no PDF arrived from the print queue");
        QTest::qWait(500);  // the file is complete once the queue lets it go

        const QString info = run("pdfinfo", {pdf});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));

        QTemporaryDir out;
        constexpr int Dpi = 36;
        run("pdftoppm", {"-r", QString::number(Dpi), "-png", "-singlefile", pdf, out.filePath("page")});
        QImage sheet(out.filePath("page.png"));
        QVERIFY(!sheet.isNull());
        // A landscape page arrives either on a landscape sheet or, as the
        // print system hands it to a printer, turned a quarter onto upright
        // paper; turned back, both read the same.
        if (landscape && sheet.height() > sheet.width())
            sheet = sheet.transformed(QTransform().rotate(90));
        QCOMPARE(sheet.width() > sheet.height(), landscape);
        auto at = [&](QPointF twips) { return sheet.pixel((twips * Dpi / 1440).toPoint()); };
        // The page's outside area, just in from the picture's top-left corner, is red;
        // the margin before it and the paper beyond its far corner are white.
        const QPointF in(placed.width() * 0.03, placed.height() * 0.03);
        QVERIFY2(near(at(placed.topLeft() + in), qRgb(255, 0, 0)), "no colour where the picture should start");
        QVERIFY2(near(at(placed.topLeft() - QPointF(200, 200)), qRgb(255, 255, 255)), "the margin is not white");
        QVERIFY2(near(at(placed.bottomRight() + QPointF(200, 200)), qRgb(255, 255, 255)), "paper beyond is not white");
        QVERIFY2(near(at(placed.bottomRight() - in), qRgb(255, 0, 0)), "no colour where the picture should end");
        QFile::remove(pdf);
    }

    // Printer Setup is a setup dialog, not a print dialog, and picking
    // another printer in it counts only with OK.
    void printerSetup_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("printer");
        QTest::newRow("Cancel") << false << "PDF";
        QTest::newRow("OK") << true << "PDF-Spare";
    }
    void printerSetup()
    {
        QFETCH(bool, accept);
        if (!printSystemInstalled())
            QSKIP("needs cups, printer-driver-cups-pdf and poppler-utils (./test.sh installs them)");
        const PrintSystem cups;
        QVERIFY2(schedulerRunning(), "the print scheduler did not start");
        QtPrinter printer("PDF");
        test::WhenModal<QDialog>([accept](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Printer Setup"));
            QCOMPARE(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text(), QString("OK"));
            for (QComboBox* list : dialog->findChildren<QComboBox*>())
                if (const int spare = list->findText("PDF-Spare"); spare >= 0)
                    list->setCurrentIndex(spare);
            accept ? dialog->accept() : dialog->reject();
        });
        printer.ChoosePrinter(nullptr);
        QTEST(printer.DeviceName(), "printer");
    }
};

QTEST_MAIN(RealPrintTest)
#include "tst_realprint.moc"
