// Fuzz target: arbitrary templates through cGame::formatString. Input: byte 0 the number of
// arguments (0..15), then the template as UTF-16 units, low byte first; argument n is "<n>".
// A result always comes back, no longer than the template with each placeholder's three units
// given way to an argument of at most four.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_data_root.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 4 * 1024 * 1024;
constexpr size_t kLargestInput = 16 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool started = [] {
    StartFuzzRuntimeWithData(kFuzzDataHeapSize, nullptr);
    return true;
  }();
  if (!started || size < 1 || size > kLargestInput) return 0;
  const int32_t count = data[0] & 15;
  ObjectArray* args = NewObjectArray(cid::String, count);
  for (int32_t n = 0; n < count; n++) {
    const std::string text = "<" + std::to_string(n) + ">";
    args->elements()[n] = NewJavaString(text.c_str());
  }
  std::u16string units;
  for (size_t i = 1; i + 1 < size; i += 2)
    units.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
  String* format = NewObject<String>();
  format->initFromUnits(units.data(), 0, static_cast<int32_t>(units.size()));
  String* result = cGame::formatString(format, args);
  FuzzCheck(result != nullptr);
  // Each placeholder takes three units and gives an argument of at most four.
  FuzzCheck(result->length() <= 2 * format->length() + 4);
  return 0;
}
