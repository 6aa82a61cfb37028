#include "locations.h"

#include <QCommandLineParser>
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

QString DataDirOption(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep the coloured pages in <directory>."),
                                     QStringLiteral("directory"));
    parser.addOption(dataDir);
    parser.parse(arguments);  // unknown options belong to Qt or to others
    return parser.value(dataDir);
}

}  // namespace atoz
