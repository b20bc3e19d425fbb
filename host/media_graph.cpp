// The media graph: one decoder and the streamed voice it feeds. The graph's own state sits
// under its lock; the voice's under the audio lock, which every voice call takes.
#include "host/media_graph.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>
#include <new>
#include <thread>

#include "host/graph_decoders.h"

namespace host {

struct MediaGraph {
  std::unique_ptr<graph::Decoder> decoder;
  Voice* voice = nullptr;
  mutable std::mutex lock;  // guards state and completionReported
  GraphState state = GraphState::kStopped;
  bool completionReported = false;
};

namespace {

constexpr uint32_t kCompletionPollMs = 5;

MediaGraph* Assemble(std::unique_ptr<graph::Decoder> decoder, std::string* error) {
  if (!decoder) return nullptr;
  Voice* voice = OpenStreamVoice(decoder->format, decoder.get());
  if (!voice) {
    *error = "no audio voice for " + std::to_string(decoder->format.channels) + " channels at " +
             std::to_string(decoder->format.sampleRate) + " Hz";
    return nullptr;
  }
  auto* built = new (std::nothrow) MediaGraph;
  if (!built) {
    CloseVoice(voice);
    *error = "no memory for the graph";
    return nullptr;
  }
  built->decoder = std::move(decoder);
  built->voice = voice;
  return built;
}

// The volume word of a level of 0..100, the same on both channels.
uint32_t VolumeWordOf(int32_t level) {
  const uint32_t channel = static_cast<uint32_t>(std::clamp(level, 0, 100)) * 0xFFFF / 100;
  return channel << 16 | channel;
}

void SetState(MediaGraph* graph, GraphState state) {
  std::lock_guard<std::mutex> guard(graph->lock);
  graph->state = state;
}

}  // namespace

// ---- Building ----

MediaGraph* BuildMediaGraph(const uint8_t* data, size_t size, std::string_view extension,
                            std::string* error) {
  if (extension == "mid") return Assemble(graph::OpenMidiDecoder(data, size, error), error);
  if (extension == "mp3") return Assemble(graph::OpenMp3Decoder(data, size, error), error);
  if (extension == "amr") return Assemble(graph::OpenAmrDecoder(data, size, error), error);
  *error = "no decoder plays sounds of the extension \"" + std::string(extension) + "\"";
  return nullptr;
}

MediaGraph* BuildPcmGraph(const PcmFormat& format, const uint8_t* pcm, size_t bytes,
                          std::string* error) {
  return Assemble(graph::OpenPcmDecoder(format, pcm, bytes, error), error);
}

void CloseMediaGraph(MediaGraph* graph) {
  if (!graph) return;
  CloseVoice(graph->voice);  // the decoder is out of the mix from here on
  delete graph;
}

// ---- Running ----

bool RunGraph(MediaGraph* graph) {
  if (!graph) return false;
  {
    std::lock_guard<std::mutex> guard(graph->lock);
    graph->state = GraphState::kRunning;
    graph->completionReported = false;
  }
  RunStreamVoice(graph->voice);
  return true;
}

bool PauseGraph(MediaGraph* graph) {
  if (!graph) return false;
  PauseStreamVoice(graph->voice);
  SetState(graph, GraphState::kPaused);
  return true;
}

bool StopGraph(MediaGraph* graph) {
  if (!graph) return false;
  PauseStreamVoice(graph->voice);
  SetState(graph, GraphState::kStopped);
  return true;
}

GraphState GetGraphState(const MediaGraph* graph) {
  if (!graph) return GraphState::kStopped;
  std::lock_guard<std::mutex> guard(graph->lock);
  return graph->state;
}

// ---- Position ----

int64_t GraphPosition(const MediaGraph* graph) {
  if (!graph) return 0;
  const uint64_t frame = StreamVoicePosition(graph->voice);
  const int64_t micros = static_cast<int64_t>(frame * 1000000 / graph->decoder->format.sampleRate);
  return std::min(micros, graph->decoder->durationMicros());
}

int64_t GraphDuration(const MediaGraph* graph) {
  return graph ? graph->decoder->durationMicros() : 0;
}

bool SeekGraph(MediaGraph* graph, int64_t micros) {
  if (!graph) return false;
  const graph::Decoder& decoder = *graph->decoder;
  const int64_t clamped = std::clamp<int64_t>(micros, 0, decoder.durationMicros());
  const uint64_t frame = std::min<uint64_t>(
      static_cast<uint64_t>(clamped) * decoder.format.sampleRate / 1000000, decoder.frames);
  if (!SeekStreamVoice(graph->voice, frame)) return false;
  std::lock_guard<std::mutex> guard(graph->lock);
  graph->completionReported = false;
  return true;
}

void SetGraphLevel(MediaGraph* graph, int32_t level) {
  if (graph) SetVoiceVolume(graph->voice, VolumeWordOf(level));
}

// ---- Completion ----

bool GraphCompleted(const MediaGraph* graph) {
  return graph && VoiceFinished(graph->voice);
}

bool WaitForGraphCompletion(MediaGraph* graph, uint32_t timeoutMs) {
  if (!graph) return false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (VoiceFinished(graph->voice)) {
      std::lock_guard<std::mutex> guard(graph->lock);
      if (!graph->completionReported) {
        graph->completionReported = true;
        return true;
      }
    }
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(kCompletionPollMs));
  }
}

}  // namespace host
