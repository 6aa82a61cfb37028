#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

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

// Any format Qt reads. Null on any failure: missing, empty, truncated, not a
// picture, or larger than the limits above. A bitmap stored top-down loads the
// right way up. Pixels that a run-length bitmap skips are white; one whose runs
// break off or reach outside the picture is refused like a truncated file.
QImage LoadPicture(const QString& path, PictureForm form = PictureForm::Full);

// The same from memory. Also takes a device-independent bitmap without its
// 14-byte file header, the form in which the book's own pages are kept.
QImage LoadPictureData(const QByteArray& data, PictureForm form = PictureForm::Full);

// Writes a 24-bit BMP, or another format Qt writes ("PNG"). The file is
// replaced atomically: when anything fails the earlier file at `path` is left
// whole. True when the file was written; then the directory entry is synced
// too where the system allows it, so that the new file survives a power cut.
bool SavePicture(const QImage& image, const QString& path, const QByteArray& format = "BMP");

// Removes the temporary files that earlier writes of `path` left behind when
// they were killed half-way: exactly "<name>.XXXXXX", six random letters, the
// form the atomic write uses. For the book's own files only: a name of the
// child's choosing may have look-alikes that are not ours.
void RemoveStaleTemporaries(const QString& path);

}  // namespace atoz
