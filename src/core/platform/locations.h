#pragma once

#include <QString>

namespace atoz {

// Where the book keeps the coloured pages of its 8 copies: the directory given
// with --data-dir when there is one, otherwise the per-user data location,
// wherever the program runs from (installed or from its build folder). Either
// is created when missing. The same directory serves every write and every
// read of a run.
QString PageStoreDirectory(const QString& dataDirOption, const QString& perUserDirectory);

// Where the save dialog first proposes a picture: the user's pictures folder,
// or the home folder where the system names none. Not created here.
QString PicturesDirectory();

}  // namespace atoz
