// The fade clock: a table of fades from a start (clock, direction, pending action, apply) over
// a run of frame times to what each call returns and what the last leaves (state change,
// popup, clock), then the menu variant's soft keys and spin.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "tests/support/library_fixture.h"

namespace {

class TransitionsTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    s = Statics<GameStatics>();
    s->cGame_nextState = -1;
    s->cGame_spriteTable = NewObjectArray(cid::ASprite, 63);
  }
  // The results of one updater call a frame time.
  std::vector<bool> run(const std::vector<int32_t>& frames, bool apply, bool menu = false) {
    std::vector<bool> results;
    for (const int32_t t : frames) {
      s->cGame_frameTime = t;
      results.push_back(menu ? cGame::updateTransitionMenu(apply) : cGame::updateTransition(apply));
    }
    return results;
  }

  GameStatics* s = nullptr;
};

TEST_F(TransitionsTest, FadesRunTheirClockAndApplyTheirActionWhenFullyOut) {
  struct Case {
    const char* what;
    int64_t clock;
    int32_t direction;
    int32_t action;
    bool apply;
    std::vector<int32_t> frames;
    std::vector<bool> results;
    int32_t nextState;  // -1: no change asked
    bool popupOpen;
    int64_t endClock;
    int32_t endDirection;
  };
  const Case kCases[] = {
      {"a 1000 ms frame ends a fade-in at L", 0, 1, 0, true, {1000}, {true}, -1, false, 200, 0},
      {"a 1000 ms frame ends a fade-out at 0", 200, 0, 1, true, {1000}, {true}, 4, false, 0, 0},
      {"40 ms frames take five calls to fade out",
       200,
       0,
       1,
       true,
       {40, 40, 40, 40, 40},
       {false, false, false, false, true},
       4,
       false,
       0,
       0},
      {"the fade-in ends past L, not at it",
       0,
       1,
       0,
       true,
       {100, 100, 1},
       {false, false, true},
       -1,
       false,
       200,
       0},
      {"an action set during a fade-in waits for its end",
       100,
       1,
       4,
       true,
       {40, 40, 40, 40},
       {false, false, true, false},
       -1,
       false,
       160,
       -1},
      {"apply false only clears the action", 200, 0, 1, false, {1000}, {true}, -1, false, 0, 0},
      {"opening the popup fades in", 200, 0, 2, true, {1000, 40}, {true, false}, -1, true, 40, 1},
      {"closing the popup fades in", 200, 0, 3, true, {1000}, {true}, -1, false, 0, 1},
      {"action 4 goes to the state after the load",
       200,
       0,
       4,
       true,
       {1000},
       {true},
       17,
       false,
       0,
       0},
      {"a fade-out from 0 applies at once", 0, 0, 1, true, {0}, {true}, 4, false, 0, 0},
      {"idle, nothing moves", 200, 0, 0, true, {40, 40}, {false, false}, -1, false, 200, 0},
  };
  for (const Case& c : kCases) {
    s->cGame_fadeTime = c.clock;
    s->cGame_fadeDirection = c.direction;
    s->cGame_pendingAction = c.action;
    s->cGame_stateAfterLoad = 17;
    s->cGame_nextState = -1;
    s->cGame_popupOpen = c.action == 3;
    s->cGame_popupPlayer = NewObject<MQLibPlayer>(nullptr, 0, 0);
    EXPECT_EQ(run(c.frames, c.apply), c.results) << c.what;
    EXPECT_EQ(s->cGame_nextState, c.nextState) << c.what;
    EXPECT_EQ(s->cGame_popupOpen, c.popupOpen) << c.what;
    EXPECT_EQ(s->cGame_fadeTime, c.endClock) << c.what;
    EXPECT_EQ(s->cGame_fadeDirection, c.endDirection) << c.what;
    EXPECT_EQ(s->cGame_pendingAction, c.endDirection == -1 ? c.action : 0) << c.what;
  }
}

TEST_F(TransitionsTest, ClosingThePopupGivesItsPlayerTheSpriteOfSlot32) {
  ASprite* sprite = NewObject<ASprite>();
  sprite->initFields();
  s->cGame_spriteTable->elements()[32] = sprite;
  MQLibPlayer* player = NewObject<MQLibPlayer>(nullptr, 0, 0);
  player->setAnim(3, 0);
  s->cGame_popupPlayer = player;
  s->cGame_popupOpen = true;
  s->cGame_pendingAction = 3;
  run({1000}, true);
  EXPECT_EQ(player->sprite, sprite);
  EXPECT_EQ(player->anim, -1);
  EXPECT_FALSE(s->cGame_popupOpen);
  // The menu variant opens the popup with its slide.
  s->cGame_fadeDirection = 0;
  s->cGame_pendingAction = 2;
  run({1000}, true, true);
  EXPECT_TRUE(s->cGame_popupOpen);
  EXPECT_EQ(s->cGame_popupSlideOffset, 120);
}

