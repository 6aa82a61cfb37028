#include "messagebox.h"

#include <QMessageBox>

namespace atoz {

void QtMessageBox::Inform(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace atoz
