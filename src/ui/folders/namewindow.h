#pragma once

#include "folders/folderstore.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace atoz {

class FolderNames;

// The names window: one box for the name of each copy of the book. There is
// no cancel: every way of closing it (OK, the close box, Escape) stores every
// name that was typed, and the main window shows them at once.
class frmName : public QDialog
{
    Q_OBJECT

public:
    frmName(FolderNames& names, QWidget* owner);

    // The hint beside the names, also on the home view.
    static QString CopiesHint();

    QLineEdit* TextYourName(int folder) const { return boxes_.at(size_t(folder)); }
    QPushButton* CmdOK() const { return ok_; }

    void done(int result) override;

private:
    FolderNames& names_;
    std::array<QLineEdit*, FolderCount> boxes_{};
    QPushButton* ok_;
    bool stored_ = false;
};

}  // namespace atoz
