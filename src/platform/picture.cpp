#include "picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QtEndian>

namespace atoz {

namespace {

constexpr int FileHeaderSize = 14;

bool withinLimits(QSize size)
{
    return size.isValid() && size.width() <= MaxPictureSide && size.height() <= MaxPictureSide
        && qint64(size.width()) * size.height() <= MaxPicturePixels;
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

// Qt's BMP reader returns whatever rows it got from a truncated file. An
// uncompressed bitmap says how many bytes its pixels take: refuse one that
// holds fewer, so that a half-written page is not mistaken for a page.
bool bitmapComplete(const QByteArray& file)
{
    if (!file.startsWith("BM") || file.size() < FileHeaderSize + 16)
        return true;  // not a BMP, or too short for the reader to accept anyway
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    const quint32 pixelOffset = qFromLittleEndian<quint32>(bytes + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(bytes + FileHeaderSize);
    qint64 width = 0;
    qint64 height = 0;
    quint32 bitCount = 0;
    quint32 compression = 0;
    if (infoSize == 12) {
        width = qFromLittleEndian<quint16>(bytes + FileHeaderSize + 4);
        height = qFromLittleEndian<quint16>(bytes + FileHeaderSize + 6);
        bitCount = qFromLittleEndian<quint16>(bytes + FileHeaderSize + 10);
    } else if (file.size() >= FileHeaderSize + 20) {
        width = qFromLittleEndian<qint32>(bytes + FileHeaderSize + 4);
        height = qAbs(qint64(qFromLittleEndian<qint32>(bytes + FileHeaderSize + 8)));
        bitCount = qFromLittleEndian<quint16>(bytes + FileHeaderSize + 14);
        compression = qFromLittleEndian<quint32>(bytes + FileHeaderSize + 16);
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed || width <= 0 || height <= 0 || bitCount == 0 || bitCount > 32)
        return true;  // compressed rows have no fixed size; the reader judges the rest
    const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
    return qint64(pixelOffset) + rowBytes * height <= file.size();
}

QImage read(QIODevice* device)
{
    QImageReader reader(device);
    reader.setAutoTransform(false);
    if (!reader.canRead() || !withinLimits(reader.size()))
        return {};
    QImage image;
    if (!reader.read(&image) || image.isNull() || !withinLimits(image.size()))
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
    if (!bitmapComplete(bytes))
        return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer);
}

bool SavePicture(const QImage& image, const QString& path, const QByteArray& format)
{
    if (image.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, format);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace atoz
