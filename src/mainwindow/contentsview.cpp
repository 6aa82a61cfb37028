#include "contentsview.h"

#include "folders/foldermodel.h"
#include "folders/foldernames.h"
#include "folders/progresswindow.h"
#include "folders/thumbnailfit.h"
#include "pages/contentsgrid.h"
#include "platform/twips.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"
#include "platform/ui/cursors.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace atoz {

namespace {

constexpr qreal TabPoints = 11;
constexpr int MarkerSize = 480;  // twips

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

ContentsView::ContentsView(FolderModel& folder, FolderNames& names, Progress& progress, QWidget* parent)
    : QWidget(parent), folder_(folder), names_(names), progress_(progress)
{
    setObjectName(QStringLiteral("ContentsView"));
    SetBackground(this, Black);

    QWidget* bar = AddBox(this, "CmdBar_1", {0, 0, BarWidth, BarHeight}, Black);
    QLabel* home = AddLabel(bar, {"UserCmdHome", {150, 240, 1785, 585}, "Home", White, 18, Bold | Centred, DarkGreen});
    OnClick(home, this, &ContentsView::homeClicked);
    for (int i = 0; i < FolderCount; ++i) {
        // Each tab shows its folder's name.
        tabs_[size_t(i)] = AddLabel(bar, {Indexed("UserCmdChangeFolder", i), {150, TabTops[i], 1785, 375}, QString(),
                                          Black, TabPoints, Bold | Centred, FolderColour(i)});
        OnClick(tabs_[size_t(i)], this, [this, i] { UserCmdChangeFolder_Click(i); });
    }
    QLabel* exit = AddLabel(bar, {"UserCmdExit_1", {150, 5190, 1785, 585}, "Exit", White, 18, Bold | Centred, Red});
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
        box->setAccessibleName(thumbnail->accessibleName());
        thumbnail->hide();  // until its page is loaded
        for (QWidget* control : {box, static_cast<QWidget*>(thumbnail)})
            OnClick(control, this, [this, i] { emit pageChosen(i); });
        boxes_[size_t(i)] = box;
        thumbnails_[size_t(i)] = thumbnail;
    }

    connect(&folder_, &FolderModel::pageChanged, this, &ContentsView::showPage);
    connect(&names_, &FolderNames::namesChanged, this, &ContentsView::showNames);
    showNames();
}

void ContentsView::showNames()
{
    for (int i = 0; i < FolderCount; ++i) {
        tabs_[size_t(i)]->setText(names_.name(i));
        ShrinkToFit(tabs_[size_t(i)], TabPoints);
    }
}

void ContentsView::showPage(int page)
{
    PageThumbnail* thumbnail = thumbnails_.at(size_t(page));
    thumbnail->SetPicture(folder_.Thumbnail(page));
    thumbnail->setGeometry(FitThumbnail(folder_.CompactPage(page).size()));
}

bool ContentsView::eventFilter(QObject* watched, QEvent* event)
{
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
        thumbnail->setGeometry(FitThumbnail(thumbnail->picture().size()));
}

void ContentsView::Page_Resize()
{
    const int scrollLeft = PixelsToTwips(page_->width()) - ScrollBarWidth;
    scroll_->setGeometry(TwipsToPixels(scrollLeft), 0, TwipsToPixels(ScrollBarWidth), page_->height());
    sheet_->resize(TwipsToPixels(scrollLeft), sheet_->height());
    ShowContentsGrid();
}

void ContentsView::ShowContentsGrid()
{
    const ContentsGrid grid =
        LayOutContentsGrid(PixelsToTwips(sheet_->width()), PixelsToTwips(page_->height()), PageCount);
    sheet_->resize(sheet_->width(), TwipsToPixels(grid.sheetHeight));
    for (int i = 0; i < PageCount; ++i)
        boxes_[size_t(i)]->move(TwipsPoint(grid.boxes[size_t(i)].x(), grid.boxes[size_t(i)].y()));
    const QSignalBlocker quiet(scroll_);  // the sheet itself is moved below
    scroll_->setRange(0, grid.scrollMax);
    scroll_->setValue(0);
    scroll_->setEnabled(grid.scrollEnabled);
    ContentsScroll_Change(0);
}

void ContentsView::ContentsScroll_Change(int value)
{
    sheet_->move(0, -TwipsToPixels(value * GridRowPitch));
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
    SetBackground(tab, FolderColour(folder));
    SetTextColour(tab, Black);
    SetBookCursor(tab, BookCursor::PointingHand);
    tab->update();
}

void ContentsView::LoadFolderPages(int folder)
{
    folder_.SetThumbnailScale(devicePixelRatioF());
    // The progress window shows while the first pages are read.
    const auto showProgress = [this] {
        progress_.ShowProgress(window(), 0, PageCount, QStringLiteral("Loading Pages ..."));
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
