#pragma once

#include "platform/colour.h"

#include <QString>

namespace atoz {

// A colour in a child's words, for a screen reader to say what a swatch
// holds: "red", "light blue", "dark green", "grey", "white". Any Colour has
// one, also one a parent mixed in the colour chooser. In the language of the
// translation installed, from the context "ColourName".
QString ColourName(Colour colour);

}  // namespace atoz
