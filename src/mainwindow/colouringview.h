#pragma once

#include "colouring/colouring.h"

#include <QWidget>

namespace atoz {

class PageSurface;
class PaintSwatches;
class Palette;
class UndoRecord;

// The colouring view: the command bar `CmdBar_2` with OK, save, print, the
// 42 paint swatches, undo, palette editor and information, and the page being
// coloured, `Page_2`, right of it on white. A press anywhere inside an
// outlined area fills the whole area with the current paint; the last fill
// can be undone.
//
// The buttons whose work lies outside this view (OK, save, print, palette
// editor, information) are announced as signals.
class ColouringView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int BarWidth = 1995;   // twips
    static constexpr int BarHeight = 6015;

    ColouringView(Palette& palette, UndoRecord& undo, QWidget* parent = nullptr);

    // Puts a page on the surface for colouring; no fill can be undone yet.
    void OpenPage(const QImage& picture);
    // The page with every fill, as storing, saving and printing read it.
    const QImage& PageImage() const;

    // Every mouse button colours.
    void Page_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void UserCmdUndo_Click();

signals:
    void doneClicked();
    void saveClicked();
    void printClicked();
    void colourClicked();
    void infoClicked();

private:
    Palette& palette_;
    UndoRecord& undo_;
    Colouring colouring_;
    PageSurface* page_;
};

}  // namespace atoz
