#pragma once

#include <QString>

namespace atoz {

// Who made the book, in the one place the windows take it from.
inline constexpr char MakerName[] = "Larkvale";
inline constexpr char WebAddress[] = "www.larkvale.example";
inline constexpr int CopyrightYear = 2026;

// Two lines: the year, then the maker.
inline QString CopyrightNotice()
{
    return QStringLiteral("Copyright \u00A9 %1\n%2").arg(CopyrightYear).arg(QLatin1String(MakerName));
}

}  // namespace atoz
