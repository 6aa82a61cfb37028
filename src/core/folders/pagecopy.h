#pragma once

#include <QString>

namespace atoz {

// Pages that an older run kept beside the program, in `programDirectory`,
// are copied into `pageDirectory` (the per-user page folder) the first time
// it serves that program directory: page files only (regular files named
// like a page), never over a page already there, and the originals stay
// where they are. A program directory whose pages all came over is listed in
// CopiedFromFile in the page folder and is not copied from again; one that
// left a page behind (a full disk, an unreadable file) is tried again at the
// next start.
void CopyPagesFromProgramDirectory(const QString& programDirectory, const QString& pageDirectory);

// The list of program directories whose pages came over, one a line.
inline constexpr char CopiedFromFile[] = ".pages-copied-from";

}  // namespace atoz
