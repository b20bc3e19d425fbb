// The choice of the next bubble against a hand-stepped generator: random colours from the
// board's colours (all seven on an empty board or in level type 4), the special roll and its
// weights, the shot sequence with its repeats, the stage masks of level type 2, the stage
// selection, the refill, the loading screen's variant and the shared generator's step.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tests/game/world/play_fixture.h"

namespace {

class NextBubbleTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    s->cGame_specialWeights = NewByteArray(22);
    s->cGame_specialKinds = NewShortArray(22);
    for (int32_t i = 0; i < 22; i++) s->cGame_specialKinds->elements()[i] = 7 + i;
    s->cGame_levelType = 0;
    s->cGame_boardColourMask = 0;
    s->cGame_specialChance = s->cGame_specialBaseChance = s->cGame_specialChanceStep = 0;
    s->cGame_shotSequencePending = 0;
  }
  void Sequence(std::vector<int32_t> kinds, int32_t repeats) {
    const int32_t n = static_cast<int32_t>(kinds.size());
    s->cGame_shotSequence = NewByteArray(n);
    for (int32_t i = 0; i < n; i++) s->cGame_shotSequence->elements()[n - 1 - i] = kinds[i];
    s->cGame_shotSequenceLength = s->cGame_shotSequencePending = n;
    s->cGame_shotSequenceRepeats = repeats;
  }
  std::vector<int32_t> Choose(int32_t n) {
    std::vector<int32_t> kinds;
    for (int32_t i = 0; i < n; i++) kinds.push_back(cGame::chooseNextBubbleColor());
    return kinds;
  }
};

TEST_F(NextBubbleTest, RandomColoursFollowTheHandSteppedGeneratorAndTheBoardsColours) {
  struct Case {
    const char* what;
    int32_t type, mask;
  };
  const Case kCases[] = {
      {"an empty board draws from all seven", 0, 0},
      {"level type 4 ignores the board", 4, 0x4},
      {"two colours on the board", 0, 0x24},
  };
  for (const Case& c : kCases) {
    s->cGame_levelType = c.type;
    s->cGame_boardColourMask = c.mask;
    int32_t seed = s->cGame_randomSeed = 777;
    const int32_t mask = c.mask == 0 || c.type == 4 ? 127 : c.mask;
    std::set<int32_t> seen;
    for (int32_t i = 0; i < 200; i++) {
      int32_t expected = 0;
      HandDraw(&seed);  // the special roll (chance 0 never hits)
      for (int32_t t = 0; t < 20; t++) {
        expected = HandDraw(&seed) % 7;
        if (mask >> expected & 1) break;
      }
      const int32_t got = cGame::chooseNextBubbleColor();
      ASSERT_EQ(got, expected) << c.what << ", draw " << i;
      seen.insert(got);
    }
    EXPECT_EQ(static_cast<int32_t>(seen.size()), __builtin_popcount(mask)) << c.what;
  }
}

TEST_F(NextBubbleTest, AOneColourMaskTakesTheTwentiethDrawAfterTwentyMisses) {
  s->cGame_boardColourMask = 1 << 6;
  // A seed whose twenty draws after the roll all miss colour 6.
  for (int32_t start = 1;; start++) {
    int32_t seed = start;
    HandDraw(&seed);
    int32_t last = 0;
    bool hit = false;
    for (int32_t t = 0; t < 20 && !hit; t++) hit = (last = HandDraw(&seed) % 7) == 6;
    if (hit) continue;
    s->cGame_randomSeed = start;
    EXPECT_EQ(cGame::chooseNextBubbleColor(), last);
    EXPECT_EQ(s->cGame_randomSeed, seed) << "exactly 21 draws";
    return;
  }
}

TEST_F(NextBubbleTest, SpecialChanceZeroNeverAndHundredAlwaysGivesASpecial) {
  s->cGame_specialWeights->elements()[3] = 1;
  for (int32_t chance : {0, 100}) {
    s->cGame_specialChance = s->cGame_specialBaseChance = chance;
    for (int32_t kind : Choose(100)) {
      EXPECT_EQ(kind >= 7, chance == 100) << "chance " << chance << " gave " << kind;
      if (chance == 100) {
        EXPECT_EQ(kind, 7) << "one weight: the draw is 0, which stops at slot 0";
      }
    }
  }
}

