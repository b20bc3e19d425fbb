// The canonical 44-byte header and the samples at the sound's stored width.
#include "tools/databuild/wav_writer.h"

#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/little_endian.h"

namespace databuild {
namespace {

void PutTag(std::vector<uint8_t>& out, const char (&tag)[5]) {
  out.insert(out.end(), tag, tag + 4);
}

void Check(const PcmSound& sound) {
  if (sound.channels != 1 && sound.channels != 2) {
    throw BuildError("WAV: " + std::to_string(sound.channels) + " channels");
  }
  if (sound.bitsPerSample != 8 && sound.bitsPerSample != 16) {
    throw BuildError("WAV: " + std::to_string(sound.bitsPerSample) + "-bit samples");
  }
  if (sound.sampleRate == 0) throw BuildError("WAV: a rate of 0");
  if (sound.samples.size() % sound.channels != 0) throw BuildError("WAV: a partial frame");
}

}  // namespace

std::vector<uint8_t> WriteWav(const PcmSound& sound) {
  Check(sound);
  const uint32_t bytesPerSample = sound.bitsPerSample / 8u;
  const uint64_t pcmBytes = uint64_t{bytesPerSample} * sound.samples.size();
  if (pcmBytes > 0x7FFFFFFF - kWavHeaderSize) throw BuildError("WAV: more than 2 GB of PCM");
  const uint32_t blockAlign = sound.channels * bytesPerSample;

  std::vector<uint8_t> out;
  out.reserve(kWavHeaderSize + pcmBytes);
  PutTag(out, "RIFF");
  PutU32(out, static_cast<uint32_t>(kWavHeaderSize - 8 + pcmBytes));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutU32(out, 16);
  PutU16(out, 1);
  PutU16(out, sound.channels);
  PutU32(out, sound.sampleRate);
  PutU32(out, sound.sampleRate * blockAlign);
  PutU16(out, blockAlign);
  PutU16(out, sound.bitsPerSample);
  PutTag(out, "data");
  PutU32(out, static_cast<uint32_t>(pcmBytes));
  for (const int16_t sample : sound.samples) {
    if (bytesPerSample == 1) {
      out.push_back(static_cast<uint8_t>((sample >> 8) + 128));
    } else {
      PutU16(out, static_cast<uint16_t>(sample));
    }
  }
  return out;
}

}  // namespace databuild
