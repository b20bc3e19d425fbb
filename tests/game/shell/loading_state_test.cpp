// The loading state over the built data set, frame by frame: each kind's steps (a kind without
// steps ends after one), the bar shared by a chained job and the hint chosen once for it, who
// waits for fire, a restart's shortened bar, a level of world 0 run into play, the follow-up
// state of a job that has no way on, and the boot load without its packs.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/shell/loader_support.h"
#include "host/file_roots.h"
#include "javame/exception_classes.h"
#include "javame/file.h"
#include "javame/random.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "tests/game/shell/frame_fixture.h"
#include "tests/platform/canvas.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/layout_writer.h"

namespace {

constexpr int32_t kLoading = 4, kMainMenu = 6, kPlay = 17, kFire = 5;
constexpr int32_t kFrameLimit = 200;

class LoadingStateTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    ReplaceStateHandler(kLoading, &cGame::stateLoading);
    s_->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{1234});
    s_->cGame_spriteTable = NewObjectArray(cid::Object, 63);
    s_->cGame_imageTable = NewObjectArray(cid::Object, 1);
  }
  // The built data set as the data root, with the progress and the tables the level set-up
  // reads.
  void UseDataSet() {
    host::SetDataRoot(PLIMORA_DATA_PATH);
    s_->cGame_archiveFile = nullptr;
    cGame::initProgressTables();
    cGame::loadByteTriples130();
    cGame::loadByteTriples207();
    cGame::loadPack234();
    cGame::loadIndexedByteTriples136();
  }
  void Start(int32_t kind, int32_t after, int32_t chainKind = -1, int32_t chainAfter = -1) {
    s_->cGame_loadKind = kind;
    s_->cGame_stateAfterLoad = after;
    s_->cGame_chainedLoadKind = chainKind;
    s_->cGame_chainedStateAfterLoad = chainAfter;
    cGame::setState(kLoading);
  }
  // Frames until the job in state 4 is done; the steps it counted.
  int32_t RunSteps() {
    if (s_->cGame_currentState != kLoading || s_->cGame_stateChangePending) Frame();
    for (int32_t n = 0; n < kFrameLimit && !s_->cGame_loadDone; n++) Frame();
    return s_->cGame_loadProgressCount;
  }
  // Frames with fire given each one until the state is no longer 4.
  void RunOut() {
    for (int32_t n = 0;
         n < kFrameLimit && (s_->cGame_currentState == kLoading || s_->cGame_stateChangePending);
         n++) {
      s_->cGame_touchAction = kFire;
      Frame();
    }
  }
};

