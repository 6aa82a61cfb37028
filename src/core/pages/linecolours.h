#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>
#include <optional>
#include <vector>

namespace atoz {

// The colours under a page's smooth outline. Where the outline is drawn over
// a page, each black pixel shows the colour of the nearest pixel that is not
// black: an area's paint runs in under the line, so that no white or black
// seam shows where the smooth line and the page's pixels part by a fraction
// of a pixel. A fill never changes a black pixel, so the map made when a
// page is opened holds for as long as it is coloured.
//
// Pictures are QImage::Format_RGB32, the size of the page the map was made
// for.
class LineColours
{
public:
    // The farthest a black pixel looks for a colour, each way; one with no
    // other pixel that near keeps black.
    static constexpr int Reach = 8;

    LineColours() = default;
    explicit LineColours(const QImage& page);

    QSize size() const { return size_; }
    // The farthest, each way, that a black pixel of the page takes its
    // colour from: a change of the page within a rectangle changes the
    // colours under the line within the rectangle grown by this much. At
    // most Reach.
    int reach() const { return reach_; }

    // Writes pixels `left` to `right` of row `y` of `page` into `row`, at
    // the same places, each black pixel in the colour it takes under the line.
    void PaintRow(const QImage& page, int y, int left, int right, QRgb* row) const;

private:
    QSize size_;
    int reach_ = 0;
    // The black pixels, row after row, each with the pixel it takes its
    // colour from (indices y * width + x); rowStart_[y] is the first of row y.
    std::vector<std::uint32_t> black_, source_;
    std::vector<std::uint32_t> rowStart_;
};

// The page with each black pixel in the colour it takes under the line.
QImage ColoursUnderLine(const QImage& page);

// The one colour of a page (QImage::Format_RGB32) besides black, when it has
// just one, as a page not yet coloured has: then that is all its colours
// under the line.
std::optional<QRgb> SingleColour(const QImage& page);

}  // namespace atoz
