#include "dialogs.h"

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

}  // namespace

struct QtDialogs::Implementations
{
    QtMessageBox messages;
};

QtDialogs::QtDialogs() : d_(std::make_unique<Implementations>()) {}

QtDialogs::~QtDialogs() = default;

Dialogs QtDialogs::Bundle()
{
    return {d_->messages};
}

}  // namespace atoz
