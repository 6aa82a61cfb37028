#pragma once

#include <QSize>

class QDialog;

namespace atoz {

// Qt's own dialogs (messages, colours, files, printers) at the book's scale
// (BookScaleOf the dialog, which its owner gives it): the desktop's font
// grown by the scale, the colour chooser's fields and cells as well, and the
// dialog at least `classic` times the scale, within the screen. The sizes
// the style gives (frames, icons, spacing) grow through BookStyle. Nothing
// changes at scale 1. A dialog the desktop shows in place of Qt's is the
// desktop's, at the desktop's size.
void ScaleToBook(QDialog* dialog, QSize classic = {});

}  // namespace atoz
