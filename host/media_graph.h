// Our stand-in for the device's filter graph: a decoder chosen by the sound's extension,
// feeding one streamed voice (host/audio.h), run, paused, stopped and seeked as a whole. The
// graph works on its own copy of the sound's bytes; decoders run under the audio lock on
// whichever thread the mix advances on, and the audio thread only sets the voice's finished
// flag. Every call is safe from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/audio.h"

namespace host {

// The General MIDI soundfont MIDI graphs load (an SF2 file; SF3 is refused).
constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";
// The soundfont of MIDI graphs built from now on; empty gives the default back.
void SetSoundFontPath(const std::string& path);
std::string SoundFontPath();
// True when the file is a readable SF2 soundfont; else false with the cause in *error. An
// SF3 is refused: its samples would decode through libsndfile's Vorbis, whose calls bind to
// the Tremor decoder linked into the game.
bool CheckSoundFont(const std::string& path, std::string* error);

enum class GraphState { kStopped, kPaused, kRunning };

struct MediaGraph;

// A graph for the bytes by extension: "mid" (a standard MIDI file, synthesised with the
// soundfont), "mp3" (MPEG audio) or "amr" (AMR-NB, "#!AMR\n"). Null, with the cause in *error,
// for another extension, for bytes the decoder refuses, or when no voice can be opened. The
// graph starts stopped at the beginning.
MediaGraph* BuildMediaGraph(const uint8_t* data, size_t size, std::string_view extension,
                            std::string* error);
// A graph over PCM already taken out of its file (a WAV reader's format and data bytes).
MediaGraph* BuildPcmGraph(const PcmFormat& format, const uint8_t* pcm, size_t bytes,
                          std::string* error);
// Silences the voice and frees everything; null is ignored.
void CloseMediaGraph(MediaGraph* graph);

// Each false when the graph is null.
bool RunGraph(MediaGraph* graph);
bool PauseGraph(MediaGraph* graph);
bool StopGraph(MediaGraph* graph);  // holds the position, as a pause does
GraphState GetGraphState(const MediaGraph* graph);

// Times in microseconds. Seeking past the end puts the graph at its end.
int64_t GraphPosition(const MediaGraph* graph);
int64_t GraphDuration(const MediaGraph* graph);
bool SeekGraph(MediaGraph* graph, int64_t micros);

// The voice's gain as a level of 0 (silent) to 100 (full), on both channels.
void SetGraphLevel(MediaGraph* graph, int32_t level);

// True once the sound has played to its end (or a decode error ended it) since the last run
// or seek.
bool GraphCompleted(const MediaGraph* graph);
// Waits up to timeoutMs of real time for the completion event: true once per completion, the
// first time a wait sees it; false when the wait times out.
bool WaitForGraphCompletion(MediaGraph* graph, uint32_t timeoutMs);

}  // namespace host
