#include "picture.h"

#include "platform/colour.h"

#include <QBuffer>
#include <QByteArrayView>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QList>
#include <QPainter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
    quint32 coloursUsed = 0;
};

enum Compression : quint32 { RunLength8 = 1, RunLength4 = 2 };

// Nullopt for a file too short for Qt's reader to take its headers.
std::optional<BitmapHeader> readBitmapHeader(const QByteArray& file)
{
    if (!file.startsWith("BM") || file.size() < FileHeaderSize + 12)
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
        header.coloursUsed = qFromLittleEndian<quint32>(info + 32);
    } else {
        header.width = qFromLittleEndian<qint16>(info + 4);
        header.height = qFromLittleEndian<qint16>(info + 6);
        header.bitCount = qFromLittleEndian<quint16>(info + 10);
    }
    return header;
}

// Where Qt's BMP reader starts on the pixels: at the pixel offset, unless
// that points back into the headers, masks or colour table, which it has read
// by then and does not read again.
qint64 pixelStart(const BitmapHeader& header)
{
    qint64 read = FileHeaderSize + header.infoSize;
    if (header.infoSize < 108 && header.compression == 3 && (header.bitCount == 16 || header.bitCount == 32))
        read += 12;  // colour masks
    if (header.bitCount <= 8) {
        const qint64 colours = header.coloursUsed ? header.coloursUsed : 1 << header.bitCount;
        read += colours * (header.infoSize == 12 ? 3 : 4);
    }
    return std::max(header.pixelOffset, read);
}

// Pixels in the order a bitmap stores them: row by row from its first stored
// row, each row left to right.
struct Span
{
    qint64 begin = 0;
    qint64 end = 0;
};

// Qt's run-length decoder leaves the pixels that a stream skips (by a delta,
// an early end of line or an early end of bitmap) as it found them, and where
// a stream breaks off inside a run it writes a colour it never read. So the
// stream is walked here first, with Qt's reading of each code: nullopt when it
// breaks off, runs past the end of a row or jumps outside the picture, else
// the spans it skips.
std::optional<QList<Span>> skippedByRunLength(QByteArrayView stream, qint64 width, qint64 height, bool fourBit)
{
    QList<Span> skipped;
    qint64 x = 0;
    qint64 y = 0;
    qint64 reached = 0;  // every pixel before this one is set or skipped
    qsizetype at = 0;
    const auto run = [&](qint64 count) {
        if (x + count > width)
            return false;
        const qint64 begin = y * width + x;
        if (begin > reached)
            skipped.append({reached, begin});
        x += count;
        reached = begin + count;
        return true;
    };
    while (y < height) {
        if (stream.size() - at < 2) {
            // Out of codes: fine once every pixel is set, else the file is cut short.
            if (at == stream.size() && reached == width * height)
                break;
            return std::nullopt;
        }
        const uchar count = uchar(stream[at]);
        const uchar code = uchar(stream[at + 1]);
        at += 2;
        if (count > 0) {  // `count` pixels of one colour (two alternating, for 4 bits)
            if (!run(count))
                return std::nullopt;
        } else if (code == 0) {  // end of line
            x = 0;
            ++y;
        } else if (code == 1) {  // end of bitmap
            break;
        } else if (code == 2) {  // delta: move right and down
            if (stream.size() - at < 2)
                return std::nullopt;
            x += uchar(stream[at]);
            y += uchar(stream[at + 1]);
            at += 2;
            if (x > width || y >= height)
                return std::nullopt;
        } else {  // `code` pixels, each given, padded to a 16-bit boundary
            const qsizetype bytes = fourBit ? (code + 1) / 2 : code;
            if (stream.size() - at < bytes || !run(code))
                return std::nullopt;
            at = std::min(stream.size(), at + bytes + bytes % 2);
        }
    }
    if (reached < width * height)
        skipped.append({reached, width * height});
    return skipped;
}

// What the checks on a bitmap's bytes leave for after decoding.
struct BitmapNotes
{
    QSize runLengthSize;  // valid for a run-length bitmap
    bool topDown = false;
    QList<Span> skipped;
};

