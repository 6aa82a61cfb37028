#pragma once

#include "folders/foldermodel.h"
#include "folders/foldernames.h"
#include "folders/progresswindow.h"
#include "palette/palette.h"
#include "platform/bookscale.h"
#include "platform/ui/services.h"

#include <QPointer>
#include <QWidget>

class QScreen;

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

    // The book is built at `scale` (see ScaleFor), so that a start lays it
    // out once.
    frmRezivIdod(SettingsStore& settings, const QString& pageDirectory, const QString& picturesDirectory, Services services,
                 double scale = 1, QWidget* parent = nullptr);
    ~frmRezivIdod() override;

    View CurrentView() const { return view_; }

    // The book's size: how many times its classic size it is drawn. Every
    // control of the book and of the windows it owns takes it from here.
    double scale() const;
    //
    // The scale for `choice` on `screen`: the parent's scale, or the largest
    // that fits (the window with its frame inside the screen's available
    // area; full screen: the whole screen). Never below 1, and never above
    // the largest that fits.
    static double ScaleFor(const DisplayChoice& choice, const QScreen* screen, QSize frame = EstimatedFrame);
    // Shows the book as `choice` says, windowed in the middle of the screen
    // or full screen; a scale of `choice` is for this run and not remembered.
    // A parent's scale that does not fit is cut to the largest that does,
    // which standard error tells once a run.
    void ShowBook(const DisplayChoice& choice);
    // What the parent's keys do: Ctrl+plus and Ctrl+minus a quarter step up
    // (as far as fits) and down (to 1), Ctrl+0 back to the fitting scale,
    // F11 full screen on and off. The choice is remembered, the scale for
    // the window and for full screen each. An adult's lock on the scale or
    // on full screen makes its keys do nothing.
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();
    void ToggleFullScreen();
    bool IsFullScreen() const { return choice_.fullScreen; }

    // A window frame the desktop has not shown yet: a title bar's height.
    static constexpr QSize EstimatedFrame{0, 40};

    // Stores the page being coloured, if there is one, and tries once more
    // every page an earlier store could not write, without closing: for a
    // session manager that is about to end the session. From then on, as
    // after EndOnRequest, no message box is shown.
    void CommitData();
    // Ends the book as Exit does: the page stored, every window closed. What
    // Exit and Ctrl+Shift+Q do, also where an adult keeps the book open
    // against a child's click on the close box.
    void EndBook();
    // A signal (a log-out, a shut-down, a closed terminal) ends the book: any
    // window of the book that is open is closed, the pages get one more try
    // as the window closes, and a page that could not be stored is said on
    // standard error, never in a message box that would hold the end up.
    // An adult's lock on Exit does not keep it open.
    void EndOnRequest();

signals:
    // The window's first frame is on the screen: what the child does not see
    // yet can be made now.
    void firstFrameShown();

public:

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
    // Shut-down, whatever closes the window: never refused, only held while
    // a folder's pages load, and carried out when they are in.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowView(View view);
    // The contents and colouring views, built when first wanted: at the
    // latest just after the first frame, so that the home view shows sooner.
    ContentsView& contents();
    ColouringView& colouring();
    void buildViews();
    void addShortcuts();
    // The largest scale that fits, in full screen or in a window.
    double fittingScale() const;
    // The frame around the window: the desktop's, once it has shown one.
    QSize frame() const;
    // The scale in force for the mode the book is in, cut to what fits.
    double chosenScale();
    void setScale(double scale);
    void chooseScale(double scale);
    // The window's size and the book in its middle, at the present scale.
    void layoutBook();
    void enterFullScreen();
    void placeViews();
    void centreOnScreen();
    void Form_Unload();

    SettingsStore& settings_;
    Services services_;
    const QString picturesDirectory_;  // where the save dialog first proposes a file
    Palette paints_;
    FolderNames names_;
    FolderModel folder_;
    Progress progress_;
    View view_ = View::Home;
    bool unloaded_ = false;
    bool ending_ = false;        // ended by a signal or the session: no message boxes
    bool endRequested_ = false;  // asked to end by more than a child's click on the close box
    bool closeHeld_ = false;     // a close came while a folder loaded
    bool scaleCutSaid_ = false;
    QStringList unreadable_;     // stored pages that could not be read, to be told once their copy is open
    DisplayChoice choice_;       // remembered, or this run's from the command line
    bool frameSeen_ = false;      // the desktop's frame has been measured against the screen
    // The one window kept once made; a child of this window.
    QPointer<frmWeb> web_;

    // Children of this window. They refer to the state above, so the
    // destructor deletes them before that state goes.
    HomeView* home_;
    ContentsView* contents_ = nullptr;
    ColouringView* colouring_ = nullptr;
    bool firstFrameSeen_ = false;
};

}  // namespace atoz
