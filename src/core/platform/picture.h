#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

namespace atoz {

// Pictures as the book reads and writes them. Every picture that is loaded is
// handed out as QImage::Format_RGB32 (transparent parts laid on white), so that
// each pixel is exactly one Colour; "no picture" is a null QImage.
//
// Asked for PictureForm::AsStored, a picture stored with 1 or 8 bits a pixel
// and a colour table keeps that form (QImage::Format_Mono, Format_Indexed8),
// a 32nd or a quarter of the memory; each pixel still reads as one Colour.
enum class PictureForm { Full, AsStored };

// The largest picture accepted from outside. A page is 480 x 400; anything near
// these limits is not a page, and a header that claims more is refused before
// a single pixel is allocated. A folder of 26 pictures at the limit holds
// about 440 MB as Format_RGB32.
inline constexpr int MaxPictureSide = 8192;
inline constexpr qint64 MaxPicturePixels = qint64(2048) * 2048;

// The formats a page can be: a bitmap (the book's own form) and PNG (which the
// book saves). The format is told by the content, never by the file's name;
// any other content is refused, however it is named, since other readers can
// take minutes or gigabytes on a small hostile file.

// Null on any failure: missing, not a regular file (a FIFO, a device, a
// directory), larger than MaxPictureFileSize, empty, truncated, not a bitmap
// or PNG, or larger than the limits above. A bitmap stored top-down loads the
// right way up. Pixels that a run-length bitmap skips are white; one whose
// runs break off or reach outside the picture is refused like a truncated file.
QImage LoadPicture(const QString& path, PictureForm form = PictureForm::Full);

// A file as LoadPicture reads it, and whether it is there but could not be
// read at all.
struct PictureFile
{
    QImage picture;
    // The system's error number when the file is there but could not be
    // opened or read (no permission, an input/output error); 0 when it was
    // read, is missing, or is no picture.
    int readError = 0;
};
PictureFile ReadPictureFile(const QString& path, PictureForm form = PictureForm::Full);

// A picture within the limits takes at most 4 bytes a pixel; room is left for
// headers and generous encodings. No more than this is ever read of a file.
inline constexpr qint64 MaxPictureFileSize = 5 * MaxPicturePixels + 65536;

// The same from memory. Also takes a device-independent bitmap without its
// 14-byte file header, the form in which the book's own pages are kept.
QImage LoadPictureData(const QByteArray& data, PictureForm form = PictureForm::Full);

// What a write may replace.
enum class SaveTarget {
    // One of the book's own files: written only over a regular file or where
    // no file is; never through a link.
    Page,
    // A file a person chose: as editors do, a link to a regular file is
    // followed and the file it leads to is replaced. Never a device, a FIFO
    // or a directory.
    ChosenFile,
};

// Writes a 24-bit BMP, or another format Qt writes ("PNG"). The file is
// replaced atomically through a temporary file beside it named
// "<name>.atoz-XXXXXX" (six random letters or digits), which only its owner
// may read while it is written: when anything fails the earlier file is left
// whole and the temporary file is removed. True when the file was written;
// then the directory entry is synced too where the system allows it, so that
// the new file survives a power cut. False after one line on standard error
// that names the file and gives the system's reason.
//
// The file is always readable and writable by its owner, and never
// executable, setuid, setgid or sticky. A new file gets 0666 less the umask;
// a page that is replaced keeps its permissions within that, a chosen file
// within 0666.
bool SavePicture(const QImage& image, const QString& path, const QByteArray& format = "BMP",
                 SaveTarget target = SaveTarget::Page);

// A temporary file of SavePicture younger than this may be another running
// book's write in progress; an older one is a write that was killed.
inline constexpr qint64 StaleTemporarySeconds = 10 * 60;

// Removes what earlier writes left behind in `directory` when they were
// killed half-way: regular files named exactly as SavePicture names the
// temporary files of a file name that `isTarget` accepts, and last changed
// more than StaleTemporarySeconds ago. No other name is ever touched. The
// directory is listed once, by name.
void RemoveStaleTemporaries(const QString& directory, const std::function<bool(const QString& fileName)>& isTarget);

// One line on standard error for a file the book could not write: the file
// and the reason.
void SayNotWritten(const QString& path, const QString& reason);

}  // namespace atoz
