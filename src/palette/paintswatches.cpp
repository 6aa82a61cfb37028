#include "paintswatches.h"

#include "palette/palette.h"
#include "platform/controls.h"
#include "platform/cursors.h"
#include "platform/twips.h"

#include <QMouseEvent>

namespace atoz {

namespace {

constexpr int ColumnLefts[3] = {1320, 690, 60};  // index % 3: right, middle, left
constexpr int RowTops[14] = {750, 1080, 1395, 1710, 2040, 2370, 2700, 3030, 3360, 3690, 4020, 4350, 4680, 5010};

}  // namespace

Swatch::Swatch(int index, QWidget* parent) : QWidget(parent), index_(index)
{
    setObjectName(QStringLiteral("Paint_%1").arg(index));
    setCursor(PaintBrushCursor());
    setAutoFillBackground(true);
}

void Swatch::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseDown(index_);
}

PaintSwatches::PaintSwatches(Palette& palette, QWidget* bar) : QObject(bar), palette_(palette)
{
    for (int i = 0; i < SwatchCount; ++i) {
        auto* swatch = new Swatch(i, bar);
        swatch->setGeometry(SwatchGeometry(i));
        connect(swatch, &Swatch::mouseDown, this, &PaintSwatches::Paint_MouseDown);
        swatches_[size_t(i)] = swatch;
    }
    marker_ = new QWidget(swatches_[0]);
    marker_->setObjectName(QStringLiteral("PaintMarker"));
    marker_->setGeometry(TwipsRect(60, 30, 495, 225));
    marker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(&palette_, &Palette::changed, this, &PaintSwatches::refresh);
    refresh();
}

QRect PaintSwatches::SwatchGeometry(int index)
{
    const int row = index / 3;
    int top = RowTops[row];
    int height = 300;
    if (index == 8) {  // the left swatch of the third row is a little shorter
        top = 1410;
        height = 270;
    }
    return TwipsRect(ColumnLefts[index % 3], top, 600, height);
}

void PaintSwatches::Paint_MouseDown(int index)
{
    palette_.SelectSwatch(index);
}

void PaintSwatches::refresh()
{
    for (int i = 0; i < SwatchCount; ++i)
        SetBackground(swatches_[size_t(i)], palette_.SwatchBackground(i));
    Swatch* selected = swatches_[size_t(palette_.CurrentSwatch())];
    if (marker_->parentWidget() != selected) {
        marker_->setParent(selected);
        marker_->show();
    }
    SetBackground(marker_, palette_.MarkerFill());
}

}  // namespace atoz
