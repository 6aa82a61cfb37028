#include "locations.h"

#include <QDir>
#include <QStandardPaths>

namespace atoz {

QString PageStoreDirectory(const QString& dataDirOption, const QString& perUserDirectory)
{
    if (!dataDirOption.isEmpty()) {
        QDir().mkpath(dataDirOption);
        return QDir(dataDirOption).absolutePath();
    }
    QDir().mkpath(perUserDirectory);
    return perUserDirectory;
}

QString PicturesDirectory()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}

}  // namespace atoz
