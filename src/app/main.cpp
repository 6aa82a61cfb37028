#include "folders/folderstore.h"
#include "folders/pagecopy.h"
#include "mainwindow/mainwindow.h"
#include "platform/bookscale.h"
#include "platform/language.h"
#include "platform/locations.h"
#include "platform/settingsstore.h"
#include "platform/terminationsignals.h"
#include "platform/singleinstance.h"
#include "platform/ui/browser.h"
#include "platform/ui/services.h"

#include <QAccessible>
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <thread>

#ifdef ATOZ_DBUS
#include <QDBusConnection>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef ATOZ_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

// A step of the start run on a second thread while the window's thread goes
// on; joined before what needs it, or at the end of main.
class SideStep
{
public:
    template <typename Step>
    void Start(Step step)
    {
        thread_ = std::thread(std::move(step));
    }
    void Finish()
    {
        if (thread_.joinable())
            thread_.join();
    }
    ~SideStep() { Finish(); }

private:
    std::thread thread_;
};

#ifdef ATOZ_DBUS
// Whether the session names its bus, so that joining it is a plain
// connection: without a name, libdbus starts a helper process to find one.
bool SessionBusNamed()
{
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    const QStringList entries = address.split(u';', Qt::SkipEmptyParts);
    return !entries.isEmpty() && std::all_of(entries.begin(), entries.end(), [](const QString& entry) {
        return entry.startsWith(u"unix:") || entry.startsWith(u"tcp:") || entry.startsWith(u"nonce-tcp:");
    });
}
#endif

}  // namespace

int main(int argc, char* argv[])
{
#ifdef __GLIBC__
    // Large pictures (a part of the page drawn for the screen, a copy's pages
    // while they load) are made and let go again and again. Given back to
    // the system as they go, they leave nothing in the book's memory; glibc
    // would otherwise take the first one let go as the measure for what it
    // keeps from then on.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vorlane Coloring Books, book 2: A to Z"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep the coloured pages in <directory>."),
                                     QStringLiteral("directory"));
    parser.addOption(dataDir);
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Draw the book <factor> times its classic size (1, 1.25, 1.5, ...); "
                                                  "0 fits it to the screen."),
                                   QStringLiteral("factor"));
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"), QStringLiteral("Show the book full screen."));
    const QCommandLineOption windowed(QStringLiteral("windowed"), QStringLiteral("Show the book in a window."));
    const QCommandLineOption language(QStringLiteral("lang"),
                                      QStringLiteral("Speak <language> for this run (de, fr, ..., or en); "
                                                     "the system's language is the default."),
                                      QStringLiteral("language"));
    parser.addOptions({scale, fullScreen, windowed, language});

    // A start that only prints its help or version, or stops at a wrong
    // option, needs no fonts and no session bus.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const bool showsBook = parser.parse(arguments) && !parser.isSet(QStringLiteral("help"))
        && !parser.isSet(QStringLiteral("help-all")) && !parser.isSet(QStringLiteral("version"));
    if (!showsBook) {
        // A terminal's answer, which needs no display.
        QCoreApplication terminal(argc, argv);
        if (parser.isSet(QStringLiteral("version")) && parser.errorText().isEmpty()) {
            std::printf("A to Z %s\n", PROJECT_VERSION);
            return 0;
        }
        parser.process(terminal);  // the help, or what is wrong with the options; it ends the run
        return 0;
    }

    // The system's font configuration is read while Qt loads its plugins and
    // connects to the display: the first label the window measures would
    // otherwise wait for it, about as long as that connection takes.
    SideStep fontConfiguration;
#ifdef ATOZ_FONTCONFIG
    if (showsBook)
        fontConfiguration.Start([] { FcInit(); });
#endif

    // The accessibility bridge joins the session bus as the first control is
    // made, and would wait there for the connection: a bus the session names
    // is joined alongside Qt's start instead.
    SideStep sessionBus;
#ifdef ATOZ_DBUS
    if (showsBook && SessionBusNamed()) {
        // Qt takes the first thread that asks for its thread data for the
        // main thread, and the bus's thread asks: this one asks first.
        QThread::currentThread();
        sessionBus.Start([] { QDBusConnection::sessionBus(); });
    }
