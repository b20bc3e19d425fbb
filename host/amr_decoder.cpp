// The AMR-NB decoder of media graphs. The file is "#!AMR\n" and then frames, each a table-of-
// contents byte (bits 3..6 the frame type) and that type's payload; we check every frame's
// type and size before opencore's decoder sees any of it. Each frame is 20 ms: 160 samples
// at 8000 Hz, mono.
#include <opencore-amrnb/interf_dec.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "host/graph_decoders.h"

namespace host::graph {
namespace {

constexpr char kMagic[] = "#!AMR\n";
constexpr size_t kMagicSize = sizeof kMagic - 1;
constexpr uint32_t kAmrRate = 8000;
constexpr uint32_t kFrameSamples = 160;
constexpr int kNoData = 15;

// Payload bytes after the table-of-contents byte by frame type: the eight speech modes
// (4.75 to 12.2 kbit/s), the comfort-noise frame, and "no data". -1: a type we do not play.
constexpr int kPayloadBytes[16] = {12, 13, 15, 17, 19, 20, 26, 31, 5, -1, -1, -1, -1, -1, -1, 0};

class AmrDecoder final : public Decoder {
 public:
  ~AmrDecoder() override {
    if (state_) Decoder_Interface_exit(state_);
  }

  bool open(const uint8_t* data, size_t size, std::string* error) {
    if (size < kMagicSize || std::memcmp(data, kMagic, kMagicSize) != 0) {
      *error = "the data does not start with #!AMR";
      return false;
    }
    for (size_t at = kMagicSize; at < size;) {
      const int type = (data[at] >> 3) & 0x0F;
      const int payload = kPayloadBytes[type];
      if (payload < 0) {
        *error = "frame " + std::to_string(offsets_.size()) + " has the type " +
                 std::to_string(type) + ", which AMR-NB does not play";
        return false;
      }
      if (size - at < size_t{1} + payload) {
        *error = "frame " + std::to_string(offsets_.size()) + " is cut short";
        return false;
      }
      offsets_.push_back(at - kMagicSize);
      at += 1 + payload;
    }
    if (offsets_.empty()) {
      *error = "the sound holds no frame";
      return false;
    }
    data_.assign(data + kMagicSize, data + size);
    state_ = Decoder_Interface_init();
    if (!state_) {
      *error = "opencore's decoder does not start";
      return false;
    }
    format = {kAmrRate, 1, 16};
    frames = uint64_t{offsets_.size()} * kFrameSamples;
    return true;
  }

  uint32_t read(int16_t* out, uint32_t count) override {
    uint32_t got = 0;
    while (got < count && next_ < frames) {
      const size_t frame = next_ / kFrameSamples;
      if (decoded_ != frame) decode(frame);
      const uint32_t inFrame = static_cast<uint32_t>(next_ % kFrameSamples);
      const uint32_t n = std::min(count - got, kFrameSamples - inFrame);
      std::memcpy(out + got, samples_ + inFrame, n * sizeof(int16_t));
      got += n;
      next_ += n;
    }
    return got;
  }

  // Restarts the decoder at the frame that holds `frame`; the speech model starts afresh there.
  bool seek(uint64_t frame) override {
    Decoder_Interface_exit(state_);
    state_ = Decoder_Interface_init();
    if (!state_) return false;
    next_ = std::min(frame, frames);
    decoded_ = SIZE_MAX;
    return true;
  }

 private:
  void decode(size_t frame) {
    const uint8_t* in = data_.data() + offsets_[frame];
    if (((in[0] >> 3) & 0x0F) == kNoData) {
      std::fill_n(samples_, kFrameSamples, 0);
    } else {
      Decoder_Interface_Decode(state_, in, samples_, 0);
    }
    decoded_ = frame;
  }

  std::vector<uint8_t> data_;    // the frames, without the magic
  std::vector<size_t> offsets_;  // of each frame in data_
  void* state_ = nullptr;
  int16_t samples_[kFrameSamples] = {};
  size_t decoded_ = SIZE_MAX;  // the frame in samples_
  uint64_t next_ = 0;          // the next sample read gives
};

}  // namespace

std::unique_ptr<Decoder> OpenAmrDecoder(const uint8_t* data, size_t size, std::string* error) {
  auto decoder = std::make_unique<AmrDecoder>();
  if (!decoder->open(data, size, error)) return nullptr;
  return decoder;
}

}  // namespace host::graph
