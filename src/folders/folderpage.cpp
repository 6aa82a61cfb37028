#include "folderpage.h"

#include <QPainter>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace atoz {

namespace {

constexpr int MaxIndexedColours = 256;

// Pixels of one row of a QImage::Format_RGB32 picture, alpha byte included:
// the picture is opaque, so equal pixels are equal colours.
const std::uint32_t* row(const QImage& picture, int y)
{
    return reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
}

// The picture with at most 256 colours as Format_Indexed8, each colour in
// the table once, in the order the rows first meet them; null when it has more.
QImage indexed(const QImage& picture)
{
    QImage result(picture.size(), QImage::Format_Indexed8);
    if (result.isNull())
        return {};
    QList<QRgb> table;
    // A small open-addressed table from colour to index: pages are mostly long
    // runs of one colour, so the last colour seen answers most pixels.
    constexpr int Slots = 1024;
    std::uint32_t keys[Slots];
    int indices[Slots];
    std::fill(std::begin(indices), std::end(indices), -1);
    std::uint32_t last = 0;
    int lastIndex = -1;
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint32_t* in = row(picture, y);
        uchar* out = result.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint32_t colour = in[x];
            if (colour != last || lastIndex < 0) {
                std::uint32_t slot = (colour * 2654435761u) >> 22;  // 10 bits of a multiplicative hash
                while (indices[slot] >= 0 && keys[slot] != colour)
                    slot = (slot + 1) % Slots;
                if (indices[slot] < 0) {
                    if (table.size() == MaxIndexedColours)
                        return {};
                    keys[slot] = colour;
                    indices[slot] = int(table.size());
                    table.append(colour | 0xFF000000u);
                }
                last = colour;
                lastIndex = indices[slot];
            }
            out[x] = uchar(lastIndex);
        }
    }
    result.setColorTable(table);
    return result;
}

}  // namespace

QImage CompactPicture(const QImage& picture)
{
    switch (picture.format()) {
    case QImage::Format_Invalid:
        return {};
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
        if (!picture.hasAlphaChannel())
            return picture;
        break;
    default:
        break;
    }
    const QImage full = picture.convertToFormat(QImage::Format_RGB32);
    QImage compact = indexed(full);
    return compact.isNull() ? full.convertToFormat(QImage::Format_RGB888) : compact;
}

QImage ThumbnailOf(const QImage& picture, QSize size, qreal scale)
{
    if (picture.isNull() || size.isEmpty())
        return {};
    QImage thumbnail(QSize(int(std::lround(size.width() * scale)), int(std::lround(size.height() * scale))),
                     QImage::Format_RGB32);
    if (thumbnail.isNull())
        return {};
    thumbnail.setDevicePixelRatio(scale);
    // Drawn exactly as a window draws a picture stretched to its size.
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    return thumbnail;
}

}  // namespace atoz
