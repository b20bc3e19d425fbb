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
  // A streamed voice's `samples` is a window of kStreamWindowFrames source frames that the
  // source refills; `phase` counts from the window's first frame, which is source frame
  // `streamBase`.
  StreamSource* stream = nullptr;
  uint64_t streamBase = 0;
  bool streamEnded = false;  // the source has given its last frame into the window
  Voice* prev = nullptr;     // the list of open voices
  Voice* next = nullptr;
};

namespace audio {

// Source frames a streamed voice's window holds.
constexpr uint32_t kStreamWindowFrames = 1024;

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

// Converts PCM bytes of the format (8-bit unsigned around 128, or 16-bit signed little-endian)
// into `samples` 16-bit samples.
void ConvertPcm(const PcmFormat& format, const uint8_t* pcm, size_t samples, int16_t* out);

// Mixes `frames` frames of every playing voice into out (stereo, left first), clamped to 16 bits.
void Mix(int16_t* out, uint32_t frames);
// Moves every playing voice on by `frames` frames without producing output, exactly as Mix would.
void Advance(uint64_t frames);

}  // namespace audio
}  // namespace host
