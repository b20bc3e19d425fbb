// The mixer's output: gains, interpolation, resampled lengths, loop counts, sample formats, sums.
#include <cmath>

#include "tests/host/null_audio_fixture.h"

namespace {

constexpr uint32_t Volume(uint16_t left, uint16_t right) {
  return left | (uint32_t{right} << 16);
}

// One period of a 441 Hz sine at 44100 Hz, amplitude 20000, the same in both channels.
std::vector<int16_t> SineStereo() {
  std::vector<int16_t> samples;
  for (int i = 0; i < 100; ++i) {
    auto s = static_cast<int16_t>(std::lround(20000 * std::sin(2 * M_PI * i / 100)));
    samples.insert(samples.end(), {s, s});
  }
  return samples;
}

}  // namespace

using AudioMixerTest = NullAudioTest;

// Each output sample is the source sample times the voice's and the master's gain per channel,
// rounded: exact at full and zero gain, within one step elsewhere.
TEST_F(AudioMixerTest, ToneAtAKnownGainGivesTheExpectedSamples) {
  struct Case {
    uint32_t voiceVolume, masterVolume;
    double left, right;
  } cases[] = {
      {host::kFullVolume, host::kFullVolume, 1, 1},
      {Volume(0x8000, 0xFFFF), host::kFullVolume, 0.5, 1},
      {host::kFullVolume, Volume(0x8000, 0x8000), 0.5, 0.5},
      {Volume(0x8000, 0x8000), Volume(0x8000, 0x8000), 0.25, 0.25},
      {Volume(0x4000, 0xC000), host::kFullVolume, 0.25, 0.75},
      {0, host::kFullVolume, 0, 0},
      {host::kFullVolume, Volume(0, 0xFFFF), 0, 1},
  };
  const std::vector<int16_t> tone = SineStereo();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.voiceVolume << " " << c.masterVolume);
    host::Voice* voice = Voice16(44100, 2, tone);
    host::SetVoiceVolume(voice, c.voiceVolume);
    host::SetMasterVolume(c.masterVolume);
    ASSERT_TRUE(host::WriteVoice(voice, 1));
    std::vector<int16_t> mix = StepMix(100);
    for (size_t i = 0; i < mix.size(); i += 2) {
      double factor[2] = {c.left, c.right};
      for (int ch = 0; ch < 2; ++ch) {
        double tolerance = factor[ch] == 0 || factor[ch] == 1 ? 0 : 1;
        ASSERT_NEAR(mix[i + ch], tone[i + ch] * factor[ch], tolerance) << "frame " << i / 2;
      }
    }
    Close(voice);
  }
}

// A ramp at half the device rate comes out with the midpoints in between; at the end of the
// last pass the sound holds its last value, and a following pass is interpolated towards.
TEST_F(AudioMixerTest, ResamplingInterpolatesBetweenSourceFrames) {
  std::vector<int16_t> ramp;
  for (int i = 0; i < 10; ++i) ramp.push_back(static_cast<int16_t>(1000 * i + 1000));
  host::Voice* voice = Voice16(22050, 1, ramp);
  ASSERT_TRUE(host::WriteVoice(voice, 2));
  std::vector<int16_t> mix = StepMix(41);
  for (int i = 0; i < 20; ++i) {
    int expected = i == 19 ? 5500 : 1000 + 500 * i;  // frame 19 lies between 10000 and 1000
    EXPECT_EQ(mix[2 * i], expected) << i;
    EXPECT_EQ(mix[2 * i + 1], expected) << i;
  }
  EXPECT_EQ(mix[2 * 38], 10000);
  EXPECT_EQ(mix[2 * 39], 10000);  // held, no pass follows
  EXPECT_EQ(mix[2 * 40], 0);
}

