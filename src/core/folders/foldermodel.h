#pragma once

#include "colouring/colouringpage.h"
#include "folders/folderpage.h"
#include "folders/folderstore.h"
#include "pages/contentsgrid.h"
#include "pages/pagelibrary.h"
#include "platform/twips.h"

#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <QTimer>

#include <array>
#include <functional>

namespace atoz {

// The open copy of the book: which folder is open, the 26 pages it holds and
// the page being coloured. The contents sheet shows these pages; opening a
// page, OK, shut-down, printing and the page information all ask this model,
// never a widget.
//
// A page is the folder's working copy: what page loading read (the stored
// file, else the library page), then whatever OK stored over it. Stores
// announce pageChanged() so that the sheet follows at once.
//
// The pages are kept small: each in the compact form it came in (a library
// page 1 bit a pixel, a stored one 8 bits when it has at most 256 colours)
// with its thumbnail. Only the page being coloured is a full 32-bit picture,
// and a page whose write failed, which the store keeps.
//
// The page being coloured is never more than a moment away from its file:
// after each fill or undo it is written again in the background, a burst of
// clicks as one write, so that a crash, a log-out or a power cut loses at
// most the last second of a child's colouring. The writes of a page run one
// at a time, and none outlives the model.
class FolderModel : public QObject
{
    Q_OBJECT

public:
    // How long after a change the page being coloured is written at the
    // latest, less the time the write itself takes.
    static constexpr int StoreDelay = 500;  // ms

    // The pages of `directory`, read and written through `files` (see
    // FolderStore).
    explicit FolderModel(QString directory, FolderStore::FileAccess files = FolderStore::SystemFiles(),
                         QObject* parent = nullptr);
    // Waits for a write under way; starts none.
    ~FolderModel() override;

    // Another delay than StoreDelay, for a test that should not wait.
    void SetStoreDelay(int milliseconds);

    FolderStore& store() { return store_; }

    // The folder open on the contents sheet; 0 until another is opened. It
    // keeps its value when the child goes home.
    int CurrentFolder() const { return folder_; }
    void SelectFolder(int folder);

    // The page last opened for colouring; 0 until one is. Changing folder
    // does not change it.
    int CurrentPage() const { return page_; }

    // Reads the 26 pages of `folder`, A to Z, into the model. A worker
    // thread starts reading the pages, and drawing their thumbnails, at once;
    // `started`, when given, is called on this thread meanwhile, so that the
    // caller can show its progress window. Then, page by page in order, the
    // model takes each page as it is ready (reading the next ones itself
    // while it waits), announces pageChanged(i) and calls `pageLoaded(i)`,
    // so that the caller can show progress. It returns when all 26 are in,
    // also when a page could not be read (it starts as its library page).
    // Temporary files that killed writes left of the folder's pages are
    // swept meanwhile.
    void LoadFolderPages(int folder, const std::function<void(int page)>& pageLoaded = {},
                         const std::function<void()>& started = {});
    // True while LoadFolderPages runs.
    bool IsLoading() const { return loading_; }

    // Page i of the open folder at full size, as a QImage::Format_RGB32
    // picture made for the caller; null before any folder loaded.
    QImage page(int page) const;
    // The same page as the model keeps it, in its compact form.
    const QImage& CompactPage(int page) const;
    // Its thumbnail: the page scaled to its place on the contents sheet.
    const QImage& Thumbnail(int page) const;
    // The thumbnails made from now on: fitted into a cell of `cell` pixels
    // of the contents sheet, which has `ratio` device pixels a pixel. Until
    // one is given, a cell at the book's classic size on a plain screen.
    void SetThumbnailCell(QSize cell, qreal ratio);

    // Makes `page` of the open folder the page being coloured.
    void OpenPage(int page);
    ColouringPage& colouringPage() { return colouring_; }
    const ColouringPage& colouringPage() const { return colouring_; }

    // OK and shut-down: stores the page being coloured as the current page of
    // the current folder and makes it the folder's working copy. False when
    // the file could not be written; the page is then kept for the rest of
    // the run (the folder goes on showing it) and the caller reports the
    // failure.
    bool StorePage();

    // Tries once more to write every page an earlier store could not write.
    // The number of pages that still could not be written.
    int StoreUnsavedPages();
    // Shut-down and the end of a session: the page being coloured, if one
    // is, as StorePage stores it, and one more try for every other page an
    // earlier store could not write. The number of pages not written.
    int StoreAllPages();

    // Starts writing the page being coloured now, off the window thread, if
    // it has changes that are not on disk; what the timer does after a change.
    void StoreInBackground();
    // True while the page being coloured has changes that are not on disk.
    bool HasUnstoredChanges() const { return unstored_; }
    // True while a background write is under way or due.
    bool IsStoring() const { return storeTimer_.isActive() || writing_.isRunning() || storeWhenDone_; }
    // Waits until no background write is under way, and takes its result.
    // Starts none: a write that became due meanwhile is left to the caller,
    // who stores the page itself.
    void WaitForBackgroundStore();

signals:
    void pageChanged(int page);
    // A background write of the page being coloured ended; `stored` false
    // when it failed (it is tried again at the next change and at OK).
    void backgroundStoreFinished(bool stored);
    // LoadFolderPages is over.
    void loadFinished();
    // Stored pages of the folder just loaded could not be read: `files`,
    // where each is kept now. Each file is announced once a run.
    void unreadablePagesFound(const QStringList& files);

private:
    void pageEdited();
    void backgroundStoreEnded();
    // A page as the model keeps it, with its thumbnail fitted to a cell of
    // that many pixels at that many device pixels a pixel; see ThumbnailOf
    // for `scratch`. `page` is its index, for its smooth outline.
    static FolderPage pageOf(int page, const QImage& picture, QSize cell, qreal thumbnailScale,
                             QImage* scratch = nullptr);
    void keepPage(int page, const QImage& picture);

    FolderStore store_;
    int folder_ = 0;
    int page_ = 0;
    std::array<FolderPage, PageCount> pages_;
    QSize thumbnailCell_ = TwipsSize(ThumbnailCellWidth, ThumbnailCellHeight, 1);
    qreal thumbnailScale_ = 1;
    ColouringPage colouring_;
    // The worker that reads a folder's pages alongside the window's thread.
    QThreadPool readers_;

    bool loading_ = false;
    QSet<QString> unreadableTold_;  // files already announced

    QTimer storeTimer_;
    QFutureWatcher<bool> writing_;
    int writingFolder_ = 0;
    int writingPage_ = 0;
    bool unstored_ = false;       // changes since the last write that reached the disk began
    bool storeWhenDone_ = false;  // the timer ran out while a write was under way
};

}  // namespace atoz
