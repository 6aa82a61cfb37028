#include "mainwindow.h"

#include "folders/namewindow.h"
#include "info/aboutwindow.h"
#include "info/bookswindow.h"
#include "info/infowindow.h"
#include "pages/maker.h"
#include "info/webwindow.h"
#include "mainwindow/colouringview.h"
#include "mainwindow/contentsview.h"
#include "mainwindow/homeview.h"
#include "output/printing.h"
#include "output/printquerywindow.h"
#include "output/savefile.h"
#include "palette/paintcolorwindow.h"
#include "platform/picture.h"
#include "platform/settingsstore.h"
#include "platform/twips.h"
#include "platform/ui/bookstyle.h"
#include "platform/ui/controls.h"
#include "platform/ui/focusring.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace atoz {

namespace {

// Whether a control of `window` has the keyboard focus, which only the
// keyboard gives: a move to another view then takes the focus along.
bool keyboardIn(const QWidget* window)
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && focus != window && window->isAncestorOf(focus);
}

}  // namespace

frmRezivIdod::frmRezivIdod(SettingsStore& settings, const QString& pageDirectory, const QString& picturesDirectory,
                           Services services, double scale, QWidget* parent)
    : QWidget(parent), settings_(settings), services_(services), picturesDirectory_(picturesDirectory), paints_(settings), names_(settings),
      folder_(pageDirectory)
{
    setObjectName(QStringLiteral("frmRezivIdod"));
    BookStyle::Install();
    SetBookScale(this, scale);
    setFixedSize(TwipsSize(ClientWidth, ClientHeight, this->scale()));
    SetBackground(this, Black);
    choice_ = LoadDisplayChoice(settings_);

    // The window holds the focus until Tab gives it to a control, and takes
    // it back at a click: the ring shows only for the keyboard. Tab starts
    // from it, so it takes the focus before its controls are made.
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
    home_ = new HomeView(names_, settings_.locks(), this);
    new FocusRing(this);
    // A touch screen's kiosk shows no pointer.
    if (settings_.locks().cursorHidden)
        QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    placeViews();
    addShortcuts();

    paints_.LoadPalette();
    names_.LoadFolderNames();
    setWindowTitle(tr("Book %1: A to Z").arg(BookNumber));
    ShowView(View::Home);

    connect(home_, &HomeView::folderChosen, this, &frmRezivIdod::OpenFolder_Click);
    connect(home_, &HomeView::namesClicked, this, &frmRezivIdod::UserCmdName_Click);
    connect(home_, &HomeView::exitClicked, this, &frmRezivIdod::UserCmdExit_Click);
    connect(home_, &HomeView::printerSetupClicked, this, &frmRezivIdod::UserPrinterSetupPic_Click);
    connect(home_, &HomeView::aboutClicked, this, &frmRezivIdod::UserCmdAboutPic_Click);
    connect(home_, &HomeView::booksClicked, this, &frmRezivIdod::UserBookAdPic_Click);
    connect(home_, &HomeView::webClicked, this, &frmRezivIdod::wwwLabel_Click);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &frmRezivIdod::CommitData);
    connect(&folder_, &FolderModel::loadFinished, this, [this] {
        if (closeHeld_)
            QTimer::singleShot(0, this, &QWidget::close);
    });
    // Said once the copy is open and its progress window gone.
    connect(&folder_, &FolderModel::unreadablePagesFound, this,
            [this](const QStringList& files) { unreadable_ += files; });
    // Said after the click that changed a setting has done its work.
    connect(
        &settings_, &SettingsStore::writeFailed, this,
        [this] {
            QWidget* modal = QApplication::activeModalWidget();
            services_.messages.Inform(modal ? modal : this, SettingsErrorTitle(), SettingsErrorText(settings_.fileName()));
        },
        Qt::QueuedConnection);
}

ContentsView& frmRezivIdod::contents()
{
    buildViews();
    return *contents_;
}

ColouringView& frmRezivIdod::colouring()
{
    buildViews();
    return *colouring_;
}

