#pragma once

#include "colouring/undorecord.h"
#include "platform/colour.h"

#include <QImage>
#include <QObject>
#include <QPainterPath>
#include <QRect>

namespace atoz {

// The page being coloured: its picture (QImage::Format_RGB32, every pixel one
// of the book's Colours), the fills on it and the one-level undo. The book
// owns it, not a window, so that it can be stored whenever it changes; the
// page surface only paints it and hands clicks on.
//
// Every change of the picture is announced with pageChanged(), with a
// rectangle that holds every pixel changed; fills and undos, the child's own
// changes, are announced with edited() as well.
//
// A page may come with a smooth outline of its black pixels (see
// pages/pageoutline.h), which is how it is drawn where there are more dots
// than pixels; fills never change a black pixel, so it holds until the next
// page is opened.
class ColouringPage : public QObject
{
    Q_OBJECT

public:
    explicit ColouringPage(QObject* parent = nullptr);

    // Puts a copy of `picture` up for colouring, drawn with `outline` (none:
    // drawn as its pixels); no fill can be undone yet. Announces opened(),
    // then pageChanged().
    void Open(const QImage& picture, const QPainterPath& outline = {});
    // No page is being coloured any more: the picture is let go.
    void Close();
    bool IsOpen() const { return !image_.isNull(); }

    // The page with every fill, as storing, saving and printing read it.
    const QImage& image() const { return image_; }
    // The smooth outline the page is drawn with; empty when it is drawn as
    // its pixels.
    const QPainterPath& outline() const { return outline_; }

    // Fills the area around pixel (x, y) with `paint`. The position is rounded
    // to the nearest pixel, halves to the even neighbour. Refused (false, the
    // undo record untouched) on a black pixel or outside the page. On success
    // the undo record remembers (x, y) exactly as given and the former colour.
    // A paint of 0 fills with NearBlack: no fill ever paints outline.
    bool FillArea(float x, float y, Colour paint);

    // Refills the last filled area with the colour it had before; the undo is
    // then used up. False when there was nothing to undo.
    bool UndoLastFill();

    const UndoRecord& undo() const { return undo_; }
    // Takes the undo away, as leaving the page does.
    void DiscardUndo() { undo_.SetUndoAvailable(false); }

signals:
    void opened();
    void pageChanged(QRect area);
    void undoAvailableChanged(bool available);
    void edited();

private:
    bool fill(float x, float y, Colour paint);

    QImage image_;
    QPainterPath outline_;
    UndoRecord undo_;
};

}  // namespace atoz
