#include "locations.h"

#include "folders/folderstore.h"
#include "pages/pagelibrary.h"

#include <QDir>
#include <QStandardPaths>
#include <QFile>
#include <QFileInfo>

namespace atoz {

namespace {

void CopyPagesFromProgramDirectory(const QString& programDirectory, const QString& perUserDirectory)
{
    const QString source = QFileInfo(programDirectory).canonicalFilePath();
    if (source.isEmpty() || source == QFileInfo(perUserDirectory).canonicalFilePath())
        return;
    QFile record(QDir(perUserDirectory).filePath(QLatin1String(CopiedFromFile)));
    if (record.open(QIODevice::ReadOnly)) {
        if (QString::fromUtf8(record.readAll()).split(u'\n').contains(source))
            return;
        record.close();
    }

    const FolderStore from(source);
    const FolderStore to(perUserDirectory);
    bool allCopied = true;
    for (int folder = 0; folder < FolderCount; ++folder) {
        for (int page = 0; page < PageCount; ++page) {
            const QFileInfo original(from.FolderPageFileName(folder, page));
            if (!original.isFile() || original.isSymLink() || to.FolderPageExists(folder, page))
                continue;
            // QFile::copy never replaces an existing file and leaves no part
            // of one behind when it fails.
            const QString copy = to.FolderPageFileName(folder, page);
            if (QFile::copy(original.filePath(), copy))
                QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ReadOwner | QFile::WriteOwner);
            else
                allCopied = false;
        }
    }
    // A page that did not come over (a full disk, an unreadable file) is
    // tried again next time; the pages that did are not replaced then.
    if (allCopied && record.open(QIODevice::Append | QIODevice::Text))
        record.write(source.toUtf8() + '\n');
}

// Makes the page directory; one that cannot be made is said on standard
// error, and the book runs on with its pages in memory.
void MakeDirectory(const QString& directory)
{
    if (!QDir().mkpath(directory))
        qWarning("atoz: the page folder %s could not be made: %s", qPrintable(QDir::toNativeSeparators(directory)),
                 qPrintable(qt_error_string()));
}

}  // namespace

QString PageStoreDirectory(const QString& dataDirOption, const QString& programDirectory,
                           const QString& perUserDirectory)
{
    if (!dataDirOption.isEmpty()) {
        MakeDirectory(dataDirOption);
        return QDir(dataDirOption).absolutePath();
    }
    MakeDirectory(perUserDirectory);
    if (!programDirectory.isEmpty())
        CopyPagesFromProgramDirectory(programDirectory, perUserDirectory);
    return perUserDirectory;
}

QString PicturesDirectory()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}

}  // namespace atoz
