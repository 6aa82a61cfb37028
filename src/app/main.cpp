#include "mainwindow/mainwindow.h"
#include "platform/locations.h"
#include "platform/settingsstore.h"
#include "platform/ui/browser.h"
#include "platform/ui/dialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char* argv[])
{
    atoz::PrepareBrowser();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(atoz::SettingsStore::Organisation);
    QApplication::setApplicationName(atoz::SettingsStore::Application);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/appicon.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral(ATOZ_APP_ID));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vorlane Coloring Books, book 2: A to Z"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep the coloured pages in <directory>."),
                                     QStringLiteral("directory"));
    parser.addOption(dataDir);
    parser.process(app);

    atoz::SettingsStore settings;
    atoz::QtDialogs dialogs;
    const QString pages = atoz::PageStoreDirectory(parser.value(dataDir), QApplication::applicationDirPath(),
                                                   QStringLiteral(ATOZ_APP_ID));
    atoz::frmRezivIdod window(settings, pages, dialogs.Bundle());
    window.show();
    return app.exec();
}
