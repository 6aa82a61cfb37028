#include "namewindow.h"

#include "folders/foldernames.h"
#include "folders/folderstore.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace atoz {

frmName::frmName(FolderNames& names, QWidget* owner) : QDialog(owner), names_(names)
{
    setObjectName(QStringLiteral("frmName"));
    setWindowTitle(QStringLiteral("Vorlane Coloring Books"));
    setFixedSize(TwipsSize(4560, 4605));
    SetBackground(this, Black);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("CmdOK"));
    ok_->setGeometry(TwipsRect(3330, 3570, 810, 750));
    ok_->setFont(ComicFont(12));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    QWidget* previous = ok_;
    for (int i = 0; i < FolderCount; ++i) {
        auto* number = new QLabel(QString::number(i + 1), this);
        number->setObjectName(QStringLiteral("LabelNameId_%1").arg(i));
        number->setGeometry(TwipsRect(210, 180 + 540 * i, 675, 495));
        number->setAlignment(Qt::AlignCenter);
        number->setFont(ComicFont(12, false));
        SetBackground(number, FolderColour(i));
        number->setStyleSheet(QStringLiteral("color: black;"));

        auto* box = new QLineEdit(names_.Name(i), this);
        box->setObjectName(QStringLiteral("TextYourName_%1").arg(i));
        box->setGeometry(TwipsRect(960, 180 + 540 * i, 1995, 495));
        box->setMaxLength(FolderNames::MaxLength);
        box->setFont(ComicFont(12, false));
        boxes_[size_t(i)] = box;
        setTabOrder(previous, box);
        previous = box;
    }

    auto instruction = [this](const char* name, const QString& text, QRect place) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(place);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(ComicFont(9.75, false));
        label->setStyleSheet(QStringLiteral("color: white;"));
    };
    instruction("LabelInstruct2",
                QStringLiteral("There are 8 copies of the coloring pages.  Add your name to the ones that you color."),
                TwipsRect(3150, 180, 1275, 1965));
    instruction("LabelInstruct", QStringLiteral("Maximum of 10 Characters"), TwipsRect(3150, 2370, 1245, 825));

    ok_->setFocus();
}

void frmName::done(int result)
{
    if (!stored_) {
        stored_ = true;
        QStringList typed;
        for (const QLineEdit* box : boxes_)
            typed.append(box->text());
        names_.StoreFolderNames(typed);
    }
    QDialog::done(result);
}

}  // namespace atoz
