// The game's fixed-point tables, computed once in double precision and rounded to the nearest
// integer: the 8.8 library's cosine and square roots, and the 1024-step sine and arc tangent.
#pragma once

#include <cstdint>
#include <vector>

namespace databuild {

// round(256 cos(2 pi i / 256)) for i = 0..64: a quarter turn of the 256-step angle, 8.8.
std::vector<int32_t> FixedCosineTable();
// round(256 sqrt(i)) for i = 0..255.
std::vector<int32_t> FixedSquareRootTable();
// round(65536 sin(2 pi i / 1024)) for i = 0..255: a quarter turn of the 1024-step angle, 16.16.
std::vector<int32_t> SineQuarterTable();
// round(atan(i / 255) 512 / pi) for i = 0..255, the angle of the ratio i / 255 in 1024 steps
// per turn. The last one, 128, does not fit the signed byte it is stored in: it is 127.
std::vector<int32_t> ArcTangentTable();

// The six hexagonal directions (0 right, 1 down-right, 2 down-left, 3 left, 4 up-left,
// 5 up-right): the change of column and of row of each one's step, and its opposite.
std::vector<int32_t> NeighbourDxTable();
std::vector<int32_t> NeighbourDyTable();
std::vector<int32_t> OppositeDirectionTable();

// The maths pack's entries in the data-cursor layout. Entry 0: the board's eight counted
// tables (three short arrays, four byte arrays, one short array); the first three byte arrays
// are the direction tables above, the others are empty for now. Entry 1:
// the sine quarter table as a counted int array, then the arc tangents as a counted byte array.
std::vector<uint8_t> WriteBoardTables();
std::vector<uint8_t> WriteAngleTables();

}  // namespace databuild
