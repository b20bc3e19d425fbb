// SoundPlayerWAVE: a whole sound held in memory, played on one host audio voice. It takes the
// PCM format from the canonical 44-byte WAV header and hands the voice all the PCM at once,
// looping by the voice's loop count. The audio thread only sets the voice's finished flag; the
// player reads it and turns 400 into 300 at its next state check. SoundPlayerOGG derives from it.
#pragma once

#include <cstdint>

#include "javame/media.h"
#include "runtime/object.h"

class ByteArray;
namespace host {
struct Voice;
}

class SoundPlayerWAVE : public Object,
                        public javax_microedition_media_Player,
                        public javax_microedition_media_control_VolumeControl,
                        public javax_microedition_media_control_TempoControl {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_media_Player;

  // The canonical header, little-endian; nothing but RIFF and the fields used is checked:
  //   0  "RIFF"   4  u32 file size - 8      8  "WAVE"
  //   12 "fmt "   16 u32 format size        20 u16 format tag   22 u16 channels
  //   24 u32 sample rate   28 u32 byte rate   32 u16 block align   34 u16 bits per sample
  //   36 "data"   40 u32 PCM bytes          44 the PCM
  static constexpr int32_t kWavHeaderSize = 44;

  // The rates RateControl accepts, in thousandths of a percent.
  static constexpr int32_t kMinRate = 50000;
  static constexpr int32_t kMaxRate = 200000;

  // The 18-byte wave format record.
  struct WaveFormat {
    uint16_t formatTag;
    uint16_t channels;
    uint32_t samplesPerSec;
    uint32_t avgBytesPerSec;
    uint16_t blockAlign;
    uint16_t bitsPerSample;
    uint16_t cbSize;
  };

  // What the voice plays: the PCM data and its length in bytes.
  struct WaveBuffer {
    uint8_t* data;
    int32_t length;
  };

  // Copies the first size bytes of data (cut to the array) to the native heap; state 100,
  // level 100, loop count 1.
  SoundPlayerWAVE(ByteArray* data, int32_t size);

  // ---- Object (platform/sound_player_wave.cpp) ----
  void finalize() override;  // closes the player unless it is closed
  void* getInterface(int32_t interfaceId) override;

  // ---- Player (platform/sound_player_wave.cpp) ----
  // Only in 100: the format, the PCM data and the voice; 200 when all three are had, else
  // the player stays in 100 with a trace line naming what was wrong.
  void realize() override;
  // From 100 realizes first; from 200 hands the PCM to the voice and reads the voice's
  // volume into the level; 300.
  void prefetch() override;
  // From 100 or 200 goes through realize and prefetch; in 300 and not muted plays the PCM
  // with the current loop count; 400.
  void start() override;
  void stop() override;        // in 400: silences the voice at once; 300
  void deallocate() override;  // in 300: the voice drops its PCM; 200
  // Unless closed: stop, deallocate, free the PCM and the sound data, close the voice; 0.
  // Nothing of the voice plays or is read afterwards.
  void close() override;
  // 0 or less rewinds the voice; later times are not supported (a warning). Returns now.
  int64_t setMediaTime(int64_t now) override;
  // The voice's position in whole milliseconds, x 1000; -1 without a voice.
  int64_t getMediaTime() override;
  int32_t getState() override;
  int64_t getDuration() override;     // microseconds; 0 before realize
  String* getContentType() override;  // "audio/x-wav"
  // Below 0 loops endlessly (0x7fffffff), 0 plays once; every later start uses it.
  void setLoopCount(int32_t count) override;

  // ---- Controls (platform/sound_player_wave_controls.cpp) ----
  // The player itself for "VolumeControl", "RateControl" and "TempoControl" (case ignored).
  Object* getControl(String* controlType) override;
  ObjectArray* getControls() override;  // {the player}
  // Muting silences the voice and keeps start from playing; unmuting restores the level.
  void setMute(bool mute) override;
  bool isMuted() override;
  // Clamps to 0..100 and sets the voice's gain on both channels; returns the old level.
  int32_t setLevel(int32_t level) override;
  int32_t getLevel() override;
  // Clamps the rate to kMinRate..kMaxRate and sets the voice's playback rate; returns the
  // rate before the change, or -1 for a negative rate, without a voice, or when refused.
  int32_t setRate(int32_t millirate) override;
  // The voice's playback rate clamped to kMinRate..kMaxRate; -1 without a voice.
  int32_t getRate() override;
  int32_t getMaxRate() override { return kMaxRate; }
  int32_t getMinRate() override { return kMinRate; }

  // ---- Steps of realize (platform/sound_player_wave.cpp; the Ogg player replaces them) ----
  // Reads format, PCM length and duration from the header. False, with a trace line naming
  // the cause, for data without a usable header.
  virtual bool readFormat();
  // A native-heap copy of the PCM in *ppData and its length; -1 with a trace line when the
  // data is gone, holds no PCM, or memory runs out.
  virtual int32_t readSoundFilePcmData(uint8_t** ppData);

  uint8_t* soundData;  // the whole sound file until realize takes its PCM; then null
  WaveFormat format;
  host::Voice* device;  // opened by realize, closed by close
  WaveBuffer buffer;    // the PCM from realize to close
  int64_t duration;     // microseconds
  int32_t dataSize;     // bytes of soundData
  int32_t state;
  int32_t pcmLength;        // bytes of PCM
  int32_t level;            // 0..100
  int32_t loopCount;        // 1 plays once; 0x7fffffff endlessly
  uint8_t volumeSupported;  // the voice takes a gain: set once the voice is open
  uint8_t muted;

 protected:
  // The first kWavHeaderSize bytes of the sound data into header. False without sound data,
  // and with a trace line when the data is too short.
  bool copyFormat(uint8_t* header);
  // A started player whose voice has played its last pass becomes prefetched.
  void syncState();
  // Raises java_lang_IllegalStateException when the player is closed (or, with
  // unrealizedToo, not yet realized); true when it did.
  bool refuseInState(bool unrealizedToo);
  // The voice's gain for the current level and mute.
  void applyLevel();
};

// Takes format and PCM length from the first kWavHeaderSize bytes of a WAV file of dataSize
// bytes (at least that many): RIFF first, 1 or more channels of 8- or 16-bit samples at a rate
// above 0, and no more PCM than the file holds. False, with a trace line naming the cause,
// when the header is not usable.
bool ReadWaveHeader(const uint8_t* header, int32_t dataSize, SoundPlayerWAVE::WaveFormat* format,
                    int32_t* pcmLength);
