#pragma once

#include <QImage>
#include <QPainterPath>
#include <QSize>

namespace atoz {

// A page of the open copy as the folder model keeps it: the picture in a
// compact form, every pixel still exactly its Colour, and the thumbnail that
// the contents sheet paints, compact likewise.
struct FolderPage
{
    QImage picture;
    QImage thumbnail;
};

// The picture in the smallest form that keeps every pixel exactly: a picture
// that came as 1 bit or 8 bits a pixel with a colour table stays as it is;
// any other with at most 256 colours becomes QImage::Format_Indexed8, one with
// more QImage::Format_RGB888. Never shares its pixels with a picture that can
// be painted on (QImage::Format_RGB32 is always copied). Null stays null.
QImage CompactPicture(const QImage& picture);

// A thumbnail (QImage::Format_RGB32) in less memory, every pixel as it was:
// QImage::Format_Grayscale8 for the greys and white of a page not coloured
// yet, QImage::Format_RGB888 for a coloured one. Thumbnails have too many
// shades along their smooth lines to make the colour table of CompactPicture
// worth its time.
QImage CompactThumbnail(const QImage& thumbnail);

// The picture scaled smoothly to `size` (in pixels of a window at `scale`
// device pixels a pixel), exactly as a window draws the full 32-bit picture
// stretched to that size. Null for a null picture or an empty size. The full
// picture it draws from is made in `scratch`, when given, so that a run of
// thumbnails reuses one. With a smooth `outline` of the picture's black
// pixels (see pages/pageoutline.h), the black pixels take the colours under
// the line and the outline is drawn over them instead.
QImage ThumbnailOf(const QImage& picture, QSize size, qreal scale = 1, QImage* scratch = nullptr,
                   const QPainterPath& outline = {});

}  // namespace atoz
