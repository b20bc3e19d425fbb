// Fuzz target: the whole input as an AMR-NB sound: our frame check, then opencore's decoder
// over every frame. Nothing may read outside the input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  auto decoder = host::graph::OpenAmrDecoder(data, size, &error);
  FuzzCheck(decoder || !error.empty());
  DrainFuzzDecoder(decoder.get(), UINT64_MAX);
  return 0;
}
