// The play state's phase machine on the test clock: entering the state, each phase's exit and
// its trace line, a restart during the opening, the rating's bonus and the stored result, the
// skip of the fireworks' wait, the pause test's phases, the goal key, the awards' celebration
// once per level end, the retry question and the loader's way out of the level with the
// lifetime statistics it adds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/trace_line.h"
#include "tests/game/world/play_fixture.h"

namespace {

constexpr int32_t kRightSoftKey = 19, kFire = 5;

class PlayStateTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    LoadFontsAndTexts();
    cGame::initProgressTables();
    cGame::initLevelHeaderTables();
    s->cGame_currentWorld = 0;
    s->cGame_currentLevel = 2;
    // Type 1: an empty board does not end the level by itself (types 0 and 8 would).
    s->cGame_levelType = 1;
    s->cGame_levelIntroTextsEnabled = true;
    s->cGame_currentState = 17;
    LoadLauncher();
    s->cGame_playPhase = 0;
    SetTraceSink(&PlayStateTest::Capture, this);
  }
  void TearDown() override {
    SetTraceSink(nullptr, nullptr);
    PlayTest::TearDown();
  }
  static void Capture(const char* line, void* user) {
    const std::string text = line;
    if (text.rfind("play phase ", 0) == 0) static_cast<PlayStateTest*>(user)->phases.push_back(text);
  }
  // One update of state 17 with the keys pressed in this frame; a popup that opens is
  // answered at once (closed, as the popup's own update closes it).
  void Frame(std::initializer_list<int32_t> pressed = {}, int32_t dt = kFrameMs) {
    SetKeys({}, pressed);
    s->cGame_frameTime = dt;
    cGame::statePlay(cGame::kStateUpdate);
    SetKeys({}, {});
    if (s->cGame_popupOpen) {
      s->cGame_popupOpen = false;
      s->cGame_popupAnswered = true;
    }
  }
  // Frames until the phase is reached (at most n).
  void RunTo(int32_t phase, int32_t n = 2000) {
    for (int32_t i = 0; i < n && s->cGame_playPhase != phase; i++) Frame();
    ASSERT_EQ(s->cGame_playPhase, phase);
  }
  int32_t& Result() { return ResultOf(s->cGame_currentWorld, s->cGame_currentLevel); }
  int32_t& ResultOf(int32_t world, int32_t level) {
    return static_cast<IntArray*>(s->cGame_levelResults->elements()[world])->elements()[level + 1];
  }
  std::vector<std::string> phases;
};

TEST_F(PlayStateTest, EnteringPostsTheShortGuideOrAfterALossTheLongOne) {
  for (int32_t fails : {0, 2}) {
    s->cGame_eventCount = 0;
    s->cGame_failCount = fails;
    s->cGame_pausedOnce = true;
    cGame::statePlay(cGame::kStateEnter);
    EXPECT_TRUE(Queued(fails > 0 ? 43 : 42)) << fails << " losses";
    EXPECT_FALSE(Queued(fails > 0 ? 42 : 43)) << fails << " losses";
    EXPECT_FALSE(s->cGame_pausedOnce);
    EXPECT_EQ(s->cGame_loadKind, -1);
    EXPECT_EQ(s->cGame_fadeDirection, 1);
  }
}

TEST_F(PlayStateTest, TheOpeningRunsFromPhaseZeroThroughTheBannerToPlay) {
  RunTo(9);
  EXPECT_EQ(phases, (std::vector<std::string>{"play phase 0 -> 2", "play phase 2 -> 3",
                                              "play phase 3 -> 4", "play phase 4 -> 5",
                                              "play phase 5 -> 7", "play phase 7 -> 9"}));
  EXPECT_EQ(s->cGame_introActor, nullptr);
  EXPECT_FALSE(s->cGame_shotsBlocked) << "event 39 freed the shots again";
}

TEST_F(PlayStateTest, WithoutABannerActorPhasesFourAndSevenGoOnAtOnce) {
  RunTo(3);
  while (cActor::findFreeActor()) Sprite(0, 0, 0, 0);
  Frame();
  EXPECT_EQ(s->cGame_introActor, nullptr);
  Frame();
  EXPECT_EQ(s->cGame_playPhase, 5);
  int32_t waited = 0;
  while (s->cGame_playPhase == 5 && waited < 3000) {
    Frame();
    waited += kFrameMs;
  }
  EXPECT_EQ(s->cGame_playPhase, 7);
  EXPECT_GE(waited, 1501);
  Frame();
  EXPECT_EQ(s->cGame_playPhase, 9);
}

