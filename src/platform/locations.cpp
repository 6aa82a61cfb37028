#include "locations.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace atoz {

QString PageStoreDirectory(const QString& dataDirOption, const QString& programDirectory)
{
    if (!dataDirOption.isEmpty()) {
        QDir().mkpath(dataDirOption);
        return QDir(dataDirOption).absolutePath();
    }
    const QFileInfo program(programDirectory);
    if (!programDirectory.isEmpty() && program.isDir() && program.isWritable())
        return program.absoluteFilePath();

    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(perUser);
    return perUser;
}

}  // namespace atoz
