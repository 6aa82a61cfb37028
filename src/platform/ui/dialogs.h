#pragma once

#include "platform/colour.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QImage;
class QWidget;

namespace atoz {

class Browsers;

// The platform's modal dialogs and the printer, which a test cannot click
// through. Each sits behind a small interface with one Qt implementation here
// and a scripted fake in the tests; the main window receives them once, as a
// bundle, and hands them on.

// A message with a single OK button.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void Inform(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The one failure the book reports about its pages.
inline const QString SaveErrorTitle = QStringLiteral("File Save Error");
inline const QString SaveErrorText = QStringLiteral("Your coloring page was not saved.");

// Said once a run, for a parent, when the settings cannot be written.
inline const QString SettingsErrorTitle = QStringLiteral("Settings Not Saved");
inline QString SettingsErrorText(const QString& file)
{
    return QStringLiteral("The book could not save its settings in this file:\n%1\n\n"
                          "The paint colors, names and print choices you change work until the book is closed, "
                          "but they will be forgotten after that. Check that the file can be written and that "
                          "the disk is not full.")
        .arg(file);
}

// The colour chooser: opens on `initial`; nothing when the child cancels.
class ColourDialog
{
public:
    virtual ~ColourDialog() = default;
    virtual std::optional<Colour> ChooseColour(QWidget* parent, Colour initial) = 0;
};

// The save dialog: proposes `proposed`, offers `filters` (the first chosen),
// adds the chosen type's extension to a name typed without one and asks
// before replacing a file. The path chosen; empty when the child cancels.
class FileDialog
{
public:
    virtual ~FileDialog() = default;
    virtual QString SaveFileName(QWidget* parent, const QString& proposed, const QStringList& filters) = 0;
};

// The printer pages go to: the system's default printer until the child
// chooses another in the printer dialog, for the rest of the run.
class Printer
{
public:
    virtual ~Printer() = default;
    // False when the system has no printer at all.
    virtual bool IsInstalled() = 0;
    virtual QString DeviceName() = 0;
    virtual bool IsLandscape() = 0;
    // The printer dialog. Cancel changes nothing.
    virtual void ChoosePrinter(QWidget* parent) = 0;
    virtual void SetOrientation(bool landscape) = 0;
    // The drawing area of a sheet in the current orientation, in twips.
    virtual QSizeF PageSize() = 0;
    // One document of one page: `picture` drawn into `twips` (from the
    // drawing origin). False when the printer refused it.
    virtual bool PrintPicture(const QImage& picture, const QRectF& twips, const QString& documentName) = 0;
};

struct Dialogs
{
    MessageBox& messages;
    ColourDialog& colours;
    FileDialog& files;
    Printer& printer;
    Browsers& browsers;  // the web window's browser
};

// The real dialogs and printer, as the program uses them.
class QtDialogs
{
public:
    QtDialogs();
    ~QtDialogs();
    QtDialogs(const QtDialogs&) = delete;
    QtDialogs& operator=(const QtDialogs&) = delete;

    Dialogs Bundle();

private:
    struct Implementations;
    std::unique_ptr<Implementations> d_;
};

}  // namespace atoz
