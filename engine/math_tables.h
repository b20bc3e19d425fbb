// The loaded tables of the fixed-point routines as those routines read them: a table is
// usable only when it is loaded with at least the entries its routine indexes.
#pragma once

#include <cstdint>

namespace math_tables {

constexpr int32_t kSineLength = 256;        // sinTable1024: a quarter turn, 16.16
constexpr int32_t kArcTangentLength = 256;  // atanTable1024: ratios 0..255 / 255
constexpr int32_t kCosineLength = 65;       // fixCosTable: angles 0..64 (a quarter), 8.8
constexpr int32_t kSquareRootLength = 256;  // fixSqrtTable: 256 sqrt(i)

// The table's elements, or null when it is missing or too short: then routine is traced,
// once per table until the table is loaded again. Valid until the next allocation.
const int32_t* SineTable(const char* routine);
const int8_t* ArcTangentTable(const char* routine);
const int32_t* CosineTable(const char* routine);
const int32_t* SquareRootTable(const char* routine);

}  // namespace math_tables
