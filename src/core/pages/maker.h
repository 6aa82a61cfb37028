#pragma once

#include <QCoreApplication>
#include <QString>

namespace atoz {

// Who made the book, in the one place the windows take it from. The names
// stay as they are in every language; the texts around them are said in the
// language the book speaks.
inline constexpr char MakerName[] = "Larkvale";
inline constexpr char WebAddress[] = "www.larkvale.example";
inline constexpr int CopyrightYear = 2026;

// The maker's own two-letter mark: a page whose attribution text is this mark
// (or nothing) credits nobody but the maker.
inline constexpr char MakerMark[] = "ZQ";

// Two lines: the year and the maker, then the rights. The home view, the about
// window and the page information window all show this one notice.
inline QString CopyrightNotice()
{
    return QCoreApplication::translate("Maker", "Copyright \u00A9 %1 %2\nAll rights reserved.")
        .arg(CopyrightYear)
        .arg(QLatin1String(MakerName));
}

// The about window: what the pattern maker is, an empty line, then where to
// read more.
inline QString PatternMakerText()
{
    return QCoreApplication::translate(
               "Maker",
               "The Vorlane Pattern Maker is the drawing program we use to make our coloring pages. "
               "It turns a big, simple picture into lots of small shapes, each one just right for a "
               "young artist to fill with color.\n\n"
               "To find out more about our books and programs, come and visit us at %1.")
        .arg(QLatin1String(WebAddress));
}

// The about window, under the copyright: two lines.
inline QString RightsNotice()
{
    return QCoreApplication::translate("Maker",
                                       "Vorlane Coloring Books and the Vorlane Pattern Maker\nare trademarks of %1.")
        .arg(QLatin1String(MakerName));
}

// The page information window: what a family may do with the pages...
inline QString InformationText()
{
    return QCoreApplication::translate(
        "Maker",
        "Every picture in this book is yours to color! Print as many copies as you like for "
        "your family, your classroom or a birthday party, and color them again and again.");
}

// ... and what nobody may do with them.
inline QString ReproductionNotice()
{
    return QCoreApplication::translate(
        "Maker", "Please do not sell the pictures or copy them into other books or programs.");
}

}  // namespace atoz