void frmRezivIdod::buildViews()
{
    if (contents_)
        return;
    contents_ = new ContentsView(folder_, names_, progress_, settings_.locks(), this);
    colouring_ = new ColouringView(paints_, folder_.colouringPage(), settings_.locks(), this);
    contents_->hide();
    colouring_->hide();
    placeViews();
    connect(contents_, &ContentsView::pageChosen, this, &frmRezivIdod::Thumbnail_Click);
    connect(contents_, &ContentsView::homeClicked, this, &frmRezivIdod::UserCmdHome_Click);
    connect(contents_, &ContentsView::exitClicked, this, &frmRezivIdod::UserCmdExit_Click);
    connect(contents_, &ContentsView::folderOpened, this, [this] {
        const QStringList files = std::exchange(unreadable_, {});
        if (!files.isEmpty() && !ending_ && !unloaded_)
            services_.messages.Inform(this, UnreadablePagesTitle(), UnreadablePagesText(files));
    });
    connect(colouring_, &ColouringView::doneClicked, this, &frmRezivIdod::UserCmdDone_Click);
    connect(colouring_, &ColouringView::colourClicked, this, &frmRezivIdod::UserCmdColor_Click);
    connect(colouring_, &ColouringView::saveClicked, this, &frmRezivIdod::UserCmdSave_Click);
    connect(colouring_, &ColouringView::printClicked, this, &frmRezivIdod::UserCmdPrint_Click);
    connect(colouring_, &ColouringView::infoClicked, this, &frmRezivIdod::UserCmdInfo_Click);
}

void frmRezivIdod::showEvent(QShowEvent*)
{
    if (!firstFrameSeen_ && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool frmRezivIdod::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()
        && !firstFrameSeen_) {
        firstFrameSeen_ = true;
        windowHandle()->removeEventFilter(this);
        // After this event, which paints the frame.
        QTimer::singleShot(0, this, [this] {
            buildViews();
            emit firstFrameShown();
        });
    }
    return QWidget::eventFilter(watched, event);
}

frmRezivIdod::~frmRezivIdod()
{
    if (settings_.locks().cursorHidden)
        QGuiApplication::restoreOverrideCursor();
    delete colouring_;
    delete contents_;
    delete home_;
}

void frmRezivIdod::ShowView(View view)
{
    // The new view first, then the old one away: no black flash between.
    if (view != View::Home)
        buildViews();
    const std::pair<View, QWidget*> views[] = {
        {View::Home, home_}, {View::Contents, contents_}, {View::Colouring, colouring_}};
    for (const auto& [which, widget] : views)
        if (which == view)
            widget->show();
    for (const auto& [which, widget] : views)
        if (which != view && widget)
            widget->hide();
    // Full screen, the book stands on black; windowed, the window is the book.
    SetBackground(this, view == View::Colouring && !choice_.fullScreen ? White : Black);
    view_ = view;
}

void frmRezivIdod::addShortcuts()
{
    const auto key = [this](QKeySequence keys, auto action, bool repeats = false) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setAutoRepeat(repeats);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    // The colouring view's buttons, only where and while they show.
    key(QKeySequence::Undo, [this] {
        if (view_ == View::Colouring && folder_.colouringPage().undo().UndoAvailable())
            colouring().UserCmdUndo_Click();
    });
    key(QKeySequence::Save, [this] {
        if (view_ == View::Colouring)
            UserCmdSave_Click();
    });
    key(QKeySequence::Print, [this] {
        if (view_ == View::Colouring)
            UserCmdPrint_Click();
    });
    // Plus is Shift+= on many keyboards: Ctrl+= does as well.
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        key(keys, &frmRezivIdod::ZoomIn, true);
    key(QKeySequence(Qt::CTRL | Qt::Key_Minus), &frmRezivIdod::ZoomOut, true);
    key(QKeySequence(Qt::CTRL | Qt::Key_0), &frmRezivIdod::ZoomToFit);
    key(QKeySequence(Qt::Key_F11), &frmRezivIdod::ToggleFullScreen);
    // Ends the book as Exit does, also where an adult keeps it open.
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q), &frmRezivIdod::EndBook);
}

