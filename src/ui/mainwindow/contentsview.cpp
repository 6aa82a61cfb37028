#include "contentsview.h"

#include "folders/foldermodel.h"
#include "folders/foldernames.h"
#include "folders/progresswindow.h"
#include "pages/contentsgrid.h"
#include "platform/adultlocks.h"
#include "platform/twips.h"
#include "platform/ui/arrowkeys.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"
#include "platform/ui/cursors.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace atoz {

namespace {

constexpr qreal TabPoints = 11;
constexpr qreal NameSmallestPoints = 6;  // every name of 10 letters fits
constexpr int MarkerSize = 480;  // twips
constexpr int TabLeft = 150;
constexpr int TabTextMargin = 60;  // twips between a name and the tab's right edge

}  // namespace

PageThumbnail::PageThumbnail(int index, QWidget* parent) : QWidget(parent)
{
    setObjectName(Indexed("Thumbnail", index));
    setAccessibleName(tr("Page %1").arg(PageLetter(index)));
}

void PageThumbnail::SetPicture(const QImage& thumbnail)
{
    picture_ = thumbnail;
    update();
}

void PageThumbnail::paintEvent(QPaintEvent*)
{
    // The thumbnail is made at this size: a plain copy, unless the window
    // has moved to a screen of another scale since.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
}

ContentsView::ContentsView(FolderModel& folder, FolderNames& names, Progress& progress, const AdultLocks& locks,
                           QWidget* parent)
    : QWidget(parent), folder_(folder), names_(names), progress_(progress)
{
    setObjectName(QStringLiteral("ContentsView"));
    SetBackground(this, Black);

    QWidget* bar = AddBox(this, "CmdBar_1", {0, 0, BarWidth, BarHeight}, Black);
    QLabel* home = AddLabel(bar, {"UserCmdHome", {150, 240, 1785, 585}, tr("Home"), White, 18, Bold | Centred, DarkGreen});
    OnClick(home, this, &ContentsView::homeClicked);
    for (int i = 0; i < FolderCount; ++i) {
        // Each tab shows its folder's name, clear of the marker that points
        // at the open folder's tab.
        tabs_[size_t(i)] = AddLabel(bar, {Indexed("UserCmdChangeFolder", i), {TabLeft, TabTops[i], 1785, 375},
                                          QString(), Black, TabPoints, Bold | Centred, FolderColour(i)});
        SetTextInset(tabs_[size_t(i)], MarkerSize - TabLeft, TabTextMargin);
        OnClick(tabs_[size_t(i)], this, [this, i] { UserCmdChangeFolder_Click(i); });
        Clickable::Of(tabs_[size_t(i)])->SetKind(Clickable::Kind::Tab);
    }
    QLabel* exit = AddLabel(bar, {"UserCmdExit_1", {150, 5190, 1785, 585}, tr("Exit"), White, 18, Bold | Centred, Red});
    if (locks.adultExit)
        OnHold(exit, this, AdultLocks::ExitHold, &ContentsView::exitClicked);
    else
        OnClick(exit, this, &ContentsView::exitClicked);
    // Over the tabs, made after them; the mouse passes through to the tab.
    marker_ = AddPicture(bar, {"ImagePoint", {0, TabTops[0], MarkerSize, MarkerSize}, "tabmarker", ""});

    // The page, the sheet and its scroll bar are placed as the view resizes;
    // the sheet jumps by whole rows when the scroll box is let go.
    page_ = AddBox(this, "Page_1", {}, Black);
    page_->installEventFilter(this);
    sheet_ = AddBox(page_, "ContentsPage", {}, Black);
    scroll_ = AddScrollBar(page_, QStringLiteral("ContentsScroll"));
    connect(scroll_, &QScrollBar::valueChanged, this, &ContentsView::ContentsScroll_Change);

    for (int i = 0; i < PageCount; ++i) {
        // The white margin of a box opens its page as the thumbnail does.
        QWidget* box = AddBox(sheet_, Indexed("Thumbnailbox", i), {0, 0, ThumbnailCellWidth, ThumbnailCellHeight}, White);
        auto* thumbnail = new PageThumbnail(i, box);
        thumbnail->hide();  // until its page is loaded
        OnClick(box, this, [this, i] { emit pageChosen(i); });
        JoinButton(box, {thumbnail}, thumbnail->accessibleName());
        box->installEventFilter(this);  // a box that takes the focus scrolls into sight
        boxes_[size_t(i)] = box;
        thumbnails_[size_t(i)] = thumbnail;
    }

    // Tab goes down the bar, then to the sheet, where the arrow keys move
    // among the thumbnails.
    QList<QWidget*> order{home};
    order.append(QList<QWidget*>(tabs_.begin(), tabs_.end()));
    order.append(exit);
    order.append(QList<QWidget*>(boxes_.begin(), boxes_.end()));
    SetTabOrder(order);
    new ArrowKeys(QList<QWidget*>(boxes_.begin(), boxes_.end()), boxes_[0], this);

    connect(&folder_, &FolderModel::pageChanged, this, &ContentsView::showPage);
    connect(&names_, &FolderNames::namesChanged, this, &ContentsView::showNames);
    showNames();
}

void ContentsView::showNames()
{
    for (int i = 0; i < FolderCount; ++i) {
        tabs_[size_t(i)]->setText(names_.name(i));
        ShrinkToFit(tabs_[size_t(i)], TabPoints, NameSmallestPoints);
        tabs_[size_t(i)]->setAccessibleName(FolderNames::SpokenName(i, names_.name(i)));
    }
}

