#include "mainwindow.h"

#include "mainwindow/colouringview.h"
#include "mainwindow/contentsview.h"
#include "platform/controls.h"
#include "platform/twips.h"

namespace atoz {

frmRezivIdod::frmRezivIdod(SettingsStore& settings, const QString& pageDirectory, MessageBox& messages,
                           QWidget* parent)
    : QWidget(parent), palette_(settings), names_(settings), store_(pageDirectory), messages_(messages)
{
    setObjectName(QStringLiteral("frmRezivIdod"));
    setWindowTitle(QStringLiteral("Book %1: A to Z").arg(BookNumber));
    setFixedSize(TwipsSize(9330, 6440));
    SetBackground(this, Black);

    contents_ = new ContentsView(bookmark_, store_, names_, progress_, messages_, this);
    colouring_ = new ColouringView(palette_, undo_, this);
    for (QWidget* view : {static_cast<QWidget*>(contents_), static_cast<QWidget*>(colouring_)}) {
        view->setGeometry(rect());
        view->hide();
    }

    palette_.LoadPalette();
    names_.LoadFolderNames();

    connect(contents_, &ContentsView::pageChosen, this, [this](int page) {
        colouring_->OpenPage(contents_->Thumb(page)->Picture());
        bookmark_.SetCurrentPage(page);
        ShowView(View::Colouring);
    });
    connect(colouring_, &ColouringView::doneClicked, this, [this] {
        contents_->StoreColouredPage(bookmark_.CurrentPage(), colouring_->PageImage());
        undo_.SetUndoAvailable(false);
        ShowView(View::Contents);
    });
    connect(contents_, &ContentsView::exitClicked, this, &QWidget::close);
}

void frmRezivIdod::ShowView(View view)
{
    contents_->setVisible(view == View::Contents);
    colouring_->setVisible(view == View::Colouring);
    SetBackground(this, view == View::Colouring ? White : Black);
}

}  // namespace atoz