TEST_F(TransitionsTest, TheMenuFadeInSetsTheDefaultSoftKeysOfScreensUpTo20) {
  struct Case {
    int32_t screen;
    int32_t left, right;
  };
  // Before each fade: left 5, right 6.
  for (const Case c :
       {Case{0, -1, -1}, Case{2, -1, 2}, Case{20, -1, 2}, Case{7, 5, 6}, Case{21, 5, 6}}) {
    s->cGame_screenId = c.screen;
    s->cGame_softKeyLeft = 5;
    s->cGame_softKeyRight = 6;
    s->cGame_fadeTime = 900;
    s->cGame_fadeDirection = 1;
    EXPECT_EQ(run({40, 40, 40}, true, true), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(s->cGame_fadeTime, 1000);
    EXPECT_EQ(s->cGame_softKeyLeft, c.left) << c.screen;
    EXPECT_EQ(s->cGame_softKeyRight, c.right) << c.screen;
  }
}

TEST_F(TransitionsTest, AMenuFadeOutHidesTheSoftKeysAndTurnsTheSpinToItsNextHalfTurn) {
  struct Case {
    int64_t clock;
    int32_t angle, speed;
    int32_t endSpeed;
  };
  // From 1000 ms: at 100 degrees a second from 30, the spin would stop at 130; 50 more
  // degrees in the second make 150. From 0 ms no time is left: the speed stays.
  for (const Case c : {Case{1000, 30, 100, 150}, Case{500, 100, 20, 160}, Case{0, 30, 100, 100}}) {
    s->cGame_fadeTime = c.clock;
    s->cGame_fadeDirection = 0;
    s->cGame_pendingAction = 1;
    s->cGame_carouselAngle = c.angle;
    s->cGame_carouselTurnSpeed = c.speed;
    s->cGame_softKeyLeft = s->cGame_softKeyRight = 4;
    s->cGame_softKeysFlag = true;
    run({40}, false, true);
    EXPECT_EQ(s->cGame_carouselTurnSpeed, c.endSpeed) << c.clock;
    EXPECT_EQ(s->cGame_carouselState, 2);
    EXPECT_EQ(s->cGame_softKeyLeft, -1);
    EXPECT_EQ(s->cGame_softKeyRight, -1);
    EXPECT_FALSE(s->cGame_softKeysFlag);
  }
}

TEST_F(TransitionsTest, SwingsAndFinishingSpinsComeToRestAtNinetyDegrees) {
  s->cGame_carouselAngle = 10;
  cGame::startSpin();
  EXPECT_EQ(s->cGame_carouselIndex, 1);
  EXPECT_EQ(s->cGame_carouselAngle, 190);
  EXPECT_EQ(s->cGame_carouselState, 1);
  cGame::startSpin();  // not idle: nothing
  EXPECT_EQ(s->cGame_carouselIndex, 1);
  s->cGame_frameTime = 350;
  cGame::updateSpin();
  EXPECT_EQ(s->cGame_carouselState, 1);
  cGame::updateSpin();
  EXPECT_EQ(s->cGame_carouselState, 0);
  EXPECT_EQ(s->cGame_carouselAngle, 90);
  cGame::startSpin();  // the other side: no half turn added
  EXPECT_EQ(s->cGame_carouselIndex, 0);
  EXPECT_EQ(s->cGame_carouselAngle, 90);
  // Finishing: at rest once the fade clock reaches 1000.
  s->cGame_carouselState = 2;
  s->cGame_fadeTime = 960;
  cGame::updateSpin();
  EXPECT_EQ(s->cGame_carouselState, 2);
  s->cGame_fadeTime = 1000;
  cGame::updateSpin();
  EXPECT_EQ(s->cGame_carouselState, 0);
  EXPECT_TRUE(cGame::isFadeIdle());
}

TEST_F(TransitionsTest, ReturnToMenuAsksForTheUnloadThenTheMenuLoad) {
  cGame::returnToMenu();
  EXPECT_EQ(s->cGame_loadKind, 22);
  EXPECT_EQ(s->cGame_stateAfterLoad, 4);
  EXPECT_EQ(s->cGame_chainedLoadKind, 1);
  EXPECT_EQ(s->cGame_chainedStateAfterLoad, 6);
  EXPECT_EQ(s->cGame_nextState, 4);
  EXPECT_TRUE(s->cGame_stateChangePending);
}

}  // namespace
