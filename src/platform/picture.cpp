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
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return read(&file);
}

QImage LoadPictureData(const QByteArray& data)
{
    QByteArray bytes = withFileHeader(data);
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