TEST_F(PlayStateTest, TheOpeningDialogueShowsEveryLineButTheLast) {
  s->cGame_introCount = 3;
  std::vector<int32_t> shown;
  for (int32_t i = 0; i < 10 && s->cGame_playPhase <= 2; i++) {
    s->cGame_popupTextId = -1;
    Frame();
    if (s->cGame_popupTextId != -1) shown.push_back(s->cGame_popupTextId);
  }
  EXPECT_EQ(shown, (std::vector<int32_t>{480, 480}));
  EXPECT_EQ(s->cGame_introLine, 2);
}

TEST_F(PlayStateTest, ARestartDuringTheOpeningEndsTheLevelAsARetryWithoutRating) {
  RunTo(4);
  Result() = 1;
  cGame::postEvent(72);
  Frame();
  EXPECT_EQ(s->cGame_playPhase, 10) << "through phase 9 in the same frame";
  Frame();
  EXPECT_EQ(s->cGame_playPhase, 23);
  EXPECT_EQ(Result(), 1);
  Frame();
  EXPECT_EQ(s->cGame_loadKind, 15);
  EXPECT_EQ(s->cGame_chainedLoadKind, 3);
  EXPECT_EQ(s->cGame_chainedStateAfterLoad, 17);
  EXPECT_EQ(s->cGame_nextState, 4);
}

TEST_F(PlayStateTest, TheTimeBonusIsPaidOncePerImprovement) {
  struct Case {
    const char* what;
    int32_t before, time, rating, score, stored;
  };
  const Case kCases[] = {
      {"a first 2 pays all", -1, 500, 2, 1000, 2},
      {"2 after 1 pays the other half", 1, 500, 2, 500, 2},
      {"2 again pays nothing", 2, 500, 2, 0, 2},
      {"a first 1 pays half", 0, 1500, 1, 500, 1},
      {"1 after 2 pays nothing and keeps 2", 2, 1500, 1, 0, 2},
      {"a slow win pays nothing", -1, 5000, 0, 0, 0},
  };
  for (const Case& c : kCases) {
    s->cGame_fastTime = 1000;
    s->cGame_slowTimeSpan = 1000;
    s->cGame_timeBonus = 1000;
    Result() = c.before;
    s->cGame_score = 0;
    s->cGame_levelTime = c.time;
    s->cGame_levelOver = false;
    s->cGame_retryRequested() = false;
    s->cGame_playPhase = 9;
    cGame::postEvent(50);
    Frame();
    Frame();
    EXPECT_EQ(s->cGame_playPhase, 11) << c.what;
    EXPECT_EQ(s->cGame_levelRating, c.rating) << c.what;
    EXPECT_EQ(s->cGame_previousRating, c.before) << c.what;
    EXPECT_EQ(s->cGame_score, c.score) << c.what;
    EXPECT_EQ(Result(), c.stored) << c.what;
  }
}

TEST_F(PlayStateTest, ALostPlayStoresNothingAndCountsTheLoss) {
  Result() = 1;
  s->cGame_playPhase = 9;
  cGame::postEvent(51);
  Frame();
  Frame();
  EXPECT_EQ(s->cGame_failCount, 1);
  EXPECT_FALSE(s->cGame_levelWon);
  EXPECT_EQ(Result(), 1);
  EXPECT_EQ(s->cGame_savedShooterState, 6) << "the preview bubbles popped";
  EXPECT_EQ(s->cGame_shooterState, 5) << "and event 40 hid the launcher";
}

TEST_F(PlayStateTest, HoldingGameKeySevenWinsTheLevel) {
  s->cGame_playPhase = 9;
  for (int32_t i = 0; i < 3; i++) {
    SetKeys({7}, {});
    s->cGame_frameTime = kFrameMs;
    cGame::statePlay(cGame::kStateUpdate);
  }
  SetKeys({}, {});
  EXPECT_TRUE(s->cGame_levelWon);
  EXPECT_GE(s->cGame_playPhase, 10);
}

TEST_F(PlayStateTest, TheFireworksWaitIsSkippedByKeysOrATap) {
  struct Case {
    const char* what;
    int32_t key;
    bool tap;
  };
  const Case kCases[] = {{"fire", kFire, false}, {"the left soft key", 18, false},
                         {"select", 11, false}, {"a tap", -1, true}};
  for (const Case& c : kCases) {
    s->cGame_playPhase = 16;
    s->cGame_phaseTimer = 100;
    s->cGame_levelWon = true;
    s->cGame_keysLatched->elements()[c.key < 0 ? 0 : c.key] = 0;
    if (c.key >= 0) s->cGame_keysLive->elements()[c.key] = 0;
    if (c.tap) s->cGame_tapY = 400;
    // A released key is -1 in the latched state.
    if (c.key >= 0) s->cGame_keysLatched->elements()[c.key] = -1;
    s->cGame_frameTime = kFrameMs;
    cGame::updatePlay();
    s->cGame_tapY = -1;
    SetKeys({}, {});
    EXPECT_EQ(s->cGame_phaseTimer, 4050 + kFrameMs) << c.what;
    EXPECT_TRUE(cActor::isLayerEmpty(7)) << c.what << ": skipped before 2350, no fireworks";
    cGame::updatePlay();
    EXPECT_EQ(s->cGame_playPhase, 17) << c.what;
  }
}

