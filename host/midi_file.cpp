// Standard MIDI file reading. The layout, big-endian:
//   "MThd" u32 length (6 or more) u16 format u16 tracks u16 division [length - 6 more bytes]
//   then chunks of "XXXX" u32 length; each "MTrk" holds events, others are skipped:
//     delta (variable-length number, 7 bits a byte, high bit = more, at most 4 bytes)
//     status 0x80..0xEF + 1 or 2 data bytes (0xC0..0xDF take 1); a data byte in place of the
//       status repeats the last channel status (running status)
//     0xF0 / 0xF7 length bytes (system exclusive)
//     0xFF type length bytes (meta; type 0x51 is the tempo, 3 bytes of microseconds per
//       quarter note; type 0x2F ends the track)
#include "host/midi_file.h"

#include <algorithm>

namespace host {
namespace {

constexpr uint32_t kDefaultTempo = 500000;  // 120 quarter notes a minute
constexpr int kMaxNumberBytes = 4;

// A bounded cursor over the data; every read checks what is left first.
class Cursor {
 public:
  Cursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  size_t left() const { return size_ - at_; }
  bool byte(uint8_t* out) {
    if (at_ >= size_) return false;
    *out = data_[at_++];
    return true;
  }
  bool u16(uint32_t* out) { return number(2, out); }
  bool u32(uint32_t* out) { return number(4, out); }
  bool skip(size_t n) {
    if (n > left()) return false;
    at_ += n;
    return true;
  }
  bool tag(const char* name) {
    if (left() < 4 || !std::equal(name, name + 4, data_ + at_)) return false;
    at_ += 4;
    return true;
  }
  bool variable(uint32_t* out) {
    uint32_t value = 0;
    for (int i = 0; i < kMaxNumberBytes; i++) {
      uint8_t b;
      if (!byte(&b)) return false;
      value = value << 7 | (b & 0x7F);
      if (!(b & 0x80)) {
        *out = value;
        return true;
      }
    }
    return false;
  }
  const uint8_t* here() const { return data_ + at_; }

