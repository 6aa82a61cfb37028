// Any bytes at all are either refused or loaded as a picture that keeps the
// loader's promises: Format_RGB32, within the limits, the same every time.
// A crash, a sanitizer report or an abort() here is a fault in the loader.

#include "platform/picture.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Qt's decoders warn about every damaged input, and a fuzzer feeds little else.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QImage picture = atoz::LoadPictureData(bytes);
    if (picture.isNull())
        return 0;
    if (picture.format() != QImage::Format_RGB32 || picture.width() > atoz::MaxPictureSide
        || picture.height() > atoz::MaxPictureSide
        || qint64(picture.width()) * picture.height() > atoz::MaxPicturePixels)
        std::abort();
    if (atoz::LoadPictureData(bytes) != picture)
        std::abort();
    return 0;
}
