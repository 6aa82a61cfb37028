#pragma once

#include "platform/printer.h"
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

// What the book asks of the system and a test cannot click through: the modal
// dialogs, the printer and the browser of the web window. Each sits behind a
// small interface with one Qt implementation and a scripted fake in the tests;
// the main window receives them once, as the `Services` bundle, and hands them
// on.

// A message with a single OK button.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void Inform(QWidget* parent, const QString& title, const QString& text) = 0;
};

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

// The system services one window receives.
struct Services
{
    MessageBox& messages;
    ColourDialog& colours;
    FileDialog& files;
    Printer& printer;
    Browsers& browsers;  // the web window's browser
};

// The real dialogs, printer and browser, as the program uses them.
class QtServices
{
public:
    QtServices();
    ~QtServices();
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

    Services services();

private:
    struct Implementations;
    std::unique_ptr<Implementations> d_;
};

}  // namespace atoz
