// SoundPlayerWAVE on the null audio device and the test clock: its states, loop counts, volume
// and rate, stop and close, the header it refuses, and the samples it puts into the mix.
#include <cstdlib>
#include <vector>

#include "javame/exception_classes.h"
#include "tests/platform/media_fixture.h"

namespace {

using WaveTest = MediaTest;

// 500 ms at 22050 Hz: the null device ends it after 500 ms of the test clock.
constexpr uint32_t kHalfSecond = 11025;

TEST_F(WaveTest, StatesRunUpTo400AndFallBackTo300WhenTheSoundEnds) {
  SoundPlayerWAVE* player = WavePlayer(Flat(22050, kHalfSecond));
  EXPECT_EQ(player->getState(), Player::kUnrealized);
  player->realize();
  EXPECT_EQ(player->getState(), Player::kRealized);
  player->prefetch();
  EXPECT_EQ(player->getState(), Player::kPrefetched);
  player->start();
  EXPECT_EQ(player->getState(), Player::kStarted);
  Play(499);
  EXPECT_EQ(player->getState(), Player::kStarted);
  Play(1);
  EXPECT_EQ(player->getState(), Player::kPrefetched);
  player->deallocate();
  EXPECT_EQ(player->getState(), Player::kRealized);
  player->close();
  EXPECT_EQ(player->getState(), Player::kClosed);
}

TEST_F(WaveTest, StartOnANewPlayerPlaysAndASecondStartPlaysAgain) {
  SoundPlayerWAVE* player = WavePlayer(Flat(22050, kHalfSecond));
  player->start();
  EXPECT_EQ(player->getState(), Player::kStarted);
  EXPECT_EQ(SoundingFrames(StepMix(441)), 441u);
  Play(500);
  EXPECT_EQ(player->getState(), Player::kPrefetched);
  EXPECT_EQ(SoundingFrames(StepMix(441)), 0u);

  player->start();
  EXPECT_EQ(player->getState(), Player::kStarted);
  EXPECT_EQ(SoundingFrames(StepMix(441)), 441u);
}

// A 100 ms sound, its loop count set before or after realize: it plays `count` passes.
TEST_F(WaveTest, EveryStartPlaysTheCurrentLoopCount) {
  struct Case {
    const char* name;
    int32_t count;
    bool afterRealize;
    uint32_t playsForMs;  // 0: still playing after ten seconds
  };
  const Case cases[] = {
      {"3 before realize", 3, false, 300}, {"3 after realize", 3, true, 300},
      {"0 plays once", 0, true, 100},      {"1 plays once", 1, false, 100},
      {"-1 keeps playing", -1, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SoundPlayerWAVE* player = WavePlayer(Flat(22050, 2205));
    if (c.afterRealize) player->realize();
    player->setLoopCount(c.count);
    player->start();
    if (c.playsForMs == 0) {
      Play(10000);
      EXPECT_EQ(player->getState(), Player::kStarted);
    } else {
      Play(c.playsForMs - 1);
      EXPECT_EQ(player->getState(), Player::kStarted);
      Play(1);
      EXPECT_EQ(player->getState(), Player::kPrefetched);
    }
    player->close();
  }
}

TEST_F(WaveTest, ALoopCountSetBetweenStartsTakesEffectAtTheNextStart) {
  SoundPlayerWAVE* player = WavePlayer(Flat(22050, 2205));
  player->setLoopCount(2);
  player->start();
  Play(200);
  EXPECT_EQ(player->getState(), Player::kPrefetched);
  player->setLoopCount(1);
  player->start();
  Play(100);
  EXPECT_EQ(player->getState(), Player::kPrefetched);
}

TEST_F(WaveTest, SetLevelClampsAndSetsThePlayersOwnGain) {
  struct Case {
    int32_t level;
    int32_t stored;
    int16_t sample;  // what a sample of 20000 becomes in the mix
  };
  const Case cases[] = {{150, 100, 20000}, {-5, 0, 0}, {50, 50, 10000}, {25, 25, 5000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    SoundPlayerWAVE* player = WavePlayer(Flat(44100, 44100, 20000));
    player->setLoopCount(-1);
    player->start();
    EXPECT_EQ(player->setLevel(c.level), 100);
    EXPECT_EQ(player->getLevel(), c.stored);
    const std::vector<int16_t> mix = StepMix(4);
    EXPECT_NEAR(mix[0], c.sample, 1);
    EXPECT_NEAR(mix[1], c.sample, 1);  // both channels
    EXPECT_EQ(host::GetMasterVolume(), host::kFullVolume);
    player->close();
  }
}

TEST_F(WaveTest, ALevelSetBeforeRealizeHoldsAndTheMasterVolumeIsNotThePlayers) {
  host::SetMasterVolume(0x40004000);
  SoundPlayerWAVE* player = WavePlayer(Flat(44100, 44100, 20000));
  EXPECT_EQ(player->setLevel(30), 100);
  player->start();
  EXPECT_EQ(player->getLevel(), 30);
  // 30% of the sample, then the master volume's quarter.
  EXPECT_NEAR(StepMix(1)[0], 20000 * 30 / 100 / 4, 2);
  // Prefetch reads the level back from the voice's gain, and it stays 30.
  player->stop();
  player->deallocate();
  player->prefetch();
  EXPECT_EQ(player->getLevel(), 30);
  host::SetMasterVolume(host::kFullVolume);
}

TEST_F(WaveTest, SetRateClampsToHalfAndDoubleSpeed) {
  struct Case {
    int32_t rate;
    int32_t returned;  // the rate before the change
    int32_t stored;
  };
  const Case cases[] = {
      {300000, 100000, 200000}, {10000, 100000, 50000}, {150000, 100000, 150000}, {-1, -1, 100000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rate);
    SoundPlayerWAVE* player = WavePlayer(Flat(22050, kHalfSecond));
    EXPECT_EQ(player->getRate(), -1);  // no voice before realize
    EXPECT_EQ(player->setRate(100000), -1);
    player->realize();
    EXPECT_EQ(player->setRate(c.rate), c.returned);
    EXPECT_EQ(player->getRate(), c.stored);
    player->close();
  }
}

TEST_F(WaveTest, DoubleRatePlaysTheSoundInHalfTheTime) {
  SoundPlayerWAVE* player = WavePlayer(Flat(22050, kHalfSecond));
  player->realize();
  player->setRate(300000);
  player->start();
  Play(249);
  EXPECT_EQ(player->getState(), Player::kStarted);
  Play(1);
  EXPECT_EQ(player->getState(), Player::kPrefetched);
}

// A known tone at half level and double rate: each output frame is every other sample, halved.
TEST_F(WaveTest, TheMixHoldsTheToneAtTheLevelAndRateSet) {
  std::vector<int16_t> tone;
  for (int i = 0; i < 4000; i++) tone.push_back(static_cast<int16_t>((i * 7919) % 60001 - 30000));
  SoundPlayerWAVE* player = WavePlayer(Pcm16(44100, 1, tone));
  player->realize();
  player->setLevel(50);
  player->setRate(200000);
  player->start();
  const std::vector<int16_t> mix = StepMix(1500);
  for (size_t i = 0; i < 1500; i++) {
    ASSERT_NEAR(mix[2 * i], tone[2 * i] / 2, 1) << "frame " << i;
    ASSERT_EQ(mix[2 * i + 1], mix[2 * i]) << "frame " << i;
  }
}

TEST_F(WaveTest, StopAndCloseSilenceAtOnceAndNothingChangesAfterClose) {
  SoundPlayerWAVE* player = WavePlayer(Flat(22050, 2205));
  player->setLoopCount(-1);
  player->start();
  EXPECT_EQ(SoundingFrames(StepMix(100)), 100u);
  player->stop();
  EXPECT_EQ(player->getState(), Player::kPrefetched);
  EXPECT_EQ(SoundingFrames(StepMix(100)), 0u);

  player->start();
  EXPECT_EQ(SoundingFrames(StepMix(100)), 100u);
  player->close();
  EXPECT_EQ(SoundingFrames(StepMix(100)), 0u);
  Play(10000);
  EXPECT_EQ(player->getState(), Player::kClosed);
  player->start();
  EXPECT_EQ(player->getState(), Player::kClosed);
  EXPECT_EQ(SoundingFrames(StepMix(100)), 0u);
}

TEST_F(WaveTest, FinalizeClosesAPlayingPlayer) {
  SoundPlayerWAVE* player = WavePlayer(Flat(22050, 2205));
  player->setLoopCount(-1);
  player->start();
  player->finalize();
  EXPECT_EQ(player->state, Player::kClosed);
  EXPECT_EQ(player->device, nullptr);
  EXPECT_EQ(SoundingFrames(StepMix(100)), 0u);
}

TEST_F(WaveTest, MuteSilencesTheVoiceAndKeepsStartFromPlaying) {
  SoundPlayerWAVE* player = WavePlayer(Flat(22050, 2205));
  player->setLoopCount(-1);
  player->start();
  player->setMute(true);
  EXPECT_TRUE(player->isMuted());
  EXPECT_EQ(SoundingFrames(StepMix(100)), 0u);
  player->stop();
  player->start();
  EXPECT_EQ(player->getState(), Player::kPrefetched);
  player->setMute(false);
  player->start();
  EXPECT_EQ(player->getState(), Player::kStarted);
  EXPECT_EQ(SoundingFrames(StepMix(100)), 100u);
  EXPECT_EQ(player->getLevel(), 100);
}

// Headers that realize refuses: the player stays unrealized with one line naming the cause.
TEST_F(WaveTest, RealizeRefusesAHeaderItCannotPlay) {
  const Bytes good = databuild::WriteWav(Flat(22050, 100));
  struct Case {
    const char* name;
    size_t cutTo;  // the file's length, or 0 to keep it whole
    size_t at;     // a little-endian field of `width` bytes (0: none) set to value
    int width;
    uint32_t value;
    const char* line;
  };
  const Case cases[] = {
      {"shorter than the header", 43, 0, 0, 0,
       "SoundPlayerWAVE::readFormat(): 43 bytes cannot hold the 44-byte WAV header"},
      {"not RIFF", 0, 0, 1, 'X',
       "SoundPlayerWAVE::readFormat(): the data does not start with RIFF"},
      {"no channels", 0, 22, 2, 0,
       "SoundPlayerWAVE::readFormat(): 0 channels of 16-bit samples at 22050 Hz cannot be played"},
      {"a rate of 0", 0, 24, 4, 0,
       "SoundPlayerWAVE::readFormat(): 1 channels of 16-bit samples at 0 Hz cannot be played"},
      {"12-bit samples", 0, 34, 2, 12,
       "SoundPlayerWAVE::readFormat(): 1 channels of 12-bit samples at 22050 Hz cannot be played"},
      {"24-bit samples", 0, 34, 2, 24,
       "SoundPlayerWAVE::readFormat(): 1 channels of 24-bit samples at 22050 Hz cannot be played"},
      {"no PCM", 44, 0, 0, 0, "SoundPlayerWAVE::readSoundFilePcmData(): m_pcmDataLength <= 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes file = good;
    if (c.cutTo > 0) file.resize(c.cutTo);
    for (int i = 0; i < c.width; i++) file[c.at + i] = static_cast<uint8_t>(c.value >> (8 * i));
    TraceCapture trace;
    SoundPlayerWAVE* player = WavePlayer(file);
    player->realize();
    EXPECT_EQ(player->getState(), Player::kUnrealized);
    ASSERT_FALSE(trace.lines().empty());
    EXPECT_EQ(trace.lines()[0], c.line);
  }
}

TEST_F(WaveTest, NoPcmMeansRealizeReportsTheFailedRead) {
  Bytes file = databuild::WriteWav(Flat(22050, 100));
  file.resize(44);
  TraceCapture trace;
  SoundPlayerWAVE* player = WavePlayer(file);
  player->start();
  EXPECT_EQ(player->getState(), Player::kUnrealized);
  EXPECT_TRUE(trace.contains("SoundPlayerWAVE::realize(): readSoundFilePcmData returned -1."));
}

// The data length is cut to what the file holds; the duration is the PCM over the byte rate.
TEST_F(WaveTest, PcmLengthAndDurationComeFromWhatTheFileHolds) {
  struct Case {
    const char* name;
    databuild::PcmSound sound;
    uint32_t claimedBytes;  // written over the data length; 0 keeps the true one
    int32_t pcmLength;
    int64_t duration;  // microseconds
  };
  databuild::PcmSound stereo8 = Pcm16(8000, 2, std::vector<int16_t>(8000, 256));
  stereo8.bitsPerSample = 8;
  const Case cases[] = {
      {"16-bit mono", Flat(22050, kHalfSecond), 0, 22050, 500000},
      {"8-bit stereo", stereo8, 0, 8000, 500000},
      {"16-bit stereo", Pcm16(44100, 2, std::vector<int16_t>(8820, 1)), 0, 17640, 100000},
      {"claims more than it holds", Flat(22050, 50), 4096, 100, 2267},
      {"claims less than it holds", Flat(22050, 50), 10, 10, 226},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes file = databuild::WriteWav(c.sound);
    for (int i = 0; i < 4 && c.claimedBytes; i++)
      file[40 + i] = static_cast<uint8_t>(c.claimedBytes >> (8 * i));
    SoundPlayerWAVE* player = WavePlayer(file);
    EXPECT_EQ(player->getDuration(), 0);
    player->realize();
    ASSERT_EQ(player->getState(), Player::kRealized);
    EXPECT_EQ(player->pcmLength, c.pcmLength);
    EXPECT_EQ(player->getDuration(), c.duration);
    EXPECT_EQ(player->soundData, nullptr);  // given up once the PCM is taken
  }
}

TEST_F(WaveTest, MediaTimeIsThePositionInWholeMilliseconds) {
  TraceCapture trace;
  SoundPlayerWAVE* player = WavePlayer(Flat(44100, 44100));
  EXPECT_EQ(player->getMediaTime(), -1);  // no voice yet
  player->start();
  Play(250);
  EXPECT_EQ(player->getMediaTime(), 250000);
  EXPECT_EQ(player->setMediaTime(0), 0);
  EXPECT_EQ(player->getMediaTime(), 0);
  Play(100);
  EXPECT_EQ(player->getMediaTime(), 100000);
  EXPECT_EQ(player->setMediaTime(5000), 5000);
  EXPECT_TRUE(trace.contains("WARNING: setMediaTime(long64 now) not implemented for now > 0"));
  EXPECT_EQ(player->getMediaTime(), 100000);
}

// Time and type queries on a closed player, and the type on an unrealized one, raise
// IllegalStateException as a pending exception.
TEST_F(WaveTest, QueriesOnAClosedPlayerRaiseIllegalState) {
  SoundPlayerWAVE* player = WavePlayer(Flat(22050, 100));
  EXPECT_EQ(player->getContentType(), nullptr);
  EXPECT_EQ(TakePending().classId, cid::java_lang_IllegalStateException);
  player->realize();
  EXPECT_EQ(TextOf(player->getContentType()), "audio/x-wav");
  EXPECT_EQ(TakePending().classId, 0);
  player->close();
  player->getMediaTime();
  EXPECT_EQ(TakePending().classId, cid::java_lang_IllegalStateException);
  player->getDuration();
  EXPECT_EQ(TakePending().classId, cid::java_lang_IllegalStateException);
  EXPECT_EQ(player->getContentType(), nullptr);
  EXPECT_EQ(TakePending().classId, cid::java_lang_IllegalStateException);
  EXPECT_EQ(player->getState(), Player::kClosed);
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(WaveTest, RealizeWaitsForAnAudioDevice) {
  host::CloseAudioDevice();
  TraceCapture trace;
  SoundPlayerWAVE* player = WavePlayer(Flat(22050, 100));
  player->realize();
  EXPECT_EQ(player->getState(), Player::kUnrealized);
  EXPECT_TRUE(trace.contains(
      "SoundPlayerWAVE::realize(): no audio voice for 1 channels of 16-bit samples at 22050 Hz"));
  ASSERT_TRUE(host::OpenAudioDevice(host::AudioBackend::kNull));
  player->realize();
  EXPECT_EQ(player->getState(), Player::kRealized);
}

TEST_F(WaveTest, ThePlayerIsItsOwnVolumeRateAndTempoControl) {
  SoundPlayerWAVE* player = WavePlayer(Flat(22050, 100));
  for (const char* name : {"VolumeControl", "ratecontrol", "TEMPOCONTROL"}) {
    EXPECT_EQ(player->getControl(NewJavaString(name)), player) << name;
  }
  for (const char* name : {"MIDIControl", "Volume", "VolumeControls", ""}) {
    EXPECT_EQ(player->getControl(NewJavaString(name)), nullptr) << name;
  }
  ObjectArray* controls = player->getControls();
  ASSERT_EQ(controls->length, 1);
  EXPECT_EQ(controls->elements()[0], player);

  const int32_t offered[] = {cid::javax_microedition_media_Player,
                             cid::javax_microedition_media_Controllable,
                             cid::javax_microedition_media_control_VolumeControl,
                             cid::javax_microedition_media_control_RateControl,
                             cid::javax_microedition_media_control_TempoControl};
  for (const int32_t id : offered) EXPECT_NE(player->getInterface(id), nullptr) << id;
  EXPECT_EQ(player->getInterface(cid::java_lang_Runnable), nullptr);
  EXPECT_EQ(AsPlayer(player), static_cast<Player*>(player));
  EXPECT_EQ(player->getMinRate(), 50000);
  EXPECT_EQ(player->getMaxRate(), 200000);
}

}  // namespace
