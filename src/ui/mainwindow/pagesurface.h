#pragma once

#include <QImage>
#include <QWidget>

#include <vector>

namespace atoz {

class ColouringPage;

// The colouring page `Page_2` on screen. It paints the book's page being
// coloured and follows its changes; the page itself stays 480 x 400 pixels.
// On screen it is drawn at the book's scale (times the screen's pixel ratio),
// each screen pixel showing the page pixel whose middle is nearest, halves
// going to the even neighbour as the fill rounds: outlines stay black and
// sharp at every scale, and a click lands on the page pixel under it.
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
    // Draws the part of the scaled page that shows `area` of the page.
    void drawScaled(QRect area);

    const ColouringPage& page_;
    QImage scaled_;                         // the page as the screen shows it, in device pixels
    double scaledAt_ = 0;                   // the device scale `scaled_` is drawn at
    std::vector<int> columns_, rows_;       // for each device pixel, the page pixel it shows
    QRect stale_;                           // page pixels changed since `scaled_` was drawn
};

}  // namespace atoz
