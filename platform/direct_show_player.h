// DirectShowPlayer: MIDI, MP3, AMR and WAV sounds played through a media graph of the host
// (host/media_graph.h) built from the player's copy of the bytes, never from a file. Looping
// is the event thread's: it waits for the graph's completion, rewinds and runs again while
// loops are left. The event thread and the graph hold native data only; the audio thread only
// sets the voice's finished flag.
#pragma once

#include <atomic>
#include <cstdint>

#include "host/thread.h"
#include "javame/media.h"
#include "runtime/object.h"

class ByteArray;
namespace host {
struct MediaGraph;
}

// The event thread's data, on the native heap: the graph it drives and the loops left.
struct DirectShowEventLoop {
  host::Thread thread;
  std::atomic<bool> stopRequested{false};
  std::atomic<bool> running{false};
  std::atomic<int32_t> loopsLeft{1};
  host::MediaGraph* graph = nullptr;
};

class DirectShowPlayer : public Object,
                         public javax_microedition_media_Player,
                         public javax_microedition_media_control_VolumeControl {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_media_Player;
  static constexpr int32_t kPaused = 500;
  static constexpr int32_t kStopped = 600;
  // setLoopCount's count for "loop until stopped".
  static constexpr int32_t kEndlessLoops = 100000;
  // The event thread's longest wait for the graph's completion before it looks at its stop
  // request again, in milliseconds.
  static constexpr uint32_t kEventWaitMs = 20;

  // State 100, level 100; copies the content type, chooses the extension and keeps a
  // native-heap copy of the first size bytes of data (cut to the array).
  DirectShowPlayer(ByteArray* data, int32_t size, const char* contentType);

  // The extension by the subtype (after "/", or the whole type), case ignored: "x-wav" wav,
  // "midi" mid, "amr" amr, "mpeg" mp3, "aac" aac, anything else "NULL".
  static const char* ExtensionFor(const char* contentType);

  // Builds the graph over the bytes; 1 when it is built. 0, with a trace line naming the
  // player and the cause and then the graph-building error line, when the data is refused or
  // no decoder plays the extension; the player then has no graph and stays in 100.
  static int32_t init(DirectShowPlayer* player);

  // ---- Object and Player (platform/direct_show_player.cpp) ----
  void finalize() override;                          // closes the player unless it is closed
  void* getInterface(int32_t interfaceId) override;  // 96 and 93: Player; 101: VolumeControl
  void realize() override;                           // 100 with a graph: 200
  void prefetch() override;                          // 100 or 200 with a graph: 300
  // Prefetches first, rewinds a sound that has played to its end, runs the graph: 400. With
  // loops left and no event thread, starts one.
  void start() override;
  // In 300 or 400: ends the event thread and holds the sound where it is; 500. The loops left
  // are kept for the next start.
  void pause();
  // In 300 or 400: ends the event thread and holds the sound; 600. The loops left are kept
  // for the next start.
  void stop() override;
  void deallocate() override;  // in 300: 200
  // Ends the event thread, frees the graph and the data; 0.
  void close() override;
  int64_t setMediaTime(int64_t now) override;  // microseconds; from 200 on; the new position
  int64_t getMediaTime() override;             // 0 before 200
  // The state; a started player whose sound has ended (and will not loop again) reads 300.
  int32_t getState() override;
  int64_t getDuration() override;  // 0 before 200
  String* getContentType() override;
  // Below 0 loops kEndlessLoops times; 0 and 1 do nothing. Else prefetches, keeps the count
  // and starts the event thread when none runs.
  void setLoopCount(int32_t count) override;

  // ---- Controls (platform/direct_show_player_controls.cpp) ----
  Object* getControl(String* controlType) override;  // the player for "VolumeControl"
  ObjectArray* getControls() override;
  // Muting sets the gain to 0, unmuting gives the level back; the query answers the flag.
  void setMute(bool mute) override;
  bool isMuted() override;
  // -1 before 200; clamps to 0..100 and makes it the voice's gain; returns the old level.
  int32_t setLevel(int32_t level) override;
  int32_t getLevel() override;  // 0 before 200

  // The looping thread: while more than one loop is left and no stop is asked, each
  // completion rewinds and runs the graph again and counts a loop down.
  static void eventThread(void* loop);
  void startEventThread();
  void stopEventThread();  // asks the thread to end and joins it

  int32_t state;
  int32_t level;
  char* contentType;      // native heap, as given
  const char* extension;  // a literal
  host::MediaGraph* graph;
  uint8_t* soundData;  // the bytes until init has built the graph
  int32_t dataSize;
  DirectShowEventLoop* events;
  uint8_t muted;

 private:
  // Writes the line and answers true when the player has no graph.
  bool lacksGraph(const char* errorLine) const;
  void applyLevel();
};
