// Level type 2's wave rule frame by frame over the real board: bunch 0 hangs from its 11
// colour-39 bubbles with a row of ordinary bubbles below; rows come after the stage's shots
// or when only the top row is left, stages change on their specials goal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/static_ref.h"
#include "tests/game/board/bunch_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

constexpr int32_t kPlaying = 9;

class WaveModeTest : public BunchTest {
 protected:
  void SetUp() override {
    BunchTest::SetUp();
    Wave(true);
  }
  // A fresh wave level in stage 0 of 2: the top row of bunch 0 at (-5..5, 0) and, with
  // belowRow, five colour-1 bubbles at (-2..2, -1).
  void Wave(bool belowRow) {
    Bubble::resetPool();
    cGame::startBoard();
    s->cGame_levelType = 2;
    s->cGame_levelOver = false;
    s->cGame_playPhase = kPlaying;
    s->cGame_frameTime = 40;
    s->cGame_waveStageCount = 2;
    s->cGame_stageIndex = 0;
    s->cGame_stageReached = 0;
    for (StaticRef<ByteArray>* table :
         {&s->cGame_stageColours, &s->cGame_stageShotsPerRow, &s->cGame_stageMaxSpecialColumns,
          &s->cGame_stageSpecialsGoal, &s->cGame_stageSpecialBase, &s->cGame_stageSpecialStep,
          &s->cGame_stageTableE, &s->cGame_stageTableH, &s->cGame_stageTableI,
          &s->cGame_stageTableJ}) {
      *table = NewByteArray(20);
    }
    s->cGame_stageMasks = NewIntArray(20);
    s->cGame_stageRowsA = nullptr;
    s->cGame_stageRowsB = nullptr;
    for (int32_t stage = 0; stage < 2; stage++) ByteArray::set(s->cGame_stageColours, stage, 4);
    s->cGame_waveSlots = NewIntArray(11);
    s->cGame_waveRowY = 60 * kPx;
    s->cGame_waveRowCount = 0;
    s->cGame_pendingRows = 0;
    s->cGame_landedShotCount = 0;
    s->cGame_stageLevelBubblesPopped = 0;
    s->cGame_stageBannerTimer = 0;
    s->cGame_score = 0;
    for (int32_t c = -5; c <= 5; c++) {
      Attached(0, c, 0, 39, Bubble::kClearedOnCopy | Bubble::kNeverPops);
    }
    if (belowRow) {
      for (int32_t c = -2; c <= 2; c++) Attached(0, c, -1, 1);
    }
    cGame::setBunchCentre(0, s->cGame_canvasWidth / 2 * kPx, s->cGame_waveRowY);
  }
  void Stage(int32_t stage, int32_t shotsPerRow, int32_t specialsGoal) {
    ByteArray::set(s->cGame_stageShotsPerRow, stage, shotsPerRow);
    ByteArray::set(s->cGame_stageSpecialsGoal, stage, specialsGoal);
  }
};

// A shot lands each frame. The frame in which the count reaches the stage's shots makes the
// row pending and clears the count; the next frame builds it. A count of 0 or less is one shot.
TEST_F(WaveModeTest, ARowComesTheFrameAfterTheStagesShots) {
  struct Case {
    int32_t shotsPerRow;
    std::vector<int32_t> rowsBuilt;  // waveRowCount after each frame
  };
  const std::vector<Case> kCases = {
      {3, {0, 0, 0, 1, 1, 1, 2}},
      {1, {0, 1, 2, 3}},
      {0, {0, 1, 2, 3}},
      {-4, {0, 1, 2, 3}},
  };
  for (const Case& c : kCases) {
    Wave(true);
    Stage(0, c.shotsPerRow, 50);
    TraceCapture trace;
    std::vector<int32_t> built;
    for (size_t frame = 0; frame < c.rowsBuilt.size(); frame++) {
      s->cGame_landedShotCount += 1;
      cGame::updateWaveMode();
      built.push_back(s->cGame_waveRowCount);
    }
    EXPECT_EQ(built, c.rowsBuilt) << c.shotsPerRow;
    EXPECT_EQ(s->cGame_pendingRows, c.shotsPerRow > 1 ? 0 : 1) << c.shotsPerRow;
    std::vector<std::string> lines;
    for (int32_t n = 1; n <= c.rowsBuilt.back(); n++) lines.push_back("wave row " + std::to_string(n));
    EXPECT_EQ(trace.lines(), lines) << c.shotsPerRow;
  }
}

// A board down to the 11 bubbles of its top row brings a row at once, with no shot landed; the
// row resets the pressure and the special state.
TEST_F(WaveModeTest, ABoardDownToItsTopRowBringsARowAtOnce) {
  Wave(false);
  Stage(0, 5, 50);
  ASSERT_EQ(s->Bubble_activeBubbleCount, 11);
  s->cGame_specialState = 3;
  s->cGame_wavePressure = 7;
  cGame::updateWaveMode();
  EXPECT_EQ(s->cGame_pendingRows, 1);
  EXPECT_EQ(s->cGame_specialState, 0);
  cGame::updateWaveMode();
  EXPECT_EQ(s->cGame_waveRowCount, 1);
  EXPECT_EQ(s->cGame_pendingRows, 0);
  EXPECT_EQ(s->cGame_wavePressure, 0);
  EXPECT_EQ(s->Bubble_activeBubbleCount, 22);
}

