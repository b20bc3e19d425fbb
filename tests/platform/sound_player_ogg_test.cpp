// SoundPlayerOGG over the Ogg files the builder program encodes: the stream decodes from
// memory to its exact length and plays through the WAVE path; streams that do not open or
// hold no audio leave the player unrealized with a line saying why.
#include <vector>

#include "tests/platform/media_fixture.h"
#include "tools/databuild/sound_fixtures.h"

namespace {

using OggTest = MediaTest;

TEST_F(OggTest, AFixtureDecodesToItsLengthInItsFormat) {
  for (const databuild::ToneFixture& fixture :
       {databuild::kOggToneMono, databuild::kOggToneStereo}) {
    SCOPED_TRACE(fixture.file);
    SoundPlayerOGG* player = OggPlayer(Fixture(fixture.file));
    player->realize();
    ASSERT_EQ(player->getState(), Player::kRealized);
    EXPECT_EQ(player->channels, fixture.channels);
    EXPECT_EQ(player->sampleRate, static_cast<int32_t>(fixture.sampleRate));
    EXPECT_EQ(player->pcmLength, static_cast<int32_t>(fixture.frames * fixture.channels * 2));
    EXPECT_EQ(player->getDuration(), int64_t{fixture.frames} * 1000000 / fixture.sampleRate);
    const SoundPlayerWAVE::WaveFormat& format = player->format;
    EXPECT_EQ(format.formatTag, 1);
    EXPECT_EQ(format.channels, fixture.channels);
    EXPECT_EQ(format.samplesPerSec, fixture.sampleRate);
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_EQ(format.blockAlign, fixture.channels * 2);
    EXPECT_EQ(format.avgBytesPerSec, fixture.sampleRate * fixture.channels * 2);
    EXPECT_EQ(player->soundData, nullptr);
  }
}

// The decoded tone has the fixture's peak (Vorbis is lossy: within a tenth) and ends on time.
TEST_F(OggTest, ADecodedFixturePlaysThroughTheWavePath) {
  SoundPlayerOGG* player = OggPlayer(Fixture(databuild::kOggToneMono.file));
  player->start();
  ASSERT_EQ(player->getState(), Player::kStarted);
  const std::vector<int16_t> mix = StepMix(4410);  // the first 100 ms
  EXPECT_GT(SoundingFrames(mix), 4000u);
  EXPECT_NEAR(PeakOf(mix), 12000, 1200);
  Play(499);  // the frames mixed by hand count towards the clock's time
  EXPECT_EQ(player->getState(), Player::kStarted);
  Play(1);
  EXPECT_EQ(player->getState(), Player::kPrefetched);
  player->close();
  EXPECT_EQ(player->getState(), Player::kClosed);
}

TEST_F(OggTest, TheStereoFixtureKeepsItsChannelsApart) {
  SoundPlayerOGG* player = OggPlayer(Fixture(databuild::kOggToneStereo.file));
  player->start();
  const std::vector<int16_t> mix = StepMix(4410);
  // 440 Hz on the left, 660 Hz on the right: count the rising zero crossings of each.
  int crossings[2] = {0, 0};
  for (size_t i = 2; i < mix.size(); i++) crossings[i % 2] += mix[i - 2] < 0 && mix[i] >= 0;
  EXPECT_NEAR(crossings[0], 44, 2);
  EXPECT_NEAR(crossings[1], 66, 2);
}

// Streams whose headers do not open: the player stays in 100 and the line names the player
// and the decoder's reason.
TEST_F(OggTest, AStreamWhoseHeadersDoNotOpenStaysUnrealized) {
  const Bytes good = Fixture(databuild::kOggToneMono.file);
  Bytes badId = good;
  // The identification header starts on the first page after its 28-byte page header and
  // one lacing byte: packet type 1, then "vorbis".
  badId[29 + 1] = 'X';
  Bytes badSetup = good;
  badSetup[1000] ^= 0xFF;  // inside the page of the comment and setup headers
  struct Case {
    const char* name;
    Bytes file;
    const char* line;
  };
  const Case cases[] = {
      {"a WAV file", databuild::WriteWav(Flat(22050, 2000)),
       "SoundPlayerOGG::readFormat(): the Vorbis headers do not open: the data is not Ogg Vorbis "
       "(-132)"},
      {"the identification header damaged", badId,
       "SoundPlayerOGG::readFormat(): the Vorbis headers do not open: the data is not Ogg Vorbis "
       "(-132)"},
      {"the setup header damaged", badSetup,
       "SoundPlayerOGG::readFormat(): the Vorbis headers do not open: a Vorbis header is damaged "
       "(-133)"},
      {"cut inside the headers", Bytes(good.begin(), good.begin() + 2000),
       "SoundPlayerOGG::readFormat(): the Vorbis headers do not open: the data is not Ogg Vorbis "
       "(-132)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TraceCapture trace;
    SoundPlayerOGG* player = OggPlayer(c.file);
    player->realize();
    EXPECT_EQ(player->getState(), Player::kUnrealized);
    ASSERT_FALSE(trace.lines().empty());
    EXPECT_EQ(trace.lines()[0], c.line);
  }
}

TEST_F(OggTest, AStreamWithoutAudioReportsTheFailedRead) {
  TraceCapture trace;
  SoundPlayerOGG* player = OggPlayer(Fixture(databuild::kOggWithoutAudio));
  player->start();
  EXPECT_EQ(player->getState(), Player::kUnrealized);
  EXPECT_EQ(trace.lines(), std::vector<std::string>{
                               "SoundPlayerWAVE::realize(): readSoundFilePcmData returned -1."});
}

}  // namespace
