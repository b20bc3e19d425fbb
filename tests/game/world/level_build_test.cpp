// The level build over levels written by the builder's own writer: each type's layout onto the
// board (bunch values, members, cores, links, counts), later stages, the locked and masked
// looks, the shot sequence, and the ruled refusals that stop the body with one trace line.
#include <gtest/gtest.h>

#include <string>

#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/world/level_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using databuild::Level;
using databuild::LevelBubble;
using databuild::LevelBunch;

constexpr int32_t kLesson = 2, kPlain = 1;

// Bunch 0: a core and two neighbours; bunch 1 (stage 1 when staged): a core and one more.
Level Layout(bool staged) {
  Level l = PlainLevel(0);
  LevelBunch a;
  a.x = 250, a.y = 250, a.type = 0, a.partner = 1, a.colourA = 3, a.colourB = 4;
  a.cfgDuration = 1500, a.facing = 2;
  a.bubbles = {{0, 0, 1, 0}, {1, 0, 2, 0}, {0, -1, 3, 0x10}};
  LevelBunch b;
  b.x = 750, b.y = 250, b.stage = staged ? 1 : 0, b.partner = -1;
  b.bubbles = {{0, 0, 4, 0}, {-1, 0, 5, 0}};
  l.bunches = {a, b};
  return l;
}

TEST_F(LevelBuildTest, ATypeZeroLayoutFillsItsBunchesWithLinkedMembersAroundTheirCores) {
  LoadWritten(Layout(false));
  s->cGame_levelVariant = kPlain;
  TraceCapture trace;
  cGame::buildLevel();
  ASSERT_TRUE(trace.lines().empty()) << trace.lines().front();
  cGame_CBubbleBunch* a = Bunch(0);
  EXPECT_EQ(a->centreX, 120 * kPx);
  EXPECT_EQ(a->centreY, 160 * kPx);
  EXPECT_EQ(a->restX, a->centreX);
  EXPECT_EQ(a->type, 0);
  EXPECT_EQ(a->partner, 1);
  EXPECT_EQ(a->colourA, 3);
  EXPECT_EQ(a->colourB, 4);
  EXPECT_EQ(a->cfgDuration, 1500);
  EXPECT_EQ(a->facing, 2);
  EXPECT_EQ(a->count, 3);
  EXPECT_EQ(a->prevCount, 3);
  EXPECT_EQ(a->attachedTotal, 0);
  EXPECT_EQ(a->landedCount, 0);
  EXPECT_EQ(a->handleCount, 1) << "the flag-0x10 bubble is a handle";
  EXPECT_NE(a->anchor, nullptr) << "a type-0 bunch's main decoration";
  ASSERT_NE(a->core, nullptr);
  EXPECT_EQ(a->core->col, 0);
  EXPECT_NE(a->core->flags & Bubble::kKey, 0);
  const std::vector<Bubble*> m = Members(0);
  EXPECT_EQ(m[0]->neighbours->elements()[0], m[1]) << "(1, 0) is to the right of the core";
  EXPECT_EQ(m[1]->neighbours->elements()[3], m[0]);
  for (Bubble* bubble : Live()) {
    EXPECT_NE(bubble->flags & Bubble::kClearedOnCopy, 0);
    Bubble::cellPosition(Bunch(bubble->bunch), bubble->col, bubble->row, true, true);
    EXPECT_EQ(bubble->x, s->Bubble_cellX) << "at its cell";
    EXPECT_EQ(bubble->pixelX, bubble->x >> 16);
    EXPECT_EQ(bubble->prevPixelY, bubble->y >> 16);
    EXPECT_EQ(bubble->changeSteps, 0) << "a first stage shows at once";
  }
  EXPECT_EQ(Bunch(1)->partner, -1);
  EXPECT_EQ(Bunch(1)->count, 2);
  EXPECT_EQ(s->cGame_goalTotal, 2);
  EXPECT_EQ(s->cGame_layoutBubbleTotal, 5);
  EXPECT_EQ(s->cGame_stageBubbleTotal, 5);
  EXPECT_EQ(s->cGame_stageCount, 1);
  EXPECT_EQ(s->cGame_specialState, 0);
  ASSERT_EQ(s->cGame_shotSequenceLength, 3);
  EXPECT_EQ(s->cGame_shotSequencePending, 3);
  EXPECT_EQ(s->cGame_shotSequence->elements()[2], 1) << "the first shot is stored last";
  EXPECT_EQ(s->cGame_shotSequence->elements()[0], 3);
  EXPECT_EQ(s->cGame_triggerCount, 1);
  EXPECT_EQ(s->cGame_dataCursor, s->cGame_levelData->length);
}

