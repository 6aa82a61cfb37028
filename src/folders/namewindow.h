#pragma once

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace atoz {

class FolderNames;

// The names window: one box for the name of each of the 8 copies of the book.
// There is no cancel: every way of closing it (OK, the close box, Escape)
// stores all 8 names, changed or not, and the main window shows them at once.
class frmName : public QDialog
{
    Q_OBJECT

public:
    frmName(FolderNames& names, QWidget* owner);

    QLineEdit* TextYourName(int folder) const { return boxes_.at(size_t(folder)); }
    QPushButton* CmdOK() const { return ok_; }

    void done(int result) override;

private:
    FolderNames& names_;
    std::array<QLineEdit*, 8> boxes_{};
    QPushButton* ok_;
    bool stored_ = false;
};

}  // namespace atoz
