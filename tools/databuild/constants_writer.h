// Writer of "constants.bin", the string-constant pool read at start-up.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/databuild/string_constants.h"

namespace databuild {

// Big-endian throughout:
//   offset 0  int32  count N
//   offset 4  N strings in the writeUTF form (uint16 byte length, modified UTF-8 bytes)
// String n of the file is the entry at position n of table.
std::vector<uint8_t> WriteConstantsFile(std::span<const StringConstant> table);

}  // namespace databuild
