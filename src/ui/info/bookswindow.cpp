#include "bookswindow.h"

#include "pages/maker.h"
#include "platform/ui/okbutton.h"
#include "platform/ui/controls.h"

#include <QLabel>

namespace atoz {

namespace {
constexpr qreal TextSize = 11.25;

// Puts `next` on the line of `first`, right after its text, whatever the
// width of the face: a space between unless `first` ends with one.
void continueLine(QLabel* first, QLabel* next)
{
    QString text = first->text();
    if (!text.endsWith(u' '))
        text += u' ';
    next->move(first->x() + first->fontMetrics().horizontalAdvance(text), first->y());
}

}  // namespace

frmBooks::frmBooks(QWidget* owner) : QDialog(owner)
{
    SetUpSmallWindow(this, QStringLiteral("frmBooks"), QStringLiteral("Vorlane Coloring Books"), {7890, 4800});

    // In reading order. Where two labels share a line, the second one's left
    // is 0 here: it follows the text of the one before it.
    const LabelRow texts[] = {
        // name        left, top, width x height   text                                  colour  size      look
        {"Label1", {120, 120, 3600, 330}, "The Vorlane Coloring Books", Yellow, TextSize},
        {"Label2", {0, 120, 3900, 330}, tr("offer hours of fun and creativity"), White, TextSize},
        {"Label3", {120, 450, 7650, 1000},
         tr("for young artists.  Each picture may be printed then colored by hand or color each picture using your PC "
            "and our paint palette."),
         White, TextSize, Bold | Wrapped},
        {"Label4", {120, 1530, 2400, 330}, tr("With Book Themes"), Green, TextSize},
        {"Label8", {0, 1530, 5400, 330}, tr("covering animals, automobiles, flowers, planes, "), White, TextSize},
        {"Label6", {120, 1860, 7650, 680},
         tr("scenic sites, and wildlife, every young artist's imagination is sure to come to life."), White, TextSize,
         Bold | Wrapped},
        {"Label11", {120, 2640, 3300, 330}, tr("Our coloring books make "), White, TextSize},
        {"Label10", {0, 2640, 4200, 330}, tr("Great Gifts And Party Prizes"), Cyan, TextSize},
        {"Label12", {120, 2970, 3600, 330}, tr("at an affordable price."), White, TextSize},
        {"Label13", {120, 3540, 3600, 330}, tr("Easy to buy, just visit..."), White, TextSize},
        {"wwwLabel", {120, 3900, 5700, 420}, WebAddress, White, 14.25},
    };
    QLabel* before = nullptr;
    for (const LabelRow& row : texts) {
        QLabel* label = AddLabel(this, row);
        if (row.place.left() == 0 && before)
            continueLine(before, label);
        before = label;
    }

    AddOkButton(this, {6300, 3600});
}

}  // namespace atoz
