#include "paintswatches.h"

#include "palette/colournames.h"
#include "palette/palette.h"
#include "platform/ui/arrowkeys.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"
#include "platform/ui/cursors.h"

#include <iterator>

namespace atoz {

namespace {

constexpr int ColumnLefts[3] = {1320, 690, 60};  // index % 3: right, middle, left
constexpr int RowTops[14] = {750, 1080, 1395, 1710, 2040, 2370, 2700, 3030, 3360, 3690, 4020, 4350, 4680, 5010};

}  // namespace

PaintSwatches::PaintSwatches(Palette& palette, QWidget* bar) : QObject(bar), palette_(palette)
{
    static_assert(std::size(RowTops) * std::size(ColumnLefts) == SwatchCount);
    for (int i = 0; i < SwatchCount; ++i) {
        QWidget* swatch = AddBox(bar, Indexed("Paint", i), SwatchPlace(i), palette_.SwatchBackground(i));
        SetBookCursor(swatch, BookCursor::PaintBrush);
        OnPress(swatch, this, [this, i] { Paint_MouseDown(i); });
        Clickable::Of(swatch)->SetKind(Clickable::Kind::Item);
        swatches_[size_t(i)] = swatch;
    }
    keys_ = new ArrowKeys(readingOrder(), swatches_[size_t(palette_.CurrentSwatch())], this);
    marker_ = AddBox(swatches_[0], "PaintMarker", {60, 30, 495, 225}, palette_.markerFill());
    marker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(&palette_, &Palette::changed, this, &PaintSwatches::refresh);
    refresh();
}

QRect PaintSwatches::SwatchPlace(int index)
{
    if (index == 8)  // the left swatch of the third row is a little shorter
        return {ColumnLefts[2], 1410, 600, 270};
    return {ColumnLefts[index % 3], RowTops[index / 3], 600, 300};
}

void PaintSwatches::Paint_MouseDown(int index)
{
    palette_.SelectSwatch(index);
}

QList<QWidget*> PaintSwatches::readingOrder() const
{
    QList<QWidget*> order;
    for (int row = 0; row < SwatchCount / 3; ++row)
        for (int column = 2; column >= 0; --column)  // the indices run right to left
            order.append(swatches_[size_t(3 * row + column)]);
    return order;
}

void PaintSwatches::FocusSelected()
{
    swatches_[size_t(palette_.CurrentSwatch())]->setFocus(Qt::OtherFocusReason);
}

void PaintSwatches::refresh()
{
    bool focused = false;
    for (int i = 0; i < SwatchCount; ++i) {
        QWidget* swatch = swatches_[size_t(i)];
        SetBackground(swatch, palette_.SwatchBackground(i));
        swatch->setAccessibleName(ColourName(palette_.SwatchColour(i)));
        Clickable::Of(swatch)->SetChosen(i == palette_.CurrentSwatch());
        focused = focused || swatch->hasFocus();
    }
    // Tab comes to the swatch in use, unless the focus is in the palette.
    if (!focused)
        keys_->SetStop(swatches_[size_t(palette_.CurrentSwatch())]);
    QWidget* selected = swatches_[size_t(palette_.CurrentSwatch())];
    if (marker_->parentWidget() != selected) {
        marker_->setParent(selected);
        marker_->show();
    }
    SetBackground(marker_, palette_.markerFill());
}

}  // namespace atoz
