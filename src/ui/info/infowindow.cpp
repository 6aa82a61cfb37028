#include "infowindow.h"

#include "pages/maker.h"
#include "platform/ui/okbutton.h"
#include "platform/ui/controls.h"

#include <QLabel>

namespace atoz {

frmInfo::frmInfo(QWidget* owner) : QDialog(owner)
{
    SetUpSmallWindow(this, QStringLiteral("frmInfo"), QStringLiteral("Vorlane Coloring Books"), {6150, 4260});

    // The window's small print is in the plain sans face, not the book's comic
    // one. A credit is a name, never markup: labels show plain text.
    // name              left, top, width x height   text                  colour  size  look
    info_ = AddLabel(this, {"LabelInfo", {90, 120, 5955, 2595}, InformationText(), White, 9.75, Bold | Wrapped | Sans});
    AddLabel(this, {"LabelSold", {180, 2760, 4215, 825}, ReproductionNotice(), White, 9.75, Bold | Wrapped | Sans});
    AddLabel(this, {"LabelCopyright", {180, 3690, 4215, 465}, CopyrightNotice(), White, 9.75, Sans});
    AddOkButton(this, {4440, 3000});
}

void frmInfo::InfoText(const QString& attribution)
{
    // Only spaces are trimmed, and the mark is matched exactly: "zq" or a
    // tab before the mark is somebody's credit.
    qsizetype first = 0;
    qsizetype end = attribution.size();
    while (first < end && attribution[first] == u' ')
        ++first;
    while (end > first && attribution[end - 1] == u' ')
        --end;
    const QStringView mark = QStringView(attribution).sliced(first, end - first);
    if (mark.isEmpty() || mark == QLatin1String(MakerMark))
        return;
    info_->setText(attribution + QStringLiteral("\n\n") + info_->text());
}

}  // namespace atoz
