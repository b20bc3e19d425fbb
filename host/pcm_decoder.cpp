// The PCM decoder of media graphs: 8- or 16-bit samples already out of their file, converted
// to 16 bits as they are read.
#include <algorithm>
#include <cstring>
#include <vector>

#include "host/audio_mixer.h"
#include "host/graph_decoders.h"

namespace host::graph {
namespace {

class PcmDecoder final : public Decoder {
 public:
  PcmDecoder(const PcmFormat& source, const uint8_t* pcm, size_t bytes)
      : source_(source), frameBytes_(source.channels * (source.bitsPerSample / 8)) {
    frames = bytes / frameBytes_;
    data_.assign(pcm, pcm + frames * frameBytes_);
    format = {source.sampleRate, source.channels, 16};
  }

  uint32_t read(int16_t* out, uint32_t count) override {
    const uint32_t n = static_cast<uint32_t>(std::min<uint64_t>(count, frames - next_));
    audio::ConvertPcm(source_, data_.data() + next_ * frameBytes_, size_t{n} * source_.channels,
                      out);
    next_ += n;
    return n;
  }

  bool seek(uint64_t frame) override {
    next_ = std::min(frame, frames);
    return true;
  }

 private:
  PcmFormat source_;
  size_t frameBytes_;
  std::vector<uint8_t> data_;
  uint64_t next_ = 0;
};

}  // namespace

std::unique_ptr<Decoder> OpenPcmDecoder(const PcmFormat& format, const uint8_t* pcm, size_t bytes,
                                        std::string* error) {
  const bool accepted = (format.channels == 1 || format.channels == 2) &&
                        (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
                        format.sampleRate > 0 && format.sampleRate <= kMaxSourceRate;
  if (!accepted) {
    *error = "the PCM format is not 8- or 16-bit mono or stereo";
    return nullptr;
  }
  if (bytes < size_t{format.channels} * (format.bitsPerSample / 8)) {
    *error = "the sound holds no PCM frame";
    return nullptr;
  }
  return std::make_unique<PcmDecoder>(format, pcm, bytes);
}

}  // namespace host::graph
