// The null device: it plays at the rate of the current clock, and hand steps count as time.
#include <algorithm>

#include "tests/host/null_audio_fixture.h"

using NullAudioDeviceTest = NullAudioTest;

TEST_F(NullAudioDeviceTest, SoundMovesOnAsTheClockMoves) {
  host::Voice* voice = Constant(22050, 100, 1);  // half a second
  EXPECT_EQ(host::VoicePosition(voice), 0u);
  clock_.advance(10);
  EXPECT_EQ(host::VoicePosition(voice), 441u);
  clock_.advance(489);
  EXPECT_FALSE(host::VoiceFinished(voice));
  clock_.advance(1);
  EXPECT_TRUE(host::VoiceFinished(voice));
}

// Catching up with the clock moves a voice exactly as mixing the same frames would.
TEST_F(NullAudioDeviceTest, ClockCatchUpLandsWhereHandSteppingDoes) {
  host::Voice* voice = Voice16(8000, 2, std::vector<int16_t>(2 * 7919, 1));
  ASSERT_TRUE(host::SetVoicePlaybackRate(voice, 0x15EB8));  // about 1.37
  ASSERT_TRUE(host::WriteVoice(voice, 100));
  clock_.advance(12345);
  uint32_t byClock = host::VoicePosition(voice);

  ASSERT_TRUE(host::WriteVoice(voice, 100));
  const uint32_t frames = 12345 * 441 / 10;
  for (uint32_t done = 0; done < frames; done += 1000) StepMix(std::min(1000u, frames - done));
  EXPECT_EQ(host::VoicePosition(voice), byClock);
  EXPECT_NE(byClock, 0u);
}

TEST_F(NullAudioDeviceTest, HandStepsCountAsTimeThatHasPassed) {
  host::Voice* voice = Constant(44100, 100, 1);
  StepMix(441);
  clock_.advance(10);
  EXPECT_EQ(host::VoicePosition(voice), 441u);
  clock_.advance(10);
  EXPECT_EQ(host::VoicePosition(voice), 882u);
}

TEST_F(NullAudioDeviceTest, AClockThatStepsBackAddsNoTime) {
  host::Voice* voice = Constant(44100, 100, 1);
  clock_.advance(10);
  EXPECT_EQ(host::VoicePosition(voice), 441u);
  clock_.set(0);
  EXPECT_EQ(host::VoicePosition(voice), 441u);
  clock_.advance(10);
  EXPECT_EQ(host::VoicePosition(voice), 882u);
}

// A one-frame sound at the highest rates ends about 3 x 10^11 passes in a day: far more than
// the largest finite loop count, which runs out, while the endless count does not.
TEST_F(NullAudioDeviceTest, OnlyTheEndlessLoopCountOutlastsADayOfClock) {
  struct Case {
    uint32_t loops;
    bool finished;
  } cases[] = {{host::kEndlessLoops - 1, true}, {host::kEndlessLoops, false}};
  for (const Case& c : cases) {
    host::Voice* voice = Constant(1, 100, c.loops, host::kMaxSourceRate);
    ASSERT_TRUE(host::SetVoicePlaybackRate(voice, host::kMaxPlaybackRate));
    clock_.advance(24 * 3600 * 1000);
    EXPECT_EQ(host::VoiceFinished(voice), c.finished) << c.loops;
    EXPECT_EQ(SoundingFrames(StepMix(10)), c.finished ? 0u : 10u);
    Close(voice);
  }
}

TEST_F(NullAudioDeviceTest, HandSteppingNeedsTheNullDevice) {
  host::CloseAudioDevice();
  int16_t out[2];
  EXPECT_FALSE(host::StepNullAudio(1, out));
}

TEST_F(NullAudioDeviceTest, ASecondDeviceIsRefusedWhileOneIsOpen) {
  std::string error;
  EXPECT_FALSE(host::OpenAudioDevice(host::AudioBackend::kNull, &error));
  EXPECT_EQ(error, "an audio device is already open");
}
