#include "paintcolorwindow.h"

#include "palette/palette.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"
#include "platform/ui/services.h"

#include <QLabel>

#include <algorithm>
#include <vector>

namespace atoz {

frmPaintColor::frmPaintColor(Palette& palette, ColourDialog& colours, QWidget* owner)
    : QDialog(owner), palette_(palette), colours_(colours)
{
    SetUpSmallWindow(this, QStringLiteral("frmPaintColor"), QStringLiteral("Vorlane Coloring Books"), {4635, 4260});

    // The outlines on the left; the preview shows the selected swatch's own
    // default colour, not its present one.
    using Kind = OutlineShape::Kind;
    AddShape(this, "CmdDefault1", Kind::Rectangle, {120, 1110, 915, 975}, DefaultPaint(palette_.CurrentSwatch()));
    AddShape(this, "CmdAll2", Kind::Rectangle, {150, 2130, 915, 975});
    AddShape(this, "CmdOK2", Kind::Oval, {180, 3150, 915, 1095});

    QWidget* custom = AddPicture(this, {"CmdCustom1", {90, 150, 915, 915}, "colourdisc", tr("Mix a colour of your own")});
    OnClick(custom, this, &frmPaintColor::CmdCustom1_Click);

    // Each row: the caption and the clear labels over its outline do the same.
    const struct
    {
        LabelRow label;
        void (frmPaintColor::*click)();
    } rows[] = {
        {{"CmdCustom2", {1270, 420, 2610, 420}, tr("Select Custom Color"), Yellow, 12}, &frmPaintColor::CmdCustom1_Click},
        {{"CmdDefault3", {120, 1140, 975, 915}, "", Yellow, 12}, &frmPaintColor::CmdDefault2_Click},
        {{"CmdDefault2", {1270, 1440, 2610, 420}, tr("Restore Default Color"), Yellow, 12},
         &frmPaintColor::CmdDefault2_Click},
        {{"CmdAll1", {90, 2430, 990, 420}, tr("All"), Green, 12, Bold | Centred}, &frmPaintColor::CmdAll1_Click},
        {{"CmdAll4", {120, 2160, 975, 915}, "", Yellow, 12}, &frmPaintColor::CmdAll1_Click},
        {{"CmdAll3", {1270, 2460, 3285, 420}, tr("Restore All Default Colors"), Yellow, 12}, &frmPaintColor::CmdAll1_Click},
        {{"CmdOK1", {120, 3510, 1020, 360}, tr("Cancel"), Green, 12, Bold | Centred}, &frmPaintColor::CmdOK1_Click},
        {{"CmdOK4", {150, 3240, 975, 915}, "", Yellow, 12}, &frmPaintColor::CmdOK1_Click},
        {{"CmdOK3", {1270, 3480, 2760, 420}, tr("Exit Without Changing"), Yellow, 12}, &frmPaintColor::CmdOK1_Click},
    };
    // A row's picture or outline and its labels are one button, named by the
    // row's caption (its last text), that the keyboard reaches once.
    std::vector<std::pair<void (frmPaintColor::*)(), QWidget*>> buttons{{&frmPaintColor::CmdCustom1_Click, custom}};
    for (const auto& [row, click] : rows) {
        QLabel* label = AddLabel(this, row);
        QString name;
        for (const auto& [caption, same] : rows)
            if (same == click && !caption.text.isEmpty())
                name = caption.text;
        const auto button = std::find_if(buttons.begin(), buttons.end(), [&](const auto& b) { return b.first == click; });
        if (button == buttons.end()) {
            OnClick(label, this, click);
            buttons.emplace_back(click, label);
        } else {
            JoinButton(button->second, {label}, name);
        }
    }
}

void frmPaintColor::CmdCustom1_Click()
{
    const std::optional<Colour> chosen = colours_.ChooseColour(this, palette_.CurrentPaint());
    if (!chosen)
        return;  // cancelled: nothing changes and the editor stays
    palette_.SetPaintColor(*chosen);
    accept();
}

void frmPaintColor::CmdDefault2_Click()
{
    palette_.RestoreDefaultPaint();
    accept();
}

void frmPaintColor::CmdAll1_Click()
{
    palette_.RestoreAllDefaultPaints();
    accept();
}

void frmPaintColor::CmdOK1_Click()
{
    reject();
}

}  // namespace atoz
