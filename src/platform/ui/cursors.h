#pragma once

#include <QCursor>

namespace atoz {

// The book's two mouse cursors, drawn from SVG at the screen's pixel ratio.
// Both are 32 x 32 logical pixels.
QCursor PaintBrushCursor();    // over the page and the swatches; hot spot (8, 30), the brush tip
QCursor PointingHandCursor();  // over every button; hot spot (12, 1), the finger tip

}  // namespace atoz
