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
// Every world plays the first music and no level has a boss or a feature until the loader's
// tables and the boss land.
TEST_F(SoundLoadersTest, TheLevelsSoundsLoadAStepAtATime) {
  struct Case {
    int32_t step;
    std::vector<int32_t> loaded;
    std::vector<int32_t> looped;
  };
  const Case cases[] = {
      {5, {4, 15, 16, 17, 18, 19, 20}, {4}},
      {6, {21, 22, 23, 24, 25, 26, 27}, {}},
      {4, {}, {}},
      {7, {}, {}},
  };
  PlantDataSetPacks();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    for (int32_t id = 0; id < kSlots; id++) {
      S()->cGame_soundData->elements()[id] = nullptr;
      S()->cGame_soundLoops->elements()[id] = 0;
    }
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
