#pragma once

#include <QWidget>

namespace atoz {

class ColouringPage;
class PageSurface;
class PaintSwatches;
class Palette;
struct AdultLocks;

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

    // Colours `page`, the book's page being coloured, with the paints of `palette`.
    // Where an adult has locked printing or the palette (AdultLocks), their
    // buttons are not shown.
    ColouringView(Palette& palette, ColouringPage& page, const AdultLocks& locks, QWidget* parent = nullptr);

    // Every mouse button colours; (x, y) is the page position under the
    // pointer, in page pixels.
    void Page_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void UserCmdUndo_Click();
    // Gives the keyboard focus to the swatch in use.
    void FocusPalette();

signals:
    void doneClicked();
    void saveClicked();
    void printClicked();
    void colourClicked();
    void infoClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Palette& palette_;
    ColouringPage& page_;
    PageSurface* surface_;
    PaintSwatches* swatches_;
};

}  // namespace atoz
