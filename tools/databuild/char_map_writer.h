// Writer of a bitmap font's character table: the short[] that cGame::buildFontCharMap reads,
// mapping characters to the font sprite's frames through buckets of (character, frame) pairs.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace databuild {

struct CharFrame {
  char16_t character;
  int frame;
};

// Layout: [0] the bucket count B; then B (character, frame) pairs, the first of each bucket
// (bucket b holds the characters c with c mod B = b); then, for each bucket with more, a group
// of (b, n, n further pairs). A bucket without a character of its own starts with (b, 1): b is
// below 32, a control character no text draws as a glyph, and frame 1 is the missing glyph.
// A bucket count outside 1..32, a character given twice or a frame outside 0..32767 is a
// BuildError.
std::vector<int32_t> WriteCharMap(std::span<const CharFrame> characters, int buckets);

}  // namespace databuild
