#pragma once

#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <array>

namespace atoz {

class SettingsStore;

// How a page is printed: turned or upright, stretched to the page or at its
// natural size, and set in from the top-left corner by one of six margins.
// Kept in the settings store, section "Setting", when the child confirms.
inline constexpr std::array<float, 6> MarginInches = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f, 1.5f};

struct PrintChoices
{
    static constexpr int DefaultMargin = 4;  // one inch

    bool landscape = false;
    bool fillPage = true;
    int marginIndex = DefaultMargin;

    float PageMargin() const { return MarginInches[size_t(marginIndex)]; }
};

// The stored choices. A choice never stored, or stored as text that does not
// read as one, takes its default: the printer's own orientation, fill, one inch.
PrintChoices LoadPrintSettings(const SettingsStore& settings, bool printerLandscape);
void SavePrintSettings(SettingsStore& settings, const PrintChoices& choices);

// Where the page goes on the printer: the orientation and the rectangle to
// draw the picture into, in twips from the printer's drawing origin.
struct PrintLayout
{
    bool landscape = false;
    QRectF twips;
};

// The arithmetic of a print, and only that: nothing is sent to a printer
// here (PrintColouredPage does). On `page`, the printer's drawing area in twips in
// the chosen orientation. At natural size a pixel is 15 twips (96 dpi). A
// filled page keeps the picture's proportions against the page's width or
// height, then gives up twice the margin on both sides; a margin that leaves
// nothing prints the picture at natural size at the origin.
PrintLayout PrintPage(QSize picture, QSizeF page, const PrintChoices& choices);

}  // namespace atoz