// Output length = source length x device rate / (source rate x playback rate).
TEST_F(AudioMixerTest, ResampledLengthFollowsSourceAndPlaybackRates) {
  struct Case {
    uint32_t rate;
    uint16_t channels, bits;
    uint32_t frames, playbackRate;
    size_t expected, tolerance;
  } cases[] = {
      {44100, 1, 16, 4410, 0x10000, 4410, 0}, {22050, 1, 16, 4410, 0x10000, 8820, 0},
      {11025, 1, 8, 2205, 0x10000, 8820, 0},  {8000, 2, 16, 1600, 0x10000, 8820, 1},
      {48000, 2, 16, 4800, 0x10000, 4410, 1}, {44100, 2, 8, 4410, 0x20000, 2205, 0},
      {44100, 1, 16, 4410, 0x8000, 8820, 0},  {22050, 1, 16, 4410, 0x20000, 4410, 0},
      {32000, 1, 16, 3200, 0x18000, 2940, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rate << " Hz, " << c.channels << " ch, " << c.bits
                                    << " bits, rate " << std::hex << c.playbackRate);
    host::Voice* voice =
        c.bits == 16 ? Voice16(c.rate, c.channels, std::vector<int16_t>(c.frames * c.channels, 900))
                     : Voice8(c.rate, c.channels, std::vector<uint8_t>(c.frames * c.channels, 200));
    ASSERT_TRUE(host::SetVoicePlaybackRate(voice, c.playbackRate));
    ASSERT_TRUE(host::WriteVoice(voice, 1));
    EXPECT_NEAR(SoundingFrames(StepMix(10000)), c.expected, c.tolerance);
    EXPECT_TRUE(host::VoiceFinished(voice));
    Close(voice);
  }
}

TEST_F(AudioMixerTest, LoopCountPlaysOnceNTimesOrEndlessly) {
  struct Case {
    uint32_t loops;
    size_t sounding;
    bool finished;
  } cases[] = {
      {0, 100, true},
      {1, 100, true},
      {3, 300, true},
      {host::kEndlessLoops, 1000, false},
      {0xFFFFFFFFu, 1000, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.loops);
    host::Voice* voice = Constant(100, 700, c.loops);
    EXPECT_EQ(SoundingFrames(StepMix(1000)), c.sounding);
    EXPECT_EQ(host::VoiceFinished(voice), c.finished);
    Close(voice);
  }
}

// 8-bit data is unsigned around 128; a mono source feeds both channels.
TEST_F(AudioMixerTest, EightBitAndMonoSourcesComeOutAs16BitStereo) {
  struct Case {
    uint16_t channels, bits;
    std::vector<int> source;
    std::vector<int16_t> expected;  // left, right per frame
  } cases[] = {
      {1, 8, {128, 255, 0, 192}, {0, 0, 32512, 32512, -32768, -32768, 16384, 16384}},
      {2, 8, {255, 0, 128, 64}, {32512, -32768, 0, -16384}},
      {1, 16, {-5, 32767}, {-5, -5, 32767, 32767}},
      {2, 16, {-32768, 12, 7, -7}, {-32768, 12, 7, -7}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.channels << " ch, " << c.bits << " bits");
    host::Voice* voice = c.bits == 8
                             ? Voice8(44100, c.channels, {c.source.begin(), c.source.end()})
                             : Voice16(44100, c.channels, {c.source.begin(), c.source.end()});
    ASSERT_TRUE(host::WriteVoice(voice, 1));
    std::vector<int16_t> mix = StepMix(static_cast<uint32_t>(c.expected.size() / 2));
    EXPECT_EQ(mix, c.expected);
    Close(voice);
  }
}

TEST_F(AudioMixerTest, VoicesAreSummedAndTheSumClampedTo16Bits) {
  struct Case {
    int16_t a, b, expected;
  } cases[] = {{1000, -400, 600}, {30000, 30000, 32767}, {-30000, -30000, -32768}};
  for (const Case& c : cases) {
    host::Voice* first = Constant(10, c.a, 1);
    host::Voice* second = Constant(10, c.b, 1);
    std::vector<int16_t> mix = StepMix(10);
    EXPECT_EQ(mix, std::vector<int16_t>(20, c.expected));
    Close(first);
    Close(second);
  }
}

// The master volume is read for every mix, so a change reaches a playing voice at once.
TEST_F(AudioMixerTest, MasterVolumeScalesTheWholeMixAndReadsBackAsSet) {
  EXPECT_EQ(host::GetMasterVolume(), host::kFullVolume);
  Constant(1000, 8000, 1);
  EXPECT_EQ(StepMix(1), (std::vector<int16_t>{8000, 8000}));
  host::SetMasterVolume(Volume(0, 0x8000));
  EXPECT_EQ(host::GetMasterVolume(), Volume(0, 0x8000));
  std::vector<int16_t> half = StepMix(1);
  EXPECT_EQ(half[0], 0);
  EXPECT_NEAR(half[1], 4000, 1);
  host::SetMasterVolume(0);
  EXPECT_EQ(SoundingFrames(StepMix(100)), 0u);
}