TEST_F(LoadingStateTest, EachKindRunsItsStepsAndAKindWithoutStepsRunsOne) {
  UseDataSet();
  struct Case {
    int32_t kind, steps;
  };
  const Case cases[] = {{0, 18}, {1, 4},  {2, 21}, {3, 1},  {4, 5},  {5, 7},   {6, 6},
                        {7, 3},  {8, 4},  {10, 4}, {11, 3}, {12, 2}, {15, 3},  {16, 3},
                        {18, 3}, {22, 2}, {25, 2}, {26, 1}, {-1, 1}, {1000, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    Start(c.kind, kMainMenu);
    EXPECT_EQ(RunSteps(), c.steps);
    EXPECT_EQ(s_->cGame_loadProgressTotal, c.steps == 1 && c.kind != 3 ? 0 : c.steps);
    RunOut();
    EXPECT_EQ(s_->cGame_currentState, kMainMenu);
  }
}

TEST_F(LoadingStateTest, LeavingALevelIntoTheNextShowsOneBarAndTheHintChosenFirst) {
  UseDataSet();
  s_->cGame_currentWorld = 2;  // every hint reached: 1..8
  Start(15, kLoading, 2, kPlay);
  Frame();
  ASSERT_TRUE(s_->cGame_loadShowsHint);
  const int32_t hint = s_->cGame_menuScroll;
  EXPECT_EQ(s_->cGame_loadProgressTotal, 3 + 21);
  // The first job goes on to the level job without a key.
  for (int32_t n = 0; n < 5 && s_->cGame_loadKind == 15; n++) Frame();
  EXPECT_EQ(s_->cGame_loadKind, 2);
  EXPECT_EQ(s_->cGame_currentState, kLoading);
  EXPECT_EQ(s_->cGame_menuScroll, hint);
  EXPECT_TRUE(s_->cGame_loadShowsHint);
  EXPECT_EQ(RunSteps(), 3 + 21);
  EXPECT_EQ(s_->cGame_loadProgressTotal, 3 + 21);
  // The level job waits for fire.
  for (int32_t n = 0; n < 5; n++) Frame();
  EXPECT_EQ(s_->cGame_currentState, kLoading);
  RunOut();
  EXPECT_EQ(s_->cGame_currentState, kPlay);
}

TEST_F(LoadingStateTest, TheBootLoadFillsItsSlotsAndGoesOnWithoutAKey) {
  UseDataSet();
  Start(0, 5);
  EXPECT_EQ(RunSteps(), 18);
  Frame();
  Frame();
  EXPECT_EQ(s_->cGame_currentState, 5);
  struct Slot {
    int32_t slot, palettes;
  };
  // Pack 80's entries 1 and 7 (slots 29 and 23) and the particles' shards (slot 7) come with
  // every palette of their masks.
  const Slot slots[] = {{46, 1}, {22, 1}, {31, 1}, {61, 2}, {13, 1}, {6, 1},  {7, 7},
                        {8, 1},  {36, 1}, {29, 8}, {38, 1}, {39, 1}, {35, 1}, {25, 1},
                        {24, 1}, {23, 8}, {48, 1}, {37, 1}, {21, 1}};
  for (const Slot& slot : slots) {
    SCOPED_TRACE(slot.slot);
    ASprite* sprite = CheckCast<ASprite>(s_->cGame_spriteTable->elements()[slot.slot]);
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->paletteCount, slot.palettes);
  }
  EXPECT_NE(s_->cGame_worldMusicIds, nullptr);
  EXPECT_NE(s_->cGame_levelResults, nullptr);
}

// The boot load reads the menus pack's 20 layout entries as the builder wrote them: no trace
// line on the way, every screen group and menu layout there with all its records.
TEST_F(LoadingStateTest, TheBootLoadParsesEveryLayoutEntryWithoutATraceLine) {
  UseDataSet();
  cGame::bootLoad();  // the fonts and the interface sprites, as state 2 loads them
  Start(0, 5);
  TraceCapture trace;
  RunSteps();
  // Beside the state change into the loading state, nothing is traced.
  std::vector<std::string> lines;
  for (const std::string& line : trace.lines()) {
    if (line.rfind("state ", 0) != 0) lines.push_back(line);
  }
  EXPECT_TRUE(lines.empty()) << lines.front();
  ASSERT_NE(s_->cGame_screenLayout, nullptr);
  int32_t openers = 0;
  for (const databuild::LayoutRecord& record : databuild::LayoutEntryRecords(0)) {
    openers += record.type == 1;
  }
  EXPECT_EQ(s_->cGame_screenLayout->length, openers);
  for (int32_t t = 1; t < databuild::kLayoutEntryCount; t++) {
    SCOPED_TRACE("menu layout " + std::to_string(t));
    EXPECT_EQ(cGame::menuRecordCount(t),
              static_cast<int32_t>(databuild::LayoutEntryRecords(t).size()));
  }
}

