#include "pagesurface.h"

#include "colouring/colouringpage.h"
#include "platform/bookscale.h"
#include "platform/ui/controls.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace atoz {

namespace {

// For each of `count` device pixels, the page pixel (of `size`) it shows.
std::vector<int> pixelMap(int count, int size, double scale)
{
    std::vector<int> map(size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        map[size_t(i)] = std::clamp(PagePixel(i, scale), 0, size - 1);
    return map;
}

// The device pixels [first, last] whose page pixel lies in [from, to].
std::pair<int, int> devicePixels(const std::vector<int>& map, int from, int to)
{
    const auto first = std::lower_bound(map.begin(), map.end(), from);
    const auto end = std::upper_bound(map.begin(), map.end(), to);
    return {int(first - map.begin()), int(end - map.begin()) - 1};
}

}  // namespace

PageSurface::PageSurface(const ColouringPage& page, QWidget* parent) : QWidget(parent), page_(page)
{
    setObjectName(QStringLiteral("Page_2"));
    setAccessibleName(tr("The page: click inside an area to colour it"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&page_, &ColouringPage::pageChanged, this, [this](QRect area) {
        FitToScale();
        stale_ |= area;
        // Whole logical pixels around the device pixels that show the area.
        const double scale = BookScaleOf(this);
        update(QRectF(area.x() * scale, area.y() * scale, area.width() * scale, area.height() * scale)
                   .toAlignedRect()
                   .adjusted(-1, -1, 1, 1));
    });
}

QSize PageSurface::sizeHint() const
{
    const QSize page = page_.image().size();
    const double scale = BookScaleOf(this);
    return {int(std::lround(page.width() * scale)), int(std::lround(page.height() * scale))};
}

void PageSurface::FitToScale()
{
    if (size() != sizeHint())
        setFixedSize(sizeHint());
}

double PageSurface::deviceScale() const
{
    return BookScaleOf(this) * devicePixelRatioF();
}

QPointF PageSurface::PagePositionAt(QPointF position) const
{
    const double ratio = devicePixelRatioF();
    const double scale = deviceScale();
    return {PagePosition(int(std::floor(position.x() * ratio)), scale),
            PagePosition(int(std::floor(position.y() * ratio)), scale)};
}

void PageSurface::drawScaled(QRect area)
{
    const QImage& page = page_.image();
    const auto [left, right] = devicePixels(columns_, area.left(), area.right());
    const auto [top, bottom] = devicePixels(rows_, area.top(), area.bottom());
    if (left > right || top > bottom)
        return;
    int previous = -1;
    for (int y = top; y <= bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(scaled_.scanLine(y));
        const int source = rows_[size_t(y)];
        if (source == previous) {  // a page row shown twice or more: copy the line above
            std::memcpy(line + left, reinterpret_cast<const QRgb*>(scaled_.constScanLine(y - 1)) + left,
                        size_t(right - left + 1) * sizeof(QRgb));
            continue;
        }
        const auto* from = reinterpret_cast<const QRgb*>(page.constScanLine(source));
        for (int x = left; x <= right; ++x)
            line[x] = from[columns_[size_t(x)]];
        previous = source;
    }
}

void PageSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& page = page_.image();
    if (page.isNull()) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    const double scale = deviceScale();
    const QSize device(int(std::ceil(width() * devicePixelRatioF())), int(std::ceil(height() * devicePixelRatioF())));
    if (scaledAt_ != scale || scaled_.size() != device) {
        scaled_ = QImage(device, QImage::Format_RGB32);
        scaled_.setDevicePixelRatio(devicePixelRatioF());
        columns_ = pixelMap(device.width(), page.width(), scale);
        rows_ = pixelMap(device.height(), page.height(), scale);
        scaledAt_ = scale;
        stale_ = page.rect();
    }
    if (!stale_.isEmpty()) {
        drawScaled(stale_ & page.rect());
        stale_ = QRect();
    }
    painter.drawImage(QPointF(0, 0), scaled_);  // clipped to what needs painting
}

}  // namespace atoz
