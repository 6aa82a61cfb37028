#pragma once

#include <QDialog>

namespace atoz {

// The about window, "Vorlane Coloring Books": the maker's picture and the
// pattern maker behind every page, where to read more, the copyright and the
// rights, white on black, with "OK" at the bottom right. It holds no data.
// Its opener shows it modally and destroys it afterwards.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* owner);
};

}  // namespace atoz
