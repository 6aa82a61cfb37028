#pragma once

#include "colouring/undorecord.h"
#include "folders/bookmark.h"
#include "folders/foldernames.h"
#include "folders/folderstore.h"
#include "folders/progresswindow.h"
#include "palette/palette.h"

#include <QWidget>

namespace atoz {

class ColouringView;
class ContentsView;
class MessageBox;
class SettingsStore;

// The main window, "Book 2: A to Z". It owns the book-wide state (the palette
// with the current paint, the undo record, the folder names, the bookmark and
// the folder store) and hands it to its views by reference.
class frmRezivIdod : public QWidget
{
    Q_OBJECT

public:
    enum class View { Home, Contents, Colouring };

    frmRezivIdod(SettingsStore& settings, const QString& pageDirectory, MessageBox& messages,
                 QWidget* parent = nullptr);

    void ShowView(View view);

    Palette& palette() { return palette_; }
    FolderNames& names() { return names_; }
    ContentsView* contents() const { return contents_; }
    ColouringView* colouring() const { return colouring_; }

private:
    Palette palette_;
    UndoRecord undo_;
    FolderNames names_;
    Bookmark bookmark_;
    FolderStore store_;
    Progress progress_;
    MessageBox& messages_;

    ContentsView* contents_;
    ColouringView* colouring_;
};

}  // namespace atoz
