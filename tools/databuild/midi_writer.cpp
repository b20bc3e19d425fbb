// Standard MIDI file writing, big-endian as the reader's table shows (host/midi_file.cpp).
#include "tools/databuild/midi_writer.h"

#include "tools/databuild/big_endian_writer.h"

namespace databuild {
namespace {

void WriteVariable(std::vector<uint8_t>& out, uint32_t value) {
  uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = value & 0x7F;
    value >>= 7;
  } while (value > 0);
  while (count > 1) out.push_back(groups[--count] | 0x80);
  out.push_back(groups[0]);
}

std::vector<uint8_t> TrackBody(const std::vector<MidiEvent>& events) {
  std::vector<uint8_t> body;
  uint8_t running = 0;
  for (const MidiEvent& event : events) {
    WriteVariable(body, event.delta);
    const uint8_t status = event.bytes.front();
    const bool channel = status >= 0x80 && status < 0xF0;
    const size_t from = channel && status == running ? 1 : 0;  // running status
    body.insert(body.end(), event.bytes.begin() + static_cast<ptrdiff_t>(from), event.bytes.end());
    running = channel ? status : 0;
  }
  const uint8_t end[] = {0x00, 0xFF, 0x2F, 0x00};
  body.insert(body.end(), std::begin(end), std::end(end));
  return body;
}

}  // namespace

MidiEvent NoteOn(uint32_t delta, uint8_t channel, uint8_t key, uint8_t velocity) {
  return {delta, {static_cast<uint8_t>(0x90 | channel), key, velocity}};
}

// A note on of velocity 0, so that a run of notes shares one running status.
MidiEvent NoteOff(uint32_t delta, uint8_t channel, uint8_t key) {
  return NoteOn(delta, channel, key, 0);
}

MidiEvent ProgramChange(uint32_t delta, uint8_t channel, uint8_t program) {
  return {delta, {static_cast<uint8_t>(0xC0 | channel), program}};
}

MidiEvent Tempo(uint32_t delta, uint32_t micros) {
  return {delta,
          {0xFF, 0x51, 0x03, static_cast<uint8_t>(micros >> 16), static_cast<uint8_t>(micros >> 8),
           static_cast<uint8_t>(micros)}};
}

std::vector<uint8_t> WriteMidi(const MidiSong& song) {
  BigEndianWriter file;
  file.writeBytes(std::vector<uint8_t>{'M', 'T', 'h', 'd'});
  file.writeI32(6);
  file.writeU16(song.format);
  file.writeU16(static_cast<uint16_t>(song.tracks.size()));
  file.writeU16(song.division);
  for (const std::vector<MidiEvent>& track : song.tracks) {
    const std::vector<uint8_t> body = TrackBody(track);
    file.writeBytes(std::vector<uint8_t>{'M', 'T', 'r', 'k'});
    file.writeI32(static_cast<int32_t>(body.size()));
    file.writeBytes(body);
  }
  return file.take();
}

}  // namespace databuild
