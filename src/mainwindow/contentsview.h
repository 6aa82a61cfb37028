#pragma once

#include <QImage>
#include <QWidget>

#include <array>

class QScrollBar;

namespace atoz {

class Bookmark;
class ClickLabel;
class FolderNames;
class FolderStore;
class MessageBox;
class Progress;

// `Thumbnail_<i>`: page i of the open folder, held at full size and shown
// stretched to the control.
class Thumbnail : public QWidget
{
    Q_OBJECT

public:
    Thumbnail(int index, QWidget* parent);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QImage picture_;
};

// The contents view: the command bar `CmdBar_1` with "Home", a tab for each of
// the 8 folders and "Exit", and the contents page `Page_1`, a sheet of the 26
// thumbnails of the open folder laid out in as many columns as fit and
// scrolled by whole rows.
class ContentsView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int BarWidth = 2025;  // twips
    static constexpr int BarHeight = 5985;
    static constexpr int TabTops[8] = {930, 1440, 1980, 2520, 3060, 3600, 4140, 4680};

    ContentsView(Bookmark& bookmark, FolderStore& store, FolderNames& names, Progress& progress,
                 MessageBox& messages, QWidget* parent = nullptr);

    QWidget* CmdBar() const { return bar_; }
    QWidget* Page() const { return page_; }
    QWidget* ContentsPage() const { return sheet_; }
    QScrollBar* ContentsScroll() const { return scroll_; }
    ClickLabel* Tab(int folder) const { return tabs_.at(size_t(folder)); }
    Thumbnail* Thumb(int page) const { return thumbnails_.at(size_t(page)); }
    QWidget* Thumbnailbox(int page) const { return boxes_.at(size_t(page)); }

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

    // Stores a coloured page of the open folder and shows it in its thumbnail.
    // A failed write is reported once; the page stays in the thumbnail and in
    // the store's memory, so nothing is lost while the program runs.
    bool StoreColouredPage(int page, const QImage& image);

    void ShowContentsGrid();
    void ContentsScroll_Change(int value);

signals:
    void homeClicked();
    void exitClicked();
    void pageChosen(int page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Page_Resize();
    void showNames();

    Bookmark& bookmark_;
    FolderStore& store_;
    FolderNames& names_;
    Progress& progress_;
    MessageBox& messages_;

    QWidget* bar_;
    std::array<ClickLabel*, 8> tabs_{};
    QWidget* marker_;
    QWidget* page_;
    QWidget* sheet_;
    QScrollBar* scroll_;
    std::array<QWidget*, 26> boxes_{};
    std::array<Thumbnail*, 26> thumbnails_{};
};

}  // namespace atoz
