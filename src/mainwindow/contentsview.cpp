#include "contentsview.h"

#include "folders/bookmark.h"
#include "folders/foldernames.h"
#include "folders/folderstore.h"
#include "folders/progresswindow.h"
#include "folders/thumbnailfit.h"
#include "mainwindow/contentsgrid.h"
#include "pages/pagelibrary.h"
#include "platform/controls.h"
#include "platform/cursors.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/twips.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <functional>

namespace atoz {

namespace {

constexpr Colour HomeGreen = 49152;
constexpr Colour ExitRed = 255;

// A white box of the sheet that opens its page when its margin is clicked.
class ThumbnailBox : public QWidget
{
public:
    ThumbnailBox(int index, QWidget* parent, std::function<void(int)> open)
        : QWidget(parent), index_(index), open_(std::move(open))
    {
        setObjectName(QStringLiteral("Thumbnailbox_%1").arg(index));
        SetBackground(this, White);
        setCursor(PointingHandCursor());
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            open_(index_);
    }

private:
    int index_;
    std::function<void(int)> open_;
};

}  // namespace

Thumbnail::Thumbnail(int index, QWidget* parent) : QWidget(parent), index_(index)
{
    setObjectName(QStringLiteral("Thumbnail_%1").arg(index));
    setAccessibleName(tr("Page %1").arg(PageLetter(index)));
}

void Thumbnail::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void Thumbnail::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
}

void Thumbnail::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(index_);
}

ContentsView::ContentsView(Bookmark& bookmark, FolderStore& store, FolderNames& names, Progress& progress,
                           MessageBox& messages, QWidget* parent)
    : QWidget(parent), bookmark_(bookmark), store_(store), names_(names), progress_(progress), messages_(messages)
{
    setObjectName(QStringLiteral("ContentsView"));
    SetBackground(this, Black);

    bar_ = new QWidget(this);
    bar_->setObjectName(QStringLiteral("CmdBar_1"));
    bar_->setGeometry(QRect(QPoint(0, 0), TwipsSize(BarWidth, BarHeight)));
    SetBackground(bar_, Black);

    auto* home = new ClickLabel(QStringLiteral("UserCmdHome"), QStringLiteral("Home"), bar_);
    home->setGeometry(TwipsRect(150, 240, 1785, 585));
    home->SetColours(White, HomeGreen);
    connect(home, &ClickLabel::clicked, this, &ContentsView::homeClicked);

    for (int i = 0; i < FolderCount; ++i) {
        auto* tab = new ClickLabel(QStringLiteral("UserCmdChangeFolder_%1").arg(i), QString(), bar_);
        tab->setGeometry(TwipsRect(150, TabTops[i], 1785, 375));
        tab->setFont(ComicFont(11));
        tab->SetColours(Black, FolderColour(i));
        connect(tab, &ClickLabel::clicked, this, [this, i] { UserCmdChangeFolder_Click(i); });
        tabs_[size_t(i)] = tab;
    }

    auto* exit = new ClickLabel(QStringLiteral("UserCmdExit_1"), QStringLiteral("Exit"), bar_);
    exit->setGeometry(TwipsRect(150, 5190, 1785, 585));
    exit->SetColours(White, ExitRed);
    connect(exit, &ClickLabel::clicked, this, &ContentsView::exitClicked);

    for (ClickLabel* command : {home, exit}) {
        command->setAlignment(Qt::AlignCenter);
        command->setFont(ComicFont(18));
    }
    for (ClickLabel* tab : tabs_)
        tab->setAlignment(Qt::AlignCenter);

    auto* marker = new QLabel(bar_);
    marker->setObjectName(QStringLiteral("ImagePoint"));
    marker->setGeometry(TwipsRect(0, TabTops[0], 480, 480));
    marker->setPixmap(QIcon(QStringLiteral(":/icons/tabmarker.svg")).pixmap(marker->size(), devicePixelRatioF()));
    marker_ = marker;
    marker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    marker_->raise();

    page_ = new QWidget(this);
    page_->setObjectName(QStringLiteral("Page_1"));
    SetBackground(page_, Black);
    page_->installEventFilter(this);

    sheet_ = new QWidget(page_);
    sheet_->setObjectName(QStringLiteral("ContentsPage"));
    SetBackground(sheet_, Black);

    scroll_ = new QScrollBar(Qt::Vertical, page_);
    scroll_->setObjectName(QStringLiteral("ContentsScroll"));
    scroll_->setSingleStep(1);
    scroll_->setPageStep(1);
    scroll_->setTracking(false);        // the sheet jumps when the box is let go
    scroll_->setFocusPolicy(Qt::NoFocus);
    connect(scroll_, &QScrollBar::valueChanged, this, &ContentsView::ContentsScroll_Change);

    for (int i = 0; i < PageCount; ++i) {
        auto* box = new ThumbnailBox(i, sheet_, [this](int page) { emit pageChosen(page); });
        box->resize(ThumbnailCell);
        auto* thumbnail = new Thumbnail(i, box);
        thumbnail->setCursor(PointingHandCursor());
        thumbnail->hide();  // until its page is loaded
        connect(thumbnail, &Thumbnail::clicked, this, &ContentsView::pageChosen);
        boxes_[size_t(i)] = box;
        thumbnails_[size_t(i)] = thumbnail;
    }

    connect(&names_, &FolderNames::namesChanged, this, &ContentsView::showNames);
    showNames();
}

