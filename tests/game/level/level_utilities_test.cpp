// The level's helpers: scoring and the result bonus, the stage bracket search, the level's
// reset with its actors, the popup's fireworks, the trigger bookkeeping, the held object and
// the HUD tests.
#include <gtest/gtest.h>

#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"

namespace {

class LevelUtilitiesTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    s = Statics<GameStatics>();
  }
  static cActor* Actor(int32_t state, int32_t emitter, int32_t anim) {
    cActor* actor = NewObject<cActor>();
    actor->state = state;
    actor->emitter = emitter;
    ASprite* sprite = NewObject<ASprite>();
    sprite->initFields();
    actor->player = NewObject<MQLibPlayer>(sprite, 3, 4);
    actor->player->anim = anim;
    return actor;
  }

  GameStatics* s = nullptr;
};

TEST_F(LevelUtilitiesTest, PointsCountWhilePlayingAndNotAfterALostEnd) {
  struct Case {
    bool over, won;
    int32_t phase;
    bool force, counted;
  };
  const Case kCases[] = {{false, false, 9, false, true}, {false, false, 3, false, false},
                         {false, false, 3, true, true},  {true, false, 9, true, false},
                         {true, true, 9, false, true},   {true, true, 2, true, true}};
  for (const Case& c : kCases) {
    s->cGame_score = 100;
    s->cGame_levelOver = c.over;
    s->cGame_levelWon = c.won;
    s->cGame_playPhase = c.phase;
    EXPECT_EQ(cGame::addScore(25, c.force), c.counted);
    EXPECT_EQ(s->cGame_score, c.counted ? 125 : 100);
  }
  s->cGame_timeBonus = 300;
  struct Bonus {
    int32_t newResult, oldResult, points;
  };
  for (const Bonus b : {Bonus{2, 1, 150}, Bonus{2, 0, 300}, Bonus{2, -1, 300}, Bonus{1, 0, 150},
                        Bonus{1, 1, -1}, Bonus{0, -1, 0}, Bonus{1, 2, -1}}) {
    EXPECT_EQ(cGame::getResultBonus(b.newResult, b.oldResult), b.points)
        << b.newResult << " over " << b.oldResult;
  }
}

TEST_F(LevelUtilitiesTest, TheBracketSearchWalksFromTheMiddleOfTheStagesRow) {
  s->cGame_stageRowsA = NewObjectArray(cid::ByteArray, 2);
  s->cGame_stageRowsB = NewObjectArray(cid::ByteArray, 2);
  s->cGame_stageRowsA->elements()[1] = FillByteArray(NewByteArray(4), 4, 0, 10, 20, 30);
  s->cGame_stageRowsB->elements()[1] = FillByteArray(NewByteArray(6), 6, 0, 5, 6, 7, 8, 50);
  s->cGame_currentStage = 1;
  struct Case {
    bool flag;
    int32_t v, index;
  };
  for (const Case c : {Case{false, 15, 2}, Case{false, 5, 1}, Case{false, 20, 2},
                       Case{false, 30, 3}, Case{false, -3, 0}, Case{false, 35, 0},
                       Case{true, 40, 5}, Case{true, 6, 2}, Case{true, 1, 1}}) {
    EXPECT_EQ(cGame::findBracketIndex(c.flag, c.v), c.index) << c.flag << " " << c.v;
  }
  // A stage without a row, or none at all, finds nothing.
  s->cGame_currentStage = 0;
  EXPECT_EQ(cGame::findBracketIndex(false, 15), 0);
  s->cGame_currentStage = 7;
  EXPECT_EQ(cGame::findBracketIndex(true, 15), 0);
}

TEST_F(LevelUtilitiesTest, TheLevelsResetZeroesItsCountersAndReleasesItsActors) {
  s->cGame_poppedBubbleCount = 5;
  s->cGame_droppedBubbleCount = 6;
  s->cGame_freedAttachmentCount = 7;
  s->cGame_chainAwardCount = 8;
  s->cGame_levelTime = 9000;
  s->cGame_score = 1234;
  s->cGame_levelOver = true;
  cActor* a = Actor(100, 4, 2);
  cActor* b = Actor(100, -1, 3);
  s->cGame_levelActorA = a;
  s->cGame_levelActorB = b;
  s->cGame_levelType = 3;
  s->cGame_heldObject = a;
  cGame::resetLevelStats();
  for (const int32_t v :
       {s->cGame_poppedBubbleCount, s->cGame_droppedBubbleCount, s->cGame_freedAttachmentCount,
        s->cGame_chainAwardCount, s->cGame_levelTime, s->cGame_score}) {
    EXPECT_EQ(v, 0);
  }
  EXPECT_FALSE(s->cGame_levelOver);
  for (cActor* actor : {a, b}) {
    EXPECT_EQ(actor->state, cActor::kFree);
    EXPECT_EQ(actor->emitter, -1);
    EXPECT_EQ(actor->player->anim, -1);
    EXPECT_EQ(actor->player->sprite, nullptr);
  }
  EXPECT_EQ(s->cGame_levelActorA, a);
  EXPECT_EQ(s->cGame_levelActorB, nullptr);
  EXPECT_EQ(s->cGame_heldObject, nullptr);
  // No actors at all: nothing to release.
  s->cGame_levelActorA = nullptr;
  cGame::resetLevelStats();
}

