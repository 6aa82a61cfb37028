#include "paintswatches.h"

#include "palette/palette.h"
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
        swatch->setAccessibleName(tr("Paint %1").arg(i + 1));
        OnPress(swatch, this, [this, i] { Paint_MouseDown(i); });
        swatches_[size_t(i)] = swatch;
    }
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

void PaintSwatches::refresh()
{
    for (int i = 0; i < SwatchCount; ++i)
        SetBackground(swatches_[size_t(i)], palette_.SwatchBackground(i));
    QWidget* selected = swatches_[size_t(palette_.CurrentSwatch())];
    if (marker_->parentWidget() != selected) {
        marker_->setParent(selected);
        marker_->show();
    }
    SetBackground(marker_, palette_.markerFill());
}

}  // namespace atoz
