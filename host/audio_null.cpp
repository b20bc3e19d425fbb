// The null device: plays sound silently at the rate of the current clock (host/clock.h), so a
// headless run on the real clock hears time pass as a device would, and a run on a test clock
// or --fixed-clock moves sound on only as that clock moves. Tests may also step it by hand.
#include "host/audio_backend.h"
#include "host/audio_mixer.h"
#include "host/clock.h"

namespace host::audio {
namespace {

// Guarded by the audio lock.
struct NullDevice {
  bool open = false;
  uint32_t lastTick = 0;      // clock reading at the last catch-up
  uint64_t elapsedMs = 0;     // clock time since opening; a clock that steps back adds nothing
  uint64_t framesPlayed = 0;  // frames moved on since opening, by the clock or by hand
};

NullDevice device;

}  // namespace

void OpenNullDevice() {
  std::lock_guard<std::mutex> guard(AudioLock());
  device = NullDevice{true, TickCount(), 0, 0};
}

void CloseNullDevice() {
  std::lock_guard<std::mutex> guard(AudioLock());
  device.open = false;
}

void SyncNullDevice() {
  if (!device.open) return;
  const uint32_t now = TickCount();
  const int32_t passed = static_cast<int32_t>(now - device.lastTick);
  device.lastTick = now;
  if (passed > 0) device.elapsedMs += static_cast<uint32_t>(passed);
  const uint64_t due = device.elapsedMs * kAudioRate / 1000;
  if (due <= device.framesPlayed) return;
  Advance(due - device.framesPlayed);
  device.framesPlayed = due;
}

}  // namespace host::audio

namespace host {

bool StepNullAudio(uint32_t frames, int16_t* out) {
  std::lock_guard<std::mutex> guard(audio::AudioLock());
  if (!audio::device.open) return false;
  audio::SyncNullDevice();
  if (out)
    audio::Mix(out, frames);
  else
    audio::Advance(frames);
  audio::device.framesPlayed += frames;
  return true;
}

}  // namespace host
