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
#include "platform/ui/controls.h"

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

frmRezivIdod::frmRezivIdod(SettingsStore& settings, const QString& pageDirectory, const QString& picturesDirectory,
                           Services services, QWidget* parent)
    : QWidget(parent), settings_(settings), services_(services), picturesDirectory_(picturesDirectory), paints_(settings), names_(settings),
      folder_(pageDirectory)
{
    setObjectName(QStringLiteral("frmRezivIdod"));
    setFixedSize(TwipsSize(ClientWidth, ClientHeight));
    SetBackground(this, Black);
    choice_ = LoadDisplayChoice(settings_);

    home_ = new HomeView(names_, this);
    placeViews();
    addShortcuts();

    paints_.LoadPalette();
    names_.LoadFolderNames();
    setWindowTitle(QStringLiteral("Book %1: A to Z").arg(BookNumber));
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
            services_.messages.Inform(modal ? modal : this, SettingsErrorTitle, SettingsErrorText(settings_.fileName()));
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
    contents_ = new ContentsView(folder_, names_, progress_, this);
    colouring_ = new ColouringView(paints_, folder_.colouringPage(), this);
    contents_->hide();
    colouring_->hide();
    placeViews();
    connect(contents_, &ContentsView::pageChosen, this, &frmRezivIdod::Thumbnail_Click);
    connect(contents_, &ContentsView::homeClicked, this, &frmRezivIdod::UserCmdHome_Click);
    connect(contents_, &ContentsView::exitClicked, this, &frmRezivIdod::UserCmdExit_Click);
    connect(contents_, &ContentsView::folderOpened, this, [this] {
        const QStringList files = std::exchange(unreadable_, {});
        if (!files.isEmpty() && !ending_ && !unloaded_)
            services_.messages.Inform(this, UnreadablePagesTitle, UnreadablePagesText(files));
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
}

double frmRezivIdod::ScaleFor(const DisplayChoice& choice, const QScreen* screen, QSize frame)
{
    const bool chosen = choice.scale > 0 && !choice.fullScreen;
    if (!screen)
        return chosen ? choice.scale : SmallestScale;
    const QSize client(ClientWidth, ClientHeight);
    if (choice.fullScreen)
        return FittingScale(screen->geometry().size(), QSize(0, 0), client);
    const double fitting = FittingScale(screen->availableGeometry().size(), frame, client);
    return chosen ? std::min(choice.scale, fitting) : fitting;
}

double frmRezivIdod::fittingScale() const
{
    // The frame the desktop gave the window, once it has shown one.
    QSize frame = frameGeometry().size() - size();
    if (!isVisible() || frame.isNull())
        frame = EstimatedFrame;
    return ScaleFor({0, choice_.fullScreen}, screen(), frame);
}

double frmRezivIdod::windowedScale()
{
    const double fitting = fittingScale();
    if (choice_.scale <= 0)
        return fitting;
    if (choice_.scale > fitting && !scaleCutSaid_) {
        scaleCutSaid_ = true;
        qWarning("atoz: the book does not fit the screen at scale %g; it is drawn at %g", choice_.scale, fitting);
    }
    return std::min(choice_.scale, fitting);
}

void frmRezivIdod::ShowBook(const DisplayChoice& choice)
{
    choice_ = choice;
    fullScreenScale_ = 0;
    setScale(choice_.fullScreen ? ScaleFor(choice_, screen()) : windowedScale());
    if (choice_.fullScreen) {
        showFullScreen();
    } else {
        centreOnScreen();
        show();
    }
    ShowView(view_);
}

void frmRezivIdod::ZoomIn()
{
    const double now = TwipsScale();
    const double next = std::min(QuarterStep(now + ScaleStep), std::max(now, fittingScale()));
    if (next != now)
        chooseScale(next);
}

void frmRezivIdod::ZoomOut()
{
    const double next = QuarterStep(TwipsScale() - ScaleStep);
    if (next != TwipsScale())
        chooseScale(next);
}

// A parent's choice of scale: remembered for the window, and for full screen
// only while it lasts.
void frmRezivIdod::chooseScale(double scale)
{
    if (choice_.fullScreen) {
        fullScreenScale_ = scale;
    } else {
        choice_.scale = scale;
        SaveScaleChoice(settings_, scale);
    }
    setScale(scale);
}

void frmRezivIdod::ZoomToFit()
{
    if (choice_.fullScreen) {
        fullScreenScale_ = 0;
    } else {
        choice_.scale = 0;
        SaveScaleChoice(settings_, 0);
    }
    setScale(fittingScale());
}

void frmRezivIdod::ToggleFullScreen()
{
    choice_.fullScreen = !choice_.fullScreen;
    SaveFullScreenChoice(settings_, choice_.fullScreen);
    fullScreenScale_ = 0;
    if (choice_.fullScreen) {
        setScale(ScaleFor(choice_, screen()));
        showFullScreen();
    } else {
        showNormal();
        setScale(windowedScale());
        centreOnScreen();
    }
    ShowView(view_);
}

void frmRezivIdod::setScale(double scale)
{
    if (scale != TwipsScale()) {
        const double ratio = scale / TwipsScale();
        SetTwipsScale(scale);
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
        setFixedSize(TwipsSize(ClientWidth, ClientHeight));
        if (isVisible())
            centreOnScreen();
    }
    placeViews();
}

void frmRezivIdod::placeViews()
{
    // The book in the middle of the window: full screen, on black.
    const QSize book = TwipsSize(ClientWidth, ClientHeight);
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
    const QSize outer = TwipsSize(ClientWidth, ClientHeight) + frame;
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
    if (fit < TwipsScale())
        setScale(fit);
}

void frmRezivIdod::OpenFolder_Click(int folder)
{
    ShowView(View::Contents);
    contents().OpenFolder(folder);
}

void frmRezivIdod::Thumbnail_Click(int page)
{
    folder_.OpenPage(page);
    ShowView(View::Colouring);
}

void frmRezivIdod::UserCmdDone_Click()
{
    const bool stored = folder_.StorePage();
    folder_.colouringPage().Close();
    ShowView(View::Contents);
    if (!stored)
        services_.messages.Inform(this, SaveErrorTitle, SaveErrorText);
}

void frmRezivIdod::UserCmdHome_Click()
{
    ShowView(View::Home);
    contents().HideThumbnails();
    contents().ReleaseFolderTab();
}

void frmRezivIdod::UserCmdExit_Click()
{
    close();
}

void frmRezivIdod::UserCmdName_Click()
{
    frmName window(names_, this);
    window.exec();
}

void frmRezivIdod::UserCmdColor_Click()
{
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
        services_.messages.Inform(this, SaveErrorTitle, SaveErrorText);
    }
}

void frmRezivIdod::UserCmdPrint_Click()
{
    Printer& printer = services_.printer;
    if (!printer.IsInstalled()) {
        services_.messages.Inform(this, PrintProblemTitle, NoPrinterText);
        return;
    }
    frmPrintQuery query(settings_, printer.DeviceName(), printer.IsLandscape(), this);
    query.exec();
    if (query.CancelPrint())
        return;
    const QString name = QStringLiteral("A to Z, page %1").arg(PageLetter(folder_.CurrentPage()));
    if (!PrintColouredPage(printer, folder_.colouringPage().image(), query.choices(), name))
        services_.messages.Inform(this, PrintProblemTitle, PrintRefusedText);
}

void frmRezivIdod::UserPrinterSetupPic_Click()
{
    if (services_.printer.IsInstalled())
        services_.printer.ChoosePrinter(this);
    else
        services_.messages.Inform(this, PrintProblemTitle, NoPrinterText);
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
    if (!web_)
        web_ = new frmWeb(services_.browsers, this);
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
    // click that never comes.
    ending_ = true;
    folder_.StoreAllPages();
}

void frmRezivIdod::EndOnRequest()
{
    ending_ = true;
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
        services_.messages.Inform(this, SaveErrorTitle, SaveErrorText);
        folder_.StoreUnsavedPages();
    }

    progress_.CloseProgress();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
}

}  // namespace atoz
