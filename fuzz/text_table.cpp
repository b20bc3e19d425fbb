// Fuzz target: the text table read from any bytes, every text fetched before and after the
// cache is built, and the same bytes through decodeUtf8 and formatNumber. Nothing reads
// outside the table, and a text is a String or null.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/support/fuzz_data_root.h"
#include "game/cgame.h"
#include "javame/byte_array_input_stream.h"
#include "runtime/array.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 2 * 1024 * 1024;
constexpr int32_t kUtf8Encoding = 270;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzDataRoot& root = StartFuzzRuntimeWithData(kFuzzDataHeapSize, nullptr);
  (void)root;
  GameStatics* s = Statics<GameStatics>();
  s->cGame_textEncoding = size > 0 && data[0] == 0 ? nullptr : GetConstantString(kUtf8Encoding);
  ByteArray* bytes = FuzzBytes(data, size);
  cGame::freeTextTable();
  const int32_t consumed = cGame::readTextTable(NewObject<java_io_ByteArrayInputStream>(bytes));
  FuzzCheck(consumed >= 0);
  const int32_t count = s->cGame_textCount;
  for (int32_t i = -1; i <= count; i++) cGame::getString(i);
  cGame::buildStringCache();
  for (int32_t i = -1; i <= count; i++) cGame::getString(i);
  FuzzCheck(cGame::decodeUtf8(bytes, 0, bytes->length) != nullptr);
  for (size_t i = 0; i + 5 <= size; i += 5) {
    int32_t n;
    std::memcpy(&n, data + i + 1, 4);
    FuzzCheck(cGame::formatNumber(n, data[i] % 17 - 1) != nullptr);
  }
  return 0;
}
