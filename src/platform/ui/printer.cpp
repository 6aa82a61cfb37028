#include "printer.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

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
    QPrintDialog dialog(&printer(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.exec();
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

bool QtPrinter::PrintPicture(const QImage& picture, const QRectF& twips, const QString& documentName)
{
    QPrinter& device = printer();
    device.setDocName(documentName);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double unitsPerTwip = device.resolution() / 1440.0;
    painter.drawImage(QRectF(twips.topLeft() * unitsPerTwip, twips.size() * unitsPerTwip), picture);
    return painter.end() && device.printerState() != QPrinter::Error;
}

}  // namespace atoz
