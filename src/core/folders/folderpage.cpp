#include "folderpage.h"

#include "pages/linecolours.h"
#include "pages/outlinecoverage.h"
#include "platform/colour.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

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

// The picture as Format_RGB32 in `full`, reusing its pixels when it has the
// right size: what QImage::convertToFormat gives, made a byte at a time for
// 1-bit pictures and a pixel at a time for 8-bit ones.
void expand(const QImage& picture, QImage& full)
{
    const QImage::Format format = picture.format();
    const bool mono = format == QImage::Format_Mono || format == QImage::Format_MonoLSB;
    if ((!mono && format != QImage::Format_Indexed8) || picture.colorCount() < (mono ? 2 : 1)) {
        full = picture.convertToFormat(QImage::Format_RGB32);
        return;
    }
    if (full.size() != picture.size() || full.format() != QImage::Format_RGB32 || !full.isDetached())
        full = QImage(picture.size(), QImage::Format_RGB32);
    if (full.isNull())
        return;
    QList<QRgb> table = picture.colorTable();
    table.resize(256, ToQRgb(Black));  // an index beyond the table shows black
    for (QRgb& colour : table)
        colour |= 0xFF000000u;
    const int width = picture.width();
    if (mono) {
        // The 8 pixels of each possible byte, once.
        std::array<std::array<QRgb, 8>, 256> bytes;
        for (int b = 0; b < 256; ++b)
            for (int i = 0; i < 8; ++i)
                bytes[size_t(b)][size_t(i)] = table[(format == QImage::Format_Mono ? b >> (7 - i) : b >> i) & 1];
        for (int y = 0; y < picture.height(); ++y) {
            const uchar* in = picture.constScanLine(y);
            auto* out = reinterpret_cast<QRgb*>(full.scanLine(y));
            int x = 0;
            for (; x + 8 <= width; x += 8)
                std::memcpy(out + x, bytes[in[x / 8]].data(), sizeof(bytes[0]));
            for (int i = 0; x < width; ++x, ++i)
                out[x] = bytes[in[x / 8]][size_t(i)];
        }
    } else {
        for (int y = 0; y < picture.height(); ++y) {
            const uchar* in = picture.constScanLine(y);
            auto* out = reinterpret_cast<QRgb*>(full.scanLine(y));
            for (int x = 0; x < width; ++x)
                out[x] = table[in[x]];
        }
    }
}

// The colour besides black of a picture whose colour table holds black and
// one other (a library page), read from the table alone.
std::optional<QRgb> otherTableColour(const QImage& picture)
{
    const QImage::Format format = picture.format();
    const QList<QRgb> table = picture.colorTable();
    if ((format != QImage::Format_Mono && format != QImage::Format_MonoLSB && format != QImage::Format_Indexed8)
        || table.size() != 2)
        return std::nullopt;
    const bool firstBlack = (table[0] & 0xFFFFFF) == 0;
    if (firstBlack == ((table[1] & 0xFFFFFF) == 0))
        return std::nullopt;
    return (firstBlack ? table[1] : table[0]) | 0xFF000000u;
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

QImage CompactThumbnail(const QImage& thumbnail)
{
    if (thumbnail.format() != QImage::Format_RGB32)
        return thumbnail;
    for (int y = 0; y < thumbnail.height(); ++y) {
        const std::uint32_t* line = row(thumbnail, y);
        for (int x = 0; x < thumbnail.width(); ++x)
            if (qRed(line[x]) != qGreen(line[x]) || qGreen(line[x]) != qBlue(line[x]))
                return thumbnail.convertToFormat(QImage::Format_RGB888);
    }
    return thumbnail.convertToFormat(QImage::Format_Grayscale8);
}

QImage ThumbnailOf(const QImage& picture, QSize size, qreal scale, QImage* scratch, const QPainterPath& outline)
{
    if (picture.isNull() || size.isEmpty())
        return {};
    QImage thumbnail(QSize(int(std::lround(size.width() * scale)), int(std::lround(size.height() * scale))),
                     QImage::Format_RGB32);
    if (thumbnail.isNull())
        return {};
    thumbnail.setDevicePixelRatio(scale);
    // A page not yet coloured has one colour under the line: the thumbnail
    // is that colour with the outline over it.
    std::optional<QRgb> only = outline.isEmpty() ? std::nullopt : otherTableColour(picture);
    if (!only) {
        // Qt scales a 1-bit or 8-bit picture through another path, a few levels
        // off here and there along the outlines; the thumbnail is drawn from the
        // full picture, as the page has always been drawn.
        QImage own;
        QImage& full = scratch ? *scratch : own;
        if (picture.format() == QImage::Format_RGB32)
            full = picture;
        else
            expand(picture, full);
        only = outline.isEmpty() ? std::nullopt : SingleColour(full);
        if (!only) {
            // Drawn exactly as a window draws a picture stretched to its size.
            QPainter painter(&thumbnail);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRect(QPoint(0, 0), size), outline.isEmpty() ? full : ColoursUnderLine(full));
        }
    }
    if (only)
        thumbnail.fill(*only);
    if (!outline.isEmpty())
        DrawOutline(thumbnail, outline,
                    {qreal(thumbnail.width()) / picture.width(), qreal(thumbnail.height()) / picture.height()});
    return thumbnail;
}

}  // namespace atoz
