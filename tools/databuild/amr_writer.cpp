// opencore's AMR-NB encoder, one 20 ms frame of 160 samples at a time.
#include "tools/databuild/amr_writer.h"

#include <opencore-amrnb/interf_enc.h>

#include <algorithm>
#include <string>

#include "tools/databuild/build_error.h"

namespace databuild {
namespace {

constexpr uint32_t kAmrRate = 8000;
constexpr size_t kFrameSamples = 160;

}  // namespace

std::vector<uint8_t> WriteAmr(const PcmSound& sound) {
  if (sound.sampleRate != kAmrRate || sound.channels != 1) {
    throw BuildError("AMR: " + std::to_string(sound.channels) + " channels at " +
                     std::to_string(sound.sampleRate) + " Hz; AMR-NB is 8000 Hz mono");
  }
  void* encoder = Encoder_Interface_init(0);
  if (!encoder) throw BuildError("AMR: the encoder does not start");
  std::vector<uint8_t> bytes = {'#', '!', 'A', 'M', 'R', '\n'};
  for (size_t first = 0; first < sound.samples.size(); first += kFrameSamples) {
    short speech[kFrameSamples] = {};
    const size_t count = std::min(kFrameSamples, sound.samples.size() - first);
    std::copy_n(sound.samples.begin() + static_cast<ptrdiff_t>(first), count, speech);
    unsigned char frame[64];
    const int n = Encoder_Interface_Encode(encoder, MR122, speech, frame, 0);
    if (n <= 0) {
      Encoder_Interface_exit(encoder);
      throw BuildError("AMR: the encoder fails on frame " + std::to_string(first / kFrameSamples));
    }
    bytes.insert(bytes.end(), frame, frame + n);
  }
  Encoder_Interface_exit(encoder);
  return bytes;
}

}  // namespace databuild