// Refuses a bitmap whose header claims a picture beyond the limits, and
// catches what Qt's BMP reader would otherwise hand out from a damaged file:
// it returns whatever rows it got from a truncated one, so an uncompressed
// bitmap must hold all the bytes its rows take, and a run-length one must have
// a stream that holds together.
std::optional<BitmapNotes> checkBitmap(const QByteArray& file)
{
    const std::optional<BitmapHeader> header = readBitmapHeader(file);
    if (!header)
        return BitmapNotes{};  // not a BMP, or one the reader refuses
    const qint64 height = qAbs(header->height);
    if (!withinLimits(header->width, height))
        return std::nullopt;
    BitmapNotes notes;
    notes.topDown = header->height < 0;
    switch (header->compression) {
    case 0:
    case 3:
    case 6:  // uncompressed: rows of a fixed size
        if (header->bitCount == 0 || header->bitCount > 32)
            return notes;  // the reader refuses it
        if (pixelStart(*header) + (header->width * header->bitCount + 31) / 32 * 4 * height > file.size())
            return std::nullopt;
        return notes;
    case RunLength8:
    case RunLength4: {
        if (header->bitCount != (header->compression == RunLength8 ? 8u : 4u))
            return notes;  // the reader refuses it
        if (header->coloursUsed > 256)
            return notes;  // the reader refuses it
        const qint64 start = pixelStart(*header);
        if (start > file.size())
            return std::nullopt;
        std::optional<QList<Span>> skipped = skippedByRunLength(QByteArrayView(file).sliced(start), header->width,
                                                                 height, header->compression == RunLength4);
        if (!skipped)
            return std::nullopt;
        notes.runLengthSize = QSize(int(header->width), int(height));
        notes.skipped = std::move(*skipped);
        return notes;
    }
    default:
        return notes;  // the reader judges it
    }
}

void paintSkippedWhite(QImage& image, const BitmapNotes& notes)
{
    const qint64 width = image.width();
    for (const Span& span : notes.skipped) {
        for (qint64 pixel = span.begin; pixel < span.end;) {
            const qint64 row = pixel / width;
            const qint64 x = pixel % width;
            const qint64 end = std::min(width, x + span.end - pixel);
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(int(notes.topDown ? row : image.height() - 1 - row)));
            std::fill(line + x, line + end, ToQRgb(White));
            pixel += end - x;
        }
    }
}

bool isPaletted(const QImage& image)
{
    return image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB
        || image.format() == QImage::Format_Indexed8;
}

// The reader for the content: a bitmap or PNG by its first bytes, else none.
QByteArray formatOf(const QByteArray& bytes)
{
    if (bytes.startsWith("BM"))
        return QByteArrayLiteral("bmp");
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return QByteArrayLiteral("png");
    return {};
}

QImage read(QIODevice* device, const QByteArray& format, const BitmapNotes& notes, PictureForm form)
{
    // Only the reader named: Qt would otherwise try every format it knows
    // when that one refuses the content.
    QImageReader reader(device, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    // A bitmap stored top-down reports a negative height.
    if (!reader.canRead() || !withinLimits(reader.size().width(), qAbs(qint64(reader.size().height()))))
        return {};
    QImage image;
    if (notes.runLengthSize.isValid()) {
        // Qt's BMP reader decodes into an image of the right size and format
        // when it is given one; a cleared one keeps the skipped pixels defined.
        image = QImage(notes.runLengthSize, QImage::Format_Indexed8);
        if (image.isNull())
            return {};
        image.fill(0);
    }
    if (!reader.read(&image) || image.isNull() || !withinLimits(image.width(), image.height()))
        return {};
    if (image.hasAlphaChannel()) {
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.fill(ToQRgb(White));
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
        image = opaque;
    } else if (form == PictureForm::Full || notes.runLengthSize.isValid() || !isPaletted(image)) {
        image.convertTo(QImage::Format_RGB32);
    }
    if (notes.runLengthSize.isValid()) {
        if (image.size() != notes.runLengthSize)
            return {};
        paintSkippedWhite(image, notes);
    }
    return image;
}

// The rename that replaced the file changed its directory; a power cut before
// that reaches the disk would bring the old file back.
void syncDirectory(const QString& directory)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // some file systems refuse; the file itself is synced already
        ::close(fd);
    }
