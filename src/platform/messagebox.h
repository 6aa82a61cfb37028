#pragma once

#include <QString>

class QWidget;

namespace atoz {

// A modal message with a single OK button. Behind an interface so that tests
// can see what the child would be told without a window to click away.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void Inform(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The one failure the book reports to the child.
inline const QString SaveErrorTitle = QStringLiteral("File Save Error");
inline const QString SaveErrorText = QStringLiteral("Your coloring page was not saved.");

class QtMessageBox final : public MessageBox
{
public:
    void Inform(QWidget* parent, const QString& title, const QString& text) override;
};

}  // namespace atoz
