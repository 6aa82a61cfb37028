#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

// The 4-connected areas of white pixels of a black-and-white page: what a
// child can colour with one click each.
struct PageArea
{
    int pixels = 0;
    bool touchesEdge = false;   // the area outside the letter reaches the page edge
    int inscribedRadius = 0;    // chessboard distance from the area's deepest pixel to black
    QRect bounds;
    QPoint seed;                // one pixel of the area
};

std::vector<PageArea> WhiteAreas(const QImage& page);

// True when every pixel is pure black or pure white.
bool IsBlackAndWhite(const QImage& page);

// The straight strokes of `letter` (the legs of A, M and V, the stems of B to
// R, ...) whose outer edge, along the middle of the stroke and away from its
// rounded ends, strays more than `tolerance` pixels from a straight line: a
// bar of the font that overshoots a leg pokes out there as a knob. The names
// of the strokes that stray; none on a sound page.
std::vector<QString> CrookedStrokes(char letter, const QImage& page, double tolerance = 3);

// The same measure for one stroke by its name ("A left leg") on a page as it
// is drawn, at any size, its edges smoothed or not: the edge is where a row
// first turns dark (black ink over any colour), to a fraction of a pixel. In
// the drawing's pixels; -1 for a name that is no stroke.
double StrokeDeparture(const QImage& drawing, const QString& name);

// Where a smooth outline of the page (in page pixels, pixel (x, y) the unit
// square at (x, y), filled with the odd-even rule) and the page's black
// pixels part by more than `tolerance` pixels: each black pixel whose middle
// lies farther than that from the filled outline, and each pixel through
// which the outline's edge passes farther than that from every black pixel
// (the filled outline strays farthest from the ink on its edge). None for an
// outline that agrees with its page.
std::vector<QPoint> OutlineDisagreements(const QImage& page, const QPainterPath& outline, double tolerance = 1);

// How a sound page is drawn, as the checks below measure it.
constexpr int FingerRadius = 4;           // a disc 9 pixels across rolls through every area
constexpr int CornerProbeRadius = 8;      // the disc that measures an area's corners ...
constexpr double CornerProbeBias = 10;    // ... reads a corner this many degrees wider
constexpr double MinCornerDegrees = 45;   // no area has a sharper corner
constexpr int LineReach = 7;              // across a line and a junction, from a pixel at its edge
constexpr int SpurProbeRadius = 2;        // a disc 5 pixels across, as wide as the outline

// A page's white areas, labelled, and the checks that every area is easy to
// hit and every line is a line. Each check lists the pixels where the page
// fails it: none on a sound page.
class PageMap
{
public:
    explicit PageMap(const QImage& page);
    PageMap(std::vector<char> white, int width, int height);   // one flag a pixel, row after row

    int width() const { return m_width; }
    int height() const { return m_height; }
    const std::vector<PageArea>& areas() const { return m_areas; }
    int areaAt(int x, int y) const;   // -1 on black and off the page
    bool isInside(int area) const { return area >= 0 && !m_areas[size_t(area)].touchesEdge; }

    // Black pixels that lie in no 3 x 3 block of black: hairlines that a
    // fill could slip through or a child could not see.
    std::vector<QPoint> thinInk() const;

    // Pixels of inside areas that no disc of the radius lying within their
    // area covers, and that lie farther than `slack` from every pixel such a
    // disc covers. With the slack as large as the radius, a drawn corner of
    // 70 degrees or more leaves nothing that far (60 in theory; the last,
    // jagged pixels of a drawn corner reach a little deeper); a part of an
    // area narrower than the disc leaves its whole length.
    std::vector<QPoint> narrowPlaces(int radius = FingerRadius, int slack = FingerRadius) const;

    // Edge pixels of inside areas (white, next to black) where the area's
    // corner is sharper than `degrees`. The corner is measured by the share
    // of the disc of CornerProbeRadius around the pixel that belongs to the
    // area: a corner of angle a keeps about (a + CornerProbeBias)/360 of it,
    // as an edge pixel lies half a pixel inside the edge and the last pixel
    // of a corner inside the corner. Where a wave meets a stroke at angle a,
    // the areas on its two sides get corners of a and 180 - a.
    std::vector<QPoint> sharpCorners(double degrees = MinCornerDegrees) const;

    // Black pixels that are not part of a line between two areas: those
    // with fewer than two different areas within LineReach (a stub, or ink
    // sticking out 3 pixels or more beyond a line, or a blob), and those
    // that every disc of SpurProbeRadius holding them puts into an area
    // they border (the tip of a tick or spur narrower than the outline that
    // sticks out 2 pixels or more; a line's own pixels have such a disc on
    // their other side).
    std::vector<QPoint> looseInk() const;

private:
    void label();

    int m_width = 0;
    int m_height = 0;
    std::vector<char> m_white;
    std::vector<int> m_label;
    std::vector<PageArea> m_areas;
};
