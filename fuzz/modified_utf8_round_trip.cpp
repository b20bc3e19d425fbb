// Fuzz target: the builder's modified-UTF-8 writer against its reader. The input is read two
// ways: as UTF-16 units (little-endian pairs), which must come back unchanged through encoding
// and decoding and never encode to a zero byte; and as encoded bytes, which the reader must
// take or refuse without reading past them, and whose text must survive a second round.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/support/fuzz_runtime.h"
#include "tools/databuild/modified_utf8.h"

namespace {

void RoundTripUnits(std::span<const uint8_t> data) {
  std::u16string text;
  for (size_t i = 0; i + 1 < data.size(); i += 2) {
    text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
  }
  const std::vector<uint8_t> encoded = databuild::EncodeModifiedUtf8(text);
  for (const uint8_t byte : encoded) FuzzCheck(byte != 0);
  FuzzCheck(databuild::DecodeModifiedUtf8(encoded) == text);
}

void DecodeBytes(std::span<const uint8_t> data) {
  const std::optional<std::u16string> text = databuild::DecodeModifiedUtf8(data);
  if (!text) return;
  FuzzCheck(databuild::DecodeModifiedUtf8(databuild::EncodeModifiedUtf8(*text)) == *text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> input(data, size);
  RoundTripUnits(input);
  DecodeBytes(input);
  return 0;
}
