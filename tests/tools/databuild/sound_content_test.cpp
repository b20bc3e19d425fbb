// The game's sound set: every id gives a sound the WAV writer takes, music and jingles 16-bit,
// effects 8-bit, music long enough to loop and effects short; and the synthesis of a part.
#include "tools/databuild/sound_content.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "tools/databuild/build_error.h"
#include "tools/databuild/sound_synth.h"
#include "tools/databuild/wav_writer.h"

namespace databuild {
namespace {

int PeakOf(const PcmSound& sound) {
  int peak = 0;
  for (const int16_t s : sound.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

TEST(SoundContentTest, EverySoundIsAudibleAndFitsItsRole) {
  for (int id = 0; id < kGameSoundCount; id++) {
    SCOPED_TRACE(id);
    const PcmSound sound = GameSound(id);
    EXPECT_FALSE(GameSoundRole(id).empty());
    EXPECT_EQ(sound.sampleRate, 22050u);
    EXPECT_EQ(sound.channels, 1);
    const bool music = id <= 12;
    EXPECT_EQ(sound.bitsPerSample, music ? 16 : 8);
    const uint32_t ms = sound.frames() * 1000 / sound.sampleRate;
    if (music && id != 2 && id != 3) {
      EXPECT_GE(ms, 3000u);  // a loop, not a blip
    } else {
      EXPECT_LE(ms, 2000u);
    }
    EXPECT_GT(PeakOf(sound), 3000);
    EXPECT_LT(PeakOf(sound), 32767);  // nothing clips
    EXPECT_NO_THROW(WriteWav(sound));
  }
  EXPECT_THROW(GameSound(kGameSoundCount), BuildError);
}

TEST(SoundContentTest, TheSameIdGivesTheSameSamples) {
  EXPECT_EQ(GameSound(4).samples, GameSound(4).samples);
  EXPECT_NE(GameSound(4).samples, GameSound(5).samples);
}

// A part starts at its time, lasts its length, reaches its peak and fades in and out.
TEST(SoundSynthTest, APartLandsWhereAndHowLongItIsAsked) {
  SoundMix mix(8000, 2);
  mix.add({Wave::kSquare, 400, 400, 100, 10000, 0, 0}, 50, 1);
  const PcmSound sound = mix.take(16);
  ASSERT_EQ(sound.frames(), 1200u);  // 50 ms of nothing, then 100 ms
  for (uint32_t i = 0; i < sound.frames(); i++) {
    EXPECT_EQ(sound.samples[2 * i], 0);  // the left channel was not asked for
    const int right = std::abs(sound.samples[2 * i + 1]);
    EXPECT_EQ(right, i < 400 ? 0 : 6000) << i;  // a square at 0.6 of the amplitude
  }
  SoundMix faded(8000, 1);
  faded.add({Wave::kSine, 1000, 1000, 100, 10000, 10, 10}, 0);
  const PcmSound sine = faded.take(16);
  EXPECT_EQ(sine.samples.front(), 0);
  EXPECT_LT(std::abs(sine.samples.back()), 1300);
  EXPECT_NEAR(PeakOf(sine), 10000, 10);
}

}  // namespace
}  // namespace databuild
