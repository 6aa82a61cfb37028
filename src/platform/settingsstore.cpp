#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>

#include <utility>

namespace atoz {

SettingsStore::SettingsStore() : settings_(openSettings(QString())) {}

SettingsStore::SettingsStore(const QString& file) : file_(file), settings_(openSettings(file)) {}

std::unique_ptr<QSettings> SettingsStore::openSettings(const QString& file)
{
    if (file.isEmpty())
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, Organisation, Application);
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
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
    unwritten_.append({section, key});
    if (openGroups_ == 0)
        writeToDisk();
}

// Qt's save file takes a write that stopped short (a disk that filled up
// half-way) for a whole one, and QSettings then reports success for a file
// cut off anywhere. Qt ends every line of the file, so a whole file ends
// where a line ends, and it holds a line for every key just written.
bool SettingsStore::holdsWholly(const QList<std::pair<QString, QString>>& keys) const
{
    if (keys.isEmpty())
        return true;
    QFile file(settings_->fileName());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = '\n' + file.readAll();
    if (!text.endsWith('\n'))
        return false;
    for (const auto& [section, key] : keys)
        if (!text.contains('\n' + key.toUtf8() + '=') || !text.contains("\n[" + section.toUtf8() + ']'))
            return false;
    return true;
}

SettingsStore::WriteGroup::~WriteGroup()
{
    if (--store_.openGroups_ == 0)
        store_.writeToDisk();
}

void SettingsStore::writeToDisk()
{
    settings_->sync();
    const QList<std::pair<QString, QString>> keys = std::exchange(unwritten_, {});
    if (failureAnnounced_)
        return;  // said once; later writes are still tried
    // QSettings keeps the first error it met: a file that was damaged when
    // it was read reports a format error for good, and later access errors
    // go unrecorded. What is on disk tells the rest.
    const bool written = settings_->status() != QSettings::AccessError && holdsWholly(keys);
    if (!written) {
        failureAnnounced_ = true;
        qWarning("atoz: %s was not written: %s", qPrintable(QDir::toNativeSeparators(fileName())),
                 settings_->status() == QSettings::AccessError ? "the file could not be written"
                                                               : "what was written is not all in the file");
        emit writeFailed();
    }
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
