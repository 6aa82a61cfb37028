#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QImage;
class QWidget;

namespace atoz {

// The printer pages go to: the system's default printer until the child
// chooses another in the printer dialog, for the rest of the run.
class Printer
{
public:
    virtual ~Printer() = default;
    // False when the system has no printer at all.
    virtual bool IsInstalled() = 0;
    virtual QString DeviceName() = 0;
    virtual bool IsLandscape() = 0;
    // The printer dialog. Cancel changes nothing.
    virtual void ChoosePrinter(QWidget* parent) = 0;
    virtual void SetOrientation(bool landscape) = 0;
    // The drawing area of a sheet in the current orientation, in twips.
    virtual QSizeF PageSize() = 0;
    // One document of one page: `picture` drawn into `twips` (from the
    // drawing origin). With a smooth `outline` of the picture's black pixels
    // (in the picture's pixels, see pages/pageoutline.h) the black pixels
    // take the colours under the line and the outline is drawn over them at
    // the printer's own resolution. False when the printer refused it.
    virtual bool PrintPicture(const QImage& picture, const QPainterPath& outline, const QRectF& twips,
                              const QString& documentName) = 0;
};

}  // namespace atoz
