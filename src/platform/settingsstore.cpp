#include "settingsstore.h"

#include <QSettings>
#include <QStringList>

namespace atoz {

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, Organisation, Application))
{
}

SettingsStore::SettingsStore(const QString& file) : settings_(std::make_unique<QSettings>(file, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::GetSetting(const QString& section, const QString& key, const QString& defaultValue) const
{
    const QString path = section + u'/' + key;
    if (!settings_->contains(path))
        return defaultValue;
    const QVariant value = settings_->value(path);
    // An INI value with unquoted commas reads back as a list; it is still the
    // text that was stored.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    settings_->setValue(section + u'/' + key, value);
    settings_->sync();
}

QString SettingsStore::fileName() const
{
    return settings_->fileName();
}

std::optional<bool> SettingsStore::ParseBoolean(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = ParseInteger(t, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()))
        return *number != 0;
    return std::nullopt;
}

std::optional<qint64> SettingsStore::ParseInteger(const QString& text, qint64 minimum, qint64 maximum)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

}  // namespace atoz