// Every load that makes layout players (the boot load's groups 0 and 1 and menus 1, 17, 18;
// the characters of kind 4 after kind 12's sprites; kinds 5 and 6 with their groups and the
// first world's map; kinds 8, 9, 10, 13 and 14 with their menus) has loaded the sprite each
// animated record names, and the sprite holds the record's animation.
TEST_F(LoadingStateTest, EachLoadThatMakesLayoutPlayersLoadsTheirSpritesAndAnimations) {
  UseDataSet();
  Start(0, 5);
  RunSteps();
  RunOut();
  s_->cGame_currentWorld = 0;
  s_->cGame_selectedWorld = 0;
  for (const int32_t kind : {12, 4, 5, 6, 7, 8, 9, 10, 13, 14}) {
    SCOPED_TRACE("load kind " + std::to_string(kind));
    Start(kind, kMainMenu);
    RunSteps();
    RunOut();
  }
  auto check = [](ShortArray* record) {
    if (!cGame::hasPlayerSlot(record)) return;
    MQLibPlayer* player = cGame::recordPlayer(record);
    ASSERT_NE(player, nullptr);
    ASSERT_NE(player->sprite, nullptr) << "slot " << cGame::layoutValue(record, 1, 0) + 9;
    ASSERT_NE(player->sprite->animAFrameCount, nullptr);
    EXPECT_LT(player->anim, player->sprite->animAFrameCount->length)
        << "slot " << cGame::layoutValue(record, 1, 0) + 9;
  };
  for (int32_t g = 0; g < s_->cGame_screenLayout->length; g++) {
    SCOPED_TRACE("screen group " + std::to_string(g));
    for (int32_t i = 0; i < cGame::screenGroupSize(g); i++) {
      if (cGame::recordType(cGame::groupRecord(g, i)) == 5) check(cGame::groupRecord(g, i));
    }
  }
  for (const int32_t menu : {1, 2, 10, 11, 12, 13, 14, 15, 16, 17, 18}) {
    SCOPED_TRACE("menu layout " + std::to_string(menu));
    for (int32_t i = 1; i <= cGame::menuRecordCount(menu); i++) check(cGame::menuRecord(menu, i));
  }
}

TEST_F(LoadingStateTest, ARestartedLevelKeepsItsResourcesAndEndsAtEightOfTwentyOne) {
  UseDataSet();
  Start(2, kPlay);
  RunSteps();
  RunOut();
  Object* hud = s_->cGame_spriteTable->elements()[56];
  ASSERT_NE(hud, nullptr);
  s_->cGame_levelRestart = true;
  Start(2, kPlay);
  EXPECT_EQ(RunSteps(), 8);
  EXPECT_EQ(s_->cGame_loadProgressTotal, 21);
  EXPECT_EQ(s_->cGame_spriteTable->elements()[56], hud);
}

TEST_F(LoadingStateTest, ALevelLoadsIntoPlayWithItsHudBossAndLighting) {
  UseDataSet();
  struct Case {
    int32_t world, level, result;
    int32_t variant, boss, light;
  };
  const Case cases[] = {
      {0, 0, -1, 1, -1, -1},  // a plain level
      {0, 12, -2, 3, 0, -1},  // world 0's boss
      {0, 5, -1, 2, -1, 0},   // an open level played by dim light
      {0, 5, 1, 1, -1, -1},   // the same level once won: plain
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    s_->cGame_currentWorld = c.world;
    s_->cGame_currentLevel = c.level;
    s_->cGame_lightVariant = -1;
    IntArray::set(CheckCast<IntArray>(s_->cGame_levelResults->elements()[c.world]), c.level + 1,
                  c.result);
    Start(2, kPlay);
    EXPECT_EQ(RunSteps(), 21);
    RunOut();
    EXPECT_EQ(s_->cGame_currentState, kPlay);
    EXPECT_EQ(s_->cGame_levelVariant, c.variant);
    EXPECT_EQ(s_->cGame_bossKind, c.boss);
    EXPECT_EQ(s_->cGame_lightVariant, c.light);
    EXPECT_EQ(s_->cGame_hudPanelHeight, 64);
    EXPECT_EQ(s_->cGame_playFieldLeft, 17 << 16);
    EXPECT_EQ(s_->cGame_playFieldRight, (480 - 34) << 16);
    EXPECT_EQ(s_->cGame_playMarginLeft, 16);
    EXPECT_EQ(s_->cGame_playMarginRight, 16);
    EXPECT_EQ(s_->cGame_canvasHeight, 800);
  }
}

