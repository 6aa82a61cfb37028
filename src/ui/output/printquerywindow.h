#pragma once

#include "output/printchoices.h"

#include <QDialog>

#include <array>

class QLabel;

namespace atoz {

class OutlineShape;
class SettingsStore;

// "Print ?": the window that asks before a page is printed, names the
// printer, and offers three choices, each shown by its one green option:
// portrait or landscape, fill the page or not, and the margin. YES stores the
// choices and prints; NO, the close box and Escape print nothing and forget
// what was changed. Return is YES, unless the focus is on NO; Space chooses
// the option that has the focus. A new window for every print.
class frmPrintQuery : public QDialog
{
    Q_OBJECT

public:
    frmPrintQuery(SettingsStore& settings, const QString& printerName, bool printerLandscape, QWidget* owner);

    bool CancelPrint() const { return cancelPrint_; }
    bool Landscape() const { return choices_.landscape; }
    bool FillPage() const { return choices_.fillPage; }
    float PageMargin() const { return choices_.PageMargin(); }
    const PrintChoices& choices() const { return choices_; }

    void Landscape1_Click();
    void Portrait1_Click();
    void FillPageL_Click(int index);
    void Margin_Click(int index);
    void CmdYes_Click();
    void CmdNo_Click();

private:
    void showChoices();

    SettingsStore& settings_;
    PrintChoices choices_;
    bool cancelPrint_ = true;

    QLabel* portrait_;
    QLabel* landscape_;
    QWidget* portraitPage_;
    QWidget* landscapePage_;
    std::array<QLabel*, 2> fill_{};
    std::array<QLabel*, MarginInches.size()> margins_{};
    OutlineShape* yesCircle_;
    OutlineShape* noCircle_;
};

}  // namespace atoz
