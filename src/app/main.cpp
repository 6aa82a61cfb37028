#include "mainwindow/mainwindow.h"
#include "platform/bookscale.h"
#include "platform/locations.h"
#include "platform/settingsstore.h"
#include "platform/terminationsignals.h"
#include "platform/twips.h"
#include "platform/singleinstance.h"
#include "platform/ui/browser.h"
#include "platform/ui/services.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <thread>

#ifdef ATOZ_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

// Reads the system's font configuration on a second thread while Qt loads
// its plugins and connects to the display: the first label the window
// measures would otherwise wait for it, about as long as that connection
// takes. Qt finds the configuration ready when it first asks for a font.
class FontConfigReader
{
public:
    void Start()
    {
#ifdef ATOZ_FONTCONFIG
        thread_ = std::thread([] { FcInit(); });
#endif
    }
    // Waits until the configuration is read: before the first font is used,
    // so that Qt does not read it a second time alongside.
    void Finish()
    {
        if (thread_.joinable())
            thread_.join();
    }
    ~FontConfigReader() { Finish(); }

private:
    std::thread thread_;
};

// Gives the book its icon once the first window is on screen. The window
// system takes the icon at four sizes, each drawn from its SVG, which would
// otherwise hold up the first frame; the title bar shows it a moment later.
class IconAfterFirstFrame : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            QCoreApplication::instance()->removeEventFilter(this);
            // After this event, which paints the window.
            QTimer::singleShot(0, this, [] {
                QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/appicon.svg")));
            });
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
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
    parser.addOptions({scale, fullScreen, windowed});

    // A start that shows the book reads the font configuration alongside
    // Qt's start; one that only prints its help or version, or stops at a
    // wrong option, needs no fonts.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    FontConfigReader fonts;
    if (parser.parse(arguments) && !parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("help-all"))
        && !parser.isSet(QStringLiteral("version")))
        fonts.Start();

    atoz::PrepareBrowser();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(atoz::SettingsStore::Organisation);
    QApplication::setApplicationName(atoz::SettingsStore::Application);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ATOZ_APP_ID));

    parser.process(app);

    atoz::SettingsStore settings;
    atoz::QtServices services;
    const QString pages = atoz::PageStoreDirectory(parser.value(dataDir), QApplication::applicationDirPath(),
                                                   QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    // One book for each page directory: a second start brings the running
    // book to the front and ends. The lock is held until the window is gone.
    atoz::SingleInstance instance(pages);
    if (instance.Claim(qEnvironmentVariable("XDG_ACTIVATION_TOKEN")) == atoz::SingleInstance::Start::HandedOver)
        return 0;

    // The book's size: as the parent chose it last time, or for this run on
    // the command line. It is set before the window is built, so that the
    // window is laid out once.
    atoz::DisplayChoice display = atoz::LoadDisplayChoice(settings);
    if (parser.isSet(scale)) {
        if (const auto factor = atoz::ParseScale(parser.value(scale)))
            display.scale = *factor;
        else
            std::fprintf(stderr, "atoz: --scale wants a number such as 1.5.\n");
    }
    if (parser.isSet(fullScreen) || parser.isSet(windowed))
        display.fullScreen = parser.isSet(fullScreen);
    atoz::SetTwipsScale(atoz::frmRezivIdod::ScaleFor(display, QGuiApplication::primaryScreen()));

    fonts.Finish();
    atoz::frmRezivIdod window(settings, pages, atoz::PicturesDirectory(), services.services());
    // A log-out, a shut-down or a closed terminal ends the book as its close
    // box does: the page is stored, and the run ends with status 0.
    atoz::TerminationSignals endRequests;
    QObject::connect(&endRequests, &atoz::TerminationSignals::received, &window, &QWidget::close);
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
    IconAfterFirstFrame icon;
    app.installEventFilter(&icon);
    window.ShowBook(display);
    return app.exec();
}