void ContentsView::showPage(int page)
{
    PageThumbnail* thumbnail = thumbnails_.at(size_t(page));
    thumbnail->SetPicture(folder_.Thumbnail(page));
    thumbnail->setGeometry(FitThumbnail(folder_.CompactPage(page).size(), cellSize()));
}

bool ContentsView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        if (const auto box = std::find(boxes_.begin(), boxes_.end(), watched); box != boxes_.end())
            showRowOf(int(box - boxes_.begin()));
    if (watched == page_) {
        if (event->type() == QEvent::Resize) {
            Page_Resize();
        } else if (event->type() == QEvent::Wheel && scroll_->isEnabled()) {
            // A turn of the wheel anywhere over the sheet moves it by a row.
            const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
            if (delta != 0)
                scroll_->setValue(scroll_->value() + (delta > 0 ? -1 : 1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ContentsView::resizeEvent(QResizeEvent*)
{
    PlaceRightOfBar(page_, BarWidth);
    // A new size is a new scale: the thumbnails fit their cells again.
    for (PageThumbnail* thumbnail : thumbnails_)
        thumbnail->setGeometry(FitThumbnail(thumbnail->picture().size(), cellSize()));
}

QSize ContentsView::cellSize() const
{
    return TwipsSize(ThumbnailCellWidth, ThumbnailCellHeight, BookScaleOf(this));
}

void ContentsView::Page_Resize()
{
    const double scale = BookScaleOf(this);
    const int scrollLeft = PixelsToTwips(page_->width(), scale) - ScrollBarWidth;
    scroll_->setGeometry(TwipsToPixels(scrollLeft, scale), 0, TwipsToPixels(ScrollBarWidth, scale), page_->height());
    sheet_->resize(TwipsToPixels(scrollLeft, scale), sheet_->height());
    ShowContentsGrid();
}

void ContentsView::ShowContentsGrid()
{
    const double scale = BookScaleOf(this);
    const ContentsGrid grid =
        LayOutContentsGrid(PixelsToTwips(sheet_->width(), scale), PixelsToTwips(page_->height(), scale), PageCount);
    sheet_->resize(sheet_->width(), TwipsToPixels(grid.sheetHeight, scale));
    for (int i = 0; i < PageCount; ++i)
        boxes_[size_t(i)]->move(TwipsPoint(grid.boxes[size_t(i)].x(), grid.boxes[size_t(i)].y(), scale));
    const QSignalBlocker quiet(scroll_);  // the sheet itself is moved below
    scroll_->setRange(0, grid.scrollMax);
    scroll_->setValue(0);
    scroll_->setEnabled(grid.scrollEnabled);
    ContentsScroll_Change(0);
}

void ContentsView::ContentsScroll_Change(int value)
{
    sheet_->move(0, -TwipsToPixels(value * GridRowPitch, BookScaleOf(this)));
}

void ContentsView::showRowOf(int page)
{
    if (!scroll_->isEnabled())
        return;
    const double scale = BookScaleOf(this);
    const int row = (PixelsToTwips(boxes_.at(size_t(page))->y(), scale) - GridMargin) / GridRowPitch;
    const int rowsShown = std::max(1, (PixelsToTwips(page_->height(), scale) - GridMargin) / GridRowPitch);
    if (row < scroll_->value())
        scroll_->setValue(row);
    else if (row >= scroll_->value() + rowsShown)
        scroll_->setValue(row - rowsShown + 1);
}

void ContentsView::FocusPage(int page)
{
    boxes_.at(size_t(page))->setFocus(Qt::OtherFocusReason);
}

void ContentsView::OpenFolder(int folder)
{
    // The sheet is painted, its tab marked, when the progress window shows.
    scroll_->setValue(0);
    ContentsScroll_Change(0);
    SelectFolder(folder);
    LoadFolderPages(folder);
}

void ContentsView::UserCmdChangeFolder_Click(int folder)
{
    if (folder == folder_.CurrentFolder())
        return;
    ReleaseFolderTab();
    OpenFolder(folder);
}

void ContentsView::SelectFolder(int folder)
{
    folder_.SelectFolder(folder);
    QLabel* tab = tabs_.at(size_t(folder));
    Clickable::Of(tab)->SetChosen(true);
    SetBackground(tab, Black);
    SetTextColour(tab, White);
    SetBookCursor(tab, BookCursor::Arrow);
    tab->update();
    PlaceInTwips(marker_, {0, TabTops[folder], MarkerSize, MarkerSize});
}

void ContentsView::ReleaseFolderTab()
{
    const int folder = folder_.CurrentFolder();
    QLabel* tab = tabs_.at(size_t(folder));
    Clickable::Of(tab)->SetChosen(false);
    SetBackground(tab, FolderColour(folder));
    SetTextColour(tab, Black);
    SetBookCursor(tab, BookCursor::PointingHand);
    tab->update();
}

void ContentsView::LoadFolderPages(int folder)
{
    folder_.SetThumbnailCell(cellSize(), devicePixelRatioF());
    // The progress window shows while the first pages are read.
    const auto showProgress = [this] {
        progress_.ShowProgress(window(), 0, PageCount, tr("Loading Pages ..."));
    };
    folder_.LoadFolderPages(
        folder,
        [this](int page) {
            PageThumbnail* thumbnail = thumbnails_[size_t(page)];
            thumbnail->show();
            thumbnail->raise();
            // Each page shows as soon as it is in place: with the progress bar, at
            // the next display frame.
            progress_.StepProgress(1);
        },
        showProgress);
    progress_.ShowLastStep();
    progress_.CloseProgress();
    emit folderOpened();
}

void ContentsView::HideThumbnails()
{
    for (PageThumbnail* thumbnail : thumbnails_)
        thumbnail->hide();
}

}  // namespace atoz
