#pragma once

#include <QString>

namespace atoz {

// Where the book keeps the coloured pages of its 8 copies: the directory given
// with --data-dir when there is one, otherwise the per-user data location,
// wherever the program runs from (installed or from its build folder). Either
// is created when missing. The same directory serves every write and every
// read of a run.
//
// Pages that an older run kept beside the program, in `programDirectory`, are
// copied into the per-user location the first time it serves that program
// directory: page files only (regular files named like a page), never over a
// page already there, and the originals stay where they are. A directory
// whose pages all came over is listed in CopiedFromFile in the per-user
// location and is not copied from again.
QString PageStoreDirectory(const QString& dataDirOption, const QString& programDirectory,
                           const QString& perUserDirectory);

// Where the save dialog first proposes a picture: the user's pictures folder,
// or the home folder where the system names none. Not created here.
QString PicturesDirectory();

// The list of program directories whose pages came over, one a line.
inline constexpr char CopiedFromFile[] = ".pages-copied-from";

}  // namespace atoz
