#pragma once

#include <vector>

// Squared Euclidean distance from the centre of every cell of a w x h grid
// (row after row) to the centre of the nearest cell marked in `source`.
// Cells of a grid with no mark at all get FarAway.
constexpr int FarAway = 1 << 29;
std::vector<int> SquaredDistance(const std::vector<char>& source, int w, int h);