TEST_F(LevelUtilitiesTest, FireworksTriggersAndTheHeldObjectReset) {
  s->cGame_popupEmitters = FillIntArray(NewIntArray(5), 5, -1, 3, -1, 7, 0);
  cGame::stopPopupFireworks();
  EXPECT_EQ(std::vector<int32_t>(s->cGame_popupEmitters->elements(),
                                 s->cGame_popupEmitters->elements() + 5),
            (std::vector<int32_t>(5, -1)));
  s->cGame_triggerOrder = FillIntArray(NewIntArray(50), 3, 9, 9, 9);
  s->cGame_triggerRising = s->cGame_triggerFalling = s->cGame_triggerPrevious = 6;
  cGame::resetTriggerBookkeeping();
  EXPECT_EQ(s->cGame_triggerConditions, -1);
  EXPECT_EQ(s->cGame_triggerRising + s->cGame_triggerFalling + s->cGame_triggerPrevious, 0);
  for (int32_t k = 0; k < 50; k++) EXPECT_EQ(s->cGame_triggerOrder->elements()[k], k);

  Object* held = NewIntArray(1);
  s->cGame_launcherX = 222;
  s->cGame_levelType = 1;  // only level type 3 holds an object
  cGame::holdObject(held, 5);
  EXPECT_EQ(s->cGame_heldObject, nullptr);
  s->cGame_levelType = 3;
  cGame::holdObject(held, 5);
  EXPECT_EQ(s->cGame_heldObject, held);
  EXPECT_EQ(s->cGame_heldObjectX, 222);
  EXPECT_EQ(s->cGame_heldObjectValue, 5);
  s->cGame_levelType = 0;
  cGame::clearHeldObject();
  EXPECT_EQ(s->cGame_heldObject, held);
  s->cGame_levelType = 3;
  cGame::clearHeldObject();
  EXPECT_EQ(s->cGame_heldObject, nullptr);
  EXPECT_EQ(s->cGame_heldObjectX, 0);
}

TEST_F(LevelUtilitiesTest, TheHudTestsReadTheMetersAndTheBanner) {
  EXPECT_FALSE(cGame::isMeterIdle());
  EXPECT_FALSE(cGame::isMeter2AtPose());
  EXPECT_FALSE(cGame::isBannerMoving());
  s->cGame_meterActor = Actor(100, -1, 0);
  s->cGame_meterActor2 = Actor(100, -1, 11);
  s->cGame_meter2Pose = 11;
  EXPECT_TRUE(cGame::isMeterIdle());
  EXPECT_FALSE(cGame::isMeterFiring());
  EXPECT_TRUE(cGame::isMeter2AtPose());
  s->cGame_meterActor->player->anim = 1;
  s->cGame_meter2Pose = 12;
  EXPECT_TRUE(cGame::isMeterFiring());
  EXPECT_FALSE(cGame::isMeterIdle());
  EXPECT_FALSE(cGame::isMeter2AtPose());
  s->cGame_bannerActor = Actor(100, -1, 0);
  struct Case {
    bool fromBottom;
    int32_t y, endY;
    bool moving;
  };
  for (const Case c :
       {Case{true, 800 << 8, 300 << 8, true}, Case{true, 300 << 8, 300 << 8, false},
        Case{false, 100 << 8, 800 << 8, true}, Case{false, 900 << 8, 800 << 8, false}}) {
    s->cGame_bannerFromBottom = c.fromBottom;
    s->cGame_bannerY = c.y;
    s->cGame_bannerEndY = c.endY;
    EXPECT_EQ(cGame::isBannerMoving(), c.moving) << c.fromBottom << " " << (c.y >> 8);
  }
}

TEST_F(LevelUtilitiesTest, TheHudPlayersTakeTheirSpritesInTheOptionsOrder) {
  s->cGame_spriteTable = NewObjectArray(cid::ASprite, 63);
  for (const int32_t slot : {15, 16, 17, 37}) {
    ASprite* sprite = NewObject<ASprite>();
    sprite->initFields();
    s->cGame_spriteTable->elements()[slot] = sprite;
  }
  ASprite* own = NewObject<ASprite>();
  own->initFields();
  for (const int32_t option : {0, 1}) {
    s->cGame_hudOrderOption = option;
    s->cGame_hudAnimPlayers = NewObjectArray(cid::MQLibPlayer, 4);
    for (int32_t i = 0; i < 4; i++) {
      s->cGame_hudAnimPlayers->elements()[i] = NewObject<MQLibPlayer>(i == 3 ? own : nullptr, 0, 0);
    }
    cGame::initHudAnimPositions();
    const int32_t expected[4] = {option ? 17 : 16, option ? 16 : 17, 15, -1};
    for (int32_t i = 0; i < 4; i++) {
      auto* player = static_cast<MQLibPlayer*>(s->cGame_hudAnimPlayers->elements()[i]);
      EXPECT_EQ(player->sprite,
                expected[i] < 0 ? own : s->cGame_spriteTable->elements()[expected[i]])
          << option << " " << i;
      EXPECT_EQ(player->x, 240);
      EXPECT_EQ(player->y, 800);
    }
  }
}

}  // namespace
