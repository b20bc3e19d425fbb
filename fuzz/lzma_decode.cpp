// Fuzz target: cGame::lzmaDecode over any payload. Each decode gives either an array exactly
// the header's unpacked size long, or null after one trace line; it never reads or
// writes outside its arrays (the sanitizers watch the heap arenas) and never hangs.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_runtime.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

// A small data heap keeps every unpacked size, and so every run, short.
constexpr int32_t kFuzzDataHeapSize = 2 * 1024 * 1024;

int traceLines = 0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Application* application = StartFuzzRuntime(kFuzzDataHeapSize, &traceLines);
  (void)application;
  ByteArray* payload = FuzzBytes(data, size);
  traceLines = 0;
  cGame::lzmaDecode(payload);
  ByteArray* output = Statics<GameStatics>()->cGame_lzmaOutput;
  Statics<GameStatics>()->cGame_lzmaOutput = nullptr;
  if (output) {
    FuzzCheck(size >= 13);
    FuzzCheck(output->length == cGame::readIntLE(payload, 5));  // the header's unpacked size
  } else {
    FuzzCheck(traceLines > 0);
  }
  // Only a small probability table (lc + lp at most 4) stays for the next entry.
  ShortArray* probs = Statics<GameStatics>()->cGame_lzmaProbs;
  FuzzCheck(Statics<GameStatics>()->cGame_lzmaInput == nullptr &&
            (!probs || probs->length <= 14134));
  return 0;
}
