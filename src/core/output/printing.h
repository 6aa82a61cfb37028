#pragma once

#include "output/printchoices.h"
#include "platform/printer.h"

#include <QPainterPath>
#include <QString>

class QImage;

namespace atoz {

// What a parent is told when a page cannot be printed, in the language the
// book speaks.
QString PrintProblemTitle();
// Where a parent adds a printer, and that the book then offers it: it asks
// the system for its printers each time.
QString NoPrinterText();
QString PrintRefusedText();

// One coloured page on the printer as one document: turned as chosen, then
// placed where PrintPage puts it on the sheet of that orientation, drawn with
// its smooth `outline` when it has one. False when the printer refused it.
bool PrintColouredPage(Printer& printer, const QImage& picture, const PrintChoices& choices, const QString& name,
                       const QPainterPath& outline = {});

}  // namespace atoz
