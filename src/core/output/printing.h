#pragma once

#include "output/printchoices.h"
#include "platform/printer.h"

#include <QPainterPath>
#include <QString>

class QImage;

namespace atoz {


// What a parent is told when a page cannot be printed.
inline const QString PrintProblemTitle = QStringLiteral("Printing");
// Where a parent adds a printer, and that the book then offers it: it asks
// the system for its printers each time.
QString NoPrinterText();
inline const QString PrintRefusedText = QStringLiteral(
    "The printer did not take the page. Please check that it is switched on and has paper, then try again.");

// One coloured page on the printer as one document: turned as chosen, then
// placed where PrintPage puts it on the sheet of that orientation, drawn with
// its smooth `outline` when it has one. False when the printer refused it.
bool PrintColouredPage(Printer& printer, const QImage& picture, const PrintChoices& choices, const QString& name,
                       const QPainterPath& outline = {});

}  // namespace atoz
