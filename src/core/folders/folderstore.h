#pragma once

#include "platform/colour.h"
#include "platform/picture.h"

#include <QHash>
#include <QImage>
#include <QString>

namespace atoz {

// The book keeps 8 copies of its 26 pages, one for each child; the program
// calls a copy a folder. A coloured page is one 24-bit BMP file a page, named
// "b2f<folder>p<page>.BMP" in the store's directory.
inline constexpr int FolderCount = 8;
inline constexpr int BookNumber = 2;

constexpr bool IsFolderIndex(int index) { return index >= 0 && index < FolderCount; }

// The colour of a folder's home tile, its contents tab and its number in the
// names window. White for an index that is no folder.
Colour FolderColour(int folder);

class FolderStore
{
public:
    explicit FolderStore(QString directory);

    // The full path of the page's file, whether or not it exists. Pure string
    // building, with the system's separator.
    QString FolderPageFileName(int folder, int page) const;

    // True when a regular file of that name exists (or a link to one), whatever
    // it holds. Never throws.
    bool FolderPageExists(int folder, int page) const;

    // Writes a coloured page, replacing its file atomically; only a regular
    // file is replaced, never a link or anything else. When the write
    // fails the page is kept in memory for the rest of the run, so that the
    // folder goes on showing it; false tells the caller to report the failure.
    bool StorePage(int folder, int page, const QImage& image);

    // Writes a coloured page as StorePage does, but keeps nothing in memory
    // when it fails. It touches only the page's file, so it may run on any
    // thread while the store itself stays on its own.
    bool WritePage(int folder, int page, const QImage& image) const;

    // Forgets a page kept after a failed write, once a later write of the same
    // page has put it on disk.
    void PageWritten(int folder, int page);

    // The page as the folder holds it: a page kept after a failed write, else
    // the stored file when it loads as a picture, else the library page. A file
    // that does not load is left on disk untouched. `form` as LoadPicture takes it.
    QImage LoadFolderPage(int folder, int page, PictureForm form = PictureForm::Full) const;

    // Tries once more to write every page kept after a failed write; pages
    // written now are dropped from memory. The number still unwritten.
    int StoreUnsavedPages();

private:
    QString directory_;
    QHash<QString, QImage> unsaved_;  // by file name
};

}  // namespace atoz
