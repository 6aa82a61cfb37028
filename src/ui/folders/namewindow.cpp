#include "namewindow.h"

#include "folders/foldernames.h"
#include "folders/folderstore.h"
#include "platform/ui/controls.h"
#include "platform/ui/fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace atoz {

QString frmName::CopiesHint()
{
    // Two spaces after the first full stop, as the book has always written
    // it. The hint counts the copies in its own words, so it must change
    // with their number.
    static_assert(FolderCount == 8, "CopiesHint counts the copies");
    return tr("There are 8 copies of the coloring pages.  Add your name to the ones that you color.");
}

frmName::frmName(FolderNames& names, QWidget* owner) : QDialog(owner), names_(names)
{
    SetUpSmallWindow(this, QStringLiteral("frmName"), QStringLiteral("Vorlane Coloring Books"), {4560, 4605});

    // A real push button, not a clickable label as in the other windows: this
    // window is typed in, and the button is the dialog's default, so Enter in
    // any box presses it, and it takes the keyboard focus in the tab order.
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("CmdOK"));
    PlaceInTwips(ok_, {3330, 3570, 810, 750});
    SetBookFont(ok_, FaceFont(Face::Comic, 12));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    QWidget* previous = ok_;
    for (int i = 0; i < FolderCount; ++i) {
        const int top = 180 + 540 * i;
        QLabel* number = AddLabel(this, {Indexed("LabelNameId", i), {210, top, 675, 495}, QString::number(i + 1),
                                         Black, 12, Centred, FolderColour(i)});

        auto* box = new QLineEdit(names_.name(i), this);
        box->setObjectName(Indexed("TextYourName", i));
        PlaceInTwips(box, {960, top, 1995, 495});
        box->setMaxLength(FolderNames::MaxLength);
        SetBookFont(box, FaceFont(Face::Comic, 12, false));
        // The longest name a box takes shows whole, never scrolled.
        ShrinkToFit(box, 12, QString(FolderNames::MaxLength, u'W'));
        number->setBuddy(box);  // a screen reader names the box by its number
        box->setAccessibleName(tr("Name of copy %1").arg(i + 1));
        boxes_[size_t(i)] = box;
        setTabOrder(previous, box);
        previous = box;
    }

    static_assert(FolderNames::MaxLength == 10, "the instructions name the longest name");
    const LabelRow instructions[] = {
        {"LabelInstruct2", {3150, 180, 1275, 1965}, CopiesHint(), White, 9.75, Wrapped},
        {"LabelInstruct", {3150, 2370, 1245, 825}, tr("Maximum of 10 Characters"), White, 9.75, Wrapped},
    };
    for (const LabelRow& row : instructions)
        AddLabel(this, row);

    ok_->setFocus();
}

void frmName::done(int result)
{
    if (!stored_) {
        stored_ = true;
        // A box the child did not touch keeps its name as it is: whole, even
        // one longer than a box holds (only an edited settings file has
        // those), and the default unwritten, to show in any language.
        QList<std::optional<QString>> typed;
        for (const QLineEdit* box : boxes_)
            typed.append(box->isModified() ? std::optional(box->text()) : std::nullopt);
        names_.StoreFolderNames(typed);
    }
    QDialog::done(result);
}

}  // namespace atoz
