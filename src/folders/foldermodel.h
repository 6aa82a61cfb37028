#pragma once

#include "folders/folderstore.h"
#include "pages/pagelibrary.h"

#include <QImage>
#include <QObject>

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
class FolderModel : public QObject
{
    Q_OBJECT

public:
    explicit FolderModel(QString directory, QObject* parent = nullptr);

    FolderStore& store() { return store_; }

    // The folder open on the contents sheet; 0 until another is opened. It
    // keeps its value when the child goes home.
    int CurrentFolder() const { return folder_; }
    void SelectFolder(int folder);

    // The page last opened for colouring; 0 until one is. Changing folder
    // does not change it.
    int CurrentPage() const { return page_; }
    void SetCurrentPage(int page);

    // Reads the 26 pages of `folder`, A to Z, into the model. After each page
    // it announces pageChanged(i) and then calls `pageLoaded(i)`, so that the
    // caller can show progress.
    void LoadFolderPages(int folder, const std::function<void(int page)>& pageLoaded = {});

    // Page i of the open folder at full size; null before any folder loaded.
    const QImage& Page(int page) const;

    // OK and shut-down: stores `image` as the current page of the current
    // folder and makes it the folder's working copy. False when the file could
    // not be written; the page is then kept for the rest of the run (the
    // folder goes on showing it) and the caller reports the failure.
    bool StorePage(const QImage& image);

    // Tries once more to write every page an earlier store could not write.
    // The number of pages that still could not be written.
    int StoreUnsavedPages();

signals:
    void pageChanged(int page);

private:
    FolderStore store_;
    int folder_ = 0;
    int page_ = 0;
    std::array<QImage, PageCount> pages_;
};

}  // namespace atoz