TEST_F(NextBubbleTest, WeightsZeroFiveStopAtSlotZeroForAZeroDraw) {
  s->cGame_specialWeights->elements()[1] = 5;
  s->cGame_specialChance = s->cGame_specialBaseChance = 100;
  std::set<int32_t> kinds;
  for (int32_t start = 1; start < 400; start++) {
    int32_t seed = s->cGame_randomSeed = start;
    HandDraw(&seed);
    const int32_t r = HandDraw(&seed) % 5;
    const int32_t kind = cGame::chooseNextBubbleColor();
    ASSERT_EQ(kind, r == 0 ? 7 : 8) << "r " << r;
    kinds.insert(kind);
  }
  EXPECT_EQ(kinds, (std::set<int32_t>{7, 8}));
}

TEST_F(NextBubbleTest, TheChanceGrowsAfterEachBubbleAndFallsBackAfterASpecial) {
  s->cGame_specialWeights->elements()[0] = 1;
  s->cGame_specialBaseChance = 0;
  s->cGame_specialChanceStep = 10;
  s->cGame_specialChance = 0;
  cGame::chooseNextBubbleColor();
  EXPECT_EQ(s->cGame_specialChance, 10);
  s->cGame_specialChance = 100;
  EXPECT_EQ(cGame::chooseNextBubbleColor(), 7);
  EXPECT_EQ(s->cGame_specialChance, 10) << "the base chance plus one step";
}

TEST_F(NextBubbleTest, AShotSequencePlaysInFileOrderWithItsRepeats) {
  s->cGame_specialChanceStep = 5;
  Sequence({3, 1, 4}, 1);
  EXPECT_EQ(Choose(6), (std::vector<int32_t>{3, 1, 4, 3, 1, 4}));
  EXPECT_EQ(s->cGame_shotSequencePending, 0);
  EXPECT_EQ(s->cGame_specialChance, 5) << "only the end of the last pass lets the chance grow";
  for (int32_t kind : Choose(20)) EXPECT_LT(kind, 7);

  s->cGame_specialChance = 0;
  Sequence({2, 5, 6}, -1);
  const std::vector<int32_t> kinds = Choose(30);
  for (int32_t i = 0; i < 30; i++) EXPECT_EQ(kinds[i], (std::vector<int32_t>{2, 5, 6})[i % 3]);
  EXPECT_EQ(s->cGame_specialChance, 0) << "an endless sequence never lets the chance grow";
}

TEST_F(NextBubbleTest, TheStageMaskOfLevelTypeTwoPicksOnlyAllowedSlots) {
  s->cGame_levelType = 2;
  s->cGame_specialChance = s->cGame_specialBaseChance = 100;
  s->cGame_stageMasks = NewIntArray(2);
  s->cGame_stageMasks->elements()[0] = (1 << 2) | (1 << 5);
  s->cGame_stageMasks->elements()[1] = 1 << 25;  // names no slot
  s->cGame_stageIndex = 0;
  std::set<int32_t> kinds;
  for (int32_t kind : Choose(60)) kinds.insert(kind);
  EXPECT_EQ(kinds, (std::set<int32_t>{9, 12}));
  struct Case {
    const char* what;
    int32_t stage;
    bool tables;
  };
  const Case kCases[] = {{"bits past slot 21 only", 1, true},
                         {"a stage past the table", 7, true},
                         {"no stage tables", 0, false}};
  for (const Case& c : kCases) {
    s->cGame_stageIndex = c.stage;
    if (!c.tables) s->cGame_stageMasks = nullptr;
    for (int32_t kind : Choose(30)) EXPECT_LT(kind, 7) << c.what;
  }
}

