#pragma once

#include "palette/palette.h"

#include <QObject>
#include <QRect>

#include <array>

class QWidget;

namespace atoz {

class ArrowKeys;

// The 42 paint swatches `Paint_0`..`Paint_41` and the marker of the selected
// one, laid out on the colouring bar in three columns of fourteen rows and
// kept in step with the palette. Any mouse button selects a swatch, at the
// moment it goes down. To the keyboard the palette is one stop of Tab, the
// selected swatch, and the arrow keys move among the swatches; to screen
// readers a swatch is named by its colour in words.
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
    // The swatches in reading order, row by row from the left.
    QList<QWidget*> readingOrder() const;
    // Gives the keyboard focus to the selected swatch.
    void FocusSelected();

private:
    void refresh();

    Palette& palette_;
    std::array<QWidget*, SwatchCount> swatches_{};
    QWidget* marker_;
    ArrowKeys* keys_;
};

}  // namespace atoz
