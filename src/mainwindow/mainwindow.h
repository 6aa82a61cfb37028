#pragma once

#include "folders/foldermodel.h"
#include "folders/foldernames.h"
#include "folders/progresswindow.h"
#include "palette/palette.h"
#include "platform/ui/dialogs.h"

#include <QPointer>
#include <QWidget>

namespace atoz {

class ColouringView;
class ContentsView;
class HomeView;
class frmWeb;
class SettingsStore;

// The main window, "Book 2: A to Z": the program starts when it is built and
// ends when it closes. It shows one of three views at a time, home, contents
// and colouring, and moves between them as the child clicks.
//
// It owns the book-wide state (the palette with the current paint, the folder
// names, the open folder with the page being coloured, and the progress
// window) and hands it to its views by reference.
class frmRezivIdod : public QWidget
{
    Q_OBJECT

public:
    enum class View { Home, Contents, Colouring };

    // The client area, fixed: room for the colouring bar and a whole page.
    static constexpr int ClientWidth = 9240;  // twips
    static constexpr int ClientHeight = 6065;

    frmRezivIdod(SettingsStore& settings, const QString& pageDirectory, Dialogs dialogs, QWidget* parent = nullptr);
    ~frmRezivIdod() override;

    View CurrentView() const { return view_; }

    // Stores the page being coloured, if there is one, without closing: for a
    // session manager that is about to end the session.
    void CommitData();

    // The moves of the book, as its controls make them.
    void OpenFolder_Click(int folder);  // a home tile, or "Open" for folder 0
    void Thumbnail_Click(int page);
    void UserCmdDone_Click();
    void UserCmdHome_Click();
    void UserCmdExit_Click();
    void UserCmdName_Click();
    void UserCmdColor_Click();
    void UserCmdSave_Click();
    void UserCmdPrint_Click();
    void UserPrinterSetupPic_Click();
    void UserCmdAboutPic_Click();  // "About" or its picture
    void UserBookAdPic_Click();    // "More", "Books" or their picture
    void wwwLabel_Click();
    void UserCmdInfo_Click();

    Palette& paints() { return paints_; }
    FolderModel& folder() { return folder_; }
    FolderNames& folderNames() { return names_; }

protected:
    // Shut-down, whatever closes the window: never refused.
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowView(View view);
    void Form_Unload();

    SettingsStore& settings_;
    Dialogs dialogs_;
    Palette paints_;
    FolderNames names_;
    FolderModel folder_;
    Progress progress_;
    View view_ = View::Home;
    bool unloaded_ = false;
    // The one window kept once made; a child of this window.
    QPointer<frmWeb> web_;

    // Children of this window. They refer to the state above, so the
    // destructor deletes them before that state goes.
    HomeView* home_;
    ContentsView* contents_;
    ColouringView* colouring_;
};

}  // namespace atoz