#else
    Q_UNUSED(directory);
#endif
}

// The book's own temporary files: "<name>.atoz-" and six random letters or
// digits. Nothing else the book writes, and nothing a person is likely to
// name a file, looks like that.
const QString TemporaryMark = QStringLiteral(".atoz-");
constexpr qsizetype RandomLetters = 6;
constexpr QLatin1StringView RandomAlphabet("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

bool isRandomLetter(QChar c)
{
    return RandomAlphabet.contains(c);
}

QString randomLetters()
{
    QString letters;
    for (qsizetype i = 0; i < RandomLetters; ++i)
        letters += RandomAlphabet.at(QRandomGenerator::global()->bounded(int(RandomAlphabet.size())));
    return letters;
}

#ifdef Q_OS_UNIX

// The file a write replaces, and the permissions it had.
struct Destination
{
    QString path;
    std::optional<mode_t> mode;  // none for a new file
};

// Where a write of `path` goes: `path` itself when it names a regular file or
// nothing at all, or for a chosen file the regular file a link leads to.
// Nothing for anything else, with the reason in `reason`.
std::optional<Destination> destinationOf(const QString& path, SaveTarget target, QString& reason)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        if (errno == ENOENT)
            return Destination{path, std::nullopt};
        reason = qt_error_string(errno);
        return std::nullopt;
    }
    if (S_ISLNK(status.st_mode) && target == SaveTarget::ChosenFile) {
        const QString resolved = QFileInfo(path).canonicalFilePath();  // empty for a link that leads nowhere
        if (resolved.isEmpty() || ::lstat(QFile::encodeName(resolved).constData(), &status) != 0) {
            reason = QStringLiteral("a link that leads nowhere");
            return std::nullopt;
        }
        if (S_ISREG(status.st_mode))
            return Destination{resolved, status.st_mode};
    } else if (S_ISREG(status.st_mode)) {
        return Destination{path, status.st_mode};
    }
    reason = S_ISLNK(status.st_mode) ? QStringLiteral("a link, which a page is never written through")
                                     : QStringLiteral("not a regular file");
    return std::nullopt;
}

// The process's umask, read without changing it: a change, even for a moment,
// would reach the files other threads create meanwhile.
mode_t processUmask()
{
    static const mode_t mask = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n')) {
                bool ok = false;
                const uint value = line.startsWith("Umask:") ? line.mid(6).trimmed().toUInt(&ok, 8) : 0;
                if (ok)
                    return mode_t(value & 0777);
            }
        }
        const mode_t old = ::umask(022);  // a system without that line: read once, at the first write
        ::umask(old);
        return old;
    }();
    return mask;
}

// The permissions a written file gets: never executable, setuid, setgid or
// sticky, and always readable and writable by its owner, whatever the file
// it replaces allowed.
mode_t writtenMode(const Destination& destination, SaveTarget target)
{
    const mode_t usual = 0666 & ~processUmask();
    if (!destination.mode)
        return usual | 0600;
    return (*destination.mode & (target == SaveTarget::Page ? usual : 0666)) | 0600;
}

#endif

}  // namespace

QImage LoadPicture(const QString& path, PictureForm form)
{
    return ReadPictureFile(path, form).picture;
}

PictureFile ReadPictureFile(const QString& path, PictureForm form)
{
#ifdef Q_OS_UNIX
    // Not blocking: opening a FIFO would otherwise wait for a writer forever.
    // Only a regular file is read, and no more of it than a picture can take:
    // a device claims size 0 and never ends.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        // A name that leads to nothing is no file; any other refusal is a
        // file that is there and cannot be read.
        const int error = errno;
        return {{}, error == ENOENT || error == ENOTDIR || error == ELOOP || error == ENAMETOOLONG ? 0 : error};
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > MaxPictureFileSize) {
        ::close(fd);
        return {};
    }
    QByteArray bytes(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t count = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (count > 0) {
            got += count;
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            const int error = errno;
            ::close(fd);
            return {{}, error};
        }
    }
    ::close(fd);
    bytes.truncate(got);
#else
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(MaxPictureFileSize + 1);
#endif
    if (bytes.size() > MaxPictureFileSize)
        return {};
    return {LoadPictureData(bytes, form), 0};
}

