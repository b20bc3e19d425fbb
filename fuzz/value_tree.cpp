// Fuzz target: cGame::readResourceObject over any bytes. A tree is read or null comes back
// with a trace line; the parse never reads past the bytes and never nests without bound.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_runtime.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/byte_array_input_stream.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 2 * 1024 * 1024;

int traceLines = 0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Application* application = StartFuzzRuntime(kFuzzDataHeapSize, &traceLines);
  (void)application;
  ByteArray* bytes = FuzzBytes(data, size);
  auto* in = NewObject<java_io_ByteArrayInputStream>(bytes);
  traceLines = 0;
  Statics<GameStatics>()->cGame_streamReadCount = 0;
  Object* root = cGame::readResourceObject(in);
  FuzzCheck(root || traceLines > 0);
  FuzzCheck(Statics<GameStatics>()->cGame_streamReadCount <= static_cast<int32_t>(size));
  return 0;
}
