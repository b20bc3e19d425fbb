// The built data set against the loader's manifest: every pack entry a load step puts into the
// sprite table loads through the game's sprite loader and holds the frames, animations,
// palettes and rectangles the steps index in it; the tables the boot load reads give each
// main world its music and a boss, and every hint they name has its texts.
#include <gtest/gtest.h>

#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "host/file_roots.h"
#include "javame/file.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"
#include "tests/support/started_runtime_fixture.h"
#include "tools/databuild/game_texts.h"
#include "tools/databuild/loader_manifest.h"

namespace {

class LoaderDataTest : public StartedRuntimeTest {
 protected:
  void SetUp() override {
    StartedRuntimeTest::SetUp();
    host::SetDataRoot(PLIMORA_DATA_PATH);
    Statics<GameStatics>()->cGame_archiveFile = nullptr;
  }
};

TEST_F(LoaderDataTest, EveryEntryTheLoaderIndexesHoldsWhatItsStepsNeed) {
  for (const databuild::LoaderNeed& need : databuild::LoaderManifest()) {
    SCOPED_TRACE("pack " + std::to_string(need.pack) + " entry " + std::to_string(need.entry));
    cGame::openPack(GetConstantString(need.pack));
    ASprite* sprite = cGame::loadSprite(need.entry, 1, 0, 0, false, false, 0, nullptr);
    ASSERT_NE(sprite, nullptr);
    EXPECT_GE(sprite->getFrameCount(), need.frames);
    EXPECT_GE(sprite->animAFrameCount ? sprite->animAFrameCount->length : 0, need.animations);
    EXPECT_GE(sprite->paletteCount, need.palettes);
    if (need.rectFrame >= 0) {
      ShortArray* first = sprite->frameFirstRect;
      ASSERT_NE(first, nullptr);
      ASSERT_GT(first->length, need.rectFrame + 1);
      EXPECT_GE(ShortArray::get(first, need.rectFrame + 1) - ShortArray::get(first, need.rectFrame),
                need.rects);
    }
  }
  cGame::closeResourceStream();
}

TEST_F(LoaderDataTest, TheBootTablesGiveEveryMainWorldMusicABossAndReachableHints) {
  GameStatics* s = Statics<GameStatics>();
  cGame::loadIndexedByteTriples136();
  cGame::loadByteTriples207();
  cGame::loadByteTriples130();
  cGame::loadTextPack(GetConstantString(273), 0);
  for (int32_t world = 0; world < 8; world++) {
    SCOPED_TRACE(world);
    const int32_t music = ByteArray::get(s->cGame_worldMusicIds, world);
    EXPECT_GE(music, 0);
    EXPECT_LE(music, 7);
    EXPECT_GE(cGame::lookupPairValue(world, 12), 0);
  }
  ASSERT_NE(s->cGame_hintValues, nullptr);
  for (int32_t i = 0; i < s->cGame_hintValues->length; i++) {
    const int32_t hint = ByteArray::get(s->cGame_hintValues, i);
    EXPECT_GE(hint, 1);
    EXPECT_LE(hint, databuild::kGameHintCount);
  }
  s->cGame_currentWorld = 7;
  s->cGame_currentLevel = 12;
  EXPECT_EQ(cGame::maxValueUpToCurrentLevel(), databuild::kGameHintCount);
  for (int32_t n = 1; n <= databuild::kGameHintCount; n++) {
    String* heading = cGame::getString(databuild::kHintTextBase + 2 * n);
    ASSERT_NE(heading, nullptr);
    EXPECT_NE(StringToCString(heading).rfind("Text ", 0), 0u) << n;
  }
}

}  // namespace
