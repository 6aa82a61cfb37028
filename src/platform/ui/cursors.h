#pragma once

#include <QCursor>

class QWidget;

namespace atoz {

// The book's two mouse cursors, drawn from SVG at the book's scale and the
// screen's pixel ratio. Both are 32 x 32 pixels at the book's classic size.
QCursor PaintBrushCursor();    // over the page and the swatches; hot spot (8, 30), the brush tip
QCursor PointingHandCursor();  // over every button; hot spot (12, 1), the finger tip

enum class BookCursor { Arrow, PaintBrush, PointingHand };
// Shows `cursor` over `control`; a change of the book's scale redraws it.
void SetBookCursor(QWidget* control, BookCursor cursor);
// The book's cursor of `control` drawn again at the present scale.
void RefreshBookCursor(QWidget* control);

}  // namespace atoz
