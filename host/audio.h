// Voice-based audio output: one device (SDL2 or the null device) mixes every open voice into
// 16-bit stereo at kAudioRate. The audio thread only moves voice records on and sets their
// finished flags; it never calls into other code and never touches a managed object.
#pragma once

#include <cstdint>
#include <string>

namespace host {

// Output format of both devices: 16-bit signed stereo frames at this rate.
constexpr uint32_t kAudioRate = 44100;

// The volume word of voices and of the master volume: low 16 bits left, high 16 bits right,
// 0 silent to 0xFFFF full.
constexpr uint32_t kFullVolume = 0xFFFFFFFFu;

// Playback rates are 16.16 fixed point: 0x10000 plays at the recorded speed.
constexpr uint32_t kNormalPlaybackRate = 0x10000;
constexpr uint32_t kMaxPlaybackRate = 0x80000;  // 8.0

// A loop count at or above this never runs out.
constexpr uint32_t kEndlessLoops = 0x7FFFFFFF;

// Highest source rate a voice accepts, in frames per second.
constexpr uint32_t kMaxSourceRate = 384000;

// ---- Device ----

enum class AudioBackend {
  kSdl,   // the SDL2 audio device
  kNull,  // consumes sound silently at the rate of the current clock (host/clock.h)
};

// Opens the output device. False, with the reason in *error when given, when a device is
// already open or the system refuses one. Call from the main thread (SDL is called there only).
bool OpenAudioDevice(AudioBackend backend, std::string* error = nullptr);
// Stops the output. Open voices stay valid but no longer advance. Main thread only.
void CloseAudioDevice();
bool AudioDeviceOpen();

// Mixes the next `frames` frames on the null device, as if that much time had passed, into
// out (frames x 2 samples, left first) when out is not null. Before stepping, the device
// catches up with the current clock. Meant for tests that hold a ManualClock. False when the
// null device is not the open device.
bool StepNullAudio(uint32_t frames, int16_t* out);

// The master volume word applied to the whole mix on top of each voice's own volume.
uint32_t GetMasterVolume();
void SetMasterVolume(uint32_t volume);

// ---- Voices ----

// The PCM layouts a voice accepts: 8-bit unsigned or 16-bit signed little-endian samples,
// mono or stereo (interleaved, left first), any rate from 1 to kMaxSourceRate.
struct PcmFormat {
  uint32_t sampleRate;
  uint16_t channels;
  uint16_t bitsPerSample;
};

// One playing sound, owned by whoever opened it. Its record lives outside every managed heap.
struct Voice;

// Opens a voice in the given format: full volume, normal rate, nothing prepared. Null when no
// device is open or the format is not one of the accepted layouts.
Voice* OpenVoice(const PcmFormat& format);
// Silences the voice, takes it out of the mix under the audio lock and frees it: nothing of
// it is read or written after this returns. Null is ignored.
void CloseVoice(Voice* voice);

// Copies the PCM data into the voice (the caller may free its buffer afterwards); a trailing
// partial frame is dropped. Stops the voice first. False when the copy cannot be allocated.
bool PrepareVoice(Voice* voice, const void* pcm, uint32_t bytes);
// Stops the voice and drops its copy of the data.
void UnprepareVoice(Voice* voice);

// Plays the prepared data from its start, `loops` times in a row (0 and 1 play once,
// kEndlessLoops and above play until reset). Clears the finished flag. False when nothing is
// prepared.
bool WriteVoice(Voice* voice, uint32_t loops);
// Stops the voice at once; the finished flag is cleared, not set.
void ResetVoice(Voice* voice);
// Rewinds the voice to the start of its data with its full loop count again; a playing voice
// keeps playing, a stopped one stays stopped.
void RestartVoice(Voice* voice);
// True once the last pass of the data written has played to its end.
bool VoiceFinished(const Voice* voice);
// Source frames played in the current pass (the frame count after the end once finished).
uint32_t VoicePosition(const Voice* voice);

// The voice's own volume word (kFullVolume when opened).
uint32_t GetVoiceVolume(const Voice* voice);
void SetVoiceVolume(Voice* voice, uint32_t volume);
// Playback rate in 16.16; setting refuses 0 and rates above kMaxPlaybackRate.
uint32_t GetVoicePlaybackRate(const Voice* voice);
bool SetVoicePlaybackRate(Voice* voice, uint32_t rate);

// ---- Streamed voices ----

// Where a streamed voice takes its sound from: a decoder that the mixer calls on the audio
// thread, under the audio lock, as it needs more frames. It must not block, and it works on
// native memory only.
class StreamSource {
 public:
  // Writes up to `frames` frames of 16-bit samples (interleaved as the voice's channels) into
  // out; the count written. Fewer than asked ends the sound: it is complete once they play.
  virtual uint32_t read(int16_t* out, uint32_t frames) = 0;
  // Puts the next read at source frame `frame`; false when the source cannot go there.
  virtual bool seek(uint64_t frame) = 0;

 protected:
  ~StreamSource() = default;
};

// Opens a voice that plays what the source gives, 16-bit at the format's rate and channels,
// stopped at frame 0. The source is not owned and must outlive the voice (CloseVoice ends its
// use). Null when no device is open or the format is not accepted.
Voice* OpenStreamVoice(const PcmFormat& format, StreamSource* source);
// Lets the voice play on from where it is; a voice whose sound is complete stays complete.
void RunStreamVoice(Voice* voice);
// Holds the voice where it is (ResetVoice's stop, keeping the finished flag).
void PauseStreamVoice(Voice* voice);
// Moves the source and the voice to source frame `frame` and clears the finished flag; a
// playing voice plays on from there. False (nothing moved) when the source refuses.
bool SeekStreamVoice(Voice* voice, uint64_t frame);
// Source frames the voice has played since frame 0 (a seek sets it).
uint64_t StreamVoicePosition(const Voice* voice);

}  // namespace host
