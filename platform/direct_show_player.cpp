// DirectShowPlayer's life: the bytes and the graph built over them, the player states, the
// event thread that loops the sound, and the time queries. A player without a graph never
// touches one: each operation writes its error line and gives its failure value.
#include "platform/direct_show_player.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "host/media_graph.h"
#include "platform/sound_player_wave.h"
#include "runtime/array.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

constexpr const char* kBuildError =
    "ERROR - Could not construct a filter graph that will play the specified file.";
constexpr const char* kRunError = "ERROR - Could not switch filter graph to running state.";
constexpr const char* kPauseError = "ERROR - Could not pause all the filters in the filter graph.";
constexpr const char* kStopError = "ERROR - Could not switch filter graph to stopped state.";
constexpr const char* kPositionError =
    "ERROR - Could not return current position of the media stream.";
constexpr const char* kDurationError = "ERROR - Could not return stream duration.";
constexpr const char* kSeekError = "ERROR - Could not set needed position of the media stream.";
constexpr const char* kRewindError = "ERROR - Could not rewind the stream.";

bool SameText(const char* a, const char* b) {
  for (; *a && *b; a++, b++) {
    if (std::tolower(static_cast<unsigned char>(*a)) !=
        std::tolower(static_cast<unsigned char>(*b)))
      return false;
  }
  return *a == *b;
}

char* CopyText(const char* text) {
  const size_t length = std::strlen(text);
  auto* copy = static_cast<char*>(std::malloc(length + 1));
  if (copy) std::memcpy(copy, text, length + 1);
  return copy;
}

// The graph for a WAV file: the WAVE player's header reader, then the PCM behind it.
host::MediaGraph* BuildWaveGraph(const uint8_t* data, int32_t size, std::string* error) {
  if (size < SoundPlayerWAVE::kWavHeaderSize) {
    *error = "the data cannot hold the 44-byte WAV header";
    return nullptr;
  }
  SoundPlayerWAVE::WaveFormat format{};
  int32_t pcmLength = 0;
  if (!ReadWaveHeader(data, size, &format, &pcmLength)) {
    *error = "the WAV header is not usable";
    return nullptr;
  }
  return host::BuildPcmGraph({format.samplesPerSec, format.channels, format.bitsPerSample},
                             data + SoundPlayerWAVE::kWavHeaderSize, static_cast<size_t>(pcmLength),
                             error);
}

}  // namespace

DirectShowPlayer::DirectShowPlayer(ByteArray* data, int32_t size, const char* type) {
  state = kUnrealized;
  level = 100;
  contentType = CopyText(type ? type : "");
  extension = ExtensionFor(type ? type : "");
  events = new (std::nothrow) DirectShowEventLoop;
  const int32_t bytes = data ? std::clamp(size, 0, data->length) : 0;
  soundData = bytes > 0 ? static_cast<uint8_t*>(std::malloc(bytes)) : nullptr;
  if (soundData) std::memcpy(soundData, data->elements(), bytes);
  dataSize = soundData ? bytes : 0;
}

const char* DirectShowPlayer::ExtensionFor(const char* type) {
  const char* slash = std::strchr(type, '/');
  const char* subtype = slash ? slash + 1 : type;
  if (SameText(subtype, "x-wav")) return "wav";
  if (SameText(subtype, "midi")) return "mid";
  if (SameText(subtype, "amr")) return "amr";
  if (SameText(subtype, "mpeg")) return "mp3";
  if (SameText(subtype, "aac")) return "aac";
  return "NULL";
}

int32_t DirectShowPlayer::init(DirectShowPlayer* player) {
  if (!player) return 0;
  std::string error = "the player holds no sound data";
  host::MediaGraph* built = nullptr;
  if (player->soundData && player->events) {
    built = std::strcmp(player->extension, "wav") == 0
                ? BuildWaveGraph(player->soundData, player->dataSize, &error)
                : host::BuildMediaGraph(player->soundData, static_cast<size_t>(player->dataSize),
                                        player->extension, &error);
  }
  if (!built) {
    DebugLog("DirectShowPlayer::init(): %s sound (%s): %s", player->contentType, player->extension,
             error.c_str());
    DebugLog("%s", kBuildError);
    return 0;
  }
  player->graph = built;
  player->events->graph = built;
  std::free(player->soundData);  // the graph has its own copy
  player->soundData = nullptr;
  return 1;
}

// ---- Object ----

void DirectShowPlayer::finalize() {
  close();
}

void* DirectShowPlayer::getInterface(int32_t interfaceId) {
  switch (interfaceId) {
    case cid::javax_microedition_media_Player:
    case cid::javax_microedition_media_Controllable:
      return static_cast<javax_microedition_media_Player*>(this);
    case cid::javax_microedition_media_control_VolumeControl:
      return static_cast<javax_microedition_media_control_VolumeControl*>(this);
    default:
      return nullptr;
  }
}

