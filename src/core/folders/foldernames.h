#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace atoz {

class SettingsStore;

// The names of the 8 folders, so that each child finds their own copy. Kept in
// the settings store, section "Book2", keys "Name0".."Name7", exactly as typed;
// a name never stored reads "Your Name". A stored name longer than
// MaxStoredLength (written by hand, or damaged) is cut to that length when it
// is loaded. This object is the program's copy that
// the home tiles, the contents tabs and the names window show.
class FolderNames : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* Section = "Book2";
    static constexpr int MaxLength = 10;  // what a names box accepts
    static constexpr int MaxStoredLength = 1000;
    static QString DefaultName() { return QStringLiteral("Your Name"); }
    static QString SettingsKey(int folder) { return QStringLiteral("Name%1").arg(folder); }

    explicit FolderNames(SettingsStore& settings, QObject* parent = nullptr);

    // Reads all 8 names from the store and announces them.
    void LoadFolderNames();
    // Stores all 8 names, changed or not, then reloads them.
    void StoreFolderNames(const QStringList& names);

    QString name(int folder) const { return names_.value(folder); }
    // A copy as a screen reader names it, by its number and its name: "Copy 1,
    // Anna", or "Copy 3" for a copy without a name.
    static QString SpokenName(int folder, const QString& name);

signals:
    void namesChanged();

private:
    static QString Shortened(QString name);

    SettingsStore& settings_;
    QStringList names_;
};

}  // namespace atoz
