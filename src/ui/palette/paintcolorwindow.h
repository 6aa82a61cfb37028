#pragma once

#include <QDialog>

namespace atoz {

class ColourDialog;
class OutlineShape;
class Palette;

// The palette editor: four choices for the selected swatch, each a big
// picture or outline on the left with its caption on the right. A custom
// colour, the swatch's own default back, every default back, or leave. A
// choice takes effect, is stored at once and closes the window; cancelling the
// colour chooser leaves the window open. A new window for every opening.
class frmPaintColor : public QDialog
{
    Q_OBJECT

public:
    frmPaintColor(Palette& palette, ColourDialog& colours, QWidget* owner);

    void CmdCustom1_Click();
    void CmdDefault2_Click();
    void CmdAll1_Click();
    void CmdOK1_Click();

private:
    Palette& palette_;
    ColourDialog& colours_;
};

}  // namespace atoz
