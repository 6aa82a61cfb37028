#include "folderstore.h"

#include "pages/pagelibrary.h"
#include "platform/picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <array>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace atoz {

namespace {

constexpr std::array<Colour, FolderCount> FolderColours = {
    16744703,  // pink
    LightCyan,
    8454016,   // light green
    8454143,   // light yellow
    8438015,   // light orange
    8421631,   // salmon
    16761024,  // lavender
    LightGrey,
};

QString pageFileName(int folder, int page)
{
    return QStringLiteral("b%1f%2p%3.BMP").arg(BookNumber).arg(folder).arg(page);
}

// The system's error number when `path` is there but cannot be opened to be
// read; 0 when it can, or when nothing is there.
int readRefusal(const QString& path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return 0;
    }
    return errno == ENOENT || errno == ENOTDIR || errno == ELOOP ? 0 : errno;
#else
    return QFileInfo::exists(path) && !QFileInfo(path).isReadable() ? EACCES : 0;
#endif
}

// Renames `from` to `to` unless something is at `to` already. The system's
// error number when it did not: EEXIST when `to` is taken.
int renameWithoutReplacing(const QString& from, const QString& to)
{
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE)
    if (::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD, QFile::encodeName(to).constData(),
                    RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL)  // a file system that cannot rename so: below
        return errno;
#endif
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink())
        return EEXIST;
#ifdef Q_OS_UNIX
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0 ? 0 : errno;
#else
    return QFile::rename(from, to) ? 0 : EACCES;
#endif
}

}  // namespace

Colour FolderColour(int folder)
{
    return IsFolderIndex(folder) ? FolderColours[size_t(folder)] : White;
}

QString UnreadablePagesTitle()
{
    return QCoreApplication::translate("FolderStore", "File Open Error");
}

QString UnreadablePagesText(const QStringList& files)
{
    const QString kept = QDir::toNativeSeparators(files.join(u'\n'));
    return files.size() == 1
        ? QCoreApplication::translate("FolderStore",
                                      "A coloring page could not be read, so it starts blank. Its file is kept as:\n%1")
              .arg(kept)
        : QCoreApplication::translate(
              "FolderStore",
              "Some coloring pages could not be read, so they start blank. Their files are kept as:\n%1")
              .arg(kept);
}

FolderStore::FileAccess FolderStore::SystemFiles()
{
    return {[](const QString& path, PictureForm form) { return ReadPictureFile(path, form); },
            [](const QImage& image, const QString& path) { return SavePicture(image, path); }};
}

FolderStore::FolderStore(QString directory, FileAccess files)
    : directory_(std::move(directory)), files_(std::move(files))
{
}

QString FolderStore::FolderPageFileName(int folder, int page) const
{
    return directory_ + QDir::separator() + pageFileName(folder, page);
}

bool FolderStore::FolderPageExists(int folder, int page) const
{
    // A FIFO, a device or a directory of that name is no page.
    return QFileInfo(FolderPageFileName(folder, page)).isFile();
}

bool FolderStore::StorePage(int folder, int page, const QImage& image)
{
    if (WritePage(folder, page, image)) {
        PageWritten(folder, page);
        return true;
    }
    unsaved_.insert(FolderPageFileName(folder, page), image.copy());
    return false;
}

bool FolderStore::WritePage(int folder, int page, const QImage& image) const
{
    return writeFile(FolderPageFileName(folder, page), image);
}

bool FolderStore::writeFile(const QString& file, const QImage& image) const
{
    // A folder deleted while the book runs comes back with the next page.
    if (!QFileInfo::exists(directory_))
        QDir().mkpath(directory_);
    if (const int refusal = readRefusal(file); refusal != 0 && setAside(file) == file) {
        SayNotWritten(file, QStringLiteral("the page there could not be read (%1), and is not replaced")
                                .arg(qt_error_string(refusal)));
        return false;
    }
    return files_.write(image, file);
}

void FolderStore::PageWritten(int folder, int page)
{
    unsaved_.remove(FolderPageFileName(folder, page));
}

QImage FolderStore::KeptPage(int folder, int page) const
{
    return unsaved_.value(FolderPageFileName(folder, page));
}

FolderStore::StoredPage FolderStore::ReadStoredPage(int folder, int page, PictureForm form) const
{
    const QString file = FolderPageFileName(folder, page);
    PictureFile stored = files_.read(file, form);
    if (stored.readError == 0)
        return {std::move(stored.picture), QString()};
    const QString aside = setAside(file);
    qWarning("atoz: %s could not be read: %s; it is kept as %s", qPrintable(QDir::toNativeSeparators(file)),
             qPrintable(qt_error_string(stored.readError)), qPrintable(QDir::toNativeSeparators(aside)));
    return {QImage(), aside};
}

QString FolderStore::SetAside(int folder, int page) const
{
    return setAside(FolderPageFileName(folder, page));
}

QString FolderStore::setAside(const QString& file) const
{
    const QString stem = file.chopped(4);  // less ".BMP"
    int error = EEXIST;
    for (int attempt = 1; attempt < 100 && error == EEXIST; ++attempt) {
        const QString aside = stem + QStringLiteral("-unreadable") + (attempt > 1 ? QStringLiteral("-%1").arg(attempt) : QString()) + QStringLiteral(".BMP");
        error = renameWithoutReplacing(file, aside);
        if (error == 0)
            return aside;
    }
    qWarning("atoz: %s could not be set aside: %s", qPrintable(QDir::toNativeSeparators(file)),
             qPrintable(qt_error_string(error)));
    return file;
}

QImage FolderStore::LoadFolderPage(int folder, int page, PictureForm form) const
{
    if (QImage kept = KeptPage(folder, page); !kept.isNull())
        return kept;
    if (QImage stored = ReadStoredPage(folder, page, form).picture; !stored.isNull())
        return stored;
    return LoadPagePicture(page, form);
}

int FolderStore::StoreUnsavedPages(const QString& skipped)
{
    for (auto kept = unsaved_.begin(); kept != unsaved_.end();) {
        if (kept.key() != skipped && writeFile(kept.key(), kept.value()))
            kept = unsaved_.erase(kept);
        else
            ++kept;
    }
    return int(unsaved_.size());
}

void FolderStore::RemoveStaleTemporaries(int folder) const
{
    QSet<QString> pages;
    for (int f = 0; f < FolderCount; ++f)
        for (int page = 0; page < PageCount && (folder < 0 || folder == f); ++page)
            pages.insert(pageFileName(f, page));
    atoz::RemoveStaleTemporaries(directory_, [&pages](const QString& name) { return pages.contains(name); });
}

}  // namespace atoz
