#include "foldernames.h"

#include "platform/settingsstore.h"

namespace atoz {

namespace {

// The default as the book has always written it, in English.
constexpr char WrittenDefault[] = "Your Name";

}  // namespace

FolderNames::FolderNames(SettingsStore& settings, QObject* parent) : QObject(parent), settings_(settings) {}

QString FolderNames::Shortened(QString name)
{
    if (name.size() > MaxStoredLength) {
        name.truncate(MaxStoredLength);
        if (name.back().isHighSurrogate())
            name.chop(1);  // never half a character
    }
    return name;
}

QString FolderNames::name(int folder) const
{
    if (!IsFolderIndex(folder))
        return {};
    const std::optional<QString>& own = names_[size_t(folder)];
    return own ? *own : DefaultName();
}

void FolderNames::LoadFolderNames()
{
    for (int i = 0; i < FolderCount; ++i) {
        std::optional<QString> stored = settings_.Setting(Section, SettingsKey(i));
        // Where an adult locked the names, the adult's own names come first.
        if (!settings_.locks().names)
            if (std::optional<QString> adults = settings_.SystemSetting(Section, SettingsKey(i)))
                stored = adults;
        names_[size_t(i)] = stored && *stored != QLatin1String(WrittenDefault) ? std::optional(Shortened(*stored))
                                                                              : std::nullopt;
    }
    emit namesChanged();
}

void FolderNames::StoreFolderNames(const QList<std::optional<QString>>& typed)
{
    {
        const SettingsStore::WriteGroup group(settings_);
        for (int i = 0; i < FolderCount && i < typed.size(); ++i)
            if (typed[i])
                settings_.SaveSetting(Section, SettingsKey(i), *typed[i]);
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
