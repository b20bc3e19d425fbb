// Fuzz target: the whole input as a WAV file, through the WAVE player (realize, play a little,
// close) and through Manager's choice by the first bytes. Nothing may read outside the sound
// data or the PCM (the sanitizers watch every buffer), the PCM never passes what the file
// holds, and a header the player refuses leaves it unrealized with a trace line.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_player.h"
#include "fuzz/support/fuzz_runtime.h"
#include "javame/byte_array_input_stream.h"
#include "javame/media.h"
#include "javame/media_manager.h"
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
  const int32_t length = static_cast<int32_t>(size);

  traceLines = 0;
  const int32_t pcmRoom =
      length > SoundPlayerWAVE::kWavHeaderSize ? length - SoundPlayerWAVE::kWavHeaderSize : 0;
  auto* wave = NewObject<SoundPlayerWAVE>(bytes, length);
  RealizeFuzzPlayer(wave, pcmRoom, &traceLines);
  PlayAndCloseFuzzPlayer(wave);

  Object* chosen = javax_microedition_media_Manager::createPlayer(
      NewObject<java_io_ByteArrayInputStream>(bytes), nullptr);
  javax_microedition_media_Player* player = AsPlayer(chosen);
  FuzzCheck(player != nullptr);
  player->start();
  player->close();

  if (++runs % kRunsPerCollection == 0) application->getObjectManager()->gc(kGcForced);
  return 0;
}
