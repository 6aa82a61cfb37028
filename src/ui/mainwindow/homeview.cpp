#include "homeview.h"

#include "folders/foldernames.h"
#include "folders/namewindow.h"
#include "pages/maker.h"
#include "platform/adultlocks.h"
#include "platform/ui/arrowkeys.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"

#include <QLabel>

#include <vector>

namespace atoz {

namespace {

constexpr qreal TileNamePoints = 12;
constexpr qreal NameSmallestPoints = 6;  // every name of 10 letters fits
constexpr qreal CaptionSmallestPoints = 10;
constexpr int TileWidth = 1365;
constexpr int TileHeight = 1635;
constexpr QPoint TilePlaces[FolderCount] = {
    {1350, 2490}, {2790, 2490}, {4230, 2490}, {5670, 2490},  // folders 1 to 4
    {1350, 4230}, {2805, 4230}, {4245, 4230}, {5670, 4230},  // folders 5 to 8
};

}  // namespace

HomeView::HomeView(FolderNames& names, const AdultLocks& locks, QWidget* parent) : QWidget(parent), names_(names)
{
    setObjectName(QStringLiteral("HomeView"));
    SetBackground(this, Black);

    QWidget* bar = AddBox(this, "CmdBar_0", {0, 0, BarWidth, BarHeight}, Black);
    page_ = AddBox(this, "Page_0", {}, Black);  // placed as the view resizes

    const LabelRow texts[] = {
        // name           left, top, width x height   text                   colour     size   look
        {"TitleLabel_0", {120, 60, 3960, 765}, "The Vorlane", Yellow, 27.75},
        {"TitleLabel_1", {180, 750, 3795, 765}, "Coloring Books", Yellow, 27.75},
        {"BookNumLabel", {5400, 390, 960, 600}, tr("Book"), Yellow, 21.75, Bold | Centred},
        {"LabelBookNum", {5010, 960, 1845, 600}, tr("# %1", "the book's number, under \"Book\"").arg(BookNumber),
         Yellow, 21.75, Bold | Centred},
        {"byLabel", {1410, 1500, 405, 525}, "by", Green, 18},
        {"lableZQ", {1920, 1500, 2775, 525}, MakerName, Green, 18},
    };
    for (const LabelRow& row : texts)
        AddLabel(page_, row);
    // Where an adult has closed the web, the address is plain text.
    QLabel* web = AddLabel(page_, {"wwwLabel", {2310, 1920, 4170, 525}, WebAddress, LightGrey, 18});
    if (locks.web)
        OnClick(web, this, &HomeView::webClicked);
    // The two hints wrap a little short of the tiles beside them, so that no
    // word runs into a tile.
    AddLabel(page_, {"LabelStart", {120, 2520, 1185, 1185}, tr("Click your mouse button on a square to begin."),
                     White, 9.75, Wrapped, Black});
    QLabel* hint =
        AddLabel(page_, {"UserCmdName_1", {60, 3900, 1245, 1965}, frmName::CopiesHint(), White, 9.75, Wrapped, Black});
    if (locks.names)
        OnClick(hint, this, &HomeView::namesClicked);
    hint->setFocusPolicy(Qt::NoFocus);  // "Your Name" on the bar is the same, and a stop of Tab

    for (int i = 0; i < FolderCount; ++i) {
        const QPoint at = TilePlaces[i];
        QWidget* tile = AddBox(page_, Indexed("OpenFolder", i), {at.x(), at.y(), TileWidth, TileHeight}, FolderColour(i));
        tiles_[size_t(i)] = tile;
        tileNames_[size_t(i)] = AddLabel(
            tile, {Indexed("OpenFolderNumber", i), {60, 120, 1245, 405}, QString(), Black, TileNamePoints, Centred});
        QLabel* number = AddLabel(tile, {Indexed("OpenFolderNumber2", i), {60, 660, 1245, 765}, QString::number(i + 1),
                                         Black, 27.75, Centred});
        // The tile with its name and number is one button.
        OnClick(tile, this, [this, i] { emit folderChosen(i); });
        JoinButton(tile, {tileNames_[size_t(i)], number}, QString());
    }

    // Each command of the bar is a picture with its label or labels beside it;
    // all of them do the same.
    const struct
    {
        PictureRow picture;
        std::vector<LabelRow> labels;
        QString name;  // of the whole button, to screen readers
        void (HomeView::*click)();
    } commands[] = {
        {{"UserCmdExitPic", {-195, 210, 885, 720}, "exit", tr("Close the book")},
         {{"UserCmdExit_0", {825, 270, 1035, 495}, tr("Exit"), Red, 18, Bold | Centred, White}},
         tr("Exit"), &HomeView::exitClicked},
        {{"UserCmdOpenPic", {30, 960, 750, 660}, "open", tr("Open the first copy of the book")},
         {{"UserCmdOpen_0", {825, 1020, 1110, 495}, tr("Open"), Green, 18}},
         tr("Open"), &HomeView::UserCmdOpen_Click},
        // A command of two words shows them on two lines.
        {{"UserCmdNamePic", {180, 1920, 480, 480}, "name", tr("Write the children's names on the copies")},
         {{"UserCmdName_2", {870, 1710, 1080, 420}, tr("Your", "first line of \"Your Name\""), Yellow, 15.75},
          {"UserCmdName_0", {870, 2100, 1080, 420}, tr("Name", "second line of \"Your Name\""), Yellow, 15.75}},
         tr("Your Name"), &HomeView::namesClicked},
        {{"UserPrinterSetupPic", {210, 2880, 480, 465}, "print", tr("Choose the printer")},
         {{"UserPrinterSetup_0", {825, 2610, 1125, 420}, tr("Printer", "first line of \"Printer Setup\""), LightCyan,
           15.75},
          {"UserPrinterSetup_1", {825, 2970, 1125, 420}, tr("Setup", "second line of \"Printer Setup\""), LightCyan,
           15.75}},
         tr("Printer Setup"), &HomeView::printerSetupClicked},
        {{"UserBookAdPic", {210, 3720, 480, 480}, "books", tr("More coloring books")},
         {{"UserBookAd_0", {870, 3510, 1080, 420}, tr("More", "first line of \"More Books\""), Magenta, 15.75},
          {"UserBookAd_1", {870, 3900, 1080, 420}, tr("Books", "second line of \"More Books\""), Magenta, 15.75}},
         tr("More Books"), &HomeView::booksClicked},
        {{"UserCmdAboutPic", {210, 4590, 480, 480}, "about", tr("About this book")},
         {{"UserCmdAbout_0", {870, 4620, 1080, 420}, tr("About"), LightGrey, 15.75}},
         tr("About"), &HomeView::aboutClicked},
    };
    // Tab goes down the bar, then to the web address and the tiles, which
    // the arrow keys move among. What an adult has locked is not shown, and
    // its place stays empty; where the adult keeps the book open, Exit must
    // be held down.
    const auto shown = [&locks](void (HomeView::*click)()) {
        return (click != &HomeView::namesClicked || locks.names)
            && (click != &HomeView::printerSetupClicked || locks.printing);
    };
    QList<QWidget*> order;
    for (const auto& command : commands) {
        Picture* picture = AddPicture(bar, command.picture);
        std::vector<QWidget*> parts;
        std::vector<QLabel*> lines;
        for (const LabelRow& row : command.labels)
            parts.push_back(lines.emplace_back(AddLabel(bar, row)));
        // A language whose word is longer than the bar is wide says the
        // whole command a little smaller.
        ShrinkTogether(lines, command.labels.front().points, CaptionSmallestPoints);
        if (!shown(command.click)) {
            picture->hide();
            for (QWidget* part : parts)
                part->hide();
            continue;
        }
        if (command.click == &HomeView::exitClicked && locks.adultExit)
            OnHold(picture, this, AdultLocks::ExitHold, command.click);
        else
            OnClick(picture, this, command.click);
        JoinButton(picture, parts, command.name);
        order.append(picture);
    }
    if (locks.web)
        order.append(web);
    order.append(QList<QWidget*>(tiles_.begin(), tiles_.end()));
    SetTabOrder(order);
    new ArrowKeys(QList<QWidget*>(tiles_.begin(), tiles_.end()), tiles_[0], this);

    AddLabel(bar, {"CopyrightLabel", {120, 5460, 1830, 465}, CopyrightNotice(), White, 7.5, Plain});

    connect(&names_, &FolderNames::namesChanged, this, &HomeView::showNames);
    showNames();
}

void HomeView::resizeEvent(QResizeEvent*)
{
    PlaceRightOfBar(page_, BarWidth);
}

void HomeView::UserCmdOpen_Click()
{
    emit folderChosen(0);
}

void HomeView::FocusTile(int folder)
{
    tiles_.at(size_t(folder))->setFocus(Qt::OtherFocusReason);
}

void HomeView::showNames()
{
    for (int i = 0; i < FolderCount; ++i) {
        tileNames_[size_t(i)]->setText(names_.name(i));
        ShrinkToFit(tileNames_[size_t(i)], TileNamePoints, NameSmallestPoints);
        tiles_[size_t(i)]->setAccessibleName(FolderNames::SpokenName(i, names_.name(i)));
    }
}

}  // namespace atoz
