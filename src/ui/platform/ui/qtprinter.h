#pragma once

#include "platform/ui/services.h"

#include <memory>

class QPrinter;

namespace atoz {

// The printer through Qt: the system's default printer, or the one chosen in
// the printer dialog, kept for the rest of the run. This is the one place
// where twips become printer units.
class QtPrinter final : public Printer
{
public:
    // An empty name is the system's default printer.
    explicit QtPrinter(const QString& printerName = QString());
    ~QtPrinter() override;

    bool IsInstalled() override;
    QString DeviceName() override;
    bool IsLandscape() override;
    void ChoosePrinter(QWidget* parent) override;
    void SetOrientation(bool landscape) override;
    QSizeF PageSize() override;
    bool PrintPicture(const QImage& picture, const QPainterPath& outline, const QRectF& twips,
                      const QString& documentName) override;

    // The drawing origin on the sheet, in twips from its top-left corner.
    QPointF DrawingOrigin();

private:
    QPrinter& printer();

    QString name_;
    std::unique_ptr<QPrinter> printer_;  // made on first use: finding printers takes a moment
};

}  // namespace atoz
