#include "qtprinter.h"

#include "pages/linecolours.h"
#include "platform/colour.h"
#include "platform/ui/dialogscale.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace atoz {

namespace {

constexpr double TwipsPerPoint = 20;  // 1440 twips, 72 points an inch

}  // namespace

QtPrinter::QtPrinter(const QString& printerName) : name_(printerName) {}

QtPrinter::~QtPrinter() = default;

QPrinter& QtPrinter::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!name_.isEmpty())
            printer_->setPrinterName(name_);
        printer_->setCreator(QStringLiteral("A to Z"));
    }
    return *printer_;
}

bool QtPrinter::IsInstalled()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QString QtPrinter::DeviceName()
{
    return printer().printerName();
}

bool QtPrinter::IsLandscape()
{
    return printer().pageLayout().orientation() == QPageLayout::Landscape;
}

void QtPrinter::ChoosePrinter(QWidget* parent)
{
    // The dialog changes the printer it is given as the choices are made, so
    // it works on a copy that replaces the printer only on OK.
    const QPrinter& current = printer();
    auto chosen = std::make_unique<QPrinter>(QPrinter::HighResolution);
    chosen->setPrinterName(current.printerName());
    chosen->setPageLayout(current.pageLayout());
    chosen->setCopyCount(current.copyCount());
    chosen->setDuplex(current.duplex());
    chosen->setColorMode(current.colorMode());
    chosen->setCreator(current.creator());
    QPrintDialog dialog(chosen.get(), parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // Nothing is printed from here: a setup dialog, with its own words.
    dialog.setWindowTitle(QCoreApplication::translate("PrinterDialog", "Printer Setup"));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QCoreApplication::translate("PrinterDialog", "OK"));
    ScaleToBook(&dialog);
    if (dialog.exec() == QDialog::Accepted)
        printer_ = std::move(chosen);
}

void QtPrinter::SetOrientation(bool landscape)
{
    printer().setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QSizeF QtPrinter::PageSize()
{
    return printer().pageLayout().paintRect(QPageLayout::Point).size() * TwipsPerPoint;
}

QPointF QtPrinter::DrawingOrigin()
{
    return printer().pageLayout().paintRect(QPageLayout::Point).topLeft() * TwipsPerPoint;
}

bool QtPrinter::PrintPicture(const QImage& picture, const QPainterPath& outline, const QRectF& twips,
                             const QString& documentName)
{
    QPrinter& device = printer();
    device.setDocName(documentName);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double unitsPerTwip = device.resolution() / 1440.0;
    const QRectF place(twips.topLeft() * unitsPerTwip, twips.size() * unitsPerTwip);
    if (outline.isEmpty() || picture.isNull()) {
        painter.drawImage(place, picture);
    } else {
        // The colours as the page's pixels, the outline over them as a path:
        // the printer draws it at its own resolution (a PDF keeps it as
        // curves).
        painter.drawImage(place, ColoursUnderLine(picture));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(place.topLeft());
        painter.scale(place.width() / picture.width(), place.height() / picture.height());
        painter.fillPath(outline, QColor(ToQRgb(Black)));
    }
    return painter.end() && device.printerState() != QPrinter::Error;
}

}  // namespace atoz
