// How fast the MIDI decoder renders: the builder's format-1 tune (two instruments) decoded
// whole through FluidSynth. The last line is "midi_realtime_x: X", seconds of sound rendered
// per second of CPU time.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "bench/bench_main.h"
#include "host/graph_decoders.h"
#include "tools/databuild/midi_writer.h"
#include "tools/databuild/sound_fixtures.h"

namespace {

const std::vector<uint8_t>& Tune() {
  static const std::vector<uint8_t> tune = databuild::WriteMidi(databuild::MidiFixtureFormat1());
  return tune;
}

// Renders the whole tune from its start; the frames rendered.
uint64_t RenderTune(host::graph::Decoder& decoder) {
  decoder.seek(0);
  int16_t chunk[1024 * 2];
  uint64_t frames = 0;
  for (uint32_t got; (got = decoder.read(chunk, 1024)) > 0;) frames += got;
  return frames;
}

std::unique_ptr<host::graph::Decoder> OpenTune() {
  std::string error;
  auto decoder = host::graph::OpenMidiDecoder(Tune().data(), Tune().size(), &error);
  if (!decoder) std::fprintf(stderr, "midi_bench: %s\n", error.c_str());
  return decoder;
}

void BM_RenderTune(benchmark::State& state) {
  auto decoder = OpenTune();
  if (!decoder) return state.SkipWithError("no MIDI decoder");
  for (auto _ : state) benchmark::DoNotOptimize(RenderTune(*decoder));
  state.counters["sound_s"] = static_cast<double>(decoder->frames) / decoder->format.sampleRate;
}
BENCHMARK(BM_RenderTune)->Unit(benchmark::kMillisecond);

double CpuSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

}  // namespace

int main(int argc, char** argv) {
  if (RunBenchmarks(argc, argv) != 0) return 1;
  auto decoder = OpenTune();
  if (!decoder) return 1;
  constexpr int kPasses = 5;
  uint64_t frames = 0;
  const double began = CpuSeconds();
  for (int i = 0; i < kPasses; i++) frames += RenderTune(*decoder);
  const double cpu = CpuSeconds() - began;
  const double sound = static_cast<double>(frames) / decoder->format.sampleRate;
  std::printf("midi_realtime_x: %.1f\n", cpu > 0 ? sound / cpu : 0.0);
  return 0;
}
