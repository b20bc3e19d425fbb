// LAME's encoding loop: interleaved samples in, MPEG frames out, then the flush, and the
// gapless tag written over the first frame that LAME kept free for it.
#include "tools/databuild/mp3_writer.h"

#include <lame/lame.h>

#include <string>

#include "tools/databuild/build_error.h"

namespace databuild {
namespace {

constexpr int kBitrate = 64;  // kbit/s
constexpr int kFramesPerCall = 4096;

}  // namespace

std::vector<uint8_t> WriteMp3(const PcmSound& sound) {
  if (sound.channels != 1 && sound.channels != 2) {
    throw BuildError("MP3: " + std::to_string(sound.channels) + " channels");
  }
  lame_global_flags* lame = lame_init();
  if (!lame) throw BuildError("MP3: LAME does not start");
  lame_set_in_samplerate(lame, static_cast<int>(sound.sampleRate));
  lame_set_out_samplerate(lame, static_cast<int>(sound.sampleRate));
  lame_set_num_channels(lame, sound.channels);
  lame_set_mode(lame, sound.channels == 1 ? MONO : JOINT_STEREO);
  lame_set_VBR(lame, vbr_off);
  lame_set_brate(lame, kBitrate);
  lame_set_bWriteVbrTag(lame, 1);
  lame_set_write_id3tag_automatic(lame, 0);
  if (lame_init_params(lame) < 0) {
    lame_close(lame);
    throw BuildError("MP3: LAME refuses " + std::to_string(sound.sampleRate) + " Hz");
  }
  std::vector<uint8_t> bytes;
  std::vector<uint8_t> chunk(static_cast<size_t>(kFramesPerCall) * 5 / 4 + 7200);
  std::vector<int16_t> samples = sound.samples;
  const int frames = static_cast<int>(sound.frames());
  for (int first = 0; first < frames; first += kFramesPerCall) {
    const int count = std::min(kFramesPerCall, frames - first);
    int16_t* from = samples.data() + static_cast<size_t>(first) * sound.channels;
    const int n = sound.channels == 1
                      ? lame_encode_buffer(lame, from, from, count, chunk.data(),
                                           static_cast<int>(chunk.size()))
                      : lame_encode_buffer_interleaved(lame, from, count, chunk.data(),
                                                       static_cast<int>(chunk.size()));
    if (n < 0) {
      lame_close(lame);
      throw BuildError("MP3: LAME fails to encode (" + std::to_string(n) + ")");
    }
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + n);
  }
  const int tail = lame_encode_flush(lame, chunk.data(), static_cast<int>(chunk.size()));
  if (tail > 0) bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + tail);
  uint8_t tag[2880];
  const size_t tagBytes = lame_get_lametag_frame(lame, tag, sizeof tag);
  if (tagBytes > 0 && tagBytes <= bytes.size()) std::copy(tag, tag + tagBytes, bytes.begin());
  lame_close(lame);
  return bytes;
}

}  // namespace databuild
