#include "pagesurface.h"

#include "colouring/colouringpage.h"
#include "platform/bookscale.h"
#include "platform/twips.h"

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

// How much of each device pixel the outline covers, 0 to 255, with the page
// drawn `scale` device pixels a page pixel.
QImage coverageOf(const QPainterPath& outline, QSize device, double scale)
{
    QImage coverage(device, QImage::Format_Alpha8);
    if (coverage.isNull())
        return coverage;
    coverage.fill(0);
    QPainter painter(&coverage);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.fillPath(outline, Qt::black);
    return coverage;
}

// `pixel` with black laid over it at `cover` (0 to 255).
QRgb underLine(QRgb pixel, uint cover)
{
    const uint keep = 255 - cover;
    uint redBlue = (pixel & 0xFF00FF) * keep + 0x800080;
    redBlue = ((redBlue + ((redBlue >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
    uint green = (pixel & 0x00FF00) * keep + 0x008000;
    green = ((green + ((green >> 8) & 0x00FF00)) >> 8) & 0x00FF00;
    return 0xFF000000u | redBlue | green;
}

}  // namespace

PageSurface::PageSurface(const ColouringPage& page, QWidget* parent) : QWidget(parent), page_(page)
{
    setObjectName(QStringLiteral("Page_2"));
    setAccessibleName(tr("The page: click inside an area to colour it"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&page_, &ColouringPage::opened, this, [this] {
        // Made again for the new page when it is first drawn smoothly.
        lineColours_ = LineColours();
        coverage_ = QImage();
    });
    connect(&page_, &ColouringPage::pageChanged, this, [this](QRect area) {
        FitToScale();
        stale_ |= area;
        // The colours under the line reach a little way around a change.
        if (smooth())
            area.adjust(-LineColours::Reach, -LineColours::Reach, LineColours::Reach, LineColours::Reach);
        // Whole logical pixels around the device pixels that show the area.
        const double scale = TwipsScale();
        update(QRectF(area.x() * scale, area.y() * scale, area.width() * scale, area.height() * scale)
                   .toAlignedRect()
                   .adjusted(-1, -1, 1, 1));
    });
}

QSize PageSurface::sizeHint() const
{
    const QSize page = page_.image().size();
    return {int(std::lround(page.width() * TwipsScale())), int(std::lround(page.height() * TwipsScale()))};
}

void PageSurface::FitToScale()
{
    if (size() != sizeHint())
        setFixedSize(sizeHint());
}

double PageSurface::deviceScale() const
{
    return TwipsScale() * devicePixelRatioF();
}

bool PageSurface::smooth() const
{
    return !page_.outline().isEmpty() && deviceScale() > 1;
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

void PageSurface::drawSmooth(QRect area)
{
    const QImage& page = page_.image();
    if (lineColours_.size() != page.size()) {
        lineColours_ = LineColours(page);
        colours_ = QImage(page.size(), QImage::Format_RGB32);
        area = page.rect();
    }
    const int reach = lineColours_.reach();
    area = area.adjusted(-reach, -reach, reach, reach) & page.rect();
    lineColours_.Paint(page, colours_, area);
    const auto [left, right] = devicePixels(columns_, area.left(), area.right());
    const auto [top, bottom] = devicePixels(rows_, area.top(), area.bottom());
    if (left > right || top > bottom)
        return;
    row_.resize(size_t(scaled_.width()));
    int previous = -1;
    for (int y = top; y <= bottom; ++y) {
        const int source = rows_[size_t(y)];
        if (source != previous) {  // a page row shown twice or more is scaled once
            const auto* from = reinterpret_cast<const QRgb*>(colours_.constScanLine(source));
            for (int x = left; x <= right; ++x)
                row_[size_t(x)] = from[columns_[size_t(x)]];
            previous = source;
        }
        auto* line = reinterpret_cast<QRgb*>(scaled_.scanLine(y));
        const uchar* cover = coverage_.constScanLine(y);
        for (int x = left; x <= right; ++x)
            line[x] = cover[x] == 0 ? row_[size_t(x)] : underLine(row_[size_t(x)], cover[x]);
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
    const bool smoothly = smooth();
    if (scaledAt_ != scale || scaled_.size() != device || (smoothly && coverage_.size() != device)) {
        scaled_ = QImage(device, QImage::Format_RGB32);
        scaled_.setDevicePixelRatio(devicePixelRatioF());
        columns_ = pixelMap(device.width(), page.width(), scale);
        rows_ = pixelMap(device.height(), page.height(), scale);
        scaledAt_ = scale;
        stale_ = page.rect();
        coverage_ = smoothly ? coverageOf(page_.outline(), device, scale) : QImage();
    }
    if (!stale_.isEmpty()) {
        if (smoothly && coverage_.size() == device)
            drawSmooth(stale_ & page.rect());
        else
            drawScaled(stale_ & page.rect());
        stale_ = QRect();
    }
    painter.drawImage(QPointF(0, 0), scaled_);  // clipped to what needs painting
}

}  // namespace atoz
