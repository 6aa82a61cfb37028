#include "output/printchoices.h"
#include "output/printing.h"
#include "platform/ui/qtprinter.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QStandardPaths>
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

}  // namespace

// The book's own print path onto real printer queues that write PDF files,
// under the print system already running or a scheduler of the test's own,
// stopped again by the process it started.
class RealPrintTest : public QObject
{
    Q_OBJECT

    QProcess scheduler_;

private slots:
    void initTestCase()
    {
        for (const char* tool : {"/usr/sbin/cupsd", "lpadmin", "pdfinfo", "pdftoppm"})
            if (QStandardPaths::findExecutable(tool).isEmpty() && !QFile::exists(tool))
                QSKIP("needs cups, printer-driver-cups-pdf and poppler-utils (./test.sh installs them)");
        if (!schedulerRunning()) {
            scheduler_.start("/usr/sbin/cupsd", {"-f"});
            QTRY_VERIFY_WITH_TIMEOUT(schedulerRunning(), 10000);
        }
        for (const QString queue : {"PDF", "PDF-Spare"})
            if (!run("lpstat", {"-p", queue}).startsWith("printer " + queue + ' '))
                run("lpadmin", {"-p", queue, "-E", "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"});
        if (run("lpstat", {"-d"}).contains("no system default"))
            run("lpadmin", {"-d", "PDF"});
    }
    void cleanupTestCase()
    {
        if (scheduler_.state() == QProcess::NotRunning)
            return;
        scheduler_.terminate();
        if (!scheduler_.waitForFinished(5000))
            scheduler_.kill();
    }

    // A coloured page printed: the queue's PDF holds one page in the chosen
    // orientation with the picture where the print arithmetic puts it.
    void printsWhereTheArithmeticSays_data()
    {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<bool>("fill");
        QTest::newRow("portrait, filled") << false << true;
        QTest::newRow("landscape, natural size") << true << false;
    }
    void printsWhereTheArithmeticSays()
    {
        QFETCH(bool, landscape);
        QFETCH(bool, fill);
        QtPrinter printer("PDF");
        QVERIFY(printer.IsInstalled());
        const QImage picture = test::ColouredPage(0, 255);  // every area red
        const PrintChoices choices{landscape, fill, 4};
        // The PDF folder of the user the print system writes for: the home
        // folder the password database gives, which need not be $HOME.
        const passwd* user = getpwuid(getuid());
        const QDir pdfs(QString::fromLocal8Bit(user ? user->pw_dir : "/root") + "/PDF");
        const QStringList before = pdfs.entryList({"*.pdf"}, QDir::Files);
        QVERIFY(PrintColouredPage(printer, picture, choices, "A to Z test"));
        const QRectF placed = PrintPage(picture.size(), printer.PageSize(), choices).twips.translated(
            printer.DrawingOrigin());

        QString pdf;
        for (int wait = 0; wait < 300 && pdf.isEmpty(); ++wait) {
            QTest::qWait(100);
            for (const QString& name : pdfs.entryList({"*.pdf"}, QDir::Files))
                if (!before.contains(name))
                    pdf = pdfs.filePath(name);
        }
        QVERIFY2(!pdf.isEmpty(), "no PDF arrived from the print queue");
        QTest::qWait(500);  // the file is complete once the queue lets it go
        const QString info = run("pdfinfo", {pdf});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        QTemporaryDir out;
        constexpr int Dpi = 36;
        run("pdftoppm", {"-r", QString::number(Dpi), "-png", "-singlefile", pdf, out.filePath("page")});
        QFile::remove(pdf);
        QImage sheet(out.filePath("page.png"));
        QVERIFY(!sheet.isNull());
        // A landscape page arrives either on a landscape sheet or, as the
        // print system hands it to a printer, turned a quarter onto upright
        // paper; turned back, both read the same.
        if (landscape && sheet.height() > sheet.width())
            sheet = sheet.transformed(QTransform().rotate(90));
        QCOMPARE(sheet.width() > sheet.height(), landscape);
        // Red just in from the picture's corners (its outside area), white
        // in the margin before it and on the paper beyond it.
        const QPointF in(placed.width() * 0.03, placed.height() * 0.03), out200(200, 200);
        const std::pair<QPointF, QRgb> probes[] = {{placed.topLeft() + in, qRgb(255, 0, 0)},
                                                   {placed.bottomRight() - in, qRgb(255, 0, 0)},
                                                   {placed.topLeft() - out200, qRgb(255, 255, 255)},
                                                   {placed.bottomRight() + out200, qRgb(255, 255, 255)}};
        for (const auto& [twips, expected] : probes) {
            const QRgb pixel = sheet.pixel((twips * Dpi / 1440).toPoint());
            QVERIFY2(std::max({qAbs(qRed(pixel) - qRed(expected)), qAbs(qGreen(pixel) - qGreen(expected)),
                               qAbs(qBlue(pixel) - qBlue(expected))}) < 40,
                     qPrintable(QStringLiteral("wrong colour at %1,%2 twips").arg(twips.x()).arg(twips.y())));
        }
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