QImage LoadPictureData(const QByteArray& data, PictureForm form)
{
    QByteArray bytes = withFileHeader(data);
    const QByteArray format = formatOf(bytes);
    if (format.isEmpty())
        return {};
    const std::optional<BitmapNotes> notes = checkBitmap(bytes);
    if (!notes)
        return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer, format, *notes, form);
}

#ifdef Q_OS_UNIX

bool SavePicture(const QImage& image, const QString& path, const QByteArray& format, SaveTarget target)
{
    if (image.isNull()) {
        SayNotWritten(path, QStringLiteral("no picture"));
        return false;
    }
    QString reason;
    const std::optional<Destination> destination = destinationOf(path, target, reason);
    if (!destination) {
        SayNotWritten(path, reason);
        return false;
    }
    // Encoded in memory first: Qt's file classes can take a write that
    // stopped short (a disk filling up) for a whole one, so the bytes go to
    // disk below, each write checked.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
            SayNotWritten(path, writer.errorString());
            return false;
        }
    }
    const QFileInfo info(destination->path);
    const QString directory = info.absolutePath();

    // The temporary file is its owner's alone until it takes the page's
    // place, with the page's permissions.
    QString temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
        temporary = directory + u'/' + info.fileName() + TemporaryMark + randomLetters();
        fd = ::open(QFile::encodeName(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0600);
        if (fd < 0 && errno != EEXIST) {
            SayNotWritten(destination->path, qt_error_string(errno));
            return false;
        }
    }
    if (fd < 0) {
        SayNotWritten(destination->path, QStringLiteral("no free name for a temporary file"));
        return false;
    }
    const QByteArray temporaryName = QFile::encodeName(temporary);
    int error = 0;
    for (qsizetype at = 0; !error && at < bytes.size();) {
        const ssize_t count = ::write(fd, bytes.constData() + at, size_t(bytes.size() - at));
        if (count > 0)
            at += count;
        else if (count == 0)
            error = ENOSPC;
        else if (errno != EINTR)
            error = errno;
    }
    if (!error && ::fchmod(fd, writtenMode(*destination, target)) != 0)
        error = errno;
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temporaryName.constData(), QFile::encodeName(destination->path).constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporaryName.constData());
        SayNotWritten(destination->path, qt_error_string(error));
        return false;
    }
    syncDirectory(directory);
    return true;
}

#else

bool SavePicture(const QImage& image, const QString& path, const QByteArray& format, SaveTarget target)
{
    const QFileInfo info(path);
    if (image.isNull() || (info.exists() && !info.isFile()) || (target == SaveTarget::Page && info.isSymLink())) {
        SayNotWritten(path, image.isNull() ? QStringLiteral("no picture") : QStringLiteral("not a regular file"));
        return false;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QImageWriter writer(&file, format);
        if (writer.write(image.convertToFormat(QImage::Format_RGB32)) && file.commit())
            return true;
        file.cancelWriting();
    }
    SayNotWritten(path, file.errorString());
    return false;
}

#endif

void RemoveStaleTemporaries(const QString& directory, const std::function<bool(const QString& fileName)>& isTarget)
{
    const QDir folder(directory);
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-StaleTemporarySeconds);
    // Regular files only, and only names of the temporary form are looked at
    // any further: the folder may hold many other files.
    const QStringList names = folder.entryList({u'*' + TemporaryMark + u'*'},
                                               QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive);
    for (const QString& name : names) {
        const qsizetype target = name.size() - TemporaryMark.size() - RandomLetters;
        if (target <= 0 || QStringView(name).sliced(target, TemporaryMark.size()) != TemporaryMark
            || !std::all_of(name.cend() - RandomLetters, name.cend(), isRandomLetter) || !isTarget(name.left(target)))
            continue;
        const QFileInfo entry(folder.filePath(name));
        if (entry.isFile() && !entry.isSymLink() && entry.lastModified() < stale)
            QFile::remove(entry.filePath());
    }
}

void SayNotWritten(const QString& path, const QString& reason)
{
    qWarning("atoz: %s was not written: %s", qPrintable(QDir::toNativeSeparators(path)), qPrintable(reason));
}

}  // namespace atoz
