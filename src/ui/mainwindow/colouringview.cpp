#include "colouringview.h"

#include "colouring/colouringpage.h"
#include "mainwindow/pagepointer.h"
#include "mainwindow/pagesurface.h"
#include "mainwindow/paintswatches.h"
#include "pages/pagelibrary.h"
#include "palette/palette.h"
#include "platform/adultlocks.h"
#include "platform/twips.h"
#include "platform/ui/arrowkeys.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"
#include "platform/ui/cursors.h"

namespace atoz {

ColouringView::ColouringView(Palette& palette, ColouringPage& page, const AdultLocks& locks, QWidget* parent)
    : QWidget(parent), palette_(palette), page_(page)
{
    setObjectName(QStringLiteral("ColouringView"));
    SetBackground(this, White);  // the window turns white around the page while colouring

    QWidget* bar = AddBox(this, "CmdBar_2", {0, 0, BarWidth, BarHeight}, Black);

    // OK is a label over a white ring.
    AddShape(bar, "UserCmdDone2", OutlineShape::Kind::Oval, {60, 90, 585, 555});
    QLabel* done = AddLabel(bar, {"UserCmdDone", {60, 180, 585, 465}, tr("OK"), Green, 14.25, Bold | Centred});
    done->setToolTip(tr("Keep this page in my book"));
    OnClick(done, this, &ColouringView::doneClicked);

    swatches_ = new PaintSwatches(palette_, bar);

    const struct
    {
        PictureRow row;
        void (ColouringView::*click)();
    } buttons[] = {
        {{"UserCmdSave", {780, 150, 480, 480}, "save", tr("Save the page as a picture file")},
         &ColouringView::saveClicked},
        {{"UserCmdPrint", {1380, 90, 510, 555}, "print", tr("Print the page")}, &ColouringView::printClicked},
        {{"UserCmdUndo", {90, 5400, 495, 480}, "undo", tr("Take back the last colour")},
         &ColouringView::UserCmdUndo_Click},
        {{"UserCmdColor", {720, 5400, 495, 480}, "colour", tr("Change the colour of the chosen paint")},
         &ColouringView::colourClicked},
        {{"UserCmdInfo", {1410, 5400, 480, 480}, "info", tr("About this page")}, &ColouringView::infoClicked},
    };
    QWidget* undoButton = nullptr;
    // Tab goes from OK along the bar, through the palette as one stop, to
    // the buttons under it.
    QList<QWidget*> order{done};
    for (const auto& [row, click] : buttons) {
        Picture* button = AddPicture(bar, row);
        // What an adult has locked is not shown, and its place stays empty.
        if ((click == &ColouringView::printClicked && !locks.printing)
            || (click == &ColouringView::colourClicked && !locks.palette)) {
            button->hide();
            continue;
        }
        OnClick(button, this, click);
        if (click == &ColouringView::UserCmdUndo_Click) {
            undoButton = button;
            order.append(swatches_->readingOrder());
        }
        order.append(button);
    }
    SetTabOrder(order);
    undoButton->setVisible(page_.undo().UndoAvailable());
    connect(&page_, &ColouringPage::undoAvailableChanged, undoButton, &QWidget::setVisible);

    surface_ = new PageSurface(page_, this);
    SetBookCursor(surface_, BookCursor::PaintBrush);
    OnPress(surface_, this, [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position) {
        const QPointF at = surface_->PagePositionAt(position);
        Page_MouseDown(button, modifiers, float(at.x()), float(at.y()));
    });
    // The keyboard colours through a pointer of its own: Tab comes to the
    // page last, after the bar.
    auto* pointer = new PagePointer(surface_, PageSize);
    connect(pointer, &PagePointer::pressed, this, [this](QPoint pixel) {
        Page_MouseDown(Qt::LeftButton, Qt::NoModifier, float(pixel.x()), float(pixel.y()));
    });
}

void ColouringView::FocusPalette()
{
    swatches_->FocusSelected();
}

void ColouringView::resizeEvent(QResizeEvent*)
{
    // The page stands right of the bar, at the book's scale.
    surface_->move(TwipsToPixels(BarWidth, BookScaleOf(this)), 0);
    surface_->FitToScale();
}

// The page repaints itself from the book's page when a fill changes it.
void ColouringView::Page_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    page_.FillArea(x, y, palette_.CurrentPaint());
}

void ColouringView::UserCmdUndo_Click()
{
    page_.UndoLastFill();
}

}  // namespace atoz
