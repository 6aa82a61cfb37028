#pragma once

#include <QSize>
#include <QString>

#include <optional>

namespace atoz {

class SettingsStore;

// How big the book is drawn: the rules for choosing its scale, the parent's
// remembered choice, and where a pointer on the scaled page lands.
//
// Scales go in quarter steps, 1, 1.25, 1.5, ... A scale is in logical
// pixels: on a screen that Qt already draws at twice its size, scale 1 is
// twice the book's classic size, and the book never goes smaller than that.
inline constexpr double ScaleStep = 0.25;
inline constexpr double SmallestScale = 1.0;
inline constexpr double LargestScale = 8.0;

// The nearest quarter step, kept within [SmallestScale, LargestScale].
double QuarterStep(double scale);

// The largest quarter step at which a client area of `clientTwips`, with a
// frame of `frame` logical pixels around it, fits inside `area` (logical
// pixels); SmallestScale when not even that fits.
double FittingScale(QSize area, QSize frame, QSize clientTwips);

// A scale as a parent types it or the settings hold it, "1.5": the nearest
// quarter step within range. "0" is the fitting scale (0 is returned).
// Nothing for any other text.
std::optional<double> ParseScale(const QString& text);

// The parent's choice of size, remembered in the settings section "Display":
// "Scale" in a window and "FullScreenScale" in full screen (0, the default,
// is the largest scale that fits), and "FullScreen" ("True" or "False", the
// default).
struct DisplayChoice
{
    double scale = 0;  // 0: fit the screen
    bool fullScreen = false;
    double fullScreenScale = 0;
    // The scale in force: full screen's or the window's.
    double current() const { return fullScreen ? fullScreenScale : scale; }
};
inline constexpr const char* DisplaySection = "Display";
// The choice in force (see SettingsStore). An adult's lock on the scale
// holds in a window and in full screen alike.
DisplayChoice LoadDisplayChoice(const SettingsStore& settings);
// Remembers the scale of the mode `choice` is in.
void SaveScaleChoice(SettingsStore& settings, const DisplayChoice& choice);
void SaveFullScreenChoice(SettingsStore& settings, bool fullScreen);
// The command line's choice, for this run only: a scale for whichever mode
// the book is in (0: the one that fits), and full screen or a window.
void SetDisplayForThisRun(SettingsStore& settings, std::optional<double> scale, std::optional<bool> fullScreen);

// Where the pointer lands on a page drawn `scale` times its size (device
// pixels per page pixel): `pixel` is a device pixel on the drawn page, and
// the position is that of its middle, in page pixels where page pixel i is
// centred on i. At scale 1 the position is the pixel itself. The page pixel
// is that position rounded by the fill's own rule, halves to the even
// neighbour; the drawing shows that same page pixel there, so a click fills
// what is under the pointer.
double PagePosition(int pixel, double scale);
int PagePixel(int pixel, double scale);

}  // namespace atoz
