#include "pagecopy.h"

#include "folders/folderstore.h"
#include "pages/pagelibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace atoz {

void CopyPagesFromProgramDirectory(const QString& programDirectory, const QString& pageDirectory)
{
    const QString source = QFileInfo(programDirectory).canonicalFilePath();
    if (source.isEmpty() || source == QFileInfo(pageDirectory).canonicalFilePath())
        return;
    QFile record(QDir(pageDirectory).filePath(QLatin1String(CopiedFromFile)));
    if (record.open(QIODevice::ReadOnly)) {
        if (QString::fromUtf8(record.readAll()).split(u'\n').contains(source))
            return;
        record.close();
    }

    const FolderStore from(source);
    const FolderStore to(pageDirectory);
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

}  // namespace atoz
