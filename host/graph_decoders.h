// The decoders a media graph can hold, each a streamed voice's source over its own copy of
// the sound. Opening checks the whole sound first where the format allows it; a decoder that
// opens has its format and length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "host/audio.h"

namespace host::graph {

class Decoder : public StreamSource {
 public:
  virtual ~Decoder() = default;
  PcmFormat format{};   // 16-bit samples
  uint64_t frames = 0;  // source frames from start to end
  // The sound's length; by default its frame count at its rate.
  virtual int64_t durationMicros() const {
    return static_cast<int64_t>(frames * 1000000 / format.sampleRate);
  }
};

// Each null, with the cause in *error, when the bytes are refused.
std::unique_ptr<Decoder> OpenMidiDecoder(const uint8_t* data, size_t size, std::string* error);
std::unique_ptr<Decoder> OpenMp3Decoder(const uint8_t* data, size_t size, std::string* error);
std::unique_ptr<Decoder> OpenAmrDecoder(const uint8_t* data, size_t size, std::string* error);
std::unique_ptr<Decoder> OpenPcmDecoder(const PcmFormat& format, const uint8_t* pcm, size_t bytes,
                                        std::string* error);

}  // namespace host::graph
