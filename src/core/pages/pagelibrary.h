#pragma once

#include "platform/picture.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace atoz {

// The 26 pages of the book, A to Z, embedded in the program. Page index i
// (0 is A, 25 is Z) is resource 101 + i, both for its picture and for its
// attribution text.
inline constexpr int PageCount = 26;
inline constexpr int FirstPageResource = 101;
inline constexpr QSize PageSize{480, 400};

constexpr bool IsPageIndex(int index) { return index >= 0 && index < PageCount; }
constexpr int PageResourceId(int index) { return FirstPageResource + index; }

// "A".."Z"; an empty string for an index that is no page.
QString PageLetter(int index);

// The page exactly as embedded: a 1-bit device-independent bitmap without file
// header, 24048 bytes. Empty for an index that is no page.
QByteArray PageResourceData(int index);

// The page as a 480 x 400 RGB32 picture of pure black and white (AsStored:
// 1-bit, as embedded). Null for an index that is no page.
QImage LoadPagePicture(int index, PictureForm form = PictureForm::Full);

// Who made the page's pattern: "ZQ", the maker's own mark, for every page of
// this book. Empty for an index that is no page.
QString LoadAttributionText(int index);

}  // namespace atoz