double frmRezivIdod::ScaleFor(const DisplayChoice& choice, const QScreen* screen, QSize frame)
{
    const double chosen = choice.current();
    if (!screen)
        return chosen > 0 ? chosen : SmallestScale;
    const QSize client(ClientWidth, ClientHeight);
    const double fitting = choice.fullScreen ? FittingScale(screen->geometry().size(), QSize(0, 0), client)
                                             : FittingScale(screen->availableGeometry().size(), frame, client);
    // Never larger than fits: OK would be off the screen.
    return chosen > 0 ? std::min(chosen, fitting) : fitting;
}

QSize frmRezivIdod::frame() const
{
    // The frame the desktop gave the window, once it has shown one.
    const QSize shown = frameGeometry().size() - size();
    return !isVisible() || shown.isNull() ? EstimatedFrame : shown;
}

double frmRezivIdod::fittingScale() const
{
    return ScaleFor({0, choice_.fullScreen, 0}, screen(), frame());
}

double frmRezivIdod::chosenScale()
{
    const double scale = ScaleFor(choice_, screen(), frame());
    if (choice_.current() > scale && !scaleCutSaid_) {
        scaleCutSaid_ = true;
        qWarning("atoz: the book does not fit the screen at scale %g; it is drawn at %g", choice_.current(), scale);
    }
    return scale;
}

void frmRezivIdod::ShowBook(const DisplayChoice& choice)
{
    choice_ = choice;
    setScale(chosenScale());
    if (choice_.fullScreen) {
        enterFullScreen();
    } else {
        centreOnScreen();
        show();
    }
    ShowView(view_);
}

void frmRezivIdod::enterFullScreen()
{
    showFullScreen();
    // Full screen is the window manager's to grant. Where there is none (a
    // kiosk's bare X session) nobody would, and the window covers the screen
    // itself; a window manager that grants it sets the same geometry.
    if (QGuiApplication::platformName() == QLatin1String("xcb") && screen())
        setGeometry(screen()->geometry());
}

void frmRezivIdod::ZoomIn()
{
    const double now = scale();
    const double next = std::min(QuarterStep(now + ScaleStep), std::max(now, fittingScale()));
    if (next != now)
        chooseScale(next);
}

void frmRezivIdod::ZoomOut()
{
    const double next = QuarterStep(scale() - ScaleStep);
    if (next != scale())
        chooseScale(next);
}

// A parent's choice of scale, remembered for the window and for full screen
// each; 0 is the one that fits. An adult's fixed scale stays.
void frmRezivIdod::chooseScale(double scale)
{
    if (settings_.locks().scale)
        return;
    (choice_.fullScreen ? choice_.fullScreenScale : choice_.scale) = scale;
    SaveScaleChoice(settings_, choice_);
    setScale(scale > 0 ? scale : fittingScale());
}

void frmRezivIdod::ZoomToFit()
{
    chooseScale(0);
}

void frmRezivIdod::ToggleFullScreen()
{
    if (settings_.locks().fullScreen)
        return;
    choice_.fullScreen = !choice_.fullScreen;
    SaveFullScreenChoice(settings_, choice_.fullScreen);
    if (choice_.fullScreen) {
        setScale(chosenScale());
        enterFullScreen();
    } else {
        showNormal();
        setScale(chosenScale());
        centreOnScreen();
    }
    ShowView(view_);
}

double frmRezivIdod::scale() const
{
    return BookScaleOf(this);
}

void frmRezivIdod::setScale(double scale)
{
    if (scale != this->scale()) {
        const double ratio = scale / this->scale();
        SetBookScale(this, scale);
        // Every control takes its place at the new scale, in the open
        // windows as well; each view's own layout follows from its new size.
        RescaleControls(this);
        if (web_ && !web_->isMaximized() && !web_->isFullScreen())
            web_->resize((QSizeF(web_->size()) * ratio).toSize());
    }
    layoutBook();
}

void frmRezivIdod::layoutBook()
{
    if (choice_.fullScreen) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(TwipsSize(ClientWidth, ClientHeight, scale()));
        if (isVisible())
            centreOnScreen();
    }
    placeViews();
}

