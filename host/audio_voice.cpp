// The voice calls of the audio output. Each takes the audio lock and first lets the null device
// catch up with the clock, so what a caller observes is what the device has played by now.
#include <algorithm>
#include <cstdlib>
#include <new>

#include "host/audio_backend.h"
#include "host/audio_mixer.h"

namespace host {
namespace {

using Guard = std::lock_guard<std::mutex>;

// Takes the audio lock with the null device brought up to date.
struct SyncedGuard {
  SyncedGuard() : guard(audio::AudioLock()) { audio::SyncNullDevice(); }
  Guard guard;
};

bool Acceptable(const PcmFormat& format) {
  return (format.channels == 1 || format.channels == 2) &&
         (format.bitsPerSample == 8 || format.bitsPerSample == 16) && format.sampleRate > 0 &&
         format.sampleRate <= kMaxSourceRate;
}

// Stops the voice and takes its prepared copy out of it; the caller frees what is returned.
int16_t* Detach(Voice* voice) {
  audio::Silence(voice);
  int16_t* samples = voice->samples;
  voice->samples = nullptr;
  voice->frames = 0;
  return samples;
}

}  // namespace

// ---- Opening and closing ----

Voice* OpenVoice(const PcmFormat& format) {
  if (!AudioDeviceOpen() || !Acceptable(format)) return nullptr;
  Voice* voice = new (std::nothrow) Voice;
  if (!voice) return nullptr;
  voice->format = format;
  audio::UpdateStep(voice);
  SyncedGuard guard;
  audio::LinkVoice(voice);
  return voice;
}

void CloseVoice(Voice* voice) {
  if (!voice) return;
  int16_t* samples;
  {
    SyncedGuard guard;
    samples = Detach(voice);
    audio::UnlinkVoice(voice);
  }
  std::free(samples);
  delete voice;
}

// ---- Data ----

bool PrepareVoice(Voice* voice, const void* pcm, uint32_t bytes) {
  if (!voice || (!pcm && bytes > 0)) return false;
  const uint32_t frameBytes = voice->format.channels * (voice->format.bitsPerSample / 8);
  const uint32_t frames = std::min(bytes / frameBytes, audio::kMaxVoiceFrames);
  const size_t samples = static_cast<size_t>(frames) * voice->format.channels;
  auto* copy = static_cast<int16_t*>(std::malloc(samples > 0 ? samples * sizeof(int16_t) : 1));
  if (!copy) return false;
  audio::ConvertPcm(voice->format, static_cast<const uint8_t*>(pcm), samples, copy);
  int16_t* old;
  {
    SyncedGuard guard;
    old = Detach(voice);
    voice->samples = copy;
    voice->frames = frames;
  }
  std::free(old);
  return true;
}

void UnprepareVoice(Voice* voice) {
  if (!voice) return;
  int16_t* old;
  {
    SyncedGuard guard;
    old = Detach(voice);
  }
  std::free(old);
}

// ---- Playing ----

bool WriteVoice(Voice* voice, uint32_t loops) {
  if (!voice) return false;
  SyncedGuard guard;
  if (!voice->samples) return false;
  voice->loops = loops > 1 ? loops : 1;
  audio::Rewind(voice);
  voice->finished.store(voice->frames == 0, std::memory_order_release);
  voice->playing = voice->frames > 0;
  return true;
}

void ResetVoice(Voice* voice) {
  if (!voice) return;
  SyncedGuard guard;
  audio::Silence(voice);
}

void RestartVoice(Voice* voice) {
  if (!voice) return;
  SyncedGuard guard;
  audio::Rewind(voice);
}

bool VoiceFinished(const Voice* voice) {
  if (!voice) return false;
  SyncedGuard guard;
  return voice->finished.load(std::memory_order_acquire);
}

uint32_t VoicePosition(const Voice* voice) {
  if (!voice) return 0;
  SyncedGuard guard;
  return static_cast<uint32_t>(voice->phase >> 32);
}

// ---- Volume and rate ----

uint32_t GetVoiceVolume(const Voice* voice) {
  if (!voice) return 0;
  Guard guard(audio::AudioLock());
  return voice->volume;
}

void SetVoiceVolume(Voice* voice, uint32_t volume) {
  if (!voice) return;
  SyncedGuard guard;
  voice->volume = volume;
}

uint32_t GetVoicePlaybackRate(const Voice* voice) {
  if (!voice) return 0;
  Guard guard(audio::AudioLock());
  return voice->rate;
}

bool SetVoicePlaybackRate(Voice* voice, uint32_t rate) {
  if (!voice || rate == 0 || rate > kMaxPlaybackRate) return false;
  SyncedGuard guard;
  voice->rate = rate;
  audio::UpdateStep(voice);
  return true;
}

// ---- Streamed voices ----

Voice* OpenStreamVoice(const PcmFormat& format, StreamSource* source) {
  if (!source || format.bitsPerSample != 16) return nullptr;
  auto* window = static_cast<int16_t*>(
      std::malloc(size_t{audio::kStreamWindowFrames} * format.channels * sizeof(int16_t)));
  if (!window) return nullptr;
  Voice* voice = OpenVoice(format);
  if (!voice) {
    std::free(window);
    return nullptr;
  }
  SyncedGuard guard;
  voice->samples = window;
  voice->stream = source;
  return voice;
}

void RunStreamVoice(Voice* voice) {
  if (!voice) return;
  SyncedGuard guard;
  voice->playing = !voice->finished.load(std::memory_order_relaxed);
}

void PauseStreamVoice(Voice* voice) {
  if (!voice) return;
  SyncedGuard guard;
  voice->playing = false;
}

bool SeekStreamVoice(Voice* voice, uint64_t frame) {
  if (!voice || !voice->stream) return false;
  SyncedGuard guard;
  if (!voice->stream->seek(frame)) return false;
  voice->frames = 0;
  voice->phase = 0;
  voice->streamBase = frame;
  voice->streamEnded = false;
  voice->finished.store(false, std::memory_order_release);
  return true;
}

uint64_t StreamVoicePosition(const Voice* voice) {
  if (!voice) return 0;
  SyncedGuard guard;
  return voice->streamBase + (voice->phase >> 32);
}

}  // namespace host
