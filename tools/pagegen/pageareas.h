#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// The 4-connected areas of white pixels of a black-and-white page: what a
// child can colour with one click each.
struct PageArea
{
    int pixels = 0;
    bool touchesEdge = false;   // the area outside the letter reaches the page edge
    int inscribedRadius = 0;    // chessboard distance from the area's deepest pixel to black
    QRect bounds;
};

std::vector<PageArea> WhiteAreas(const QImage& page);

// True when every pixel is pure black or pure white.
bool IsBlackAndWhite(const QImage& page);
