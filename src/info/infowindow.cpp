#include "infowindow.h"

#include "pages/maker.h"
#include "info/okbutton.h"
#include "platform/twips.h"
#include "platform/ui/controls.h"

#include <QLabel>

namespace atoz {

namespace {

// The window's small print is in the plain sans face, not the book's comic one.
QFont SansFont(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(9.75);
    font.setBold(bold);
    return font;
}

}  // namespace

frmInfo::frmInfo(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Vorlane Coloring Books"));
    SetFixedTwipsSize(this, {6150, 4260});
    SetBackground(this, Black);

    const LabelRow texts[] = {
        // name              left, top, width x height   text                  colour  size  look
        {"LabelInfo", {90, 120, 5955, 2595}, InformationText(), White, 9.75, Bold | Wrapped},
        {"LabelSold", {180, 2760, 4215, 825}, ReproductionNotice(), White, 9.75, Bold | Wrapped},
        {"LabelCopyright", {180, 3690, 4215, 465}, CopyrightNotice(), White, 9.75, Regular},
    };
    for (const LabelRow& row : texts) {
        QLabel* label = AddLabel(this, row);
        SetBookFont(label, SansFont(!(row.style & Regular)));
        label->setTextFormat(Qt::PlainText);  // a credit is a name, never markup
    }
    info_ = findChild<QLabel*>(QStringLiteral("LabelInfo"));
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
