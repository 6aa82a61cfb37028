#include "printquerywindow.h"

#include "platform/ui/arrowkeys.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"

#include <QLabel>

namespace atoz {

namespace {

constexpr qreal Captions = 15.75;
constexpr qreal MarginCaptions = 14.25;
constexpr qreal Question = 27.75;

Colour shown(bool chosen)
{
    return chosen ? Green : LightGrey;
}

// An option shows its choice in its colour; screen readers hear it as a
// radio button, checked or not.
void showOption(QWidget* option, bool chosen)
{
    SetTextColour(option, shown(chosen));
    Clickable::Of(option)->SetChosen(chosen);
}

void makeOption(QWidget* option, const QString& name)
{
    Clickable::Of(option)->SetKind(Clickable::Kind::Option);
    option->setAccessibleName(name);
}

}  // namespace

frmPrintQuery::frmPrintQuery(SettingsStore& settings, const QString& printerName, bool printerLandscape,
                             QWidget* owner)
    : QDialog(owner), settings_(settings), choices_(LoadPrintSettings(settings, printerLandscape))
{
    SetUpSmallWindow(this, QStringLiteral("frmPrintQuery"), tr("Coloring Page Print"), {6255, 4920});

    QLabel* name = AddLabel(this, {"PrinterName", {120, 180, 6015, 420}, printerName, White, Captions});
    ShrinkToFit(name, Captions);
    name->setToolTip(printerName);

    AddLabel(this, {"Label2", {210, 900, 1800, 420}, tr("Fill Page ?"), LightCyan, Captions});
    fill_[0] = AddLabel(this, {"FillPageL_0", {2130, 930, 660, 420}, tr("Yes"), LightGrey, Captions});
    fill_[1] = AddLabel(this, {"FillPageL_1", {2880, 930, 660, 420}, tr("No"), LightGrey, Captions});
    for (int i = 0; i < 2; ++i)
        OnClick(fill_[size_t(i)], this, [this, i] { FillPageL_Click(i); });
    makeOption(fill_[0], tr("Fill Page: Yes"));
    makeOption(fill_[1], tr("Fill Page: No"));

    // A page on end and a page on its side; their colour shows the choice.
    portraitPage_ = AddBox(this, "Portrait2", {1020, 1830, 375, 555}, LightGrey);
    landscapePage_ = AddBox(this, "Landscape2", {3510, 1800, 615, 375}, LightGrey);
    portrait_ = AddLabel(this, {"Portrait1", {1530, 1890, 1440, 420}, tr("Portrait"), LightGrey, Captions});
    landscape_ = AddLabel(this, {"Landscape1", {3060, 2280, 1800, 420}, tr("Landscape"), LightGrey, Captions});
    // Each page and its caption are one option.
    OnClick(portrait_, this, &frmPrintQuery::Portrait1_Click);
    JoinButton(portrait_, {portraitPage_}, tr("Portrait"));
    OnClick(landscape_, this, &frmPrintQuery::Landscape1_Click);
    JoinButton(landscape_, {landscapePage_}, tr("Landscape"));
    makeOption(portrait_, tr("Portrait"));
    makeOption(landscape_, tr("Landscape"));

    AddLabel(this, {"Label3", {240, 2970, 1400, 420}, tr("Margins"), LightCyan, Captions});
    const struct
    {
        int left;
        int top;
        const char* caption;
        const char* spoken;  // the caption in words, for screen readers
    } margins[] = {{1650, 3000, "0", QT_TRANSLATE_NOOP("atoz::frmPrintQuery", "Margin: none")},
                   {2040, 3030, "1/4\"", QT_TRANSLATE_NOOP("atoz::frmPrintQuery", "Margin: a quarter inch")},
                   {2790, 3030, "1/2\"", QT_TRANSLATE_NOOP("atoz::frmPrintQuery", "Margin: half an inch")},
                   {3570, 3030, "3/4\"", QT_TRANSLATE_NOOP("atoz::frmPrintQuery", "Margin: three quarters of an inch")},
                   {4410, 3030, "1\"", QT_TRANSLATE_NOOP("atoz::frmPrintQuery", "Margin: one inch")},
                   {4890, 3030, "1+1/2\"", QT_TRANSLATE_NOOP("atoz::frmPrintQuery", "Margin: one and a half inches")}};
    static_assert(std::size(margins) == MarginInches.size());
    for (int i = 0; i < int(MarginInches.size()); ++i) {
        const auto& m = margins[i];
        const int width = i + 1 < int(MarginInches.size()) ? margins[i + 1].left - m.left : 6255 - m.left;
        margins_[size_t(i)] = AddLabel(this, {Indexed("Margin", i), {m.left, m.top, width, 420}, m.caption, LightGrey,
                                              MarginCaptions});
        OnClick(margins_[size_t(i)], this, [this, i] { Margin_Click(i); });
        makeOption(margins_[size_t(i)], tr(m.spoken));
    }

    // The question is one word in most languages, and a long one in some: it
    // grows no closer to YES's ring than the English one stands.
    QLabel* question = AddLabel(this, {"Label1", {1380, 3840, 1920, 720}, tr("Print ?"), Yellow, Question});
    SetTextInset(question, 0, 120);
    ShrinkToFit(question, Question, 18);
    yesCircle_ = AddShape(this, "YesCircle", OutlineShape::Kind::Oval, {3300, 3720, 1425, 1095});
    noCircle_ = AddShape(this, "NoCircle", OutlineShape::Kind::Oval, {4770, 3750, 1425, 1095});
    QLabel* yes = AddLabel(this, {"CmdYes", {3450, 3960, 1125, 600}, tr("YES"), Green, 21.75, Bold | Centred});
    QLabel* no = AddLabel(this, {"CmdNo", {4950, 3960, 1065, 600}, tr("NO"), Red, 21.75, Bold | Centred});
    OnClick(yes, this, &frmPrintQuery::CmdYes_Click);
    OnClick(no, this, &frmPrintQuery::CmdNo_Click);
    // Return prints, wherever the focus is but on NO.
    SetDefaultButton(this, yes);
    QList<QWidget*> order{fill_[0], fill_[1], portrait_, landscape_};
    order.append(QList<QWidget*>(margins_.begin(), margins_.end()));
    order.append({yes, no});
    SetTabOrder(order);

    showChoices();
}

void frmPrintQuery::showChoices()
{
    SetBackground(portraitPage_, shown(!choices_.landscape));
    showOption(portrait_, !choices_.landscape);
    SetBackground(landscapePage_, shown(choices_.landscape));
    showOption(landscape_, choices_.landscape);
    showOption(fill_[0], choices_.fillPage);
    showOption(fill_[1], !choices_.fillPage);
    for (int i = 0; i < int(margins_.size()); ++i)
        showOption(margins_[size_t(i)], i == choices_.marginIndex);
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
