// The mixer: resamples every playing voice to the device rate by linear interpolation, scales it
// by its own volume and the master volume, sums and clamps. Positions are 32.32 source frames,
// so moving on by n output frames at once lands exactly where n single steps would.
#include "host/audio_mixer.h"

#include <algorithm>
#include <cstring>

namespace host::audio {
namespace {

std::mutex audioLock;
Voice* firstVoice = nullptr;
std::atomic<uint32_t> masterVolume{kFullVolume};

constexpr uint32_t kMixChunk = 256;           // frames summed per pass over the voices
constexpr uint64_t kAdvanceChunk = 1u << 20;  // frames per move, keeps frames x step below 2^60

// A 16-bit volume as a gain in 0..0x10000, so that 0xFFFF passes samples through unchanged.
int64_t Gain(uint32_t volume16) {
  return volume16 + (volume16 >> 15);
}

// The voice's gain times the master gain, both 0..0x10000, as a gain in 0..0x10000.
int64_t CombinedGain(uint32_t voice16, uint32_t master16) {
  return (Gain(voice16) * Gain(master16) + 0x8000) >> 16;
}

int32_t SampleAt(const Voice& voice, uint32_t frame, uint32_t channel) {
  return voice.samples[static_cast<size_t>(frame) * voice.format.channels + channel];
}

// The frame that follows `frame` in what the voice will play: the next one, the first one when
// another pass follows, else the same one (the sound holds its last value).
uint32_t FollowingFrame(const Voice& voice, uint32_t frame) {
  if (frame + 1 < voice.frames) return frame + 1;
  bool morePasses = voice.loops >= kEndlessLoops || voice.passesLeft > 1;
  return morePasses ? 0 : frame;
}

// Sample value at the voice's position with 16 fraction bits.
int64_t Interpolate(const Voice& voice, uint32_t frame, uint32_t following, uint32_t channel) {
  int64_t fraction = static_cast<uint32_t>(voice.phase) >> 16;
  int64_t a = SampleAt(voice, frame, channel);
  int64_t b = SampleAt(voice, following, channel);
  return a * 0x10000 + (b - a) * fraction;
}

// A value with 16 fraction bits times a gain of 0..0x10000, rounded to the nearest integer.
int32_t Scale(int64_t value, int64_t gain) {
  return static_cast<int32_t>((value * gain + (int64_t{1} << 31)) >> 32);
}

void Finish(Voice* voice) {
  voice->phase = static_cast<uint64_t>(voice->frames) << 32;
  voice->passesLeft = 0;
  voice->playing = false;
  voice->finished.store(true, std::memory_order_release);
}

// Moves a playing voice on by `distance` (32.32 source frames), counting the passes it ends.
void MoveOn(Voice* voice, uint64_t distance) {
  const uint64_t passLength = static_cast<uint64_t>(voice->frames) << 32;
  if (passLength == 0) return Finish(voice);
  voice->phase += distance;
  if (voice->phase < passLength) return;
  uint64_t passes = voice->phase / passLength;
  voice->phase %= passLength;
  if (voice->loops >= kEndlessLoops) return;
  if (passes >= voice->passesLeft) return Finish(voice);
  voice->passesLeft -= static_cast<uint32_t>(passes);
}

// ---- Streamed voices ----

// Refills a streamed voice's window until it holds the frame at the voice's position and the
// one after it, or the source has ended. Frames before the position are dropped first.
void Pull(Voice* voice) {
  const uint32_t channels = voice->format.channels;
  for (;;) {
    const uint64_t frame = voice->phase >> 32;
    if (frame + 1 < voice->frames || voice->streamEnded) return;
    const uint32_t drop = static_cast<uint32_t>(std::min<uint64_t>(frame, voice->frames));
    std::memmove(voice->samples, voice->samples + size_t{drop} * channels,
                 size_t{voice->frames - drop} * channels * sizeof(int16_t));
    voice->frames -= drop;
    voice->streamBase += drop;
    voice->phase -= uint64_t{drop} << 32;
    const uint32_t want = kStreamWindowFrames - voice->frames;
    const uint32_t got = std::min(
        voice->stream->read(voice->samples + size_t{voice->frames} * channels, want), want);
    voice->frames += got;
    if (got < want) voice->streamEnded = true;
  }
}

// Moves a streamed voice on by `distance`; true while it still has a frame to play.
bool MoveStreamOn(Voice* voice, uint64_t distance) {
  voice->phase += distance;
  Pull(voice);
  if ((voice->phase >> 32) < voice->frames) return true;
  voice->streamBase += voice->frames;
  voice->frames = 0;
  Finish(voice);
  return false;
}

void RenderStream(Voice* voice, int32_t* sum, uint32_t frames, int64_t gainLeft,
                  int64_t gainRight) {
  const uint32_t rightChannel = voice->format.channels == 2 ? 1 : 0;
  if (!MoveStreamOn(voice, 0)) return;
  for (uint32_t i = 0; i < frames; ++i) {
    const uint32_t frame = static_cast<uint32_t>(voice->phase >> 32);
    const uint32_t following = frame + 1 < voice->frames ? frame + 1 : frame;
    sum[2 * i] += Scale(Interpolate(*voice, frame, following, 0), gainLeft);
    sum[2 * i + 1] += Scale(Interpolate(*voice, frame, following, rightChannel), gainRight);
    if (!MoveStreamOn(voice, voice->step)) return;
  }
}

void Render(Voice* voice, int32_t* sum, uint32_t frames, uint32_t master) {
  const int64_t gainLeft = CombinedGain(voice->volume & 0xFFFF, master & 0xFFFF);
  const int64_t gainRight = CombinedGain(voice->volume >> 16, master >> 16);
  if (voice->stream) return RenderStream(voice, sum, frames, gainLeft, gainRight);
  const uint32_t rightChannel = voice->format.channels == 2 ? 1 : 0;
  for (uint32_t i = 0; i < frames && voice->playing; ++i) {
    const uint32_t frame = static_cast<uint32_t>(voice->phase >> 32);
    const uint32_t following = FollowingFrame(*voice, frame);
    sum[2 * i] += Scale(Interpolate(*voice, frame, following, 0), gainLeft);
    sum[2 * i + 1] += Scale(Interpolate(*voice, frame, following, rightChannel), gainRight);
    MoveOn(voice, voice->step);
  }
}

int16_t Clamp16(int32_t value) {
  return static_cast<int16_t>(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX));
}

}  // namespace

