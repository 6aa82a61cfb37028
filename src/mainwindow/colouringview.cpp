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

    // The picture buttons of the bar, each announcing its click.
    auto button = [this](const char* name, const char* picture, const QString& tip, QRect place,
                         void (ColouringView::*clicked)()) {
        auto* b = new PictureButton(QLatin1String(name), QStringLiteral(":/icons/%1.svg").arg(QLatin1String(picture)),
                                    tip, bar_);
        b->setGeometry(place);
        connect(b, &PictureButton::clicked, this, clicked);
        return b;
    };
    button("UserCmdSave", "save", tr("Save the page as a picture file"), TwipsRect(780, 150, 480, 480),
           &ColouringView::saveClicked);
    button("UserCmdPrint", "print", tr("Print the page"), TwipsRect(1380, 90, 510, 555), &ColouringView::printClicked);

    swatches_ = new PaintSwatches(palette_, bar_);

    undoButton_ = button("UserCmdUndo", "undo", tr("Take back the last colour"), TwipsRect(90, 5400, 495, 480),
                         &ColouringView::UserCmdUndo_Click);
    undoButton_->setVisible(undo_.UndoAvailable());
    connect(&undo_, &UndoRecord::undoAvailableChanged, undoButton_, &QWidget::setVisible);
    button("UserCmdColor", "colour", tr("Change the colour of the chosen paint"), TwipsRect(720, 5400, 495, 480),
           &ColouringView::colourClicked);
    button("UserCmdInfo", "info", tr("About this page"), TwipsRect(1410, 5400, 480, 480), &ColouringView::infoClicked);

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
