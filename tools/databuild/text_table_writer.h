// Writer of text tables, the game's numbered texts.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace databuild {

// Table, little-endian: s32 text count N, N s32 end offsets into the data, then the texts'
// UTF-8 bytes one after the other. Text i is texts[i]; an empty text reads as null. A text
// that is not UTF-8 of one to three bytes a character is a BuildError.
std::vector<uint8_t> WriteTextTable(std::span<const std::string> texts);

}  // namespace databuild