void ContentsView::showNames()
{
    for (int i = 0; i < FolderCount; ++i)
        tabs_[size_t(i)]->setText(names_.Name(i));
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
    // The contents page takes the whole client area right of the bar.
    page_->setGeometry(bar_->width(), 0, width() - bar_->width(), height());
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
        atoz::ShowContentsGrid(PixelsToTwips(sheet_->width()), PixelsToTwips(page_->height()), PageCount);
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
    repaint();
    scroll_->setValue(0);
    ContentsScroll_Change(0);
    SelectFolder(folder);
    LoadFolderPages(folder);
}

void ContentsView::UserCmdChangeFolder_Click(int folder)
{
    if (folder == bookmark_.CurrentFolder())
        return;
    ReleaseFolderTab();
    OpenFolder(folder);
}

void ContentsView::SelectFolder(int folder)
{
    bookmark_.SetCurrentFolder(folder);
    ClickLabel* tab = tabs_.at(size_t(folder));
    tab->SetColours(White, Black);
    tab->setCursor(Qt::ArrowCursor);
    tab->repaint();
    marker_->move(marker_->x(), tab->y());
}

void ContentsView::ReleaseFolderTab()
{
    const int folder = bookmark_.CurrentFolder();
    ClickLabel* tab = tabs_.at(size_t(folder));
    tab->SetColours(Black, FolderColour(folder));
    tab->setCursor(PointingHandCursor());
    tab->repaint();
}

void ContentsView::LoadFolderPages(int folder)
{
    progress_.ShowProgress(window(), 0, PageCount, QStringLiteral("Loading Pages ..."));
    for (int i = 0; i < PageCount; ++i) {
        Thumbnail* thumbnail = thumbnails_[size_t(i)];
        const QImage picture = store_.LoadFolderPage(folder, i);
        thumbnail->SetPicture(picture);
        thumbnail->setGeometry(FitThumbnail(picture.size()));
        thumbnail->show();
        thumbnail->raise();
        thumbnail->repaint();
        progress_.StepProgress(1);
    }
    progress_.CloseProgress();
}

void ContentsView::HideThumbnails()
{
    for (Thumbnail* thumbnail : thumbnails_)
        thumbnail->hide();
}

bool ContentsView::StoreColouredPage(int page, const QImage& image)
{
    const bool stored = store_.StorePage(bookmark_.CurrentFolder(), page, image);
    thumbnails_.at(size_t(page))->SetPicture(image.copy());
    if (!stored)
        messages_.Inform(window(), SaveErrorTitle, SaveErrorText);
    return stored;
}

}  // namespace atoz
