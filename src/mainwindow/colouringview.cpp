#include "colouringview.h"

#include "colouring/undorecord.h"
#include "mainwindow/pagesurface.h"
#include "palette/paintswatches.h"
#include "palette/palette.h"
#include "platform/controls.h"
#include "platform/cursors.h"
#include "platform/fonts.h"
#include "platform/twips.h"

namespace atoz {

ColouringView::ColouringView(Palette& palette, UndoRecord& undo, QWidget* parent)
    : QWidget(parent), palette_(palette), undo_(undo), colouring_(palette, undo)
{
    setObjectName(QStringLiteral("ColouringView"));
    SetBackground(this, White);  // the window turns white around the page while colouring

    bar_ = new QWidget(this);
    bar_->setObjectName(QStringLiteral("CmdBar_2"));
    bar_->setGeometry(QRect(QPoint(0, 0), TwipsSize(BarWidth, BarHeight)));
    SetBackground(bar_, Black);

    auto* doneRing = new OutlineShape(QStringLiteral("UserCmdDone2"), OutlineShape::Kind::Oval, 2, bar_);
    doneRing->setGeometry(TwipsRect(60, 90, 585, 555));
    auto* done = new ClickLabel(QStringLiteral("UserCmdDone"), QStringLiteral("OK"), bar_);
    done->setGeometry(TwipsRect(60, 180, 585, 465));
    done->setAlignment(Qt::AlignCenter);
    done->setFont(ComicFont(14.25));
    done->setStyleSheet(QStringLiteral("color: #00ff00; background: transparent;"));
    done->setToolTip(tr("Keep this page in my book"));
    connect(done, &ClickLabel::clicked, this, &ColouringView::doneClicked);

    auto* save = new PictureButton(QStringLiteral("UserCmdSave"), QStringLiteral(":/icons/save.svg"),
                                   tr("Save the page as a picture file"), bar_);
    save->setGeometry(TwipsRect(780, 150, 480, 480));
    connect(save, &PictureButton::clicked, this, &ColouringView::saveClicked);

    auto* print = new PictureButton(QStringLiteral("UserCmdPrint"), QStringLiteral(":/icons/print.svg"),
                                    tr("Print the page"), bar_);
    print->setGeometry(TwipsRect(1380, 90, 510, 555));
    connect(print, &PictureButton::clicked, this, &ColouringView::printClicked);

    swatches_ = new PaintSwatches(palette_, bar_);

    undoButton_ = new PictureButton(QStringLiteral("UserCmdUndo"), QStringLiteral(":/icons/undo.svg"),
                                    tr("Take back the last colour"), bar_);
    undoButton_->setGeometry(TwipsRect(90, 5400, 495, 480));
    undoButton_->setVisible(undo_.UndoAvailable());
    connect(undoButton_, &PictureButton::clicked, this, &ColouringView::UserCmdUndo_Click);
    connect(&undo_, &UndoRecord::undoAvailableChanged, undoButton_, &QWidget::setVisible);

    auto* colour = new PictureButton(QStringLiteral("UserCmdColor"), QStringLiteral(":/icons/colour.svg"),
                                     tr("Change the colour of the chosen paint"), bar_);
    colour->setGeometry(TwipsRect(720, 5400, 495, 480));
    connect(colour, &PictureButton::clicked, this, &ColouringView::colourClicked);

    auto* info = new PictureButton(QStringLiteral("UserCmdInfo"), QStringLiteral(":/icons/info.svg"),
                                   tr("About this page"), bar_);
    info->setGeometry(TwipsRect(1410, 5400, 480, 480));
    connect(info, &PictureButton::clicked, this, &ColouringView::infoClicked);

    page_ = new PageSurface(2, this);
    page_->move(bar_->width(), 0);
    page_->setCursor(PaintBrushCursor());
    connect(page_, &PageSurface::mouseDown, this,
            [this](int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position) {
                Page_MouseDown(index, button, modifiers, float(position.x()), float(position.y()));
            });
}

void ColouringView::OpenPage(const QImage& picture)
{
    page_->SetPicture(picture);
    undo_.SetUndoAvailable(false);
}

const QImage& ColouringView::PageImage() const
{
    return page_->Image();
}

void ColouringView::Page_MouseDown(int index, Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    if (index != 2)
        return;
    if (colouring_.FillArea(page_->Image(), x, y, palette_.CurrentPaint()))
        page_->Refresh();
}

void ColouringView::UserCmdUndo_Click()
{
    if (colouring_.UndoLastFill(page_->Image()))
        page_->Refresh();
}

}  // namespace atoz
