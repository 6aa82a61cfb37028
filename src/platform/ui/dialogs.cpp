#include "dialogs.h"

#include "platform/ui/browser.h"

#include <QMessageBox>

namespace atoz {

namespace {

class QtMessageBox final : public MessageBox
{
public:
    void Inform(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }
};

// The embedded browser where the program has one, else a link to the
// system's browser.
class QtBrowsers final : public Browsers
{
public:
    Browser* CreateBrowser(QWidget* parent) override
    {
        Browser* browser = CreateEmbeddedBrowser(parent);
        return browser ? browser : CreateBrowserLink(parent);
    }
};

}  // namespace

struct QtDialogs::Implementations
{
    QtMessageBox messages;
    QtBrowsers browsers;
};

QtDialogs::QtDialogs() : d_(std::make_unique<Implementations>()) {}

QtDialogs::~QtDialogs() = default;

Dialogs QtDialogs::Bundle()
{
    return {d_->messages, d_->browsers};
}

}  // namespace atoz
