// The MIDI reader: the builder's tunes give their tempo maps, and every malformed file is
// refused with its cause before a synthesiser could see it.
#include "host/midi_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/databuild/midi_writer.h"
#include "tools/databuild/sound_fixtures.h"

namespace {

using Bytes = std::vector<uint8_t>;

bool Read(const Bytes& file, host::MidiSequence* sequence, std::string* error) {
  return host::ReadMidiFile(file.data(), file.size(), sequence, error);
}

TEST(MidiFileTest, TheFixtureTunesGiveTheirTempoMaps) {
  struct Case {
    databuild::MidiSong song;
    uint16_t format;
    uint16_t tracks;
    int64_t durationMicros;
  } cases[] = {
      // 96 ticks at 0.5 s a quarter, then 384 at 0.25 s.
      {databuild::MidiFixtureFormat0(), 0, 1, 1500000},
      // 3840 ticks of 960 at 0.4 s, then 14464 at 0.2 s.
      {databuild::MidiFixtureFormat1(), 1, 3, 1600000 + int64_t{14464} * 200000 / 960},
  };
  for (const Case& c : cases) {
    host::MidiSequence sequence;
    std::string error;
    ASSERT_TRUE(Read(databuild::WriteMidi(c.song), &sequence, &error)) << error;
    EXPECT_EQ(sequence.format, c.format);
    EXPECT_EQ(sequence.trackCount, c.tracks);
    EXPECT_NEAR(sequence.durationMicros(), c.durationMicros, 1);
    for (int64_t micros : {int64_t{0}, int64_t{250000}, int64_t{1200000}}) {
      EXPECT_NEAR(sequence.microsAt(sequence.tickAt(micros)), micros, 5300) << micros;
    }
    EXPECT_EQ(sequence.tickAt(c.durationMicros * 2), sequence.lastTick);
  }
}

Bytes Header(uint32_t length, uint16_t format, uint16_t tracks, uint16_t division) {
  return {'M',
          'T',
          'h',
          'd',
          0,
          0,
          0,
          static_cast<uint8_t>(length),
          0,
          static_cast<uint8_t>(format),
          0,
          static_cast<uint8_t>(tracks),
          static_cast<uint8_t>(division >> 8),
          static_cast<uint8_t>(division)};
}

Bytes WithTrack(Bytes file, const Bytes& events, uint32_t claimed) {
  const Bytes head = {'M',
                      'T',
                      'r',
                      'k',
                      static_cast<uint8_t>(claimed >> 24),
                      static_cast<uint8_t>(claimed >> 16),
                      static_cast<uint8_t>(claimed >> 8),
                      static_cast<uint8_t>(claimed)};
  file.insert(file.end(), head.begin(), head.end());
  file.insert(file.end(), events.begin(), events.end());
  return file;
}

Bytes OneTrack(const Bytes& events) {
  return WithTrack(Header(6, 0, 1, 96), events, static_cast<uint32_t>(events.size()));
}

TEST(MidiFileTest, MalformedFilesAreRefusedWithTheirCause) {
  const Bytes good = {0x00, 0x90, 60, 100, 0x60, 60, 0, 0x00, 0xFF, 0x2F, 0x00};
  struct Case {
    const char* name;
    Bytes file;
    const char* cause;
  } cases[] = {
      {"not MIDI", {'R', 'I', 'F', 'F', 0, 0, 0, 0}, "MThd"},
      {"short header", Header(5, 0, 1, 96), "cut short"},
      {"format 3", WithTrack(Header(6, 3, 1, 96), good, 11), "format 3"},
      {"no track", Header(6, 0, 0, 96), "no track"},
      {"division 0", WithTrack(Header(6, 0, 1, 0), good, 11), "division"},
      {"SMPTE division", WithTrack(Header(6, 0, 1, 0xE728), good, 11), "division"},
      {"missing track", WithTrack(Header(6, 1, 2, 96), good, 11), "missing"},
      {"track past the end", WithTrack(Header(6, 0, 1, 96), good, 40), "past the end"},
      {"five-byte delta", OneTrack({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 100}), "delta"},
      {"data byte of 128", OneTrack({0x00, 0x90, 0x80, 100}), "128 or more"},
      {"running status first", OneTrack({0x00, 60, 100}), "running status"},
      {"cut note", OneTrack({0x00, 0x90, 60}), "cut short"},
      {"tempo 0", OneTrack({0x00, 0xFF, 0x51, 0x03, 0, 0, 0}), "tempo of 0"},
      {"meta past its track", OneTrack({0x00, 0xFF, 0x01, 0x09, 'a'}), "past its track"},
      {"system common", OneTrack({0x00, 0xF2, 0x00, 0x00}), "system event"},
      // 0x0FFFFFFF ticks at the slowest tempo: far beyond 30 minutes.
      {"too long",
       OneTrack({0x00, 0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x2F, 0}),
       "30 minutes"},
  };
  for (const Case& c : cases) {
    host::MidiSequence sequence;
    std::string error;
    EXPECT_FALSE(Read(c.file, &sequence, &error)) << c.name;
    EXPECT_NE(error.find(c.cause), std::string::npos) << c.name << ": " << error;
  }
}

TEST(MidiFileTest, RunningStatusAndForeignChunksAreRead) {
  // A chunk of another kind before the track is skipped; the second note uses running status.
  Bytes file = Header(6, 0, 1, 96);
  const Bytes foreign = {'X', 'F', 'I', 'H', 0, 0, 0, 2, 1, 2};
  file.insert(file.end(), foreign.begin(), foreign.end());
  const Bytes events = {0x00, 0x90, 60, 100, 0x60, 62, 100, 0x60, 62, 0, 0x00, 0xFF, 0x2F, 0x00};
  file = WithTrack(file, events, static_cast<uint32_t>(events.size()));
  host::MidiSequence sequence;
  std::string error;
  ASSERT_TRUE(Read(file, &sequence, &error)) << error;
  EXPECT_EQ(sequence.lastTick, 192u);
  EXPECT_EQ(sequence.durationMicros(), 1000000);
}

}  // namespace