void frmRezivIdod::placeViews()
{
    // The book in the middle of the window: full screen, on black.
    const QSize book = TwipsSize(ClientWidth, ClientHeight, scale());
    const QRect place(QPoint(std::max(0, (width() - book.width()) / 2), std::max(0, (height() - book.height()) / 2)),
                      book);
    for (QWidget* view : std::initializer_list<QWidget*>{home_, contents_, colouring_})
        if (view)
            view->setGeometry(place);
}

void frmRezivIdod::centreOnScreen()
{
    const QScreen* on = screen();
    if (!on)
        return;
    const QRect area = on->availableGeometry();
    QSize frame = frameGeometry().size() - size();
    if (!isVisible())
        frame = QSize(0, 0);
    const QSize outer = TwipsSize(ClientWidth, ClientHeight, scale()) + frame;
    move(area.left() + std::max(0, (area.width() - outer.width()) / 2),
         area.top() + std::max(0, (area.height() - outer.height()) / 2));
}

void frmRezivIdod::resizeEvent(QResizeEvent*)
{
    placeViews();
}

void frmRezivIdod::moveEvent(QMoveEvent*)
{
    // The book was fitted with a title bar's guess for the frame. When the
    // desktop's real frame is bigger, the book takes the next step down,
    // once, so that the whole window is on the screen.
    if (frameSeen_ || choice_.fullScreen || choice_.scale > 0 || !isVisible())
        return;
    if ((frameGeometry().size() - size()).isNull())
        return;
    frameSeen_ = true;
    const double fit = fittingScale();
    if (fit < scale())
        setScale(fit);
}

void frmRezivIdod::OpenFolder_Click(int folder)
{
    const bool keyboard = keyboardIn(this);
    ShowView(View::Contents);
    contents().OpenFolder(folder);
    if (keyboard)
        contents().FocusPage(0);
}

void frmRezivIdod::Thumbnail_Click(int page)
{
    const bool keyboard = keyboardIn(this);
    folder_.OpenPage(page);
    ShowView(View::Colouring);
    if (keyboard)
        colouring().FocusPalette();
}

void frmRezivIdod::UserCmdDone_Click()
{
    const bool keyboard = keyboardIn(this);
    const bool stored = folder_.StorePage();
    folder_.colouringPage().Close();
    ShowView(View::Contents);
    if (keyboard)
        contents().FocusPage(folder_.CurrentPage());
    if (!stored)
        services_.messages.Inform(this, SaveErrorTitle(), SaveErrorText());
}

void frmRezivIdod::UserCmdHome_Click()
{
    const bool keyboard = keyboardIn(this);
    ShowView(View::Home);
    contents().HideThumbnails();
    contents().ReleaseFolderTab();
    if (keyboard)
        home_->FocusTile(folder_.CurrentFolder());
}

void frmRezivIdod::UserCmdExit_Click()
{
    EndBook();
}

void frmRezivIdod::EndBook()
{
    endRequested_ = true;
    close();
}

void frmRezivIdod::UserCmdName_Click()
{
    if (!settings_.locks().names)
        return;
    frmName window(names_, this);
    window.exec();
}

void frmRezivIdod::UserCmdColor_Click()
{
    if (!settings_.locks().palette)
        return;
    frmPaintColor editor(paints_, services_.colours, this);
    editor.exec();
}

void frmRezivIdod::UserCmdSave_Click()
{
    const QString proposed = ProposedSaveFile(settings_, picturesDirectory_);
    const QStringList filters = SaveFileFilters();
    const QString chosen = services_.files.SaveFileName(this, proposed, filters);
    if (chosen.isEmpty())
        return;  // cancelled
    const QString path = WithExtension(chosen, filters.first());
    // The pictures folder is made only for a file that is written there.
    const bool madePictures = QFileInfo(path).absolutePath() == QDir(picturesDirectory_).absolutePath()
        && !QFileInfo::exists(picturesDirectory_) && QDir().mkpath(picturesDirectory_);
    if (SavePicture(folder_.colouringPage().image(), path, PictureFormatFor(path), SaveTarget::ChosenFile)) {
        RememberSaveFile(settings_, path);
    } else {
        if (madePictures)
            QDir().rmdir(picturesDirectory_);
        services_.messages.Inform(this, SaveErrorTitle(), SaveErrorText());
    }
}

