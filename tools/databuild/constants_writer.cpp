// "constants.bin" from the string-constant table.
#include "tools/databuild/constants_writer.h"

#include <string>

#include "tools/databuild/big_endian_writer.h"
#include "tools/databuild/build_error.h"
#include "tools/databuild/modified_utf8.h"

namespace databuild {

std::vector<uint8_t> WriteConstantsFile(std::span<const StringConstant> table) {
  BigEndianWriter out;
  out.writeI32(static_cast<int32_t>(table.size()));
  for (const StringConstant& constant : table) {
    try {
      WriteUtf(out, constant.text);
    } catch (const BuildError& error) {
      throw BuildError("string constant " + std::to_string(constant.number) + ": " + error.what());
    }
  }
  return out.take();
}

}  // namespace databuild
