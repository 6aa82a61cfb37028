#pragma once

#include "output/printchoices.h"
#include "platform/printer.h"

#include <QPainterPath>
#include <QString>

class QImage;

namespace atoz {


// What a parent is told when a page cannot be printed.
inline const QString PrintProblemTitle = QStringLiteral("Printing");
inline const QString NoPrinterText = QStringLiteral(
    "There is no printer set up on this computer yet, so the page cannot be printed. "
    "Once a printer is added in the computer's settings, it will show up here.");
inline const QString PrintRefusedText = QStringLiteral(
    "The printer did not take the page. Please check that it is switched on and has paper, then try again.");

// One coloured page on the printer as one document: turned as chosen, then
// placed where PrintPage puts it on the sheet of that orientation, drawn with
// its smooth `outline` when it has one. False when the printer refused it.
bool PrintColouredPage(Printer& printer, const QImage& picture, const PrintChoices& choices, const QString& name,
                       const QPainterPath& outline = {});

}  // namespace atoz
