// The counters kept during play and the awards they earn, over the real event queue, award
// flags and award notice (with the data set's texts): the goal count of level types 5 to 7,
// the combo, chain and thousand-bubble awards, and the bonus points of the listed awards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/board/bubble.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "tests/game/board/actor_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

constexpr int32_t kWon = 50;

class AwardsTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    LoadFontsAndTexts();
    cGame::initProgressTables();
    s->cGame_levelType = 0;
    s->cGame_levelOver = false;
    s->cGame_popupOpen = false;
  }
  // No award earned, no popup open, nothing queued.
  void Reset() {
    for (int32_t n = 0; n < 25; n++) s->cGame_awardFlags->elements()[n] = 0;
    s->cGame_popupOpen = false;
    s->cGame_eventCount = 0;
  }
  int32_t Flag(int32_t n) const { return s->cGame_awardFlags->elements()[n]; }
  static int32_t Posted(int32_t event) {
    int32_t n = 0;
    for (int32_t e : Events()) n += (e & 0xFF) == event;
    return n;
  }
  // The award's notice is up: kind 6 with its name, marked open.
  bool NoticeUp(int32_t n) const {
    return s->cGame_popupOpen && s->cGame_popupKind == 6 &&
           TextOf(s->cGame_popupText) ==
               TextOf(cGame::getString(485)) + "\n" + TextOf(cGame::getString(637 + n));
  }
};

// ---- The goal ------------------------------------------------------------------------------

TEST_F(AwardsTest, TheGoalCountsDownOnlyInLevelTypes5To7) {
  for (int32_t type = 0; type <= 8; type++) {
    s->cGame_levelType = type;
    s->cGame_goalTotal = 3;
    s->cGame_goalRemaining = 3;
    s->cGame_hudGoalText = nullptr;
    cGame::countDownGoal(0);
    const bool counts = type >= 5 && type <= 7;
    EXPECT_EQ(s->cGame_goalRemaining, counts ? 2 : 3) << type;
    EXPECT_EQ(s->cGame_hudGoalText != nullptr, counts) << type;
    if (counts) {
      EXPECT_EQ(TextOf(s->cGame_hudGoalText), "1/3") << type;
    }
  }
}

// From 1 to 0 posts the win once; a fifth burst of a four-goal level leaves -1 and posts
// nothing more; once the level is over the count stays but the text is still refreshed.
TEST_F(AwardsTest, TheGoalPostsTheWinOnceFrom1To0) {
  s->cGame_levelType = 6;
  s->cGame_goalTotal = 4;
  s->cGame_goalRemaining = 4;
  const int32_t kRemaining[] = {3, 2, 1, 0, -1};
  const int32_t kWins[] = {0, 0, 0, 1, 1};
  for (int32_t i = 0; i < 5; i++) {
    cGame::countDownGoal(i);
    EXPECT_EQ(s->cGame_goalRemaining, kRemaining[i]) << "burst " << i + 1;
    EXPECT_EQ(Posted(kWon), kWins[i]) << "burst " << i + 1;
  }
  s->cGame_levelOver = true;
  s->cGame_hudGoalText = nullptr;
  cGame::countDownGoal(0);
  EXPECT_EQ(s->cGame_goalRemaining, -1);
  EXPECT_EQ(TextOf(s->cGame_hudGoalText), "5/4");
}

// ---- Awards --------------------------------------------------------------------------------

TEST_F(AwardsTest, FifteenBubblesFreedAtOnceEarnAward5Once) {
  struct Case {
    int32_t levelType, freed;
    bool earns;
  };
  const Case kCases[] = {{0, 14, false}, {0, 15, true}, {7, 40, true}, {2, 15, false}};
  for (const Case& c : kCases) {
    Reset();
    s->cGame_levelType = c.levelType;
    TraceCapture trace;
    cGame::checkComboAward(c.freed);
    EXPECT_EQ(Flag(5), c.earns ? 1 : 0) << c.freed;
    EXPECT_EQ(NoticeUp(5), c.earns) << c.freed;
    EXPECT_EQ(trace.contains("award 5"), c.earns) << c.freed;
  }
  // Later combos leave the award alone and open nothing.
  s->cGame_popupOpen = false;
  TraceCapture trace;
  cGame::checkComboAward(30);
  EXPECT_FALSE(s->cGame_popupOpen);
  EXPECT_FALSE(trace.contains("award 5"));
}