// Stage 1 built by loadNextStage: only its bubbles, appearing one after another by their
// index in the bunch, at once in a lesson.
TEST_F(LevelBuildTest, ALaterStageAppearsBubbleByBubbleExceptInALesson) {
  for (const int32_t variant : {kPlain, kLesson}) {
    SCOPED_TRACE("level kind " + std::to_string(variant));
    LoadWritten(Layout(true));
    s->cGame_levelVariant = variant;
    cGame::buildLevel();
    EXPECT_EQ(s->cGame_stageCount, 2);
    EXPECT_EQ(Bunch(0)->count, 3);
    EXPECT_EQ(Bunch(1)->count, 0);
    Bubble::resetPool();
    s->cGame_currentStage = 1;
    TraceCapture trace;
    cGame::loadNextStage();
    EXPECT_TRUE(trace.lines().empty()) << trace.lines().front();
    EXPECT_EQ(Bunch(1)->count, 2);
    EXPECT_EQ(s->cGame_stageBubbleTotal, 2);
    EXPECT_EQ(s->cGame_layoutBubbleTotal, 5);
    const std::vector<Bubble*> m = Members(1);
    for (int32_t k = 0; k < 2; k++) {
      if (variant == kLesson) {
        EXPECT_EQ(m[k]->changeSteps, 0);
        EXPECT_EQ(m[k]->appearance, 0);
      } else {
        EXPECT_EQ(m[k]->appearance, 39);
        EXPECT_EQ(m[k]->changeSteps, 9);
        EXPECT_EQ(m[k]->changeDelay, k) << "delayed by the record's index";
      }
    }
    Bubble::resetPool();
  }
}