TEST_F(PlayStateTest, ThePauseTestRunsOnlyInPhasesThreeToNine) {
  for (int32_t phase : {0, 1, 2, 3, 7, 9, 10, 16, 23}) {
    s->cGame_playPhase = phase;
    s->cGame_introCount = 2;  // phase 2 stays on its first line
    s->cGame_introLine = 0;
    s->cGame_popupOpen = false;
    s->cGame_nextState = -1;
    s->cGame_keysLatched->elements()[kRightSoftKey] = -1;
    s->cGame_frameTime = 0;
    cGame::statePlay(cGame::kStateUpdate);
    SetKeys({}, {});
    const bool paused = s->cGame_nextState == 13;
    EXPECT_EQ(paused, phase >= 3 && phase <= 9) << "phase " << phase;
  }
}

TEST_F(PlayStateTest, TheListedAwardsCelebrationOpensOncePerLevelEnd) {
  s->cGame_playPhase = 19;
  s->cGame_celebrationShown = false;
  s->cGame_awardCursor = s->cGame_listedAwardIds->elements()[0];
  s->cGame_world0Level12Seen = 1;
  Frame();
  EXPECT_EQ(s->cGame_popupTextId, 687);
  EXPECT_EQ(s->cGame_playPhase, 19);
  EXPECT_EQ(s->cGame_awardCursor, s->cGame_listedAwardIds->elements()[0])
      << "the last award raised is kept";
  Frame();
  EXPECT_EQ(s->cGame_playPhase, 20) << "it does not open again";
}

TEST_F(PlayStateTest, ALostLevelAsksForARetryAndNoGoesBackTheWayItCame) {
  s->cGame_launchState = 8;
  s->cGame_campaignPlay = 0;
  s->cGame_playPhase = 9;
  const int32_t played = s->cGame_statPlayTime, popped = s->cGame_statBubblesPopped;
  cGame::postEvent(51);
  RunTo(22);
  s->cGame_levelTime = 1234;
  s->cGame_poppedBubbleCount = 7;
  Frame();  // the question opens and is answered with the lower button
  s->cGame_popupChoice = 0;
  Frame();
  EXPECT_EQ(s->cGame_playPhase, 23);
  Frame();
  EXPECT_EQ(s->cGame_loadKind, 15);
  EXPECT_EQ(s->cGame_stateAfterLoad, 8);
  EXPECT_EQ(s->cGame_launchState, 17);
  EXPECT_EQ(s->cGame_statPlayTime, played + 1234);
  EXPECT_EQ(s->cGame_statBubblesPopped, popped + 7);
  EXPECT_EQ(phases.back(), "play phase 22 -> 23");
}

TEST_F(PlayStateTest, LeavingTheLevelChainsTheLoadOfWhereItWasStarted) {
  struct Case {
    const char* what;
    bool retry, campaign, won;
    int32_t world, level, launch;
    int32_t after, kind, state;
  };
  const Case kCases[] = {
      {"a retry rebuilds the level", true, true, true, 0, 3, 9, 4, 3, 17},
      {"a campaign level to the map", false, true, true, 0, 3, 9, 4, 6, 9},
      {"a lost campaign level to the map", false, true, false, 7, 12, 9, 4, 6, 9},
      {"the last level to the end", false, true, true, 7, 12, 9, 4, 11, 31},
      {"from state 28", false, false, true, 8, 2, 28, 4, 8, 28},
      {"from state 27", false, false, false, 0, 1, 27, 4, 1, 27},
      {"from another menu", false, false, true, 0, 1, 14, 4, 1, 6},
  };
  for (const Case& c : kCases) {
    s->cGame_retryRequested() = c.retry;
    s->cGame_campaignPlay = c.campaign;
    s->cGame_levelWon = c.won;
    s->cGame_currentWorld = c.world;
    s->cGame_currentLevel = c.level;
    s->cGame_launchState = c.launch;
    s->cGame_levelTime = 9000;
    s->cGame_statBestTime = -1;
    s->cGame_bossKind = -1;
    s->cGame_playPhase = 23;
    Frame();
    EXPECT_EQ(s->cGame_loadKind, 15) << c.what;
    EXPECT_EQ(s->cGame_stateAfterLoad, c.after) << c.what;
    EXPECT_EQ(s->cGame_chainedLoadKind, c.kind) << c.what;
    EXPECT_EQ(s->cGame_chainedStateAfterLoad, c.state) << c.what;
    if (c.campaign && !c.retry) {
      EXPECT_EQ(s->cGame_statBestTime, 9000) << c.what << ": won or lost alike";
    }
  }
}

}  // namespace
