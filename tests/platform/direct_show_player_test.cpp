// DirectShowPlayer on the null device and a test clock: the extension by content type, the
// states and their failure values without a graph, looping by the event thread, pause and
// resume in place, level and mute, a sound the graph refuses, and collection of a playing
// player. Then on SDL: an Ogg and a MIDI sound in one process, and MIDI on the disk driver.
#include "platform/direct_show_player.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/media_graph.h"
#include "javame/audio_clip.h"
#include "runtime/object_manager.h"
#include "tests/platform/media_fixture.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/midi_writer.h"
#include "tools/databuild/sound_fixtures.h"
#include "tools/databuild/soundfont_writer.h"

namespace {

using AudioClip = com_samsung_util_AudioClip;

constexpr int64_t kTuneMicros = 1500000;  // MidiFixtureFormat0's length

Bytes Tune() {
  return databuild::WriteMidi(databuild::MidiFixtureFormat0());
}

DirectShowPlayer* Made(const Bytes& bytes, const char* type) {
  auto* player =
      NewObject<DirectShowPlayer>(ManagedBytes(bytes), static_cast<int32_t>(bytes.size()), type);
  DirectShowPlayer::init(player);
  return player;
}

// Waits up to two seconds of real time for the condition.
template <typename Condition>
bool Eventually(Condition condition) {
  const uint32_t began = host::RealTickCount();
  while (!condition()) {
    if (host::RealTickCount() - began > 2000) return false;
    host::Sleep(1);
  }
  return true;
}

TEST(DirectShowExtensionTest, TheSubtypeChoosesTheExtension) {
  const struct {
    const char* type;
    const char* extension;
  } cases[] = {{"audio/midi", "mid"}, {"midi", "mid"},      {"AUDIO/X-WAV", "wav"},
               {"audio/mpeg", "mp3"}, {"audio/amr", "amr"}, {"audio/aac", "aac"},
               {"foo", "NULL"},       {"audio/", "NULL"}};
  for (const auto& c : cases)
    EXPECT_STREQ(DirectShowPlayer::ExtensionFor(c.type), c.extension) << c.type;
}

class DirectShowTest : public MediaTest {};

TEST_F(DirectShowTest, ManagerGivesMidiAndAmrToIt) {
  const Bytes amr = Fixture(databuild::kAmrTone.file);
  for (Object* made :
       {PlayerFor(Tune(), nullptr), PlayerFor(Tune(), "audio/midi"), PlayerFor(amr, "AUDIO/AMR")}) {
    auto* player = static_cast<DirectShowPlayer*>(made);
    ASSERT_NE(player, nullptr);
    EXPECT_NE(player->graph, nullptr) << player->contentType;
    EXPECT_EQ(player->getInterface(cid::javax_microedition_media_Controllable),
              player->getInterface(cid::javax_microedition_media_Player));
    EXPECT_NE(player->getInterface(cid::javax_microedition_media_control_VolumeControl), nullptr);
    EXPECT_EQ(player->getInterface(cid::javax_microedition_media_control_RateControl), nullptr);
    EXPECT_EQ(player->getControl(NewJavaString("volumecontrol")), player);
    EXPECT_EQ(player->getControl(NewJavaString("RateControl")), nullptr);
    player->close();
  }
}

// A MIDI clip's bytes reach the DirectShow player through Manager and sound; the MMF and MP3
// clip types stay silent.
TEST_F(DirectShowTest, AudioClipsOfMidiPlayAndOtherClipTypesStaySilent) {
  const Bytes tune = Tune();
  const struct {
    int32_t type;
    bool sounds;
  } cases[] = {
      {AudioClip::TYPE_MIDI, true}, {AudioClip::TYPE_MMF, false}, {AudioClip::TYPE_MP3, false}};
  for (const auto& c : cases) {
    auto* clip =
        NewObject<AudioClip>(c.type, ManagedBytes(tune), 0, static_cast<int32_t>(tune.size()));
    clip->play(1, 5);
    Play(100);
    EXPECT_EQ(PeakOf(StepMix(4410)) > 0, c.sounds) << c.type;
    clip->stop();
    if (Player* player = AsPlayer(clip->player)) player->close();
  }
}

TEST_F(DirectShowTest, BeforeRealizeQueriesGiveZeroAndOneLoopStartsNoThread) {
  DirectShowPlayer* player = Made(Tune(), "audio/midi");
  EXPECT_EQ(player->getState(), Player::kUnrealized);
  EXPECT_EQ(player->getMediaTime(), 0);
  EXPECT_EQ(player->getDuration(), 0);
  EXPECT_EQ(player->getLevel(), 0);
  EXPECT_EQ(player->setLevel(50), -1);
  player->setLoopCount(1);
  player->setLoopCount(0);
  EXPECT_EQ(player->getState(), Player::kUnrealized);
  EXPECT_FALSE(player->events->thread.started());
  player->realize();
  EXPECT_EQ(player->getDuration(), kTuneMicros);
  EXPECT_EQ(player->getLevel(), 100);
  player->close();
}

TEST_F(DirectShowTest, ThreeLoopsPlayThreeTimesThenTheStateReadsPrefetched) {
  DirectShowPlayer* player = Made(Tune(), "audio/midi");
  player->setLoopCount(3);
  EXPECT_EQ(player->getState(), Player::kPrefetched);
  EXPECT_TRUE(player->events->thread.started());
  player->start();
  EXPECT_EQ(player->getState(), Player::kStarted);
  for (int pass = 1; pass <= 2; pass++) {
    Play(kTuneMicros / 1000 + 40);
    EXPECT_TRUE(Eventually([&] { return player->getMediaTime() < kTuneMicros; })) << pass;
    EXPECT_EQ(player->getState(), Player::kStarted) << pass;
  }
  EXPECT_TRUE(Eventually([&] { return !player->events->running.load(); }));
  Play(kTuneMicros / 2000);
  EXPECT_EQ(player->getState(), Player::kStarted) << "the third pass plays";
  Play(kTuneMicros / 1000);
  EXPECT_EQ(player->getState(), Player::kPrefetched);
  EXPECT_EQ(player->getMediaTime(), kTuneMicros);
  player->close();
}

TEST_F(DirectShowTest, PauseHoldsThePlaceAndStopEndsTheThreadButKeepsTheLoops) {
  DirectShowPlayer* player = Made(Tune(), "audio/midi");
  player->start();
  Play(500);
  player->pause();
  EXPECT_EQ(player->getState(), DirectShowPlayer::kPaused);
  const int64_t held = player->getMediaTime();
  EXPECT_NEAR(held, 500000, 1000);
  Play(300);
  EXPECT_EQ(player->getMediaTime(), held);
  player->start();
  EXPECT_EQ(player->getState(), Player::kStarted);
  Play(200);
  EXPECT_NEAR(player->getMediaTime(), held + 200000, 1000);

  player->setLoopCount(-1);
  EXPECT_TRUE(player->events->running.load());
  player->pause();
  EXPECT_FALSE(player->events->thread.started()) << "a pause ends the thread too";
  player->start();
  EXPECT_TRUE(player->events->running.load()) << "and a start sets it going again";
  player->stop();
  EXPECT_EQ(player->getState(), DirectShowPlayer::kStopped);
  EXPECT_FALSE(player->events->running.load());
  EXPECT_FALSE(player->events->thread.started()) << "joined";
  player->start();
  EXPECT_TRUE(player->events->running.load()) << "the loops left start a thread again";
  player->close();
  EXPECT_EQ(player->getState(), Player::kClosed);
}

TEST_F(DirectShowTest, LevelIsTheVoiceGainAndMuteSilences) {
  DirectShowPlayer* player = Made(Fixture(databuild::kAmrTone.file), "audio/amr");
  player->prefetch();
  EXPECT_EQ(player->setLevel(150), 100);
  EXPECT_EQ(player->setLevel(50), 100);
  EXPECT_EQ(player->getLevel(), 50);
  EXPECT_EQ(player->setLevel(-5), 50);
  EXPECT_EQ(player->getLevel(), 0);
  player->setLevel(100);
  player->start();
  const int loud = PeakOf(StepMix(4000));
  player->setLevel(50);
  const int half = PeakOf(StepMix(4000));
  EXPECT_GT(loud, 2000);
  EXPECT_NEAR(half, loud / 2, loud / 5);
  player->setMute(true);
  EXPECT_TRUE(player->isMuted());
  EXPECT_EQ(PeakOf(StepMix(4000)), 0);
  player->setMute(false);
  EXPECT_FALSE(player->isMuted());
  EXPECT_GT(PeakOf(StepMix(4000)), 0);
  player->close();
}

TEST_F(DirectShowTest, ARefusedSoundSurvivesEveryOperation) {
  TraceCapture trace;
  DirectShowPlayer* player = Made(Bytes(300, 7), "audio/aac");
  EXPECT_EQ(player->graph, nullptr);
  ASSERT_GE(trace.lines().size(), 2u);
  EXPECT_NE(trace.lines()[0].find("aac"), std::string::npos) << trace.lines()[0];
  EXPECT_TRUE(trace.contains(
      "ERROR - Could not construct a filter graph that will play the specified file."));
  player->realize();
  player->prefetch();
  player->setLoopCount(4);
  player->start();
  player->pause();
  player->stop();
  player->deallocate();
  EXPECT_EQ(player->getState(), Player::kUnrealized);
  EXPECT_EQ(player->setMediaTime(1000), 0);
  EXPECT_EQ(player->getMediaTime(), 0);
  EXPECT_EQ(player->setLevel(10), -1);
  player->setMute(true);
  EXPECT_FALSE(player->events->thread.started());
  EXPECT_TRUE(trace.contains("ERROR - Could not switch filter graph to running state."));
  player->close();
  EXPECT_EQ(player->getState(), Player::kClosed);
  player->start();
  player->close();
}

TEST_F(DirectShowTest, AMissingOrSf3SoundfontLeavesMidiPlayersUnrealized) {
  const std::filesystem::path sf3 = base_ / "font.sf3";
  const Bytes header = databuild::WriteSoundFontHeader(3, 1);
  std::ofstream(sf3, std::ios::binary)
      .write(reinterpret_cast<const char*>(header.data()), header.size());
  for (const std::filesystem::path& font : {sf3, base_ / "none.sf2"}) {
    host::SetSoundFontPath(font.string());
    TraceCapture trace;
    DirectShowPlayer* player = Made(Tune(), "audio/midi");
    player->start();
    EXPECT_EQ(player->getState(), Player::kUnrealized);
    EXPECT_NE(trace.lines().at(0).find(font.string()), std::string::npos) << trace.lines()[0];
    player->close();
  }
  host::SetSoundFontPath("");
}

TEST_F(DirectShowTest, ACollectedPlayingPlayerFallsSilent) {
  Deep([] { Made(Tune(), "audio/midi")->start(); });
  Play(100);
  EXPECT_GT(PeakOf(StepMix(4410)), 0);
  GetApplication()->getObjectManager()->gc(kGcForced);
  EXPECT_EQ(PeakOf(StepMix(4410)), 0);
}

// ---- On the SDL device ----

class SdlDirectShowTest : public LibraryTest {};

TEST_F(SdlDirectShowTest, OggAndMidiPlayInOneProcessAndMidiReachesTheDiskDriver) {
  const std::filesystem::path output = base_ / "disk-audio.raw";
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  std::string error;
  ASSERT_TRUE(host::OpenAudioDevice(host::AudioBackend::kSdl, &error)) << error;
  Player* ogg = AsPlayer(PlayerFor(Fixture(databuild::kOggToneMono.file), "audio/ogg"));
  Player* midi = AsPlayer(PlayerFor(Tune(), "audio/midi"));
  ASSERT_NE(ogg, nullptr);
  ASSERT_NE(midi, nullptr);
  ogg->start();
  midi->start();
  EXPECT_EQ(ogg->getState(), Player::kStarted);
  EXPECT_EQ(midi->getState(), Player::kStarted);
  const uint32_t began = host::RealTickCount();
  while ((ogg->getState() == Player::kStarted || midi->getState() == Player::kStarted) &&
         host::RealTickCount() - began < 5000) {
    host::Sleep(10);
  }
  EXPECT_EQ(ogg->getState(), Player::kPrefetched);
  EXPECT_EQ(midi->getState(), Player::kPrefetched);
  ogg->close();
  midi->close();
  host::CloseAudioDevice();
  const std::vector<int16_t> samples = DiskAudioSamples(output);
  // The Ogg tone is half a second; what sounds after it is the tune's.
  const std::vector<int16_t> after(samples.begin() + std::min<size_t>(samples.size(), 2 * 30000),
                                   samples.end());
  EXPECT_GT(PeakOf(after), 500);
  EXPECT_GE(samples.size(), 2u * host::kAudioRate * 14 / 10);
}

}  // namespace
