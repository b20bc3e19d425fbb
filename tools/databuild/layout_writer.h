// Writer of layout records, and the game's layouts: the screen layout (entry 0 of the menus
// pack) and the menu layouts 1..19 (entries 1..19), in the format cGame::parseLayout and
// cGame::parseLayoutTable read.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace databuild {

// One record: its type, its place and its values (value k is values[k]). The word after the
// type is read past by the game; `ignored` lets a fixture put anything there.
struct LayoutRecord {
  int type = 0;
  int x = 0, y = 0;
  std::vector<int> values;
  int ignored = 0;
};

// Records back to back, each word little-endian signed 16-bit: type, ignored, x, y, n, then
// the n values. A word outside -32768..32767 is a BuildError.
std::vector<uint8_t> WriteLayoutRecords(std::span<const LayoutRecord> records);

constexpr int kLayoutEntryCount = 20;

// The records of entry e: 0 the screen layout (screen groups 0..8), 1..19 menu layout e.
std::vector<LayoutRecord> LayoutEntryRecords(int e);

// Every entry, written.
std::vector<std::vector<uint8_t>> LayoutEntries();

}  // namespace databuild
