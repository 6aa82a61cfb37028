#pragma once

#include <QString>

namespace atoz {

// Where the book keeps the coloured pages of its 8 copies:
//   1. the directory given with --data-dir, when there is one;
//   2. otherwise the program's own directory, when the user may write there
//      and it is not an installed copy's: installed, the program has its menu
//      entry beside it (<prefix>/bin and <prefix>/share/applications/<appId>
//      .desktop), and its directory belongs to the system, even for root;
//   3. otherwise the per-user data location (created when missing).
// The same directory serves every write and every read of a run.
QString PageStoreDirectory(const QString& dataDirOption, const QString& programDirectory, const QString& appId);

}  // namespace atoz
