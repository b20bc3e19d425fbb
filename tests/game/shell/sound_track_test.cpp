// The one-track sound player on the null audio device with the builder's WAV sounds: what
// interrupts what, sounds without data or outside the ids, the sound switches and the
// world's music.
#include <gtest/gtest.h>

#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "host/audio.h"
#include "host/clock.h"
#include "javame/media.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/sound_content.h"
#include "tools/databuild/wav_writer.h"

namespace {

using Player = javax_microedition_media_Player;

class SoundTrackTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    host::UseClock(&clock_);
    ASSERT_TRUE(host::OpenAudioDevice(host::AudioBackend::kNull));
    s = Statics<GameStatics>();
    s->cGame_soundData = NewObjectArray(cid::ByteArray, 38);
    s->cGame_soundLoops = NewByteArray(38);
    s->cGame_currentSoundId = -1;
    // Ids 0 to 9 hold the builder's sounds; id 1 has priority.
    for (int32_t id = 0; id < 10; id++) {
      s->cGame_soundData->elements()[id] =
          ManagedBytes(databuild::WriteWav(databuild::GameSound(id)));
    }
    s->cGame_soundLoops->elements()[1] = 1;
  }
  void TearDown() override {
    cGame::stopSound();
    host::CloseAudioDevice();
    host::UseClock(nullptr);
    LibraryTest::TearDown();
  }
  Player* current() const {
    Object* player = s->cGame_currentSound;
    return player ? static_cast<Player*>(player->getInterface(cid::javax_microedition_media_Player))
                  : nullptr;
  }

  host::ManualClock clock_;
  GameStatics* s = nullptr;
};

TEST_F(SoundTrackTest, APlayingSoundIsNotRestartedAndAPriorityOneNotCut) {
  cGame::playSound(0, 1);
  ASSERT_NE(current(), nullptr);
  EXPECT_EQ(current()->getState(), Player::kStarted);
  EXPECT_EQ(s->cGame_currentSoundId, 0);
  Object* first = s->cGame_currentSound;
  cGame::playSound(0, 3);  // the same sound: it goes on
  EXPECT_EQ(s->cGame_currentSound, first);
  EXPECT_EQ(s->cGame_currentSoundLoops, 1);
  cGame::playSound(1, 2);  // another one replaces it
  EXPECT_NE(s->cGame_currentSound, first);
  EXPECT_EQ(s->cGame_currentSoundId, 1);
  EXPECT_EQ(s->cGame_currentSoundLoops, 2);
  Object* priority = s->cGame_currentSound;
  cGame::playSound(2, 1);  // a plain sound does not cut a priority one
  EXPECT_EQ(s->cGame_currentSound, priority);
  EXPECT_EQ(s->cGame_currentSoundId, 1);
  // Ids outside 0..37 change nothing.
  for (const int32_t id : {38, -1, 1000}) {
    s->cGame_soundLoops->elements()[1] = 0;
    cGame::playSound(id, 1);
    EXPECT_EQ(s->cGame_currentSound, priority) << id;
  }
  // Once the priority sound has stopped, a plain one plays.
  current()->stop();
  s->cGame_soundLoops->elements()[1] = 1;
  cGame::playSound(2, 1);
  EXPECT_EQ(s->cGame_currentSoundId, 2);
}

TEST_F(SoundTrackTest, StoppingForgetsThePlayerAndASoundWithoutDataPlaysNothing) {
  cGame::playSound(3, 1);
  Player* player = current();
  cGame::stopSound();
  EXPECT_EQ(s->cGame_currentSound, nullptr);
  EXPECT_EQ(s->cGame_currentSoundId, -1);
  EXPECT_EQ(player->getState(), Player::kClosed);
  cGame::stopSoundA();  // nothing to stop
  cGame::stopSoundB();
  cGame::playSound(4, 1);
  TraceCapture trace;
  cGame::playSound(20, 1);  // no data: the current sound stops, nothing starts
  EXPECT_EQ(s->cGame_currentSound, nullptr);
  EXPECT_EQ(s->cGame_currentSoundId, -1);
  EXPECT_TRUE(trace.contains("cGame::playSound: sound 20 has no data; nothing plays"));
}

TEST_F(SoundTrackTest, EffectsAndMusicPlayOnlyWhenSwitchedOn) {
  cGame::playSfx(5);
  cGame::playMusic(6);
  EXPECT_EQ(s->cGame_currentSound, nullptr);
  s->cGame_sfxEnabled = true;
  cGame::playSfx(5);
  EXPECT_EQ(s->cGame_currentSoundId, 5);
  s->cGame_musicEnabled = true;
  cGame::playMusic(6);
  EXPECT_EQ(s->cGame_currentSoundId, 6);
}

TEST_F(SoundTrackTest, LevelMusicIsTheWorldsOrItsLastLevelsAndNoneOutsideTheTables) {
  s->cGame_musicEnabled = true;
  s->cGame_worldMusicIds = NewByteArray(2);
  s->cGame_worldFinalMusicIds = NewByteArray(2);
  FillByteArray(s->cGame_worldMusicIds, 2, 3, 4);
  FillByteArray(s->cGame_worldFinalMusicIds, 2, 5, 2);
  struct Case {
    int32_t world, level, id;
  };
  for (const Case c : {Case{0, 0, 7}, Case{1, 5, 8}, Case{1, 12, 6}, Case{0, 12, 9}, Case{2, 0, -1},
                       Case{-1, 0, -1}}) {
    cGame::stopSound();
    s->cGame_currentWorld = c.world;
    s->cGame_currentLevel = c.level;
    cGame::playLevelMusic();
    EXPECT_EQ(s->cGame_currentSoundId, c.id) << c.world << " " << c.level;
  }
}

}  // namespace
