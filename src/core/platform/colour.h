#pragma once

#include <QColor>
#include <QRgb>

#include <cstdint>

namespace atoz {

// A Colour is the book's own colour value, laid out 0x00BBGGRR: red in the low
// byte, so that value = red + 256 * green + 65536 * blue. The settings store,
// the palette table and the folder colours all use this form.
using Colour = std::uint32_t;

inline constexpr Colour Black = 0;          // the outline colour of every page
inline constexpr Colour White = 0xFFFFFF;   // 16777215
// Looks black but is not the outline colour: the palette's black paint.
inline constexpr Colour NearBlack = 0x010101;  // 65793
inline constexpr Colour MaxColour = 0xFFFFFF;

// What a paint of `colour` puts on the page: black is the outline, which no
// fill and no swatch ever paints, so black paint is NearBlack.
constexpr Colour PaintOf(Colour colour) { return colour == Black ? NearBlack : colour; }

// The bright colours of the book's own words on black: captions, commands,
// the chosen option (green) and the others (light grey).
inline constexpr Colour Red = 255;
inline constexpr Colour Yellow = 65535;
inline constexpr Colour Green = 65280;
inline constexpr Colour DarkGreen = 49152;
inline constexpr Colour Cyan = 16776960;
inline constexpr Colour LightCyan = 16777088;
inline constexpr Colour Magenta = 16711935;
inline constexpr Colour LightGrey = 14737632;

constexpr Colour ColourFromRgb(int red, int green, int blue)
{
    return Colour(red & 0xFF) | Colour(green & 0xFF) << 8 | Colour(blue & 0xFF) << 16;
}

constexpr int RedOf(Colour c) { return int(c & 0xFF); }
constexpr int GreenOf(Colour c) { return int(c >> 8 & 0xFF); }
constexpr int BlueOf(Colour c) { return int(c >> 16 & 0xFF); }

// The pixel value of a Colour in a QImage::Format_RGB32 image (0xffRRGGBB).
constexpr QRgb ToQRgb(Colour c)
{
    return 0xFF000000u | QRgb(RedOf(c)) << 16 | QRgb(GreenOf(c)) << 8 | QRgb(BlueOf(c));
}

// The Colour of an RGB32 or ARGB32 pixel; alpha is ignored.
constexpr Colour FromQRgb(QRgb pixel)
{
    return ColourFromRgb(int(pixel >> 16 & 0xFF), int(pixel >> 8 & 0xFF), int(pixel & 0xFF));
}

inline QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline Colour FromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return ColourFromRgb(rgb.red(), rgb.green(), rgb.blue());
}

}  // namespace atoz
