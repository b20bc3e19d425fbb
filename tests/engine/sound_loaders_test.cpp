// cGame's sound set-up and loaders over the data set's sound pack: the format names the
// manager's Players are made with, the further tables, and the common sounds with their loop
// flags, byte for byte as the builder wrote them.
#include <algorithm>
#include <string>
#include <vector>

#include "runtime/constant_pool.h"
#include "runtime/string.h"
#include "tests/engine/sound_fixture.h"
#include "tests/support/array_values.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"

namespace {

using SoundLoadersTest = SoundTest;

TEST_F(SoundLoadersTest, SetUpStoresTheFormatNamesAndTheFurtherTables) {
  EXPECT_EQ(TextOf(cGame::getTableString(0)), "audio/x-wav");
  EXPECT_EQ(TextOf(cGame::getTableString(1)), "audio/midi");
  EXPECT_EQ(TextOf(cGame::getTableString(2)), "audio/ogg");
  EXPECT_EQ(S()->MQLibPlayer_soundFormatNames->length, 3);
  EXPECT_EQ(ValuesOf<ByteArray>(S()->cGame_soundIdChannels), std::vector<int32_t>(38, -1));
  EXPECT_EQ(ValuesOf<ByteArray>(S()->cGame_soundIdFlags), std::vector<int32_t>(38, 0));
  EXPECT_EQ(ValuesOf<ByteArray>(S()->cGame_soundTrackIds), std::vector<int32_t>(4, -1));
  Long64Array* times = S()->cGame_soundTrackTimes;
  ASSERT_EQ(times->length, 4);
  for (int32_t i = 0; i < 4; i++) EXPECT_EQ(times->elements()[i], -1);
}

TEST_F(SoundLoadersTest, TheCommonSoundsLoadWithTheirLoopFlags) {
  PlantDataSetPacks();
  cGame::loadCommonSounds();
  const std::vector<int32_t> looped = {0, 1, 2, 3, 12};
  const std::vector<int32_t> once = {13, 14, 34, 35, 36, 37};
  ObjectArray* data = S()->cGame_soundData;
  for (int32_t id = 0; id < kSlots; id++) {
    SCOPED_TRACE(id);
    const bool isLooped = std::find(looped.begin(), looped.end(), id) != looped.end();
    const bool isOnce = std::find(once.begin(), once.end(), id) != once.end();
    auto* bytes = static_cast<ByteArray*>(data->elements()[id]);
    if (!isLooped && !isOnce) {
      EXPECT_EQ(bytes, nullptr);
      continue;
    }
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(BytesOf(bytes), databuild::WriteWav(databuild::GameSound(id)));
    EXPECT_EQ(S()->cGame_soundLoops->elements()[id], isLooped ? 1 : 0);
  }
  EXPECT_EQ(S()->cGame_packStream.object, nullptr);
}

// The level's sounds, a loader step at a time, from the pack left open; the stream stays open.
// No level has a boss or a feature until the boss and the feature flags land.
TEST_F(SoundLoadersTest, TheLevelsSoundsLoadAStepAtATime) {
  struct Case {
    const char* name;
    int32_t step, world, level;
    std::vector<int32_t> loaded;
    std::vector<int32_t> looped;
  };
  const Case cases[] = {
      {"the world's music", 5, 1, 3, {6, 15, 16, 17, 18, 19, 20}, {6}},
      {"the last level's own", 5, 1, 12, {9, 15, 16, 17, 18, 19, 20}, {9}},
      {"a world outside the tables", 5, 3, 0, {15, 16, 17, 18, 19, 20}, {}},
      {"the play effects", 6, 0, 0, {21, 22, 23, 24, 25, 26, 27}, {}},
      {"step 4", 4, 0, 0, {}, {}},
      {"step 7", 7, 0, 0, {}, {}},
  };
  PlantDataSetPacks();
  S()->cGame_worldMusicIds = ManagedBytes({0, 2, 1});
  S()->cGame_worldFinalMusicIds = ManagedBytes({3, 5, 4});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int32_t id = 0; id < kSlots; id++) {
      S()->cGame_soundData->elements()[id] = nullptr;
      S()->cGame_soundLoops->elements()[id] = 0;
    }
    S()->cGame_currentWorld = c.world;
    S()->cGame_currentLevel = c.level;
    cGame::openPack(GetConstantString(92));
    cGame::loadLevelSounds(c.step);
    if (!c.loaded.empty()) {
      EXPECT_NE(S()->cGame_packStream.object, nullptr);
    }
    cGame::closeResourceStream();
    std::vector<int32_t> loaded, looped;
    for (int32_t id = 0; id < kSlots; id++) {
      auto* bytes = static_cast<ByteArray*>(S()->cGame_soundData->elements()[id]);
      if (!bytes) continue;
      loaded.push_back(id);
      EXPECT_EQ(BytesOf(bytes), databuild::WriteWav(databuild::GameSound(id))) << id;
      if (S()->cGame_soundLoops->elements()[id]) looped.push_back(id);
    }
    EXPECT_EQ(loaded, c.loaded);
    EXPECT_EQ(looped, c.looped);
  }
}

// The game's one-track player plays a common sound on its own Player.
TEST_F(SoundLoadersTest, PlayingACommonSoundStartsItsPlayer) {
  PlantDataSetPacks();
  cGame::loadCommonSounds();
  cGame::playSound(0, 1);
  auto* player = static_cast<javax_microedition_media_Player*>(
      S()->cGame_currentSound->getInterface(cid::javax_microedition_media_Player));
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->getState(), javax_microedition_media_Player::kStarted);
  EXPECT_EQ(S()->cGame_currentSoundId, 0);
  cGame::stopSound();
}

// A common sound taken into a manager slot plays on a channel.
TEST_F(SoundLoadersTest, ALoadedSoundPlaysOnAChannel) {
  PlantDataSetPacks();
  cGame::loadCommonSounds();
  S()->MQLibPlayer_soundSlotData->elements()[13] = S()->cGame_soundData->elements()[13];
  Start(0, 13);
  MQLibPlayer::soundUpdate();
  EXPECT_TRUE(MQLibPlayer::soundIsPlaying(0));
  EXPECT_TRUE(Sounding());
}

}  // namespace
