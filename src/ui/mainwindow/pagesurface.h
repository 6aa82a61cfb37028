#pragma once

#include "pages/linecolours.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace atoz {

class ColouringPage;

// The colouring page `Page_2` on screen. It paints the book's page being
// coloured and follows its changes; the page itself stays 480 x 400 pixels.
// On screen it is drawn at the book's scale (times the screen's pixel ratio),
// each screen pixel showing the page pixel whose middle is nearest, halves
// going to the even neighbour as the fill rounds, so that a click lands on
// the page pixel under it.
//
// A page that comes with a smooth outline (ColouringPage::outline()) is
// drawn with it at every scale above 1: the page's colours first, each black
// pixel in the colour under the line (LineColours), then the outline over
// them, smoothed, at the screen's own resolution. Where the smooth line and
// the page's pixels part by a fraction of a pixel, a click still acts on the
// pixel under it. At scale 1, and for a page without an outline, the pixels
// are drawn as they are.
class PageSurface : public QWidget
{
    Q_OBJECT

public:
    explicit PageSurface(const ColouringPage& page, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Takes the size of the page at the book's present scale.
    void FitToScale();
    // The page position under `position` (logical pixels of this control),
    // for the fill: see PagePosition.
    QPointF PagePositionAt(QPointF position) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double deviceScale() const;
    // True when the page is drawn with its smooth outline.
    bool smooth() const;
    // Draws `device`, a rectangle of this control's device pixels, of the
    // scaled page into `target`, whose top-left pixel is its top-left.
    void drawScaled(QRect device, QImage& target) const;
    // The same with the smooth outline over the colours under the line.
    void drawSmooth(QRect device, QImage& target);

    const ColouringPage& page_;
    double scaledAt_ = 0;                   // the device scale the maps below are for
    std::vector<int> columns_, rows_;       // for each device pixel, the page pixel it shows
    // With a smooth outline: the colours under the line, made once a page is
    // opened, and how much of each device pixel the outline covers.
    LineColours lineColours_;
    std::vector<QRgb> pageRow_;             // one row of the page in the colours under the line
    QImage coverage_;                       // QImage::Format_Alpha8, the control's size in device pixels
    // The stretches of each row of `coverage_` that the outline touches:
    // first and end columns, row y's from lineRuns_[rowRuns_[y]] to before
    // lineRuns_[rowRuns_[y + 1]].
    std::vector<int> lineRuns_, rowRuns_;
    std::vector<QRgb> row_;                 // the same at the device scale, for the part drawn
};

}  // namespace atoz
