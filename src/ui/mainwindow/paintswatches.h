#pragma once

#include "palette/palette.h"

#include <QObject>
#include <QRect>

#include <array>

class QWidget;

namespace atoz {

// The 42 paint swatches `Paint_0`..`Paint_41` and the marker of the selected
// one, laid out on the colouring bar in three columns of fourteen rows and
// kept in step with the palette. Any mouse button selects a swatch, at the
// moment it goes down.
class PaintSwatches : public QObject
{
    Q_OBJECT

public:
    PaintSwatches(Palette& palette, QWidget* bar);

    // Where swatch `index` stands on the bar, in twips.
    static QRect SwatchPlace(int index);

    void Paint_MouseDown(int index);

    QWidget* swatch(int index) const { return swatches_.at(size_t(index)); }
    QWidget* marker() const { return marker_; }

private:
    void refresh();

    Palette& palette_;
    std::array<QWidget*, SwatchCount> swatches_{};
    QWidget* marker_;
};

}  // namespace atoz
