// The reader of standard MIDI files that stands before the synthesiser: it checks a file
// whole (header, every track, every event) and gives its tempo map, from which durations,
// positions and seeks are worked out. A file it refuses never reaches the synthesiser.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace host {

// Sounds longer than this are refused.
constexpr int64_t kMaxMidiMicroseconds = int64_t{30} * 60 * 1000000;

// A tempo in force from `tick` on; `micros` is the time at that tick.
struct MidiTempoPoint {
  uint64_t tick;
  uint32_t microsPerQuarter;
  int64_t micros;
};

struct MidiSequence {
  uint16_t format = 0;                // 0, 1 or 2
  uint16_t trackCount = 0;            // tracks the header announces, each found
  uint16_t division = 0;              // ticks per quarter note
  uint64_t lastTick = 0;              // the tick of the latest event of any track
  std::vector<MidiTempoPoint> tempo;  // by tick; the first at tick 0

  // Microseconds from the start to `tick`.
  int64_t microsAt(uint64_t tick) const;
  // The first tick at or after `micros` (the last tick for times past the end).
  uint64_t tickAt(int64_t micros) const;
  int64_t durationMicros() const { return microsAt(lastTick); }
};

// Reads the file. False, with the cause in *error, when the header is not "MThd" of length 6
// or more with format 0..2, one or more tracks and a division of ticks per quarter note (not
// 0, not SMPTE), when a track is missing or runs past the data, when an event is cut short or
// malformed (a variable-length number of more than 4 bytes, a data byte of 128 or more, a
// running status with none before it, a tempo of 0), or when the sound is longer than
// kMaxMidiMicroseconds.
bool ReadMidiFile(const uint8_t* data, size_t size, MidiSequence* sequence, std::string* error);

}  // namespace host
