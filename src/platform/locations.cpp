#include "locations.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace atoz {

QString PageStoreDirectory(const QString& dataDirOption, const QString& programDirectory, const QString& appId)
{
    if (!dataDirOption.isEmpty()) {
        QDir().mkpath(dataDirOption);
        return QDir(dataDirOption).absolutePath();
    }
    const QFileInfo program(programDirectory);
    const bool installed =
        QFileInfo::exists(QDir(programDirectory).filePath(QStringLiteral("../share/applications/%1.desktop").arg(appId)));
    if (!programDirectory.isEmpty() && program.isDir() && program.isWritable() && !installed)
        return program.absoluteFilePath();

    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(perUser);
    return perUser;
}

}  // namespace atoz
