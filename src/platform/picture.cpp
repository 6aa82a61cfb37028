#include "picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QtEndian>

#include <optional>

namespace atoz {

namespace {

constexpr int FileHeaderSize = 14;

// Sides first: their product is formed only once each is known to be small.
bool withinLimits(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide
        && width * height <= MaxPicturePixels;
}

// Qt reads BMP only with its file header. A bare DIB starts with the size of
// its information header; give it the file header it lacks.
QByteArray withFileHeader(const QByteArray& dib)
{
    if (dib.size() < 16)
        return dib;
    const auto* bytes = reinterpret_cast<const uchar*>(dib.constData());
    const quint32 infoSize = qFromLittleEndian<quint32>(bytes);
    if (infoSize != 12 && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124)
        return dib;

    quint32 bitCount = 0;
    quint32 coloursUsed = 0;
    quint32 compression = 0;
    if (infoSize == 12) {
        bitCount = qFromLittleEndian<quint16>(bytes + 10);
    } else if (dib.size() >= 40) {
        bitCount = qFromLittleEndian<quint16>(bytes + 14);
        compression = qFromLittleEndian<quint32>(bytes + 16);
        coloursUsed = qFromLittleEndian<quint32>(bytes + 32);
    }
    const quint32 entrySize = infoSize == 12 ? 3 : 4;
    quint32 tableEntries = coloursUsed;
    if (tableEntries == 0 && bitCount <= 8)
        tableEntries = 1u << bitCount;
    if (tableEntries > 256)
        return dib;  // not a colour table any reader will accept; let the reader refuse it
    quint32 masks = (infoSize == 40 && (compression == 3 || compression == 6)) ? (compression == 3 ? 12 : 16) : 0;
    const quint32 pixelOffset = FileHeaderSize + infoSize + masks + tableEntries * entrySize;

    QByteArray file(FileHeaderSize, '\0');
    auto* header = reinterpret_cast<uchar*>(file.data());
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(quint32(FileHeaderSize + dib.size()), header + 2);
    qToLittleEndian<quint32>(pixelOffset, header + 10);
    return file + dib;
}

// A bitmap's headers, read the way Qt's BMP reader reads them: the four
// information headers it knows have 32-bit sides; it takes any other size for
// the old one with 16-bit sides and no compression.
struct BitmapHeader
{
    qint64 pixelOffset = 0;
    quint32 infoSize = 0;
    qint64 width = 0;
    qint64 height = 0;  // negative for rows stored top-down
    quint32 bitCount = 0;
    quint32 compression = 0;
};

std::optional<BitmapHeader> readBitmapHeader(const QByteArray& file)
{
    if (!file.startsWith("BM") || file.size() < FileHeaderSize + 16)
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    const uchar* info = bytes + FileHeaderSize;
    BitmapHeader header;
    header.pixelOffset = qFromLittleEndian<quint32>(bytes + 10);
    header.infoSize = qFromLittleEndian<quint32>(info);
    if (header.infoSize == 40 || header.infoSize == 64 || header.infoSize == 108 || header.infoSize == 124) {
        if (file.size() < FileHeaderSize + 40)
            return std::nullopt;
        header.width = qFromLittleEndian<qint32>(info + 4);
        header.height = qFromLittleEndian<qint32>(info + 8);
        header.bitCount = qFromLittleEndian<quint16>(info + 14);
        header.compression = qFromLittleEndian<quint32>(info + 16);
    } else {
        header.width = qFromLittleEndian<qint16>(info + 4);
        header.height = qFromLittleEndian<qint16>(info + 6);
        header.bitCount = qFromLittleEndian<quint16>(info + 10);
    }
    return header;
}

// Refuses a bitmap whose header claims a picture beyond the limits. Qt's BMP
// reader also returns whatever rows it got from a truncated file; an
// uncompressed bitmap says how many bytes its pixels take: refuse one that
// holds fewer, so that a half-written page is not mistaken for a page.
bool bitmapAcceptable(const QByteArray& file)
{
    const std::optional<BitmapHeader> header = readBitmapHeader(file);
    if (!header)
        return true;  // not a BMP, or too short for the reader to accept anyway
    const qint64 height = qAbs(header->height);
    if (!withinLimits(header->width, height))
        return false;
    const bool uncompressed = header->compression == 0 || header->compression == 3 || header->compression == 6;
    if (!uncompressed || header->bitCount == 0 || header->bitCount > 32)
        return true;  // compressed rows have no fixed size; the reader judges the rest
    return header->pixelOffset + (header->width * header->bitCount + 31) / 32 * 4 * height <= file.size();
}

QImage read(QIODevice* device)
{
    QImageReader reader(device);
    reader.setAutoTransform(false);
    // A bitmap stored top-down reports a negative height.
    if (!reader.canRead() || !withinLimits(reader.size().width(), qAbs(qint64(reader.size().height()))))
        return {};
    QImage image;
    if (!reader.read(&image) || image.isNull() || !withinLimits(image.width(), image.height()))
        return {};
    if (image.hasAlphaChannel()) {
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
        return opaque;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage LoadPicture(const QString& path)
{
    QFile file(path);
    // A picture within the limits takes at most 4 bytes a pixel; allow room
    // for headers and generous encodings, and never read a giant file whole.
    if (!file.open(QIODevice::ReadOnly) || file.size() > 5 * MaxPicturePixels + 65536)
        return {};
    return LoadPictureData(file.readAll());
}

QImage LoadPictureData(const QByteArray& data)
{
    QByteArray bytes = withFileHeader(data);
    if (!bitmapAcceptable(bytes))
        return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer);
}

bool SavePicture(const QImage& image, const QString& path)
{
    if (image.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "BMP");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace atoz
