// What the decoder fuzz targets share: a decoder opened over the input is read to its end, or
// to a cap of sound, and never gives more frames than it announced.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "fuzz/support/fuzz_runtime.h"
#include "host/graph_decoders.h"

// Reads at most maxFrames frames in chunks of the voice's window, then seeks back to the start
// and reads one chunk again.
inline void DrainFuzzDecoder(host::graph::Decoder* decoder, uint64_t maxFrames) {
  if (!decoder) return;
  FuzzCheck(decoder->format.bitsPerSample == 16);
  FuzzCheck(decoder->format.channels == 1 || decoder->format.channels == 2);
  FuzzCheck(decoder->format.sampleRate > 0 && decoder->format.sampleRate <= host::kMaxSourceRate);
  std::vector<int16_t> chunk(1024 * 2);
  uint64_t total = 0;
  while (total < maxFrames) {
    const uint32_t got = decoder->read(chunk.data(), 1024);
    FuzzCheck(got <= 1024);
    total += got;
    if (got < 1024) break;
  }
  FuzzCheck(total <= decoder->frames);
  if (decoder->seek(0)) FuzzCheck(decoder->read(chunk.data(), 1024) <= 1024);
}
