// The voice calls: accepted formats, preparing, writing, reset, restart, position, finished
// flag, volume and rate.
#include "tests/host/null_audio_fixture.h"

using AudioVoiceTest = NullAudioTest;

TEST_F(AudioVoiceTest, OpenRefusesFormatsOutsideTheAcceptedLayouts) {
  const host::PcmFormat refused[] = {
      {44100, 0, 16}, {44100, 3, 16}, {44100, 2, 12},
      {44100, 1, 0},  {0, 1, 16},     {host::kMaxSourceRate + 1, 1, 16},
  };
  for (const host::PcmFormat& format : refused) {
    SCOPED_TRACE(testing::Message() << format.sampleRate << " Hz, " << format.channels << " ch, "
                                    << format.bitsPerSample << " bits");
    EXPECT_EQ(host::OpenVoice(format), nullptr);
  }
  host::Voice* slowest = host::OpenVoice({1, 2, 8});
  EXPECT_NE(slowest, nullptr);
  host::CloseVoice(slowest);
}

TEST_F(AudioVoiceTest, OpenNeedsAnOpenDevice) {
  host::CloseAudioDevice();
  EXPECT_EQ(host::OpenVoice({44100, 2, 16}), nullptr);
}

// The voice calls tolerate a voice that failed to open.
TEST_F(AudioVoiceTest, CallsOnANullVoiceDoNothing) {
  EXPECT_FALSE(host::PrepareVoice(nullptr, "ab", 2));
  EXPECT_FALSE(host::WriteVoice(nullptr, 1));
  EXPECT_FALSE(host::VoiceFinished(nullptr));
  EXPECT_EQ(host::VoicePosition(nullptr), 0u);
  EXPECT_FALSE(host::SetVoicePlaybackRate(nullptr, host::kNormalPlaybackRate));
  host::ResetVoice(nullptr);
  host::RestartVoice(nullptr);
  host::SetVoiceVolume(nullptr, 0);
  host::UnprepareVoice(nullptr);
  host::CloseVoice(nullptr);
}

TEST_F(AudioVoiceTest, WriteNeedsPreparedDataAndEmptyDataFinishesAtOnce) {
  host::Voice* voice = host::OpenVoice({44100, 1, 16});
  ASSERT_NE(voice, nullptr);
  EXPECT_FALSE(host::WriteVoice(voice, 1));
  ASSERT_TRUE(host::PrepareVoice(voice, nullptr, 0));
  EXPECT_TRUE(host::WriteVoice(voice, host::kEndlessLoops));
  EXPECT_TRUE(host::VoiceFinished(voice));
  host::UnprepareVoice(voice);
  EXPECT_FALSE(host::WriteVoice(voice, 1));
  host::CloseVoice(voice);
}

// 7 bytes of 16-bit stereo hold one whole frame; preparing again stops the voice.
TEST_F(AudioVoiceTest, PrepareDropsAPartialFrameAndStopsTheVoice) {
  host::Voice* voice = host::OpenVoice({44100, 2, 16});
  ASSERT_NE(voice, nullptr);
  const uint8_t bytes[7] = {0x10, 0, 0x20, 0, 0x30, 0, 0x40};
  ASSERT_TRUE(host::PrepareVoice(voice, bytes, sizeof bytes));
  ASSERT_TRUE(host::WriteVoice(voice, 1));
  EXPECT_EQ(StepMix(2), (std::vector<int16_t>{0x10, 0x20, 0, 0}));
  ASSERT_TRUE(host::WriteVoice(voice, host::kEndlessLoops));
  ASSERT_TRUE(host::PrepareVoice(voice, bytes, sizeof bytes));
  EXPECT_EQ(SoundingFrames(StepMix(10)), 0u);
  EXPECT_FALSE(host::VoiceFinished(voice));
  host::CloseVoice(voice);
}

TEST_F(AudioVoiceTest, ResetSilencesAtOnceWithoutMarkingTheVoiceFinished) {
  host::Voice* voice = Constant(10000, 5000, host::kEndlessLoops);
  EXPECT_EQ(SoundingFrames(StepMix(10)), 10u);
  host::ResetVoice(voice);
  EXPECT_EQ(SoundingFrames(StepMix(10)), 0u);
  EXPECT_FALSE(host::VoiceFinished(voice));
}

