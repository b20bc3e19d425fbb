// The mixer shared by the audio back-ends: voice records, the list of open voices and the
// audio lock that guards both. Every function here expects the caller to hold AudioLock().
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "host/audio.h"

namespace host {

// A voice's record. Playback fields change only under the audio lock; `finished` is also read
// without it.
struct Voice {
  PcmFormat format;
  int16_t* samples = nullptr;  // prepared copy, 16-bit, interleaved as the source
  uint32_t frames = 0;         // frames in `samples`
  uint32_t volume = kFullVolume;
  uint32_t rate = kNormalPlaybackRate;
  uint64_t step = 0;   // source frames per output frame, 32.32
  uint64_t phase = 0;  // position in the current pass, source frames in 32.32
  uint32_t loops = 0;  // passes written
  uint32_t passesLeft = 0;
  bool playing = false;
  std::atomic<bool> finished{false};
  Voice* prev = nullptr;  // the list of open voices
  Voice* next = nullptr;
};

namespace audio {

// Frames the prepared copy may hold: keeps the 32.32 position of a whole pass below 2^63.
constexpr uint32_t kMaxVoiceFrames = 0x7FFFFFFFu;

std::mutex& AudioLock();

void LinkVoice(Voice* voice);
void UnlinkVoice(Voice* voice);

// Recomputes the step from the source rate and the playback rate.
void UpdateStep(Voice* voice);
// Puts a voice back at the start of its data with its full loop count.
void Rewind(Voice* voice);
// Stops a voice without marking it finished.
void Silence(Voice* voice);

// Mixes `frames` frames of every playing voice into out (stereo, left first), clamped to 16 bits.
void Mix(int16_t* out, uint32_t frames);
// Moves every playing voice on by `frames` frames without producing output, exactly as Mix would.
void Advance(uint64_t frames);

}  // namespace audio
}  // namespace host
