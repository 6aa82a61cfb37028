#include "folders/namewindow.h"
#include "mainwindow/contentsview.h"
#include "mainwindow/mainwindow.h"
#include "platform/locations.h"
#include "platform/messagebox.h"
#include "platform/settingsstore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(atoz::SettingsStore::Organisation);
    QApplication::setApplicationName(atoz::SettingsStore::Application);
    QApplication::setApplicationDisplayName(QStringLiteral("A to Z"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/appicon.svg")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vorlane Coloring Books, book 2: A to Z"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep the coloured pages in <directory>."),
                                     QStringLiteral("directory"));
    const QCommandLineOption view(QStringLiteral("view"),
                                  QStringLiteral("For developers: open straight on the contents of folder 1 "
                                                 "(\"contents\"), on its page A (\"colouring\") or on the "
                                                 "names window (\"names\")."),
                                  QStringLiteral("view"));
    parser.addOptions({dataDir, view});
    parser.process(app);

    atoz::SettingsStore settings;
    atoz::QtMessageBox messages;
    atoz::frmRezivIdod window(settings,
                              atoz::PageStoreDirectory(parser.value(dataDir), QApplication::applicationDirPath()),
                              messages);
    window.show();

    const QString start = parser.value(view);
    if (start == QLatin1String("contents") || start == QLatin1String("colouring")) {
        window.ShowView(atoz::frmRezivIdod::View::Contents);
        window.contents()->OpenFolder(0);
        if (start == QLatin1String("colouring"))
            emit window.contents()->pageChosen(0);
    }
    if (start == QLatin1String("names")) {
        atoz::frmName names(window.names(), &window);
        names.exec();
    }
    return app.exec();
}
