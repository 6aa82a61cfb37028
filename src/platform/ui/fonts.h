#pragma once

#include <QFont>

namespace atoz {

// The book's friendly face: Comic Sans MS where it is installed, otherwise
// Comic Neue (Debian's fonts-comic-neue), which is drawn to look the same.
inline QFont ComicFont(qreal pointSize, bool bold = true)
{
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace atoz