// A combo during another popup (a dialogue line) replaces it with the award's notice.
TEST_F(AwardsTest, TheComboNoticeReplacesAnOpenPopup) {
  cGame::openPopupText(29, 3, 320);
  s->cGame_popupOpen = true;
  cGame::checkComboAward(15);
  EXPECT_TRUE(NoticeUp(5));
}

// Hits by level type: exactly the 12th counts, and only where awards count.
TEST_F(AwardsTest, ExactlyTheTwelfthCarrierHitEarnsAward14) {
  struct Case {
    const char* what;
    std::vector<int32_t> hitsInType;  // the level type of each hit
    bool earns;
  };
  const Case kCases[] = {
      {"eleven hits", std::vector<int32_t>(11, 0), false},
      {"twelve hits", std::vector<int32_t>(12, 0), true},
      {"twelve in a boss level", std::vector<int32_t>(12, 3), true},
      {"the 12th in level type 2, the 13th elsewhere",
       [] {
         std::vector<int32_t> v(13, 0);
         v[11] = 2;
         return v;
       }(),
       false},
  };
  for (const Case& c : kCases) {
    Reset();
    s->cGame_chainAwardCount = 0;
    for (int32_t type : c.hitsInType) {
      s->cGame_levelType = type;
      cGame::checkChainAward();
    }
    EXPECT_EQ(s->cGame_chainAwardCount, static_cast<int32_t>(c.hitsInType.size())) << c.what;
    EXPECT_EQ(Flag(14), c.earns ? 1 : 0) << c.what;
    EXPECT_EQ(NoticeUp(14), c.earns) << c.what;
  }
}

// In level type 2 every popped bubble counts, those the level placed for the stage too; the
// 1000th earns award 3. Outside type 2, or once the level is over, nothing counts.
TEST_F(AwardsTest, TheThousandthBubbleOfTheWaveLevelEarnsAward3) {
  Bubble::fillPool();
  Bubble* placed = Bubble::allocate();
  placed->flags |= Bubble::kClearedOnCopy;
  Bubble* shot = Bubble::allocate();
  struct Case {
    int32_t levelType;
    bool over;
    int32_t type2, stage;
  };
  const Case kCases[] = {{2, false, 2, 1}, {0, false, 0, 0}, {2, true, 0, 0}};
  for (const Case& c : kCases) {
    s->cGame_levelType = c.levelType;
    s->cGame_levelOver = c.over;
    s->cGame_type2BubblesPopped = s->cGame_stageLevelBubblesPopped = 0;
    cGame::countSpecialBubble(placed);
    cGame::countSpecialBubble(shot);
    EXPECT_EQ(s->cGame_type2BubblesPopped, c.type2) << c.levelType << c.over;
    EXPECT_EQ(s->cGame_stageLevelBubblesPopped, c.stage) << c.levelType << c.over;
  }
  s->cGame_levelType = 2;
  s->cGame_levelOver = false;
  s->cGame_type2BubblesPopped = 998;
  cGame::countSpecialBubble(shot);
  EXPECT_EQ(Flag(3), 0) << "999";
  cGame::countSpecialBubble(shot);
  EXPECT_EQ(Flag(3), 1) << "1000";
  EXPECT_TRUE(NoticeUp(3));
}

TEST_F(AwardsTest, EachListedAwardIsWorthFivePoints) {
  struct Case {
    std::vector<int32_t> earned;
    int32_t points;
  };
  const Case kCases[] = {
      {{}, 0}, {{16}, 5}, {{5, 14, 3}, 0}, {{17, 23}, 10}, {{16, 17, 19, 20, 22, 23}, 30}};
  for (const Case& c : kCases) {
    for (int32_t n = 0; n < 25; n++) s->cGame_awardFlags->elements()[n] = 0;
    for (int32_t n : c.earned) s->cGame_awardFlags->elements()[n] = 1;
    EXPECT_EQ(cGame::awardBonusPoints(), c.points) << c.earned.size();
  }
}

}  // namespace
