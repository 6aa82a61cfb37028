#include "printquerywindow.h"

#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"

#include <QLabel>

namespace atoz {

namespace {

constexpr qreal Captions = 15.75;
constexpr qreal MarginCaptions = 14.25;

Colour shown(bool chosen)
{
    return chosen ? Green : LightGrey;
}

}  // namespace

frmPrintQuery::frmPrintQuery(SettingsStore& settings, const QString& printerName, bool printerLandscape,
                             QWidget* owner)
    : QDialog(owner), settings_(settings), choices_(LoadPrintSettings(settings, printerLandscape))
{
    SetUpSmallWindow(this, QStringLiteral("frmPrintQuery"), QStringLiteral("Coloring Page Print"), {6255, 4920});

    QLabel* name = AddLabel(this, {"PrinterName", {120, 180, 6015, 420}, printerName, White, Captions});
    ShrinkToFit(name, Captions);
    name->setToolTip(printerName);

    AddLabel(this, {"Label2", {210, 900, 1800, 420}, "Fill Page ?", LightCyan, Captions});
    fill_[0] = AddLabel(this, {"FillPageL_0", {2130, 930, 660, 420}, "Yes", LightGrey, Captions});
    fill_[1] = AddLabel(this, {"FillPageL_1", {2880, 930, 660, 420}, "No", LightGrey, Captions});
    for (int i = 0; i < 2; ++i)
        OnClick(fill_[size_t(i)], this, [this, i] { FillPageL_Click(i); });

    // A page on end and a page on its side; their colour shows the choice.
    portraitPage_ = AddBox(this, "Portrait2", {1020, 1830, 375, 555}, LightGrey);
    landscapePage_ = AddBox(this, "Landscape2", {3510, 1800, 615, 375}, LightGrey);
    portraitPage_->setAccessibleName(QStringLiteral("Portrait"));
    landscapePage_->setAccessibleName(QStringLiteral("Landscape"));
    portrait_ = AddLabel(this, {"Portrait1", {1530, 1890, 1440, 420}, "Portrait", LightGrey, Captions});
    landscape_ = AddLabel(this, {"Landscape1", {3060, 2280, 1800, 420}, "Landscape", LightGrey, Captions});
    for (QWidget* control : {portraitPage_, static_cast<QWidget*>(portrait_)})
        OnClick(control, this, &frmPrintQuery::Portrait1_Click);
    for (QWidget* control : {landscapePage_, static_cast<QWidget*>(landscape_)})
        OnClick(control, this, &frmPrintQuery::Landscape1_Click);

    AddLabel(this, {"Label3", {240, 2970, 1400, 420}, "Margins", LightCyan, Captions});
    const struct
    {
        int left;
        int top;
        const char* caption;
    } margins[] = {{1650, 3000, "0"}, {2040, 3030, "1/4\""}, {2790, 3030, "1/2\""},
                   {3570, 3030, "3/4\""}, {4410, 3030, "1\""}, {4890, 3030, "1+1/2\""}};
    static_assert(std::size(margins) == MarginInches.size());
    for (int i = 0; i < int(MarginInches.size()); ++i) {
        const auto& m = margins[i];
        const int width = i + 1 < int(MarginInches.size()) ? margins[i + 1].left - m.left : 6255 - m.left;
        margins_[size_t(i)] = AddLabel(this, {Indexed("Margin", i), {m.left, m.top, width, 420}, m.caption, LightGrey,
                                              MarginCaptions});
        OnClick(margins_[size_t(i)], this, [this, i] { Margin_Click(i); });
    }

    AddLabel(this, {"Label1", {1380, 3840, 1920, 720}, "Print ?", Yellow, 27.75});
    yesCircle_ = AddShape(this, "YesCircle", OutlineShape::Kind::Oval, {3300, 3720, 1425, 1095});
    noCircle_ = AddShape(this, "NoCircle", OutlineShape::Kind::Oval, {4770, 3750, 1425, 1095});
    OnClick(AddLabel(this, {"CmdYes", {3450, 3960, 1125, 600}, "YES", Green, 21.75, Bold | Centred}), this,
            &frmPrintQuery::CmdYes_Click);
    OnClick(AddLabel(this, {"CmdNo", {4950, 3960, 1065, 600}, "NO", Red, 21.75, Bold | Centred}), this,
            &frmPrintQuery::CmdNo_Click);

    showChoices();
}

void frmPrintQuery::showChoices()
{
    SetBackground(portraitPage_, shown(!choices_.landscape));
    SetTextColour(portrait_, shown(!choices_.landscape));
    SetBackground(landscapePage_, shown(choices_.landscape));
    SetTextColour(landscape_, shown(choices_.landscape));
    SetTextColour(fill_[0], shown(choices_.fillPage));
    SetTextColour(fill_[1], shown(!choices_.fillPage));
    for (int i = 0; i < int(margins_.size()); ++i)
        SetTextColour(margins_[size_t(i)], shown(i == choices_.marginIndex));
}

void frmPrintQuery::Landscape1_Click()
{
    choices_.landscape = true;
    showChoices();
}

void frmPrintQuery::Portrait1_Click()
{
    choices_.landscape = false;
    showChoices();
}

void frmPrintQuery::FillPageL_Click(int index)
{
    choices_.fillPage = index == 0;
    showChoices();
}

void frmPrintQuery::Margin_Click(int index)
{
    if (index < 0 || index >= int(MarginInches.size()))
        return;
    choices_.marginIndex = index;
    showChoices();
}

void frmPrintQuery::CmdYes_Click()
{
    cancelPrint_ = false;
    // Painted at once, not at the next turn of the event loop: the window
    // hides as this returns, and the printing that follows holds the loop up,
    // so the press would never show.
    yesCircle_->SetFill(White);
    yesCircle_->repaint();
    SavePrintSettings(settings_, choices_);
    accept();
}

void frmPrintQuery::CmdNo_Click()
{
    noCircle_->SetFill(White);
    noCircle_->repaint();  // at once, as for YES: the window hides as this returns
    cancelPrint_ = true;
    reject();
}

}  // namespace atoz