// With fewer than 11 free bubbles in the pool the row is not built and stays pending, as does
// its slot row; once bubbles are free again it comes.
TEST_F(WaveModeTest, ARowWithoutRoomInThePoolStaysPending) {
  Stage(0, 5, 50);
  while (s->Bubble_activeBubbleCount < Bubble::kPoolSize - 10) Bubble::allocate();
  s->cGame_pendingRows = 1;
  for (int32_t c = 0; c < 11; c++) IntArray::set(s->cGame_waveSlots, c, c % 4);
  s->cGame_wavePressure = 7;
  cGame::updateWaveMode();
  cGame::updateWaveMode();
  EXPECT_EQ(s->cGame_waveRowCount, 0);
  EXPECT_EQ(s->cGame_pendingRows, 1);
  EXPECT_EQ(s->cGame_wavePressure, 7);
  for (int32_t c = 0; c < 11; c++) EXPECT_EQ(IntArray::get(s->cGame_waveSlots, c), c % 4) << c;
  cGame::removeBubble(s->Bubble_activeBubbleCount - 1);  // the last filler
  cGame::updateWaveMode();
  EXPECT_EQ(s->cGame_waveRowCount, 1);
  EXPECT_EQ(s->cGame_pendingRows, 0);
}

// Stage 0 wants 4 specials, stage 1 wants 6 with 5 shots a row. Meeting a goal selects the next
// stage (its progress starts again), adds 200 points, starts the 2000 ms banner (one frame of it
// gone) and sets waveStep from the new stage; past the last stage the tables stay at stage 1.
TEST_F(WaveModeTest, MeetingTheSpecialsGoalMovesToTheNextStage) {
  Stage(0, 3, 4);
  Stage(1, 5, 6);
  TraceCapture trace;
  struct Frame {
    int32_t popped, stageReached, stageIndex, score, banner, waveStep, progress;
  };
  const std::vector<Frame> kFrames = {
      {3, 0, 0, 0, 0, 0, 75},         {4, 1, 1, 200, 1960, 3, 0},
      {3, 1, 1, 200, 1920, 3, 50},    {6, 2, 1, 400, 1960, 3, 0},
      {-1, 2, 1, 400, 1920, 3, 0},
  };
  s->cGame_waveStep = 0;
  for (const Frame& f : kFrames) {
    if (f.popped >= 0) s->cGame_stageLevelBubblesPopped = f.popped;
    cGame::updateWaveMode();
    EXPECT_EQ(s->cGame_stageReached, f.stageReached) << f.popped;
    EXPECT_EQ(s->cGame_stageIndex, f.stageIndex) << f.popped;
    EXPECT_EQ(s->cGame_score, f.score) << f.popped;
    EXPECT_EQ(s->cGame_stageBannerTimer, f.banner) << f.popped;
    EXPECT_EQ(s->cGame_waveStep, f.waveStep) << f.popped;
    EXPECT_EQ(s->cGame_hudProgress, f.progress) << f.popped;
  }
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"wave stage 1", "wave stage 2"}));
}

// A specials goal of 0 or less never moves the stage on, and its progress reads 0.
TEST_F(WaveModeTest, AStageWithoutASpecialsGoalNeverAdvances) {
  for (int32_t goal : {0, -5}) {
    Wave(true);
    Stage(0, 3, goal);
    s->cGame_stageLevelBubblesPopped = 9;
    cGame::updateWaveMode();
    cGame::updateWaveMode();
    EXPECT_EQ(s->cGame_stageReached, 0) << goal;
    EXPECT_EQ(s->cGame_hudProgress, 0) << goal;
    EXPECT_EQ(s->cGame_score, 0) << goal;
  }
}

// Other level types and a level that is over: nothing moves.
TEST_F(WaveModeTest, OnlyARunningWaveLevelTakesTheRule) {
  Stage(0, 1, 1);
  for (int32_t type : {0, 3, 6}) {
    s->cGame_levelType = type;
    s->cGame_landedShotCount = 4;
    s->cGame_stageLevelBubblesPopped = 2;
    cGame::updateWaveMode();
    EXPECT_EQ(s->cGame_pendingRows, 0) << type;
    EXPECT_EQ(s->cGame_stageReached, 0) << type;
  }
  s->cGame_levelType = 2;
  s->cGame_levelOver = true;
  cGame::updateWaveMode();
  EXPECT_EQ(s->cGame_pendingRows, 0);
  EXPECT_EQ(s->cGame_landedShotCount, 4);
}

}  // namespace
