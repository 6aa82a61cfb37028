#pragma once

#include <QDialog>

class QLabel;

namespace atoz {

// The page information window, "Vorlane Coloring Books": what a family may do
// with the pages, what nobody may, the copyright, and "OK". A page credited to
// someone besides the maker shows that credit first. The window holds no state
// between openings: its opener makes a fresh one each time and destroys it.
class frmInfo : public QDialog
{
    Q_OBJECT

public:
    explicit frmInfo(QWidget* owner);

    // Write-only `InfoText`: the attribution text of the page, given once,
    // before the window shows. Unless it is the maker's mark or empty (spaces
    // around it do not count), it goes in front of the information text,
    // exactly as given, followed by an empty line.
    void InfoText(const QString& attribution);

    QLabel* LabelInfo() const { return info_; }

private:
    QLabel* info_;
};

}  // namespace atoz
