// The character table in the bucket layout that cGame::buildFontCharMap reads.
#include "tools/databuild/char_map_writer.h"

#include <set>
#include <string>

#include "tools/databuild/build_error.h"

namespace databuild {

namespace {

constexpr int kMostBuckets = 32;  // so that every empty bucket's stand-in is a control character
constexpr int kMissingFrame = 1;

}  // namespace

std::vector<int32_t> WriteCharMap(std::span<const CharFrame> characters, int buckets) {
  if (buckets < 1 || buckets > kMostBuckets) {
    throw BuildError("character map: " + std::to_string(buckets) + " buckets");
  }
  std::vector<std::vector<CharFrame>> bucket(static_cast<size_t>(buckets));
  std::set<char16_t> seen;
  for (const CharFrame& c : characters) {
    if (!seen.insert(c.character).second) {
      throw BuildError("character map: character " + std::to_string(c.character) + " twice");
    }
    if (c.frame < 0 || c.frame > 32767) {
      throw BuildError("character map: frame " + std::to_string(c.frame));
    }
    bucket[c.character % buckets].push_back(c);
  }
  std::vector<int32_t> table = {buckets};
  for (int b = 0; b < buckets; b++) {
    const std::vector<CharFrame>& pairs = bucket[static_cast<size_t>(b)];
    if (pairs.empty()) {
      table.insert(table.end(), {b, kMissingFrame});
    } else {
      table.insert(table.end(), {pairs[0].character, pairs[0].frame});
    }
  }
  for (int b = 0; b < buckets; b++) {
    const std::vector<CharFrame>& pairs = bucket[static_cast<size_t>(b)];
    if (pairs.size() < 2) continue;
    table.insert(table.end(), {b, static_cast<int32_t>(pairs.size() - 1)});
    for (size_t i = 1; i < pairs.size(); i++) {
      table.insert(table.end(), {pairs[i].character, pairs[i].frame});
    }
  }
  return table;
}

}  // namespace databuild
