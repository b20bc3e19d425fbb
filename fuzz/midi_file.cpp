// Fuzz target: the whole input as a standard MIDI file, through our reader and, when it takes
// the file and the sound lasts at most 10 s, through FluidSynth to its end. Nothing may read
// outside the input, and whatever the reader accepts the synthesiser must get through.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_decoder.h"
#include "host/midi_file.h"

namespace {

constexpr int64_t kMostMicros = 10 * 1000000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  host::MidiSequence sequence;
  std::string error;
  if (!host::ReadMidiFile(data, size, &sequence, &error)) {
    FuzzCheck(!error.empty());
    return 0;
  }
  FuzzCheck(sequence.durationMicros() >= 0 &&
            sequence.durationMicros() <= host::kMaxMidiMicroseconds);
  FuzzCheck(sequence.tickAt(sequence.durationMicros()) <= sequence.lastTick);
  if (sequence.durationMicros() > kMostMicros) return 0;
  auto decoder = host::graph::OpenMidiDecoder(data, size, &error);
  DrainFuzzDecoder(decoder.get(), UINT64_MAX);
  return 0;
}
