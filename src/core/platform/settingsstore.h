#pragma once

#include "platform/adultlocks.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <utility>

class QSettings;

namespace atoz {

// Said once a run, for a parent, when the settings cannot be written; in
// the language the book speaks.
inline QString SettingsErrorTitle()
{
    return QCoreApplication::translate("Settings", "Settings Not Saved");
}
inline QString SettingsErrorText(const QString& file)
{
    return QCoreApplication::translate("Settings",
                                       "The book could not save its settings in this file:\n%1\n\n"
                                       "The paint colors, names and print choices you change work until the book "
                                       "is closed, but they will be forgotten after that. Check that the file can "
                                       "be written and that the disk is not full.")
        .arg(file);
}

// The book's settings: string values addressed by (section, key) under the
// application "RezivIdod". Numbers are stored as decimal text and Booleans as
// "True" or "False".
//
// The value in force comes from four places, the strongest first: this run's
// command line, the user's own settings file, the system-wide file of
// defaults that an adult may put in place for every user of a computer
// ($XDG_CONFIG_DIRS/Vorlane/RezivIdod.ini, by default under /etc/xdg), and
// the caller's built-in default. The system file's [Locked] group beats them
// all (AdultLocks); the owners of the locked settings ask locks() and read
// the system file's values themselves where a lock says so. The book writes
// only the user's file, never the system file. A system file that is
// missing, unreadable or damaged counts as none.
//
// Every write goes to disk at once, except inside a WriteGroup: then the
// whole group goes to disk once, when it ends, since every write rewrites the
// whole file.
//
// A store is built either on the user's own settings file or on a given file,
// so that tests never touch a child's real settings; the system file is read
// from the system location either way (tests move it with QSettings::setPath).
// In a damaged user file every key that cannot be read falls back to its
// default, and writes still go through. A write that does not reach the disk
// (the file is a directory, cannot be opened, or the disk is full) is kept in
// memory, so the program reads back what it wrote for the rest of the run,
// and is tried again with the next write; the first such failure of a run is
// announced by writeFailed(), once.
class SettingsStore : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* Application = "RezivIdod";
    static constexpr const char* Organisation = "Vorlane";

    SettingsStore();                              // the user's own settings
    explicit SettingsStore(const QString& file);  // an INI file of the caller's choice
    ~SettingsStore() override;

    // The value in force, or `defaultValue` where no place holds one.
    QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) const;
    // The system file's value, or `defaultValue`: what an adult set for
    // every user, whatever this user's file and the command line say.
    QString GetSystemSetting(const QString& section, const QString& key, const QString& defaultValue) const;
    // The same, with nothing where no place holds a value.
    std::optional<QString> Setting(const QString& section, const QString& key) const;
    std::optional<QString> SystemSetting(const QString& section, const QString& key) const;
    // Writes the user's file; this run's value for the key, if any, gives way.
    void SaveSetting(const QString& section, const QString& key, const QString& value);
    // A value for this run only, as the command line gives it: it beats the
    // user's file and is never written.
    void SetForThisRun(const QString& section, const QString& key, const QString& value);

    // What an adult locked, from the system file alone.
    const AdultLocks& locks() const { return locks_; }

    // The writes made while a group lives go to disk together when it ends.
    // Groups may nest; the outermost one writes.
    class WriteGroup
    {
    public:
        explicit WriteGroup(SettingsStore& store) : store_(store) { ++store_.openGroups_; }
        ~WriteGroup();
        WriteGroup(const WriteGroup&) = delete;
        WriteGroup& operator=(const WriteGroup&) = delete;

    private:
        SettingsStore& store_;
    };

    // Where the settings live, for the README and for error reports.
    QString fileName() const;

    static QString BooleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
    // "True"/"False" in any letter case, or a decimal number where non-zero is true.
    static std::optional<bool> ParseBoolean(const QString& text);
    // A whole decimal number within [minimum, maximum]; nothing for any other text.
    static std::optional<qint64> ParseInteger(const QString& text, qint64 minimum, qint64 maximum);

signals:
    // The first write of this run that did not reach the disk.
    void writeFailed();

private:
    static std::unique_ptr<QSettings> openSettings(const QString& file);
    void readSystemFile();
    void writeToDisk();
    bool holdsWholly(const QList<std::pair<QString, QString>>& keys) const;

    QString file_;  // empty for the user's own settings
    std::unique_ptr<QSettings> settings_;  // the user's file
    std::unique_ptr<QSettings> system_;    // the system file; none when missing or unusable
    QHash<QString, QString> thisRun_;      // by "section/key"
    AdultLocks locks_;
    QList<std::pair<QString, QString>> unwritten_;  // section and key, since the last write
    int openGroups_ = 0;
    bool failureAnnounced_ = false;
};

}  // namespace atoz
