#include "aboutwindow.h"

#include "pages/maker.h"
#include "platform/ui/okbutton.h"
#include "platform/ui/controls.h"

namespace atoz {

frmAbout::frmAbout(QWidget* owner) : QDialog(owner)
{
    SetUpSmallWindow(this, QStringLiteral("frmAbout"), QStringLiteral("Vorlane Coloring Books"), {7710, 4965});

    AddPicture(this, {"Image1", {120, 120, 1800, 1350}, "aboutpicture", tr("The Vorlane Pattern Maker")});
    const LabelRow texts[] = {
        // name              left, top, width x height   text                          colour  size  look
        {"Label1", {2040, 120, 5550, 1350},
         tr("All patterns in the Vorlane Coloring Books were created with the Vorlane Pattern Maker by %1.  ")
             .arg(QLatin1String(MakerName)),
         White, 12, Bold | Wrapped},
        {"PMlabel", {120, 1590, 7470, 1710}, PatternMakerText(), White, 9.75, Wrapped},
        {"CopyrightLabel", {120, 3420, 5850, 480}, CopyrightNotice(), White, 9.75, Plain},
        {"RightsLabel", {120, 4080, 5850, 720}, RightsNotice(), White, 9.75, Wrapped},
    };
    for (const LabelRow& row : texts)
        AddLabel(this, row);
    AddOkButton(this, {6120, 3720});
}

}  // namespace atoz
