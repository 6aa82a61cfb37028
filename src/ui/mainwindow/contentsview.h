#pragma once

#include "folders/folderstore.h"
#include "pages/pagelibrary.h"

#include <QImage>
#include <QWidget>

#include <array>

class QLabel;
class QScrollBar;

namespace atoz {

class FolderModel;
class FolderNames;
class Progress;
struct AdultLocks;

// `Thumbnail_<i>`: page i of the open folder, as the thumbnail the folder
// model made of it; the full page stays in the model.
class PageThumbnail : public QWidget
{
    Q_OBJECT

public:
    PageThumbnail(int index, QWidget* parent);

    void SetPicture(const QImage& thumbnail);
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// The contents view: the command bar `CmdBar_1` with "Home", a tab for each of
// the 8 folders and "Exit", and the contents page `Page_1`, a sheet of the 26
// thumbnails of the open folder laid out in as many columns as fit and
// scrolled by whole rows. The thumbnails mirror the folder model.
class ContentsView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int BarWidth = 2025;  // twips
    static constexpr int BarHeight = 5985;
    static constexpr int TabTops[FolderCount] = {930, 1440, 1980, 2520, 3060, 3600, 4140, 4680};

    // Exit must be held down where an adult keeps the book open (AdultLocks).
    ContentsView(FolderModel& folder, FolderNames& names, Progress& progress, const AdultLocks& locks,
                 QWidget* parent = nullptr);

    // Opens folder i on the sheet: back to the first row, its tab marked, its
    // 26 pages loaded.
    void OpenFolder(int folder);
    // A folder tab: another folder opens; the open one's tab does nothing.
    void UserCmdChangeFolder_Click(int folder);

    void SelectFolder(int folder);
    void ReleaseFolderTab();
    void LoadFolderPages(int folder);
    // Hides the thumbnails (on the way home); their pictures stay.
    void HideThumbnails();
    // Gives the keyboard focus to the thumbnail of `page`, its row scrolled
    // into sight.
    void FocusPage(int page);

    void ShowContentsGrid();
    void ContentsScroll_Change(int value);

signals:
    void homeClicked();
    void exitClicked();
    void pageChosen(int page);
    // A copy's pages are in and the progress window has gone.
    void folderOpened();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Page_Resize();
    // A thumbnail's cell, in pixels at the book's scale.
    QSize cellSize() const;
    void showNames();
    void showPage(int page);
    // Scrolls the sheet, if need be, so that the row of `page` shows.
    void showRowOf(int page);

    FolderModel& folder_;
    FolderNames& names_;
    Progress& progress_;

    std::array<QLabel*, FolderCount> tabs_{};
    QWidget* marker_;
    QWidget* page_;
    QWidget* sheet_;
    QScrollBar* scroll_;
    std::array<QWidget*, PageCount> boxes_{};
    std::array<PageThumbnail*, PageCount> thumbnails_{};
};

}  // namespace atoz
