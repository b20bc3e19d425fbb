// The builder's standard MIDI file writer: a header and tracks of events with variable-length
// delta times, running status where a channel event repeats the status before it, and an end
// of track closing each track. host/midi_file.cpp is its reader.
#pragma once

#include <cstdint>
#include <vector>

namespace databuild {

// One event: its delta time in ticks and its bytes from the status on.
struct MidiEvent {
  uint32_t delta;
  std::vector<uint8_t> bytes;
};

struct MidiSong {
  uint16_t format = 1;     // 0: one track; 1: tracks played together
  uint16_t division = 96;  // ticks per quarter note
  std::vector<std::vector<MidiEvent>> tracks;
};

MidiEvent NoteOn(uint32_t delta, uint8_t channel, uint8_t key, uint8_t velocity);
MidiEvent NoteOff(uint32_t delta, uint8_t channel, uint8_t key);
MidiEvent ProgramChange(uint32_t delta, uint8_t channel, uint8_t program);
MidiEvent Tempo(uint32_t delta, uint32_t microsPerQuarter);

// The file: "MThd" with 6 bytes of header, then each track as "MTrk" with its events and an
// end of track at delta 0 after the last.
std::vector<uint8_t> WriteMidi(const MidiSong& song);

}  // namespace databuild
