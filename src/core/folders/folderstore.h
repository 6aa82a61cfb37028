#pragma once

#include "platform/colour.h"
#include "platform/picture.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <functional>

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

// What the parent is told, once, about stored pages that could not be read:
// `files` as the store keeps them now.
QString UnreadablePagesTitle();
QString UnreadablePagesText(const QStringList& files);

class FolderStore
{
public:
    // How the store reads and writes the pages' files. The system's own
    // (ReadPictureFile and SavePicture), or in a test a slow disk or a file
    // that cannot be read. Both may be called from any thread.
    struct FileAccess
    {
        std::function<PictureFile(const QString& path, PictureForm form)> read;
        std::function<bool(const QImage& image, const QString& path)> write;
    };
    static FileAccess SystemFiles();

    explicit FolderStore(QString directory, FileAccess files = SystemFiles());

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
    // when it fails. The store's directory is made again when it has gone. A
    // file of the page's name that is there but cannot be read is never
    // replaced: it is set aside first, and when that fails the write fails.
    // It touches only the page's files, so it may run on any thread while the
    // store itself stays on its own.
    bool WritePage(int folder, int page, const QImage& image) const;

    // Forgets a page kept after a failed write, once a later write of the same
    // page has put it on disk.
    void PageWritten(int folder, int page);

    // A page kept in memory after a failed write; null when there is none.
    QImage KeptPage(int folder, int page) const;

    // A page's stored file, as it reads now.
    struct StoredPage
    {
        QImage picture;    // null when the file is missing or holds no picture
        QString setAside;  // the file was there but could not be read: where it is kept now
    };
    // Reads the page's stored file in `form`. One that is there but cannot be
    // read is set aside; one that holds no picture is left alone (the next
    // write replaces it). Touches only the page's files, from any thread.
    StoredPage ReadStoredPage(int folder, int page, PictureForm form) const;

    // Moves the page's stored file aside, so that no write replaces colouring
    // that could not be read: to "b2f<folder>p<page>-unreadable.BMP", or
    // "-unreadable-2" and on when that is taken, never over another file.
    // The path it is kept at: the new one, or its own when it cannot be moved
    // (then a line on standard error says why). Touches only the page's
    // files, from any thread.
    QString SetAside(int folder, int page) const;

    // The page as the folder holds it: a page kept after a failed write, else
    // the stored file when it loads as a picture, else the library page. A file
    // that does not load is left on disk, set aside when it could not be read
    // at all. `form` as LoadPicture takes it.
    QImage LoadFolderPage(int folder, int page, PictureForm form = PictureForm::Full) const;

    // Tries once more to write every page kept after a failed write, but the
    // file `skipped`, which a caller has just tried; pages written now are
    // dropped from memory. The number still unwritten, `skipped` included.
    int StoreUnsavedPages(const QString& skipped = QString());

    // Removes the temporary files that killed writes left of the pages of
    // `folder`, or of every folder for -1; see RemoveStaleTemporaries in
    // picture.h. The directory is listed once.
    void RemoveStaleTemporaries(int folder = -1) const;

private:
    bool writeFile(const QString& file, const QImage& image) const;
    QString setAside(const QString& file) const;

    QString directory_;
    FileAccess files_;
    QHash<QString, QImage> unsaved_;  // by file name
};

}  // namespace atoz
