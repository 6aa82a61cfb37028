#pragma once

#include "folders/folderstore.h"

#include <QWidget>

#include <array>

class QLabel;

namespace atoz {

class FolderNames;
struct AdultLocks;

// The home view: the command bar `CmdBar_0` (Exit, Open, Your Name, Printer
// Setup, More Books, About, the copyright) and the home page `Page_0` with the
// book's title, the maker, the web address, two hints and the 8 folder tiles
// `OpenFolder_0`..`OpenFolder_7`, each in its folder's colour with the
// folder's name and number. Every command is announced as a signal.
class HomeView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int BarWidth = 2000;  // twips
    static constexpr int BarHeight = 5985;

    // Built as an adult's `locks` allow: see AdultLocks.
    HomeView(FolderNames& names, const AdultLocks& locks, QWidget* parent = nullptr);

    // Gives the keyboard focus to the tile of `folder`.
    void FocusTile(int folder);

signals:
    void folderChosen(int folder);  // a tile, its name or number; "Open" is folder 0
    void exitClicked();
    void namesClicked();
    void printerSetupClicked();
    void booksClicked();
    void aboutClicked();
    void webClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void UserCmdOpen_Click();
    void showNames();

    FolderNames& names_;
    QWidget* page_;
    std::array<QWidget*, FolderCount> tiles_{};
    std::array<QLabel*, FolderCount> tileNames_{};
};

}  // namespace atoz
