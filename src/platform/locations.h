#pragma once

#include <QString>

namespace atoz {

// Where the book keeps the coloured pages of its 8 copies:
//   1. the directory given with --data-dir, when there is one;
//   2. otherwise the program's own directory, when the user may write there;
//   3. otherwise the per-user data location (created when missing).
// The same directory serves every write and every read of a run.
QString PageStoreDirectory(const QString& dataDirOption, const QString& programDirectory);

}  // namespace atoz