TEST_F(NextBubbleTest, SelectStageKeepsTheStageInsideTheLevelsStages) {
  auto table = [](std::vector<int32_t> v) {
    ByteArray* a = NewByteArray(static_cast<int32_t>(v.size()));
    for (size_t i = 0; i < v.size(); i++) a->elements()[i] = static_cast<int8_t>(v[i]);
    return a;
  };
  s->cGame_stageTableH = table({10, 20, 30});
  s->cGame_stageTableI = table({1, 2, 3});
  s->cGame_stageTableJ = table({4, 5, 6});
  s->cGame_stageTableE = table({7, 8, 9});
  s->cGame_waveStageCount = 3;
  struct Case {
    int32_t asked, stage, chance;
  };
  for (const Case& c : {Case{1, 1, 20}, Case{5, 2, 30}, Case{-3, 0, 10}}) {
    s->cGame_stageShotCount = 9;
    cGame::selectStage(c.asked);
    EXPECT_EQ(s->cGame_stageIndex, c.stage) << "stage " << c.asked;
    EXPECT_EQ(s->cGame_specialChance, c.chance);
    EXPECT_EQ(s->cGame_stageShotCount, 0);
  }
  s->cGame_waveStageCount = 0;
  s->cGame_stageTableH = nullptr;
  s->cGame_specialChance = 55;
  cGame::selectStage(4);
  EXPECT_EQ(s->cGame_stageIndex, 0);
  EXPECT_EQ(s->cGame_specialChance, 55) << "no stage table is read";
}

TEST_F(NextBubbleTest, TheRefillMovesTheNextKindIntoTheLauncher) {
  LoadLauncher();
  s->cGame_nextColour = 4;
  cGame::advanceBubbleQueue();
  EXPECT_EQ(s->cGame_currentColour, 4);
  EXPECT_EQ(s->cGame_shooterState, 3);
  EXPECT_EQ(s->cGame_savedShooterState, 3);
  EXPECT_EQ(s->cGame_swapTimer, 250);
  EXPECT_EQ(cActor::getAnim(s->cGame_currentBubbleActor), 4);
  EXPECT_EQ(cActor::getAnim(s->cGame_nextBubbleActor), s->cGame_nextColour);
  EXPECT_EQ(cActor::getX(s->cGame_currentBubbleActor), 240 + 62);
  EXPECT_EQ(cActor::getY(s->cGame_currentBubbleActor), 640 - 66);
  EXPECT_EQ(cActor::getY(s->cGame_nextBubbleActor), -100);
}

TEST_F(NextBubbleTest, ALockedTypeSevenColourIsDrawnAgainOnce) {
  s->cGame_boardColourMask = 0x3;
  cGame_CBubbleBunch* bunch = Bunch(0);
  bunch->type = 7;
  bunch->inUse = 1;
  for (int32_t start = 1; start < 200; start++) {
    int32_t seed = start;
    const int32_t first = HandDraw(&seed) % 2;
    const int32_t second = HandDraw(&seed) % 2;
    cActor* lock = Sprite(0, 0, 0, 1, 1);
    ObjectArray* decorations = NewObjectArray(cid::cActor, 2);
    decorations->elements()[1] = lock;
    bunch->decorations = decorations;
    s->cGame_randomSeed = start;
    EXPECT_EQ(cGame::randomColorNotBunch7(1), first == 1 ? second : first) << "seed " << start;
    s->cGame_randomSeed = seed;
    EXPECT_EQ(cGame::randomColorNotBunch7(0), HandDraw(&seed) % 2) << "no bunch is looked at";
    cActor::release(lock);
  }
}

// The shared generator's step runs under its monitor: seed * 0x5DEECE66D + 0xB mod 2^48,
// the upper 32 bits; the variant is variantOrder[|r| mod (worlds unlocked + 1)].
TEST_F(NextBubbleTest, TheVariantFollowsTheSharedGeneratorsLockedStep) {
  s->cGame_variantOrder = NewIntArray(8);
  for (int32_t i = 0; i < 8; i++) s->cGame_variantOrder->elements()[i] = (i * 3 + 1) % 8;
  for (int32_t worlds : {0, 3, 7, 8}) {
    s->cGame_worldsUnlocked = worlds;
    s->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{99});
    int64_t seed = (int64_t{99} ^ 0x5DEECE66DLL) & ((int64_t{1} << 48) - 1);
    for (int32_t i = 0; i < 20; i++) {
      seed = (seed * 0x5DEECE66DLL + 0xB) & ((int64_t{1} << 48) - 1);
      const int64_t r = static_cast<int32_t>(seed >> 16);
      const int32_t index = static_cast<int32_t>((r < 0 ? -r : r) % (worlds + 1)) % 8;
      EXPECT_EQ(cGame::pickRandomVariant(), s->cGame_variantOrder->elements()[index])
          << worlds << " worlds, draw " << i;
    }
  }
}

}  // namespace
