#pragma once

class QWidget;

namespace atoz {

// The book's mouse cursors. The paint brush (over the page and the swatches;
// hot spot (8, 30), the brush tip) and the pointing hand (over every button;
// hot spot (12, 1), the finger tip) are drawn from SVG, 32 x 32 pixels at the
// book's classic size, at the book's scale (BookScaleOf) and the pixel ratio of the screen
// the control is on.
enum class BookCursor { Arrow, PaintBrush, PointingHand };
// Shows `cursor` over `control`; a change of the book's scale redraws it.
void SetBookCursor(QWidget* control, BookCursor cursor);
// The book's cursor of `control` drawn again at the present scale, for the
// screen it is on now.
void RefreshBookCursor(QWidget* control);

}  // namespace atoz
