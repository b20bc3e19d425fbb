// Fuzz target: the whole input as an Ogg Vorbis file, decoded from memory by the Ogg player
// (Tremor reads it through callbacks that stay inside the data), played a little and closed.
// Decoding ends, the PCM is whole 16-bit frames of one or two channels within the player's
// limit, and a stream the player refuses leaves it unrealized with a trace line.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_player.h"
#include "fuzz/support/fuzz_runtime.h"
#include "platform/sound_player_ogg.h"
#include "runtime/array.h"
#include "runtime/object_manager.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 1024 * 1024;
constexpr int kRunsPerCollection = 64;

int traceLines = 0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Application* application = StartFuzzRuntime(kFuzzDataHeapSize, &traceLines);
  static int runs = 0;
  OpenFuzzAudio();
  if (size > static_cast<size_t>(kFuzzDataHeapSize) / 4) return 0;
  ByteArray* bytes = FuzzBytes(data, size);

  traceLines = 0;
  auto* player = NewObject<SoundPlayerOGG>(bytes, static_cast<int32_t>(size));
  if (RealizeFuzzPlayer(player, SoundPlayerOGG::kMaxDecodedBytes, &traceLines)) {
    FuzzCheck(player->channels == 1 || player->channels == 2);
    FuzzCheck(player->pcmLength % (2 * player->channels) == 0);
  }
  PlayAndCloseFuzzPlayer(player);

  if (++runs % kRunsPerCollection == 0) application->getObjectManager()->gc(kGcForced);
  return 0;
}