std::mutex& AudioLock() {
  return audioLock;
}

// ---- The list of open voices ----

void LinkVoice(Voice* voice) {
  voice->prev = nullptr;
  voice->next = firstVoice;
  if (firstVoice) firstVoice->prev = voice;
  firstVoice = voice;
}

void UnlinkVoice(Voice* voice) {
  if (voice->prev)
    voice->prev->next = voice->next;
  else
    firstVoice = voice->next;
  if (voice->next) voice->next->prev = voice->prev;
  voice->prev = voice->next = nullptr;
}

// ---- Voice playback state ----

void UpdateStep(Voice* voice) {
  // Source rate < 2^19 and rate <= 2^19, so the shifted product stays below 2^54.
  uint64_t scaled = (static_cast<uint64_t>(voice->format.sampleRate) * voice->rate) << 16;
  voice->step = scaled / kAudioRate;
}

void Rewind(Voice* voice) {
  voice->phase = 0;
  voice->passesLeft = voice->loops;
}

void Silence(Voice* voice) {
  voice->playing = false;
  voice->finished.store(false, std::memory_order_release);
}

// ---- Mixing ----

void ConvertPcm(const PcmFormat& format, const uint8_t* pcm, size_t samples, int16_t* out) {
  if (format.bitsPerSample == 8) {
    for (size_t i = 0; i < samples; ++i) out[i] = static_cast<int16_t>((pcm[i] - 128) * 256);
    return;
  }
  for (size_t i = 0; i < samples; ++i) {
    out[i] = static_cast<int16_t>(pcm[2 * i] | (pcm[2 * i + 1] << 8));
  }
}

void Mix(int16_t* out, uint32_t frames) {
  const uint32_t master = masterVolume.load(std::memory_order_relaxed);
  int32_t sum[2 * kMixChunk];
  while (frames > 0) {
    const uint32_t chunk = std::min(frames, kMixChunk);
    std::fill_n(sum, 2 * chunk, 0);
    for (Voice* voice = firstVoice; voice; voice = voice->next) {
      if (voice->playing) Render(voice, sum, chunk, master);
    }
    for (uint32_t i = 0; i < 2 * chunk; ++i) out[i] = Clamp16(sum[i]);
    out += 2 * chunk;
    frames -= chunk;
  }
}

void Advance(uint64_t frames) {
  for (Voice* voice = firstVoice; voice; voice = voice->next) {
    for (uint64_t left = frames; left > 0 && voice->playing;) {
      // A streamed voice moves on a window at a time, so its source decodes what is skipped.
      const uint64_t chunk = std::min(left, voice->stream ? kStreamWindowFrames : kAdvanceChunk);
      if (voice->stream) {
        MoveStreamOn(voice, chunk * voice->step);
      } else {
        MoveOn(voice, chunk * voice->step);
      }
      left -= chunk;
    }
  }
}

}  // namespace host::audio

namespace host {

uint32_t GetMasterVolume() {
  return audio::masterVolume.load(std::memory_order_relaxed);
}

void SetMasterVolume(uint32_t volume) {
  audio::masterVolume.store(volume, std::memory_order_relaxed);
}

}  // namespace host
