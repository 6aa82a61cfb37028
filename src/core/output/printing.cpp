#include "printing.h"

#include "platform/printer.h"

#include <QImage>

namespace atoz {

bool PrintColouredPage(Printer& printer, const QImage& picture, const PrintChoices& choices, const QString& name,
                       const QPainterPath& outline)
{
    // The sheet is measured after it is turned.
    printer.SetOrientation(choices.landscape);
    const PrintLayout layout = PrintPage(picture.size(), printer.PageSize(), choices);
    return printer.PrintPicture(picture, outline, layout.twips, name);
}

}  // namespace atoz
