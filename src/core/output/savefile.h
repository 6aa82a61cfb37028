#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace atoz {

// The one failure the book reports about its pages, in the language the
// book speaks.
QString SaveErrorTitle();
QString SaveErrorText();

class SettingsStore;

// Saving a coloured page as a picture file of the child's choosing. The last
// file saved is remembered in the settings store, section "Setting", key
// "SaveFile", and proposed again next time.

// The file types the save dialog offers, the bitmap first, each named in the
// language the book speaks and ending in its pattern, "(*.bmp)".
QStringList SaveFileFilters();

// The file the save dialog proposes, always a whole path: the last one saved
// (a relative one taken from `picturesDirectory`), or colorpage.bmp in
// `picturesDirectory` when none was saved on this computer. The directory is
// not made here: only a file that is written there needs it.
QString ProposedSaveFile(const SettingsStore& settings, const QString& picturesDirectory);
// Remembers a file that was written.
void RememberSaveFile(SettingsStore& settings, const QString& path);

// A name typed without an extension gets the one of the chosen file type.
QString WithExtension(const QString& path, const QString& filter);
// How a file of that name is written: PNG for ".png", otherwise BMP.
QByteArray PictureFormatFor(const QString& path);

}  // namespace atoz
