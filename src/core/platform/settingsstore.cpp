#include "settingsstore.h"

#include "platform/bookscale.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>

#include <utility>

namespace atoz {

namespace {

// A value as the store hands it out. An INI value with unquoted commas reads
// back as a list; it is still the text that was stored.
QString textOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

std::optional<QString> valueIn(const QSettings* settings, const QString& path)
{
    if (!settings || !settings->contains(path))
        return std::nullopt;
    return textOf(settings->value(path));
}

}  // namespace

SettingsStore::SettingsStore() : settings_(openSettings(QString()))
{
    readSystemFile();
}

SettingsStore::SettingsStore(const QString& file) : file_(file), settings_(openSettings(file))
{
    readSystemFile();
}

std::unique_ptr<QSettings> SettingsStore::openSettings(const QString& file)
{
    auto settings = file.isEmpty()
        ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, Organisation, Application)
        : std::make_unique<QSettings>(file, QSettings::IniFormat);
    // The user's own values only: the system file is a layer of its own.
    settings->setFallbacksEnabled(false);
    return settings;
}

void SettingsStore::readSystemFile()
{
    system_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::SystemScope, Organisation, Application);
    // A damaged or unreadable file changes nothing: not even the part of it
    // that could be read.
    if (system_->status() != QSettings::NoError) {
        qWarning("A to Z: the system-wide settings in %s cannot be read; they are passed over",
                 qPrintable(system_->fileName()));
        system_.reset();
        return;
    }
    const auto locked = [this](const char* key) {
        return valueIn(system_.get(), QLatin1String(AdultLocks::Section) + u'/' + QLatin1String(key));
    };
    const auto allowed = [&](const char* key) {
        const std::optional<QString> text = locked(key);
        return !text || ParseBoolean(*text).value_or(true);
    };
    if (const auto text = locked("FullScreen"))
        locks_.fullScreen = ParseBoolean(*text);
    if (const auto text = locked("Scale"))
        locks_.scale = ParseScale(*text);
    locks_.printing = allowed("Printing");
    locks_.web = allowed("Web");
    locks_.names = allowed("Names");
    locks_.palette = allowed("Palette");
    locks_.adultExit = locked("Exit").value_or(QString()).trimmed().compare(u"Adult", Qt::CaseInsensitive) == 0;
    locks_.cursorHidden = locked("Cursor").value_or(QString()).trimmed().compare(u"Hidden", Qt::CaseInsensitive) == 0;
    if (const auto text = locked("DataDir"); text && !text->trimmed().isEmpty())
        locks_.dataDir = ExpandUserPath(*text, QDir::homePath(), qEnvironmentVariable("USER"));
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::GetSetting(const QString& section, const QString& key, const QString& defaultValue) const
{
    return Setting(section, key).value_or(defaultValue);
}

QString SettingsStore::GetSystemSetting(const QString& section, const QString& key, const QString& defaultValue) const
{
    return SystemSetting(section, key).value_or(defaultValue);
}

std::optional<QString> SettingsStore::Setting(const QString& section, const QString& key) const
{
    const QString path = section + u'/' + key;
    if (const auto run = thisRun_.constFind(path); run != thisRun_.constEnd())
        return *run;
    if (std::optional<QString> own = valueIn(settings_.get(), path))
        return own;
    return SystemSetting(section, key);
}

std::optional<QString> SettingsStore::SystemSetting(const QString& section, const QString& key) const
{
    return valueIn(system_.get(), section + u'/' + key);
}

void SettingsStore::SetForThisRun(const QString& section, const QString& key, const QString& value)
{
    thisRun_.insert(section + u'/' + key, value);
}

void SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    thisRun_.remove(section + u'/' + key);
    settings_->setValue(section + u'/' + key, value);
    unwritten_.append({section, key});
    if (openGroups_ == 0)
        writeToDisk();
}

// Qt's save file takes a write that stopped short (a disk that filled up
// half-way) for a whole one, and QSettings then reports success for a file
// cut off anywhere. Qt ends every line of the file, so a whole file ends
// where a line ends, and a fresh reader of its bytes finds every value just
// written. (The keys are compared as QSettings reads them: it escapes
// spaces and other characters in the file.)
bool SettingsStore::holdsWholly(const QList<std::pair<QString, QString>>& keys) const
{
    if (keys.isEmpty())
        return true;
    QFile file(settings_->fileName());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (!bytes.endsWith('\n'))
        return false;
    // QSettings shares what it has read of a file between its readers in one
    // process: a reader of this file's own path would answer from that
    // memory. A copy of the bytes under another name is read afresh.
    QTemporaryFile copy;
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
        return false;
    const QSettings written(copy.fileName(), QSettings::IniFormat);
    if (written.status() != QSettings::NoError)
        return false;
    for (const auto& [section, key] : keys) {
        const QString path = section + u'/' + key;
        if (!written.contains(path) || written.value(path) != settings_->value(path))
            return false;
    }
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
