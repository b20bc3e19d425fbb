// Fuzz target: the whole input as an MP3 sound, opened by the media graph's MP3 decoder and
// read to its end (at most a minute of sound). Nothing may read outside the input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  auto decoder = host::graph::OpenMp3Decoder(data, size, &error);
  FuzzCheck(decoder || !error.empty());
  DrainFuzzDecoder(decoder.get(), 60 * 48000);
  return 0;
}
