#pragma once

#include <QString>

#include <optional>

namespace atoz {

// What an adult who set the book up (a teacher, a kiosk's owner, a parent)
// has taken out of children's hands: the [Locked] group of the system-wide
// settings file, which only an administrator can write. A key that is absent
// locks nothing; a value that does not read as the key's kind locks nothing
// either. Locks beat the user's own settings file and the command line.
struct AdultLocks
{
    static constexpr const char* Section = "Locked";

    // FullScreen=True (or False): the book always starts that way and F11
    // does nothing.
    std::optional<bool> fullScreen;
    // Scale=F: the book's scale is fixed (0: the largest that fits); the
    // zoom keys do nothing.
    std::optional<double> scale;
    // Printing=False: nothing prints, and nothing offers to.
    bool printing = true;
    // Web=False: the web address is plain text that opens nothing.
    bool web = true;
    // Names=False: the names window does not open; names come from the
    // system file's own [Book2] keys, or stay as they are.
    bool names = true;
    // Palette=False: the palette editor does not open; the paints are the
    // system file's [Paints], or the built-in ones.
    bool palette = true;
    // Exit=Adult: a child's click on Exit or the close box does nothing; the
    // book ends with Ctrl+Shift+Q or Exit held down, by a signal or a log-out.
    bool adultExit = false;
    static constexpr int ExitHold = 3000;  // milliseconds
    // DataDir=PATH: where the pages are kept, whatever the command line
    // says; a leading "~" and "$USER" stand for the user's home and name.
    QString dataDir;
    // Cursor=Hidden: no mouse pointer, for touch screens.
    bool cursorHidden = false;
};

// A path as an adult writes it in the system file: a leading "~" is `home`,
// and "$USER" or "${USER}" anywhere is `user`.
QString ExpandUserPath(const QString& path, const QString& home, const QString& user);

}  // namespace atoz