#endif

    atoz::PrepareBrowser();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(atoz::SettingsStore::Organisation);
    QApplication::setApplicationName(atoz::SettingsStore::Application);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ATOZ_APP_ID));

    parser.process(app);

    // Qt finds the font configuration ready when it first asks for a font,
    // and does not read it a second time alongside.
    fontConfiguration.Finish();
    // Accessibility joins the session bus here, before the page folder's lock
    // is taken on another thread: where the session names no bus, finding one
    // forks a helper process, and a child forked while another thread holds a
    // lock of the memory allocator can hang before it starts (AddressSanitizer's
    // allocator does).
    QAccessible::isActive();

    atoz::SettingsStore settings;
    // Every window speaks the family's language from its first word on.
    atoz::SpeakLanguage(atoz::ChooseLanguage(
        parser.value(language),
        settings.GetSetting(QLatin1String(atoz::DisplaySection), QLatin1String(atoz::LanguageKey), QString()),
        QLocale::system().uiLanguages(), atoz::ShippedLanguages()));
    atoz::QtServices services;
    // Where an adult set the page folder for every user, that is where pages
    // are kept.
    const QString lockedPages = settings.locks().dataDir;
    if (!lockedPages.isEmpty() && parser.isSet(dataDir))
        std::fprintf(stderr, "atoz: the system settings keep the pages in %s; --data-dir is not used.\n",
                     qPrintable(lockedPages));
    const QString chosenPages = lockedPages.isEmpty() ? parser.value(dataDir) : lockedPages;
    const QString pages = atoz::PageStoreDirectory(chosenPages,
                                                   QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // Pages an older version kept beside the program come into the user's
    // own page folder, once.
    if (chosenPages.isEmpty())
        atoz::CopyPagesFromProgramDirectory(QApplication::applicationDirPath(), pages);

    // One book for each page directory: a second start brings the running
    // book to the front and ends. The lock is held until the window is gone.
    // It is taken while the window is built, which reads the settings and
    // nothing in the page directory; what writes killed in an earlier run
    // left there is swept meanwhile.
    atoz::SingleInstance instance(pages);
    SideStep locking;
    locking.Start([&instance, &pages] {
        instance.TryLock();
        atoz::FolderStore(pages).RemoveStaleTemporaries();
    });

    // The book's size: as the parent chose it last time, or for this run on
    // the command line, unless an adult fixed it. It is set before the window
    // is built, so that the window is laid out once.
    std::optional<double> scaleForThisRun;
    if (parser.isSet(scale)) {
        scaleForThisRun = atoz::ParseScale(parser.value(scale));
        if (!scaleForThisRun)
            std::fprintf(stderr, "atoz: --scale wants a number such as 1.5.\n");
    }
    std::optional<bool> fullScreenForThisRun;
    if (parser.isSet(fullScreen) || parser.isSet(windowed))
        fullScreenForThisRun = parser.isSet(fullScreen);
    atoz::SetDisplayForThisRun(settings, scaleForThisRun, fullScreenForThisRun);
    const atoz::DisplayChoice display = atoz::LoadDisplayChoice(settings);
    atoz::frmRezivIdod window(settings, pages, atoz::PicturesDirectory(), services.services(),
                              atoz::frmRezivIdod::ScaleFor(display, QGuiApplication::primaryScreen()));
    sessionBus.Finish();
    locking.Finish();
    if (instance.Claim(qEnvironmentVariable("XDG_ACTIVATION_TOKEN")) == atoz::SingleInstance::Start::HandedOver)
        return 0;
    // A log-out, a shut-down or a closed terminal ends the book as its close
    // box does, with no message waiting for a click: the page is stored, and
    // the run ends with status 0.
    atoz::TerminationSignals endRequests;
    QObject::connect(&endRequests, &atoz::TerminationSignals::received, &window, &atoz::frmRezivIdod::EndOnRequest);
    QObject::connect(&instance, &atoz::SingleInstance::showRequested, &window, [&window](const QString& token) {
        // Wayland lets a window come forward with the token the desktop gave
        // the later start; elsewhere the window manager decides.
        if (!token.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
    });
    // The window system takes the icon at four sizes, each drawn from its
    // SVG, which would hold up the first frame; the title bar shows it a
    // moment later.
    QObject::connect(&window, &atoz::frmRezivIdod::firstFrameShown, &window,
                     [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/appicon.svg"))); });
    window.ShowBook(display);
    return app.exec();
}