// The flag rises exactly when the last pass ends, and only then; a new write clears it.
TEST_F(AudioVoiceTest, FinishedFlagFollowsTheEndOfTheLastPass) {
  host::Voice* voice = Constant(100, 5000, 2);
  StepMix(199);
  EXPECT_FALSE(host::VoiceFinished(voice));
  StepMix(1);
  EXPECT_TRUE(host::VoiceFinished(voice));
  ASSERT_TRUE(host::WriteVoice(voice, 1));
  EXPECT_FALSE(host::VoiceFinished(voice));
  EXPECT_EQ(SoundingFrames(StepMix(200)), 100u);
  EXPECT_TRUE(host::VoiceFinished(voice));
}

// Positions count source frames within the current pass, whatever the rates.
TEST_F(AudioVoiceTest, PositionCountsSourceFramesOfTheCurrentPass) {
  struct Case {
    uint32_t rate, playbackRate, stepped, loops, position;
  } cases[] = {
      {44100, 0x10000, 300, 1, 300},   {44100, 0x20000, 300, 1, 600},
      {22050, 0x10000, 300, 1, 150},   {44100, 0x10000, 1300, 2, 300},
      {44100, 0x10000, 2500, 2, 1000},  // finished: the end of the data
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rate << " Hz, " << c.stepped << " frames");
    host::Voice* voice = Voice16(c.rate, 1, std::vector<int16_t>(1000, 1));
    ASSERT_TRUE(host::SetVoicePlaybackRate(voice, c.playbackRate));
    ASSERT_TRUE(host::WriteVoice(voice, c.loops));
    EXPECT_EQ(host::VoicePosition(voice), 0u);
    StepMix(c.stepped);
    EXPECT_EQ(host::VoicePosition(voice), c.position);
    Close(voice);
  }
}

// Restart goes back to the start with every pass to play again; it starts no stopped voice.
TEST_F(AudioVoiceTest, RestartRewindsWithTheFullLoopCount) {
  host::Voice* voice = Constant(100, 3000, 2);
  StepMix(150);
  host::RestartVoice(voice);
  EXPECT_EQ(host::VoicePosition(voice), 0u);
  EXPECT_EQ(SoundingFrames(StepMix(1000)), 200u);
  EXPECT_TRUE(host::VoiceFinished(voice));

  ASSERT_TRUE(host::WriteVoice(voice, 1));
  StepMix(50);
  host::ResetVoice(voice);
  host::RestartVoice(voice);
  EXPECT_EQ(SoundingFrames(StepMix(100)), 0u);
}

TEST_F(AudioVoiceTest, VolumeAndRateReadBackAndRatesOutOfRangeAreRefused) {
  host::Voice* voice = Constant(10, 1, 1);
  EXPECT_EQ(host::GetVoiceVolume(voice), host::kFullVolume);
  host::SetVoiceVolume(voice, 0x1234ABCD);
  EXPECT_EQ(host::GetVoiceVolume(voice), 0x1234ABCDu);

  EXPECT_EQ(host::GetVoicePlaybackRate(voice), host::kNormalPlaybackRate);
  EXPECT_TRUE(host::SetVoicePlaybackRate(voice, host::kMaxPlaybackRate));
  EXPECT_FALSE(host::SetVoicePlaybackRate(voice, 0));
  EXPECT_FALSE(host::SetVoicePlaybackRate(voice, host::kMaxPlaybackRate + 1));
  EXPECT_EQ(host::GetVoicePlaybackRate(voice), host::kMaxPlaybackRate);
}

// A closed voice leaves the mix at once; the other voices play on.
TEST_F(AudioVoiceTest, ClosingAPlayingVoiceTakesItOutOfTheMix) {
  host::Voice* closed = Constant(1000, 1000, host::kEndlessLoops);
  Constant(1000, 20, host::kEndlessLoops);
  EXPECT_EQ(StepMix(1), (std::vector<int16_t>{1020, 1020}));
  Close(closed);
  EXPECT_EQ(StepMix(1), (std::vector<int16_t>{20, 20}));
}
