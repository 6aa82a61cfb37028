#include "colournames.h"

#include <QColor>
#include <QCoreApplication>

#include <algorithm>

namespace atoz {

namespace {

// Each hue by the largest HSL hue it reaches, with its light, plain and dark
// word, and the lightness below which it is dark. Brown is dark orange, pink
// light red, as a child says them.
struct Hue
{
    int upTo;
    const char* light;
    const char* plain;
    const char* dark;
    int darkBelow = 100;
};
const Hue Hues[] = {
    {12, QT_TRANSLATE_NOOP("ColourName", "pink"), QT_TRANSLATE_NOOP("ColourName", "red"),
     QT_TRANSLATE_NOOP("ColourName", "dark red")},
    {42, QT_TRANSLATE_NOOP("ColourName", "peach"), QT_TRANSLATE_NOOP("ColourName", "orange"),
     QT_TRANSLATE_NOOP("ColourName", "brown"), 128},
    {68, QT_TRANSLATE_NOOP("ColourName", "light yellow"), QT_TRANSLATE_NOOP("ColourName", "yellow"),
     QT_TRANSLATE_NOOP("ColourName", "olive")},
    {160, QT_TRANSLATE_NOOP("ColourName", "light green"), QT_TRANSLATE_NOOP("ColourName", "green"),
     QT_TRANSLATE_NOOP("ColourName", "dark green")},
    {195, QT_TRANSLATE_NOOP("ColourName", "light turquoise"), QT_TRANSLATE_NOOP("ColourName", "turquoise"),
     QT_TRANSLATE_NOOP("ColourName", "dark turquoise")},
    {250, QT_TRANSLATE_NOOP("ColourName", "light blue"), QT_TRANSLATE_NOOP("ColourName", "blue"),
     QT_TRANSLATE_NOOP("ColourName", "dark blue")},
    {290, QT_TRANSLATE_NOOP("ColourName", "lilac"), QT_TRANSLATE_NOOP("ColourName", "purple"),
     QT_TRANSLATE_NOOP("ColourName", "dark purple")},
    {320, QT_TRANSLATE_NOOP("ColourName", "light pink"), QT_TRANSLATE_NOOP("ColourName", "magenta"),
     QT_TRANSLATE_NOOP("ColourName", "plum")},
    {345, QT_TRANSLATE_NOOP("ColourName", "light pink"), QT_TRANSLATE_NOOP("ColourName", "pink"),
     QT_TRANSLATE_NOOP("ColourName", "dark pink")},
    {360, QT_TRANSLATE_NOOP("ColourName", "pink"), QT_TRANSLATE_NOOP("ColourName", "red"),
     QT_TRANSLATE_NOOP("ColourName", "dark red")},
};
constexpr const Hue& Orange = Hues[1];

QString said(const char* words)
{
    return QCoreApplication::translate("ColourName", words);
}

}  // namespace

QString ColourName(Colour colour)
{
    const QColor hsl = ToQColor(colour).toHsl();
    const int lightness = hsl.lightness();  // 0..255
    // Saturation as the eye sees it: a very light or very dark colour has
    // little of its hue left.
    const int chroma = (std::max({RedOf(colour), GreenOf(colour), BlueOf(colour)})
                        - std::min({RedOf(colour), GreenOf(colour), BlueOf(colour)}));
    if (chroma < 24) {
        if (lightness < 40)
            return said(QT_TRANSLATE_NOOP("ColourName", "black"));
        if (lightness > 235)
            return said(QT_TRANSLATE_NOOP("ColourName", "white"));
        if (lightness < 100)
            return said(QT_TRANSLATE_NOOP("ColourName", "dark grey"));
        if (lightness > 190)
            return said(QT_TRANSLATE_NOOP("ColourName", "light grey"));
        return said(QT_TRANSLATE_NOOP("ColourName", "grey"));
    }
    const int hue = std::max(0, hsl.hslHue());
    const Hue* named = &Hues[0];
    while (hue > named->upTo)
        ++named;
    if (lightness >= 170)
        return said(named->light);
    if (lightness < named->darkBelow || (lightness < 128 && chroma < 140))
        return said(named->dark);
    if (named == &Orange && chroma < 128)  // a greyish orange
        return said(QT_TRANSLATE_NOOP("ColourName", "light brown"));
    return said(named->plain);
}

}  // namespace atoz
