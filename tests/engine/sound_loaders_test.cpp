// cGame's sound set-up and loaders over the data set's sound pack: the format names the
// manager's Players are made with, the further tables, and the common sounds with their loop
// flags, byte for byte as the builder wrote them.
#include <algorithm>
#include <string>
#include <vector>

#include "runtime/string.h"
#include "tests/engine/sound_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using SoundLoadersTest = SoundTest;

template <class A>
std::vector<int32_t> ValuesOf(A* array) {
  if (!array) return {};
  return std::vector<int32_t>(array->elements(), array->elements() + array->length);
}

TEST_F(SoundLoadersTest, SetUpStoresTheFormatNamesAndTheFurtherTables) {
  EXPECT_EQ(TextOf(cGame::getTableString(0)), "audio/x-wav");
  EXPECT_EQ(TextOf(cGame::getTableString(1)), "audio/midi");
  EXPECT_EQ(TextOf(cGame::getTableString(2)), "audio/ogg");
  EXPECT_EQ(S()->MQLibPlayer_soundFormatNames->length, 3);
  EXPECT_EQ(ValuesOf(S()->cGame_soundIdChannels.operator ByteArray*()),
            std::vector<int32_t>(38, -1));
  EXPECT_EQ(ValuesOf(S()->cGame_soundIdFlags.operator ByteArray*()), std::vector<int32_t>(38, 0));
  EXPECT_EQ(ValuesOf(S()->cGame_soundTrackIds.operator ByteArray*()), std::vector<int32_t>(4, -1));
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
