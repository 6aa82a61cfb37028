#include "pagesurface.h"

#include "colouring/colouringpage.h"
#include "pages/outlinecoverage.h"
#include "platform/bookscale.h"
#include "platform/colour.h"
#include "platform/ui/controls.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
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

// The stretches of each row of `coverage` that are not nothing, as
// PageSurface keeps them.
void findRuns(const QImage& coverage, std::vector<int>& runs, std::vector<int>& rows)
{
    runs.clear();
    rows.assign(size_t(coverage.height()) + 1, 0);
    const int width = coverage.width();
    for (int y = 0; y < coverage.height(); ++y) {
        rows[size_t(y)] = int(runs.size());
        const uchar* cover = coverage.constScanLine(y);
        for (int x = 0; x < width;) {
            while (x < width && cover[x] == 0) {  // eight at a time where they are all nothing
                std::uint64_t eight = 1;
                if (x + 8 <= width)
                    std::memcpy(&eight, cover + x, sizeof(eight));
                x += eight == 0 ? 8 : 1;
            }
            if (x >= width)
                break;
            runs.push_back(x);
            while (x < width && cover[x] != 0)
                ++x;
            runs.push_back(x);
        }
    }
    rows.back() = int(runs.size());
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
        // The colours under the line reach a little way around a change.
        if (smooth())
            area.adjust(-LineColours::Reach, -LineColours::Reach, LineColours::Reach, LineColours::Reach);
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

void PageSurface::drawScaled(QRect device, QImage& target) const
{
    const QImage& page = page_.image();
    int previous = -1;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y - device.top()));
        const int source = rows_[size_t(y)];
        if (source == previous) {  // a page row shown twice or more: copy the line above
            std::memcpy(line, target.constScanLine(y - device.top() - 1), size_t(device.width()) * sizeof(QRgb));
            continue;
        }
        const auto* from = reinterpret_cast<const QRgb*>(page.constScanLine(source));
        for (int x = device.left(); x <= device.right(); ++x)
            line[x - device.left()] = from[columns_[size_t(x)]];
        previous = source;
    }
}

void PageSurface::drawSmooth(QRect device, QImage& target)
{
    const QImage& page = page_.image();
    if (lineColours_.size() != page.size())
        lineColours_ = LineColours(page);
    const int left = device.left();
    const int right = device.right();
    // The page's columns that these device pixels show.
    const int first = columns_[size_t(left)];
    const int last = columns_[size_t(right)];
    row_.resize(size_t(device.width()));
    pageRow_.resize(size_t(page.width()));
    int previous = -1;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        const int source = rows_[size_t(y)];
        if (source != previous) {  // a page row shown twice or more is scaled once
            lineColours_.PaintRow(page, source, first, last, pageRow_.data());
            for (int x = left; x <= right; ++x)
                row_[size_t(x - left)] = pageRow_[size_t(columns_[size_t(x)])];
            previous = source;
        }
        // The colours as they are, and under the line's stretches mixed with black.
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y - device.top())) - left;
        const QRgb* colours = row_.data() - left;
        const uchar* cover = coverage_.constScanLine(y);
        int x = left;
        for (int r = rowRuns_[size_t(y)]; r < rowRuns_[size_t(y) + 1]; r += 2) {
            const int begin = std::max(lineRuns_[size_t(r)], x);
            const int end = std::min(lineRuns_[size_t(r) + 1], right + 1);
            if (begin >= end)
                continue;
            std::memcpy(line + x, colours + x, size_t(begin - x) * sizeof(QRgb));
            for (int i = begin; i < end; ++i)
                line[i] = cover[i] == 255 ? ToQRgb(Black) : Darkened(colours[i], cover[i]);
            x = end;
        }
        if (x <= right)
            std::memcpy(line + x, colours + x, size_t(right + 1 - x) * sizeof(QRgb));
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
    const double ratio = devicePixelRatioF();
    const double scale = deviceScale();
    const QSize device(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    const bool smoothly = smooth();
    if (scaledAt_ != scale || int(columns_.size()) != device.width() || int(rows_.size()) != device.height()) {
        columns_ = pixelMap(device.width(), page.width(), scale);
        rows_ = pixelMap(device.height(), page.height(), scale);
        scaledAt_ = scale;
        coverage_ = QImage();
    }
    if (smoothly && coverage_.size() != device) {  // a new page, or a new scale
        coverage_ = OutlineCoverage(page_.outline(), device, {scale, scale});
        findRuns(coverage_, lineRuns_, rowRuns_);
    }
    // Only the part that needs painting is drawn, each time: the screen's
    // own copy of the window keeps the rest.
    const QRect dirty = QRectF(QRectF(event->rect()).topLeft() * ratio, QSizeF(event->rect().size()) * ratio)
                            .toAlignedRect()
                            .intersected(QRect(QPoint(0, 0), device));
    if (dirty.isEmpty())
        return;
    QImage part(dirty.size(), QImage::Format_RGB32);
    if (smoothly && coverage_.size() == device)
        drawSmooth(dirty, part);
    else
        drawScaled(dirty, part);
    part.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(dirty.topLeft()) / ratio, part);
}

}  // namespace atoz
