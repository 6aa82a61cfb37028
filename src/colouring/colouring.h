#pragma once

#include "platform/colour.h"

class QImage;

namespace atoz {

class Palette;
class UndoRecord;

// Colouring a page: one click fills the whole area enclosed by black outline
// pixels, and the last fill can be undone. Works on the page surface's image
// (QImage::Format_RGB32), whose pixels are all the book's Colours.
class Colouring
{
public:
    Colouring(Palette& palette, UndoRecord& undo) : palette_(palette), undo_(undo) {}

    // Fills the area around pixel (x, y) with `colour`. The position is rounded
    // to the nearest pixel, halves to the even neighbour. Refused (false, the
    // undo record untouched) on a black pixel or outside the surface. On success
    // the undo record remembers (x, y) exactly as given and the former colour.
    // A current paint of 0 becomes NearBlack first: no fill ever paints black.
    bool FillArea(QImage& surface, float x, float y, Colour colour);

    // Refills the last filled area with the colour it had before; the undo is
    // then used up. False when there was nothing to undo.
    bool UndoLastFill(QImage& surface);

private:
    Palette& palette_;
    UndoRecord& undo_;
};

}  // namespace atoz
