#include "printing.h"

#include "platform/printer.h"

#include <QCoreApplication>
#include <QImage>

namespace atoz {

QString PrintProblemTitle()
{
    return QCoreApplication::translate("Printing", "Printing");
}

QString NoPrinterText()
{
    return QCoreApplication::translate(
        "Printing",
        "There is no printer set up on this computer yet, so the page cannot be printed.\n\n"
        "A parent can add a printer in the desktop's printer settings (often under Settings, then "
        "Printers). After that, the book offers it the next time you print, with no need to start it again.");
}

QString PrintRefusedText()
{
    return QCoreApplication::translate(
        "Printing",
        "The printer did not take the page. Please check that it is switched on and has paper, then try again.");
}

bool PrintColouredPage(Printer& printer, const QImage& picture, const PrintChoices& choices, const QString& name,
                       const QPainterPath& outline)
{
    // The sheet is measured after it is turned.
    printer.SetOrientation(choices.landscape);
    const PrintLayout layout = PrintPage(picture.size(), printer.PageSize(), choices);
    return printer.PrintPicture(picture, outline, layout.twips, name);
}

}  // namespace atoz
