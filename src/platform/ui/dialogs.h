#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace atoz {

class Browsers;

// The platform's modal dialogs, which a test cannot click through. Each sits
// behind a small interface with one Qt implementation here and a scripted
// fake in the tests; the main window receives them once, as a bundle, and
// hands them on.

// A message with a single OK button.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void Inform(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The one failure the book reports to the child.
inline const QString SaveErrorTitle = QStringLiteral("File Save Error");
inline const QString SaveErrorText = QStringLiteral("Your coloring page was not saved.");

struct Dialogs
{
    MessageBox& messages;
    Browsers& browsers;  // the web window's browser
};

// The real dialogs, as the program shows them.
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