// Flags 0x800 and 0x1000 show kinds 37 and 38 until the level's item is unlocked; header bit 0
// masks every bubble but kind 43 at once.
TEST_F(LevelBuildTest, LockedLooksAndTheMaskedStart) {
  struct Case {
    int32_t flags;
    bool unlocked;
    int headerFlags;
    int32_t colour;
    bool masked;
  } cases[] = {
      {0x800, false, 0, 37, false}, {0x800, true, 0, 2, false}, {0x1000, false, 0, 38, false},
      {0x1000, true, 0, 2, false},  {0, false, 1, 2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("flags " + std::to_string(c.flags) + " header " + std::to_string(c.headerFlags));
    Level l = PlainLevel(0);
    l.header.unlockItem = 4;
    l.header.flags = c.headerFlags;
    LevelBunch b;
    b.bubbles = {{0, 0, 2, c.flags}, {1, 0, 43, 0}};
    l.bunches = {b};
    LoadWritten(l);
    s->cGame_unlockFlags->elements()[4] = c.unlocked ? 1 : 0;
    Bubble::resetPool();
    cGame::buildLevel();
    const std::vector<Bubble*> m = Members(0);
    EXPECT_EQ(m[0]->colour, c.colour);
    EXPECT_EQ((m[0]->flags & Bubble::kColourMasked) != 0, c.masked);
    EXPECT_EQ(m[1]->flags & Bubble::kColourMasked, 0) << "kind 43 is never masked";
    if (c.masked) {
      EXPECT_EQ(m[0]->appearance, 2);
      EXPECT_EQ(m[0]->changeSteps, 0) << "masked at once, with no change";
    }
  }
}

TEST_F(LevelBuildTest, ObjectiveFlagsClearTheirObjective) {
  Level l = PlainLevel(0);
  LevelBunch b;
  b.bubbles = {{0, 0, 1, 0x20}, {1, 0, 1, 0x80}};
  l.bunches = {b};
  LoadWritten(l);
  s->cGame_objectiveFlags = NewByteArray(3);
  for (int32_t k = 0; k < 3; k++) s->cGame_objectiveFlags->elements()[k] = 1;
  cGame::buildLevel();
  EXPECT_EQ(s->cGame_objectiveFlags->elements()[0], 0);
  EXPECT_EQ(s->cGame_objectiveFlags->elements()[1], 1);
  EXPECT_EQ(s->cGame_objectiveFlags->elements()[2], 0);
}

TEST_F(LevelBuildTest, ATrackLevelGivesEachBubbleItsOwnBunch) {
  Level l = PlainLevel(8);
  l.track = {250, 500, 120, {0, 4, 0, 5}, {{1, 0}, {2, -32767}, {3, 0}}};
  LoadWritten(l);
  TraceCapture trace;
  cGame::buildLevel();
  ASSERT_TRUE(trace.lines().empty()) << trace.lines().front();
  EXPECT_EQ(s->cGame_trackStartX, 120 * kPx);
  EXPECT_EQ(s->cGame_trackStartY, 320 * kPx);
  EXPECT_EQ(s->cGame_trackSpeed, (120 << 16) / 1000);
  EXPECT_EQ(s->cGame_trackLength, 2 * 65536 + 2 * 51471);
  EXPECT_EQ(s->cGame_chainCount, 3);
  for (int32_t b = 0; b < 3; b++) {
    EXPECT_EQ(Bunch(b)->type, 14);
    EXPECT_EQ(Bunch(b)->count, 1);
    EXPECT_EQ(Members(b)[0]->colour, b + 1);
    EXPECT_EQ(s->cGame_chainEntryBunch->elements()[b], b);
  }
  EXPECT_NE(Members(1)[0]->flags & static_cast<int32_t>(0xFFFF8000), 0)
      << "the 16-bit flags are sign-extended: they set the dead and free-flyer bits";
}

TEST_F(LevelBuildTest, AWaveLevelReadsItsStagesAndHangsItsTopRow) {
  Level l = PlainLevel(2);
  databuild::LevelStage stage;
  stage.wave = {5, 0, 2, 30};
  stage.specials = {7, 9, 28, 39, 3};
  stage.values = {1, 2, 3, 4, 5, 6};
  stage.rowA = {10, 20, 30, 40};
  stage.rowB = {1, 2, 3, 4, 5, 6};
  l.waves = {0, {stage, stage}};
  LoadWritten(l);
  s->cGame_playTop = 80;
  TraceCapture trace;
  cGame::buildLevel();
  ASSERT_TRUE(trace.lines().empty()) << trace.lines().front();
  EXPECT_EQ(s->cGame_stageCount, 2);
  EXPECT_EQ(s->cGame_stageColours->elements()[1], 5);
  EXPECT_EQ(s->cGame_stageMasks->elements()[0], 1 << 0 | 1 << 2 | 1 << 21)
      << "kinds 7, 9 and 28; 39 past bit 31's reach and 3 below 7 set none";
  EXPECT_EQ(s->cGame_stageTableJ->elements()[1], 6);
  EXPECT_EQ(static_cast<ByteArray*>(s->cGame_stageRowsA->elements()[1])->elements()[3], 40);
  EXPECT_EQ(static_cast<ByteArray*>(s->cGame_stageRowsB->elements()[0])->elements()[5], 6);
  EXPECT_EQ(s->cGame_waveRowY, 65 * kPx);
  EXPECT_EQ(s->cGame_waveStep, 12) << "shots per row 0 count as 1";
  EXPECT_EQ(s->cGame_wavePressure, -12);
  EXPECT_EQ(s->cGame_specialState, 3);
  ASSERT_EQ(Bunch(0)->count, 11);
  for (Bubble* bubble : Members(0)) {
    EXPECT_EQ(bubble->colour, 39);
    EXPECT_EQ(bubble->flags & 0x400004, 0x400004);
    EXPECT_EQ(bubble->pixelY, 65);
    EXPECT_EQ(bubble->pixelX, 240 + bubble->col * 37);
  }
  EXPECT_EQ(Bunch(0)->core->col, 0);
}

TEST_F(LevelBuildTest, ASceneryLevelHangsItsStagesBunchAtTheTop) {
  Level l = Layout(false);
  l.header.levelType = 3;
  LoadWritten(l);
  s->cGame_playTop = 100;
  s->cGame_currentStage = 1;
  cGame::buildLevel();
  EXPECT_EQ(s->cGame_sceneryBunch, 1);
  EXPECT_TRUE(s->cGame_gridRebuildRequested);
  EXPECT_EQ(Bunch(1)->centreX, 240 * kPx);
  EXPECT_EQ(Bunch(1)->centreY, 85 * kPx);
  EXPECT_EQ(s->cGame_sceneryStep, 26);
  EXPECT_EQ(s->cGame_sceneryY, 640);
  EXPECT_EQ(s->cGame_sceneryStartY, 640);
}

// Each ruled bad value stops the body with one trace line; what came before stays built and
// the sections after it read as empty.
TEST_F(LevelBuildTest, RuledBadValuesStopTheBodyWithOneTraceLine) {
  struct Case {
    const char* name;
    Level level;
    int32_t bunch0Count;  // what stays built
  };
  auto layout = [](auto change) {
    Level l = Layout(false);
    change(l);
    return l;
  };
  Level eleven = Layout(false);
  eleven.bunches.resize(11, eleven.bunches[1]);
  Level wave = PlainLevel(2);
  Level waves21 = PlainLevel(2);
  waves21.waves.stages.resize(21);
  Level track = PlainLevel(8);
  track.track.bubbles.resize(11);
  const Case cases[] = {
      {"eleven bunches", eleven, 0},
      {"bunch type 16", layout([](Level& l) { l.bunches[1].type = 16; }), 3},
      {"kind 44", layout([](Level& l) { l.bunches[1].bubbles[1].kind = 44; }), 3},
      {"six targets",
       layout([](Level& l) { l.bunches[1].bubbles.assign(6, LevelBubble{0, 0, 36, 0}); }), 3},
      {"a shot kind 50", layout([](Level& l) { l.shots = {1, 50}; }), 3},
      {"no wave stage", wave, 0},
      {"21 wave stages", waves21, 0},
      {"eleven track bubbles", track, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoadWritten(c.level);
    Bubble::resetPool();
    TraceCapture trace;
    cGame::buildLevel();
    ASSERT_EQ(trace.lines().size(), 1u);
    EXPECT_NE(trace.lines()[0].find("the rest of the level is empty"), std::string::npos);
    EXPECT_TRUE(s->cGame_levelBodyFailed);
    EXPECT_EQ(Bunch(0)->count, c.bunch0Count);
    EXPECT_EQ(s->cGame_triggerCount, 0) << "the rules after the stop read as empty";
  }
}

TEST_F(LevelBuildTest, PlaceNewBubbleWithThePoolExhaustedPlacesNothing) {
  cGame::startBoard();
  while (Bubble::allocate()) {
  }
  TraceCapture trace;
  EXPECT_EQ(cGame::placeNewBubble(2, 0, 0, 0, 0), nullptr);
  EXPECT_EQ(Bunch(0)->count, 0);
  EXPECT_EQ(trace.lines().size(), 1u);
  Bubble::resetPool();
  cGame::setBunchCentre(0, 240 * kPx, 300 * kPx);
  Bubble* key = cGame::placeNewBubble(2, 0, 0, 0, 0x400004);
  ASSERT_NE(key, nullptr);
  EXPECT_NE(key->flags & Bubble::kKey, 0);
  EXPECT_EQ(key->flags & 0x400004, 0x400004);
  EXPECT_EQ(Bunch(0)->core, key);
  EXPECT_GE(key->gridCol, 0) << "filed in the grid";
}

}  // namespace
