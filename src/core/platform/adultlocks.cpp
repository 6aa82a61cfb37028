#include "adultlocks.h"

namespace atoz {

QString ExpandUserPath(const QString& path, const QString& home, const QString& user)
{
    QString expanded = path.trimmed();
    if (expanded == u'~' || expanded.startsWith(QLatin1String("~/")))
        expanded.replace(0, 1, home);
    expanded.replace(QLatin1String("${USER}"), user);
    expanded.replace(QLatin1String("$USER"), user);
    return expanded;
}

}  // namespace atoz
