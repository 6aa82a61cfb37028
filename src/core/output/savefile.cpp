#include "savefile.h"

#include "platform/filefilter.h"
#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace atoz {

namespace {

const QString Section = QStringLiteral("Setting");
const QString Key = QStringLiteral("SaveFile");
// What the key has held since the book's first edition; a path on another
// kind of computer, which means nothing here.
const QString FirstEditionDefault = QStringLiteral("c:\\colorpage.bmp");

}  // namespace

QString SaveErrorTitle()
{
    return QCoreApplication::translate("SaveFile", "File Save Error");
}

QString SaveErrorText()
{
    return QCoreApplication::translate("SaveFile", "Your coloring page was not saved.");
}

QStringList SaveFileFilters()
{
    //: A file type in the save dialog; keep "(*.bmp)" as it is
    return {QCoreApplication::translate("SaveFile", "Bitmap (*.bmp)"),
            //: A file type in the save dialog; keep "(*.png)" as it is
            QCoreApplication::translate("SaveFile", "PNG picture (*.png)")};
}

QString ProposedSaveFile(const SettingsStore& settings, const QString& picturesDirectory)
{
    const QString stored = settings.GetSetting(Section, Key, FirstEditionDefault);
    // Always a whole path: a name alone, or one relative to nothing in
    // particular, is taken to lie in the pictures folder.
    const QDir pictures(QDir(picturesDirectory).absolutePath());
    if (!stored.isEmpty() && stored != FirstEditionDefault)
        return QDir::cleanPath(pictures.absoluteFilePath(stored));
    return pictures.absoluteFilePath(QStringLiteral("colorpage.bmp"));
}

void RememberSaveFile(SettingsStore& settings, const QString& path)
{
    settings.SaveSetting(Section, Key, path);
}

QString WithExtension(const QString& path, const QString& filter)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    const QString suffix = FilterSuffix(filter);
    return path + u'.' + (suffix.isEmpty() ? QStringLiteral("bmp") : suffix);
}

QByteArray PictureFormatFor(const QString& path)
{
    return QFileInfo(path).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0 ? "PNG" : "BMP";
}

}  // namespace atoz
