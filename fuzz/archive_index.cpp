// Fuzz target: the archive index over any bytes as "data.bar". Every lookup gives null or a
// stream that ends by the entry's size; nothing reads outside the file, and nothing hangs.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_data_root.h"
#include "game/cgame.h"
#include "javame/input_stream.h"
#include "platform/whole_stream.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 2 * 1024 * 1024;
constexpr int32_t kMostLookups = 16;  // entries read whole per input

void ReadEntry(String* name) {
  java_io_InputStream* in = cGame::findArchiveEntry(name);
  if (!in) return;
  const int32_t size = in->available();
  ByteArray* bytes = ReadWholeStream(in);
  ClearPendingException();
  FuzzCheck(!bytes || bytes->length <= size);
  in->close();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzDataRoot& root = StartFuzzRuntimeWithData(kFuzzDataHeapSize, nullptr);
  root.plantArchiveBytes(std::vector<uint8_t>(data, data + size));
  for (const char* name : {"constants.bin", "/a", "A", "//a", ""}) ReadEntry(NewJavaString(name));
  ObjectArray* names = Statics<GameStatics>()->cGame_archiveNames;
  for (int32_t i = 0; names && i < names->length && i < kMostLookups; i++) {
    if (auto* name = static_cast<String*>(names->elements()[i])) ReadEntry(name);
  }
  return 0;
}
