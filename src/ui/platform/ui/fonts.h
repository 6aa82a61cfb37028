#pragma once

#include <QFont>

namespace atoz {

enum class Face {
    // The book's friendly face: Comic Sans MS where it is installed, otherwise
    // Comic Neue (Debian's fonts-comic-neue), which is drawn to look the same.
    Comic,
    // The plain face of small print: MS Sans Serif where it is installed,
    // otherwise DejaVu Sans.
    Sans,
};

inline QFont FaceFont(Face face, qreal pointSize, bool bold = true)
{
    QFont font;
    if (face == Face::Comic)
        font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    else
        font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                          QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace atoz
