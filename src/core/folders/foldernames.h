#pragma once

#include "folders/folderstore.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

namespace atoz {

class SettingsStore;

// The names of the 8 folders, so that each child finds their own copy. Kept in
// the settings store, section "Book2", keys "Name0".."Name7", exactly as typed.
// A copy nobody has named shows "Your Name" in the language the book speaks;
// that default is never written to the store, so a change of language shows
// it in the new one. (Earlier versions wrote the English default for every
// copy when the names window closed: a stored "Your Name" counts as no name.)
// A stored name longer than MaxStoredLength (written by hand, or damaged) is
// cut to that length when it is loaded. This object is the program's copy
// that the home tiles, the contents tabs and the names window show.
class FolderNames : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* Section = "Book2";
    static constexpr int MaxLength = 10;  // what a names box accepts
    static constexpr int MaxStoredLength = 1000;
    static QString DefaultName() { return tr("Your Name"); }
    static QString SettingsKey(int folder) { return QStringLiteral("Name%1").arg(folder); }

    explicit FolderNames(SettingsStore& settings, QObject* parent = nullptr);

    // Reads all 8 names from the store and announces them.
    void LoadFolderNames();
    // Stores the names that were typed (nothing for a copy whose name was
    // left alone, or beyond the list), then reloads them all.
    void StoreFolderNames(const QList<std::optional<QString>>& typed);

    // The copy's name, or the default.
    QString name(int folder) const;
    // A copy as a screen reader names it, by its number and its name: "Copy 1,
    // Anna", or "Copy 3" for a copy without a name.
    static QString SpokenName(int folder, const QString& name);

signals:
    void namesChanged();

private:
    static QString Shortened(QString name);

    SettingsStore& settings_;
    std::array<std::optional<QString>, FolderCount> names_;  // none: nobody named the copy
};

}  // namespace atoz
