#include "colouringview.h"

#include "colouring/undorecord.h"
#include "mainwindow/pagesurface.h"
#include "palette/paintswatches.h"
#include "palette/palette.h"
#include "platform/twips.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"
#include "platform/ui/cursors.h"

namespace atoz {

ColouringView::ColouringView(Palette& palette, UndoRecord& undo, QWidget* parent)
    : QWidget(parent), palette_(palette), undo_(undo), colouring_(palette, undo)
{
    setObjectName(QStringLiteral("ColouringView"));
    SetBackground(this, White);  // the window turns white around the page while colouring

    QWidget* bar = AddBox(this, "CmdBar_2", {0, 0, BarWidth, BarHeight}, Black);

    // OK is a label over a white ring.
    AddShape(bar, "UserCmdDone2", OutlineShape::Kind::Oval, {60, 90, 585, 555});
    QLabel* done = AddLabel(bar, {"UserCmdDone", {60, 180, 585, 465}, "OK", Green, 14.25, Bold | Centred});
    done->setToolTip(tr("Keep this page in my book"));
    OnClick(done, this, [this] { emit doneClicked(); });

    new PaintSwatches(palette_, bar);

    const struct
    {
        PictureRow row;
        void (ColouringView::*click)();
    } buttons[] = {
        {{"UserCmdSave", {780, 150, 480, 480}, "save", "Save the page as a picture file"}, &ColouringView::saveClicked},
        {{"UserCmdPrint", {1380, 90, 510, 555}, "print", "Print the page"}, &ColouringView::printClicked},
        {{"UserCmdUndo", {90, 5400, 495, 480}, "undo", "Take back the last colour"}, &ColouringView::UserCmdUndo_Click},
        {{"UserCmdColor", {720, 5400, 495, 480}, "colour", "Change the colour of the chosen paint"},
         &ColouringView::colourClicked},
        {{"UserCmdInfo", {1410, 5400, 480, 480}, "info", "About this page"}, &ColouringView::infoClicked},
    };
    for (const auto& [row, click] : buttons)
        OnClick(AddPicture(bar, row), this, [this, click = click] { (this->*click)(); });

    QWidget* undoButton = bar->findChild<QWidget*>(QStringLiteral("UserCmdUndo"));
    undoButton->setVisible(undo_.UndoAvailable());
    connect(&undo_, &UndoRecord::undoAvailableChanged, undoButton, &QWidget::setVisible);

    page_ = new PageSurface(this);
    page_->move(bar->width(), 0);
    page_->setCursor(PaintBrushCursor());
    connect(Clickable::Attach(page_, Clickable::When::Press), &Clickable::pressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position) {
                Page_MouseDown(button, modifiers, float(position.x()), float(position.y()));
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

void ColouringView::Page_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    if (colouring_.FillArea(page_->Image(), x, y, palette_.CurrentPaint()))
        page_->Refresh();
}

void ColouringView::UserCmdUndo_Click()
{
    if (colouring_.UndoLastFill(page_->Image()))
        page_->Refresh();
}

}  // namespace atoz
