#pragma once

#include <QDialog>

namespace atoz {

// The other books advert, "Vorlane Coloring Books": what the family of books
// offers, in coloured and white lines, ending with the maker's web address
// (only text here), and "OK" at the bottom right. It holds no data. Its
// opener shows it modally and destroys it afterwards.
class frmBooks : public QDialog
{
    Q_OBJECT

public:
    explicit frmBooks(QWidget* owner);
};

}  // namespace atoz
