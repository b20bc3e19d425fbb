// SoundPlayerOGG: an Ogg Vorbis sound decoded whole to 16-bit PCM with Tremor when it is
// realized, straight from the player's copy of the file, then played as SoundPlayerWAVE plays
// PCM. The decoder is open only between the two steps of realize.
#pragma once

#include <cstdint>

#include "platform/sound_player_wave.h"

struct OggMemoryDecoder;

class SoundPlayerOGG : public SoundPlayerWAVE {
 public:
  // Decoding stops at this many bytes of PCM (six minutes of 44100 Hz stereo), with a trace.
  static constexpr int32_t kMaxDecodedBytes = 64 << 20;

  SoundPlayerOGG(ByteArray* data, int32_t size) : SoundPlayerWAVE(data, size) {}

  // Opens the decoder over the sound data and takes the format from the stream: 16-bit PCM
  // of its channels at its rate; the duration is the stream's. False, with a trace line
  // naming the cause, when the stream does not open or is not 1 or 2 channels.
  bool readFormat() override;
  // Decodes the whole stream into a native-heap buffer and closes the decoder; decoding stops
  // at a chained link of another format. -1 with a trace line when memory runs out, and when
  // nothing decodes.
  int32_t readSoundFilePcmData(uint8_t** ppData) override;

  int32_t channels;    // of the stream, from the decoder
  int32_t sampleRate;  // of the stream, from the decoder

 private:
  // Opens the decoder over the sound data; false (decoder closed) with a trace line naming
  // Tremor's reason when the headers do not open.
  bool copyFormat();
  void clearDecoder();

  OggMemoryDecoder* decoder;  // native heap; null but inside realize
};
