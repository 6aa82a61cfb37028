#include "foldernames.h"

#include "folders/folderstore.h"
#include "platform/settingsstore.h"

namespace atoz {

FolderNames::FolderNames(SettingsStore& settings, QObject* parent) : QObject(parent), settings_(settings)
{
    for (int i = 0; i < FolderCount; ++i)
        names_.append(DefaultName());
}

QString FolderNames::Shortened(QString name)
{
    if (name.size() > MaxStoredLength) {
        name.truncate(MaxStoredLength);
        if (name.back().isHighSurrogate())
            name.chop(1);  // never half a character
    }
    return name;
}

void FolderNames::LoadFolderNames()
{
    for (int i = 0; i < FolderCount; ++i) {
        // Where an adult locked the names, the adult's own names come first.
        const QString own = settings_.GetSetting(Section, SettingsKey(i), DefaultName());
        names_[i] = Shortened(settings_.locks().names ? own : settings_.GetSystemSetting(Section, SettingsKey(i), own));
    }
    emit namesChanged();
}

void FolderNames::StoreFolderNames(const QStringList& names)
{
    {
        const SettingsStore::WriteGroup group(settings_);
        for (int i = 0; i < FolderCount; ++i)
            settings_.SaveSetting(Section, SettingsKey(i), names.value(i));
    }
    LoadFolderNames();
}

QString FolderNames::SpokenName(int folder, const QString& name)
{
    if (name.trimmed().isEmpty())
        return tr("Copy %1").arg(folder + 1);
    return tr("Copy %1, %2").arg(folder + 1).arg(name);
}

}  // namespace atoz
