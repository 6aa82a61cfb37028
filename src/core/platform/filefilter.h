#pragma once

#include <QRegularExpression>
#include <QString>

namespace atoz {

// The extension a file dialog's filter such as "Bitmap (*.bmp)" offers,
// without its dot: "bmp". Empty when it offers none.
inline QString FilterSuffix(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace atoz
