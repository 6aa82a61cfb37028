#pragma once

#include <QString>

#include <memory>
#include <optional>

class QSettings;

namespace atoz {

// The book's settings: string values addressed by (section, key) under the
// application "RezivIdod". Numbers are stored as decimal text and Booleans as
// "True" or "False". Every write goes to disk at once.
//
// A store is built either on the user's own settings file or on a given file,
// so that tests never touch a child's real settings. In a damaged file every
// key that cannot be read falls back to its default, and writes still go
// through.
class SettingsStore
{
public:
    static constexpr const char* Application = "RezivIdod";
    static constexpr const char* Organisation = "Vorlane";

    SettingsStore();                              // the user's own settings
    explicit SettingsStore(const QString& file);  // an INI file of the caller's choice
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) const;
    void SaveSetting(const QString& section, const QString& key, const QString& value);

    // Where the settings live, for the README and for error reports.
    QString fileName() const;

    static QString BooleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
    // "True"/"False" in any letter case, or a decimal number where non-zero is true.
    static std::optional<bool> ParseBoolean(const QString& text);
    // A whole decimal number within [minimum, maximum]; nothing for any other text.
    static std::optional<qint64> ParseInteger(const QString& text, qint64 minimum, qint64 maximum);

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace atoz
