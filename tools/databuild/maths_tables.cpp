// Fixed-point tables, each value rounded half away from zero from its double.
#include "tools/databuild/maths_tables.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/databuild/data_cursor_writer.h"

namespace databuild {

namespace {

constexpr int kTableSize = 256;

template <class F>
std::vector<int32_t> Tabulate(int count, F value) {
  std::vector<int32_t> table;
  for (int i = 0; i < count; i++) table.push_back(static_cast<int32_t>(std::lround(value(i))));
  return table;
}

}  // namespace

std::vector<int32_t> FixedCosineTable() {
  return Tabulate(65, [](int i) { return 256 * std::cos(2 * std::numbers::pi * i / 256); });
}

std::vector<int32_t> FixedSquareRootTable() {
  return Tabulate(kTableSize, [](int i) { return 256 * std::sqrt(i); });
}

std::vector<int32_t> SineQuarterTable() {
  return Tabulate(kTableSize,
                  [](int i) { return 65536 * std::sin(2 * std::numbers::pi * i / 1024); });
}

std::vector<int32_t> ArcTangentTable() {
  std::vector<int32_t> table =
      Tabulate(kTableSize, [](int i) { return std::atan(i / 255.0) * 512 / std::numbers::pi; });
  for (int32_t& angle : table) angle = std::min(angle, 127);
  return table;
}

std::vector<int32_t> NeighbourDxTable() {
  return {1, 1, 0, -1, -1, 0};
}

std::vector<int32_t> NeighbourDyTable() {
  return {0, -1, -1, 0, 1, 1};
}

std::vector<int32_t> OppositeDirectionTable() {
  return {3, 4, 5, 0, 1, 2};
}

std::vector<uint8_t> WriteBoardTables() {
  DataCursorWriter out;
  for (int table = 0; table < 3; table++) out.writeShortArray({});
  out.writeByteArray(NeighbourDxTable());
  out.writeByteArray(NeighbourDyTable());
  out.writeByteArray(OppositeDirectionTable());
  out.writeByteArray({});
  out.writeShortArray({});
  return out.take();
}

std::vector<uint8_t> WriteAngleTables() {
  DataCursorWriter out;
  out.writeIntArray(SineQuarterTable());
  out.writeByteArray(ArcTangentTable());
  return out.take();
}

}  // namespace databuild