TEST_F(LoadingStateTest, HintNumbersStayWithinTheHintsReachedSoFar) {
  UseDataSet();
  struct Case {
    int32_t world, level, most;
  };
  const Case cases[] = {{0, 0, 1}, {0, 3, 3}, {1, 2, 6}, {5, 0, 8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.world * 100 + c.level);
    s_->cGame_currentWorld = c.world;
    s_->cGame_currentLevel = c.level;
    std::set<int32_t> seen;
    for (int32_t n = 0; n < 200; n++) {
      s_->cGame_loadKind = 2;
      s_->cGame_loadChained = false;
      cGame::stateLoading(cGame::kStateEnter);
      seen.insert(s_->cGame_menuScroll);
    }
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), c.most);
  }
  s_->cGame_hintValues = nullptr;  // no hint table: always the first hint
  s_->cGame_loadChained = false;
  cGame::stateLoading(cGame::kStateEnter);
  EXPECT_EQ(s_->cGame_menuScroll, 1);
}

TEST_F(LoadingStateTest, TheBarFillsItsShareOfTheStepsAndAFinishedTipShowsNoBar) {
  UseDataSet();
  cGame::openPack(GetConstantString(271));
  s_->cGame_spriteTable->elements()[2] = cGame::loadSprite(2, 1, 0, 0, true, false, 0, nullptr);
  cGame::closeResourceStream();
  constexpr uint16_t kBar = 0xCF00;  // 0xCDE000 in RGB565
  constexpr int32_t kFillX = 52, kFillY = 254;
  Canvas screen(480, 800);
  s_->cGame_drawGraphics = screen.graphics;
  s_->cGame_loadKind = 1;
  s_->cGame_loadActive = true;
  s_->cGame_loadProgressCount = 3;
  s_->cGame_loadProgressTotal = 6;  // 188 of the fill's 376 pixels
  cGame::stateLoading(cGame::kStatePaint);
  EXPECT_EQ(screen.at(kFillX, kFillY), kBar);
  EXPECT_EQ(screen.at(kFillX + 187, kFillY), kBar);
  EXPECT_NE(screen.at(kFillX + 188, kFillY), kBar);
  // Done with a tip up: the panel (its translucent black painted opaque) and no bar.
  s_->cGame_loadDone = true;
  s_->cGame_loadShowsTip = true;
  s_->cGame_tipTextId = 746;
  screen.fill(0xFFFF);
  cGame::stateLoading(cGame::kStatePaint);
  EXPECT_EQ(screen.count(kBar), 0);
  EXPECT_EQ(screen.at(60, 320), 0x0000);
}

TEST_F(LoadingStateTest, AJobWithoutAWayOnEndsInTheMainMenu) {
  struct Case {
    int32_t after, chainKind;
    const char* trace;
  };
  const Case cases[] = {{7, -1, "leads to state 7, which has no handler"},
                        {kLoading, -1, "chains to no kind"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.after);
    TraceCapture trace;
    Start(21, c.after, c.chainKind);
    RunSteps();
    RunOut();
    EXPECT_EQ(s_->cGame_currentState, kMainMenu);
    bool traced = false;
    for (const std::string& line : trace.lines()) traced |= line.find(c.trace) != std::string::npos;
    EXPECT_TRUE(traced);
  }
}

TEST_F(LoadingStateTest, AFailingOperationIsTracedWithItsKindAndStepAndTheStepGoesOn) {
  s_->cGame_loadKind = 7;
  s_->cGame_loadStep = 2;
  TraceCapture trace;
  bool ranAfter = false;
  loader::Run("the failing one", [] { ThrowException(NewObject<java_lang_RuntimeException>()); });
  loader::Run("the next one", [&] { ranAfter = true; });
  EXPECT_EQ(GetPendingException(), nullptr);
  EXPECT_TRUE(ranAfter);
  EXPECT_TRUE(trace.contains(
      "cGame::loadStep(): load kind 7 step 2: the failing one raised java_lang_RuntimeException; "
      "the step goes on"));
}

TEST_F(LoadingStateTest, WithoutItsPacksTheBootLoadRunsEveryStepAndSaysWhatIsMissing) {
  cGame::initProgressTables();
  TraceCapture trace;
  Start(0, 5);
  EXPECT_EQ(RunSteps(), 18);
  Frame();
  Frame();
  EXPECT_EQ(s_->cGame_currentState, 5);
  EXPECT_FALSE(trace.lines().empty());
  EXPECT_EQ(cGame::lookupPairValue(0, 12), -1);
}

}  // namespace