 private:
  bool number(int bytes, uint32_t* out) {
    if (left() < static_cast<size_t>(bytes)) return false;
    uint32_t value = 0;
    for (int i = 0; i < bytes; i++) value = value << 8 | data_[at_++];
    *out = value;
    return true;
  }
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// Data bytes a channel status takes.
int ChannelDataBytes(uint8_t status) {
  const uint8_t kind = status & 0xF0;
  return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

bool Fail(std::string* error, std::string cause) {
  *error = std::move(cause);
  return false;
}

// Reads one track's events, adding its tempo changes; *lastTick is its final tick.
bool ReadTrack(Cursor track, std::vector<MidiTempoPoint>* tempo, uint64_t* lastTick,
               std::string* error) {
  uint64_t tick = 0;
  uint8_t running = 0;
  while (track.left() > 0) {
    uint32_t delta;
    uint8_t status;
    if (!track.variable(&delta)) return Fail(error, "a delta time is cut short or too long");
    tick += delta;
    if (!track.byte(&status)) return Fail(error, "an event is cut short");
    if (status < 0x80) {
      if (!running) return Fail(error, "a running status with no status before it");
      status = running;
      track = Cursor(track.here() - 1, track.left() + 1);  // the byte was data
    }
    if (status < 0xF0) {
      running = status;
      for (int i = 0; i < ChannelDataBytes(status); i++) {
        uint8_t value;
        if (!track.byte(&value)) return Fail(error, "a channel event is cut short");
        if (value >= 0x80) return Fail(error, "a channel event has a data byte of 128 or more");
      }
      continue;
    }
    running = 0;  // system and meta events cancel the running status
    uint8_t type = 0;
    if (status == 0xFF && !track.byte(&type)) return Fail(error, "a meta event is cut short");
    if (status != 0xFF && status != 0xF0 && status != 0xF7) {
      return Fail(error, "a system event that a file cannot hold");
    }
    uint32_t length;
    if (!track.variable(&length) || length > track.left()) {
      return Fail(error, "an event's length runs past its track");
    }
    if (status == 0xFF && type == 0x51) {
      if (length != 3) return Fail(error, "a tempo event is not 3 bytes");
      const uint8_t* t = track.here();
      const uint32_t micros = uint32_t{t[0]} << 16 | t[1] << 8 | t[2];
      if (micros == 0) return Fail(error, "a tempo of 0");
      tempo->push_back({tick, micros, 0});
    }
    track.skip(length);
    if (status == 0xFF && type == 0x2F) break;
  }
  *lastTick = tick;
  return true;
}

// Sorts the tempo changes by tick (a later track's change at the same tick wins), puts the
// default tempo first when none starts at 0, and times each point.
void TimeTempoMap(MidiSequence* s) {
  auto& points = s->tempo;
  std::stable_sort(
      points.begin(), points.end(),
      [](const MidiTempoPoint& a, const MidiTempoPoint& b) { return a.tick < b.tick; });
  if (points.empty() || points.front().tick != 0) {
    points.insert(points.begin(), {0, kDefaultTempo, 0});
  }
  for (size_t i = 1; i < points.size(); i++) {
    const MidiTempoPoint& before = points[i - 1];
    const uint64_t ticks = points[i].tick - before.tick;
    points[i].micros =
        before.micros + static_cast<int64_t>(ticks * before.microsPerQuarter / s->division);
  }
}

}  // namespace

int64_t MidiSequence::microsAt(uint64_t tick) const {
  auto after = std::upper_bound(tempo.begin(), tempo.end(), tick,
                                [](uint64_t t, const MidiTempoPoint& p) { return t < p.tick; });
  const MidiTempoPoint& p = *(after - 1);
  return p.micros + static_cast<int64_t>((tick - p.tick) * p.microsPerQuarter / division);
}

uint64_t MidiSequence::tickAt(int64_t micros) const {
  if (micros <= 0) return 0;
  if (micros >= durationMicros()) return lastTick;
  auto after = std::upper_bound(tempo.begin(), tempo.end(), micros,
                                [](int64_t m, const MidiTempoPoint& p) { return m < p.micros; });
  const MidiTempoPoint& p = *(after - 1);
  const uint64_t span = static_cast<uint64_t>(micros - p.micros) * division;
  return std::min(p.tick + (span + p.microsPerQuarter - 1) / p.microsPerQuarter, lastTick);
}

bool ReadMidiFile(const uint8_t* data, size_t size, MidiSequence* s, std::string* error) {
  Cursor file(data, size);
  uint32_t length, format, tracks, division;
  if (!file.tag("MThd")) return Fail(error, "the data does not start with MThd");
  if (!file.u32(&length) || length < 6 || length > file.left()) {
    return Fail(error, "the MThd header is cut short");
  }
  file.u16(&format);
  file.u16(&tracks);
  file.u16(&division);
  file.skip(length - 6);
  if (format > 2) return Fail(error, "format " + std::to_string(format) + " is not 0, 1 or 2");
  if (tracks == 0) return Fail(error, "the file holds no track");
  if (division == 0 || division & 0x8000) {
    return Fail(error, "the division is not a number of ticks per quarter note");
  }
  *s = MidiSequence{};
  s->format = static_cast<uint16_t>(format);
  s->trackCount = static_cast<uint16_t>(tracks);
  s->division = static_cast<uint16_t>(division);
  uint32_t found = 0;
  while (found < tracks) {
    const bool isTrack = file.tag("MTrk");
    if (!isTrack && !file.skip(4)) {
      return Fail(error, "track " + std::to_string(found) + " of " + std::to_string(tracks) +
                             " is missing");
    }
    uint32_t chunk;
    if (!file.u32(&chunk) || chunk > file.left()) {
      return Fail(error, "a chunk runs past the end of the data");
    }
    if (isTrack) {
      uint64_t lastTick = 0;
      std::string cause;
      if (!ReadTrack(Cursor(file.here(), chunk), &s->tempo, &lastTick, &cause)) {
        return Fail(error, "track " + std::to_string(found) + ": " + cause);
      }
      s->lastTick = std::max(s->lastTick, lastTick);
      found++;
    }
    file.skip(chunk);
  }
  // The synthesiser counts ticks in an int; the cap on time keeps every product in range.
  if (s->lastTick > 0x7FFFFFFF) return Fail(error, "the sound is too long");
  TimeTempoMap(s);
  if (s->durationMicros() > kMaxMidiMicroseconds) {
    return Fail(error, "the sound lasts longer than 30 minutes");
  }
  return true;
}

}  // namespace host
