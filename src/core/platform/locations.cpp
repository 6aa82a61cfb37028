#include "locations.h"

#include <QDir>
#include <QStandardPaths>

namespace atoz {

namespace {

// Makes the page directory; one that cannot be made is said on standard
// error, and the book runs on with its pages in memory.
void MakeDirectory(const QString& directory)
{
    if (!QDir().mkpath(directory))
        qWarning("atoz: the page folder %s could not be made: %s", qPrintable(QDir::toNativeSeparators(directory)),
                 qPrintable(qt_error_string()));
}

}  // namespace

QString PageStoreDirectory(const QString& dataDirOption, const QString& perUserDirectory)
{
    if (!dataDirOption.isEmpty()) {
        MakeDirectory(dataDirOption);
        return QDir(dataDirOption).absolutePath();
    }
    MakeDirectory(perUserDirectory);
    return perUserDirectory;
}

QString PicturesDirectory()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}

}  // namespace atoz