// ---- States ----

void DirectShowPlayer::realize() {
  if (graph && state == kUnrealized) state = kRealized;
}

// Departure: only an unrealized or realized player is prefetched; the device's prefetch also
// turned a started or paused player into 300 while its sound went on.
void DirectShowPlayer::prefetch() {
  if (state == kUnrealized) realize();
  if (state == kRealized) state = kPrefetched;
}

void DirectShowPlayer::start() {
  if (state != kPrefetched) prefetch();
  if (lacksGraph(kRunError) || state == kClosed) return;
  // A sound that a decode error ended early has completed short of its duration.
  if (host::GraphCompleted(graph) || host::GraphPosition(graph) >= host::GraphDuration(graph)) {
    host::SeekGraph(graph, 0);
  }
  if (!host::RunGraph(graph)) {
    DebugLog("%s", kRunError);
    return;
  }
  state = kStarted;
  if (events->loopsLeft.load() > 1) startEventThread();
}

// Pause and stop end the event thread before they hold the graph: a thread that had just seen
// the completion would otherwise rewind and run it again behind them. The loops left stay,
// and start sets a thread going again.
void DirectShowPlayer::pause() {
  if (lacksGraph(kPauseError) || (state != kPrefetched && state != kStarted)) return;
  stopEventThread();
  if (!host::PauseGraph(graph)) {
    DebugLog("%s", kPauseError);
    return;
  }
  state = kPaused;
}

void DirectShowPlayer::stop() {
  if (lacksGraph(kStopError) || (state != kPrefetched && state != kStarted)) return;
  stopEventThread();
  if (!host::StopGraph(graph)) {
    DebugLog("%s", kStopError);
    return;
  }
  state = kStopped;
}

void DirectShowPlayer::deallocate() {
  if (state == kPrefetched) state = kRealized;
}

void DirectShowPlayer::close() {
  if (state == kClosed) return;
  if (events) {
    stopEventThread();
    delete events;
    events = nullptr;
  }
  host::CloseMediaGraph(graph);  // the sound is out of the mix on return
  graph = nullptr;
  std::free(soundData);
  soundData = nullptr;
  std::free(contentType);
  contentType = nullptr;
  state = kClosed;
}

void DirectShowPlayer::setLoopCount(int32_t count) {
  if (count == 0 || count == 1) return;
  prefetch();
  if (!events) return;
  events->loopsLeft.store(count < 0 ? kEndlessLoops : count);
  if (graph) startEventThread();
}

// ---- Event thread ----

void DirectShowPlayer::eventThread(void* data) {
  auto* loop = static_cast<DirectShowEventLoop*>(data);
  while (loop->loopsLeft.load() > 1 && !loop->stopRequested.load()) {
    if (!host::WaitForGraphCompletion(loop->graph, kEventWaitMs)) continue;  // no event yet
    host::StopGraph(loop->graph);
    if (!host::SeekGraph(loop->graph, 0)) {
      DebugLog("%s", kRewindError);
      break;
    }
    host::RunGraph(loop->graph);
    loop->loopsLeft.fetch_sub(1);
  }
  loop->running.store(false);
}

void DirectShowPlayer::startEventThread() {
  if (!events || !graph || events->running.load()) return;
  events->thread.join();  // one that has ended by itself
  events->stopRequested.store(false);
  events->running.store(true);
  if (!events->thread.start(eventThread, events)) {
    events->running.store(false);
    DebugLog("DirectShowPlayer::startEventThread(): the system refuses a thread; no looping");
  }
}

void DirectShowPlayer::stopEventThread() {
  if (!events) return;
  events->stopRequested.store(true);
  events->thread.join();  // within one wait of kEventWaitMs
  events->running.store(false);
}

// ---- Time and state queries ----

int64_t DirectShowPlayer::setMediaTime(int64_t now) {
  if (state < kRealized || lacksGraph(kSeekError)) return 0;
  if (!host::SeekGraph(graph, now)) DebugLog("%s", kSeekError);
  return host::GraphPosition(graph);
}

int64_t DirectShowPlayer::getMediaTime() {
  if (state < kRealized || lacksGraph(kPositionError)) return 0;
  return host::GraphPosition(graph);
}

int64_t DirectShowPlayer::getDuration() {
  if (state < kRealized || lacksGraph(kDurationError)) return 0;
  return host::GraphDuration(graph);
}

int32_t DirectShowPlayer::getState() {
  const bool looping = events && events->running.load();
  if (state == kStarted && !looping && host::GraphCompleted(graph)) state = kPrefetched;
  return state;
}

String* DirectShowPlayer::getContentType() {
  return NewJavaString(contentType ? contentType : "");
}

bool DirectShowPlayer::lacksGraph(const char* errorLine) const {
  if (graph) return false;
  DebugLog("%s", errorLine);
  return true;
}