void frmRezivIdod::UserCmdPrint_Click()
{
    if (!settings_.locks().printing)
        return;
    Printer& printer = services_.printer;
    if (!printer.IsInstalled()) {
        services_.messages.Inform(this, PrintProblemTitle(), NoPrinterText());
        return;
    }
    frmPrintQuery query(settings_, printer.DeviceName(), printer.IsLandscape(), this);
    query.exec();
    if (query.CancelPrint())
        return;
    //: The print job's name in the printer's queue
    const QString name = tr("A to Z, page %1").arg(PageLetter(folder_.CurrentPage()));
    const ColouringPage& page = folder_.colouringPage();
    if (!PrintColouredPage(printer, page.image(), query.choices(), name, page.outline()))
        services_.messages.Inform(this, PrintProblemTitle(), PrintRefusedText());
}

void frmRezivIdod::UserPrinterSetupPic_Click()
{
    if (!settings_.locks().printing)
        return;
    if (services_.printer.IsInstalled())
        services_.printer.ChoosePrinter(this);
    else
        services_.messages.Inform(this, PrintProblemTitle(), NoPrinterText());
}

void frmRezivIdod::UserCmdAboutPic_Click()
{
    frmAbout window(this);
    window.exec();
}

void frmRezivIdod::UserBookAdPic_Click()
{
    frmBooks window(this);
    window.exec();
}

void frmRezivIdod::wwwLabel_Click()
{
    if (!settings_.locks().web)
        return;
    if (!web_)
        web_ = new frmWeb(services_.browsers, this);
    if (!web_->isVisible())  // over the book, not where the desktop puts new windows
        web_->move(frameGeometry().center() - QRect(QPoint(), web_->frameGeometry().size()).center());
    web_->BrowseURL = QLatin1String(WebAddress);
    web_->BrowseHome();
    web_->show();
    web_->BrowseNormalWindow();
}

void frmRezivIdod::UserCmdInfo_Click()
{
    frmInfo window(this);
    window.InfoText(LoadAttributionText(folder_.CurrentPage()));
    window.exec();
}

void frmRezivIdod::CommitData()
{
    // The session may end without a close: whatever could not be written is
    // said on standard error as each write fails, and no box waits for a
    // click that never comes. The desktop may close the window next, also
    // where an adult keeps the book open.
    ending_ = endRequested_ = true;
    folder_.StoreAllPages();
}

void frmRezivIdod::EndOnRequest()
{
    ending_ = endRequested_ = true;
    // A window of the book that is open would hold the end up, as would the
    // message that a page was not saved: each is answered as its close box
    // answers it.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
    close();
}

void frmRezivIdod::closeEvent(QCloseEvent* event)
{
    // The pages of a folder are being read (the loading lets the window
    // system's events through): the close follows once they are in.
    if (folder_.IsLoading()) {
        closeHeld_ = true;
        event->ignore();
        return;
    }
    // Where an adult keeps the book open, the close box is a child's.
    if (settings_.locks().adultExit && !endRequested_ && !unloaded_) {
        event->ignore();
        return;
    }
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    event->accept();
}

void frmRezivIdod::Form_Unload()
{
    // Only the colouring view holds a page that is not stored yet. Pages an
    // earlier write could not store get one more try; what still fails is
    // said once, and the book closes anyway, after one more try in case the
    // disk had room again by the time the message was answered. Ended by a
    // signal or the session, nothing waits for a click: each failed write
    // has said itself on standard error.
    const int unstored = view_ == View::Colouring ? folder_.StoreAllPages() : folder_.StoreUnsavedPages();
    if (unstored > 0 && !ending_) {
        services_.messages.Inform(this, SaveErrorTitle(), SaveErrorText());
        folder_.StoreUnsavedPages();
    }

    progress_.CloseProgress();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
}

}  // namespace atoz
