#pragma once

#include "folders/folderstore.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace atoz {

class FolderNames;

// The hint beside the names, also on the home view; two spaces after the first
// full stop, as the book has always written it. It counts the copies in its
// own words, so it must change with their number.
inline constexpr char CopiesHint[] =
    "There are 8 copies of the coloring pages.  Add your name to the ones that you color.";
static_assert(FolderCount == 8, "CopiesHint counts the copies");

// The names window: one box for the name of each copy of the book. There is
// no cancel: every way of closing it (OK, the close box, Escape) stores every
// name that was typed, and the main window shows them at once.
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
    std::array<QLineEdit*, FolderCount> boxes_{};
    QPushButton* ok_;
    bool stored_ = false;
};

}  // namespace atoz
