// The actor types over the real pool, players and the data set's effect sprites, one frame
// time at a time: the floating text's life and its place off the walls, the sprite modes and
// the follow-up animation, frame events, a pop's pending count when its end event cannot be
// queued, the animation controls, an exhausted pool and null actors.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "tests/game/board/actor_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

// Frames of the builder's effect sprites: the pop's burst (animation 0) has 6 of 40 ms; the
// rising bubble's appearance (35) 3 of 80 ms and its rise (34) 4 of 120 ms.
constexpr int32_t kBurst = 0;
constexpr int32_t kBurstFrameMs = 40;
constexpr int32_t kBurstFrames = 6;
constexpr int32_t kAppear = 35;
constexpr int32_t kAppearFrameMs = 80;
constexpr int32_t kRise = 34;
constexpr int32_t kRiseFrameMs = 120;

class ActorTypesTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    LoadEffectSprites();
  }
  cActor* Rising(int32_t anim, int32_t mode, int32_t event) {
    return cGame::spawnActor(Slot(kRisingSlot), 0, 200, 300, anim, 500, mode, 1, event);
  }
  // Fills the queue to its 40 entries with ids 101 and up.
  static void FillQueue() {
    for (int32_t id = 101; Statics<GameStatics>()->cGame_eventCount < 40; id++) {
      cGame::postEvent(id);
    }
  }
};

TEST_F(ActorTypesTest, AFloatingTextBlinksThenRisesThirtyTwoPixelsAndGoes) {
  LoadFontsAndTexts();
  cActor* text = cGame::spawnFloatingText(223, 240, 300, 1);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->state, cActor::kFloatingText);
  EXPECT_EQ(text->z, 1100);
  struct Step {
    int32_t dt;
    int32_t age, shownY;
  };
  const Step kSteps[] = {{600, 600, 300},  {400, 1000, 300}, {1, 1001, 300},
                         {249, 1250, 284}, {1, 1251, 284},   {249, 1500, 268}};
  for (const Step& step : kSteps) {
    Frames(step.dt);
    ASSERT_EQ(text->state, cActor::kFloatingText) << step.age;
    EXPECT_EQ(text->age, step.age);
    EXPECT_EQ(text->shownY, step.shownY) << step.age;
    EXPECT_EQ(text->y, 300);
  }
  Frames(1);
  EXPECT_EQ(text->state, cActor::kFree);
  EXPECT_TRUE(cActor::isLayerEmpty(1));
}

// The left wall's width keeps the text's centre at least half its width and 4 pixels from
// either edge of the 480-pixel screen.
TEST_F(ActorTypesTest, AFloatingTextKeepsOffBothWallsByTheLeftWallsWidth) {
  LoadFontsAndTexts();
  s->cGame_playMarginLeft = 30;
  ASSERT_NE(cGame::getString(223), nullptr);
  Slot(kFontSlot)->getStringSize(cGame::getString(223), nullptr);
  const int32_t half = s->ASprite_textWidth >> 1;
  ASSERT_GT(half, 10);
  const int32_t lo = 30 + half + 4;
  struct Case {
    int32_t textId, x, shownX;
  };
  const Case kCases[] = {
      {223, 0, lo},
      {223, lo - 1, lo},
      {223, lo, lo},
      {223, 240, 240},
      {223, 480 - lo, 480 - lo},
      {223, 481 - lo, 480 - lo},
      {223, 600, 480 - lo},
      {99999, 0, 34},
      {99999, 470, 446},  // no such text: 0 wide
  };
  for (const Case& c : kCases) {
    cActor* text = cGame::spawnFloatingText(c.textId, c.x, 500, -1);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->shownX, c.shownX) << c.textId << " at " << c.x;
    EXPECT_EQ(text->x, c.x);
    EXPECT_EQ(text->shownY, 500);
    cActor::release(text);
  }
}

TEST_F(ActorTypesTest, AOneShotSpritePostsItsEventAndGoesWhenItHasEnded) {
  cActor* pop = Sprite(100, 100, 200, 1, kBurst, cActor::kModeOnce, 77);
  for (int32_t k = 1; k < kBurstFrames; k++) {
    Frames(kBurstFrameMs);
    ASSERT_EQ(pop->player->frame, k);
  }
  EXPECT_EQ(pop->state, cActor::kSprite);
  EXPECT_TRUE(Events().empty());
  Frames(kBurstFrameMs);
  EXPECT_EQ(pop->state, cActor::kFree);
  EXPECT_EQ(Events(), (std::vector<int32_t>{77}));
  EXPECT_TRUE(cActor::isLayerEmpty(1));
}

TEST_F(ActorTypesTest, ALoopingSpritePostsOnEachPassOfItsLastFrame) {
  cActor* loop = Rising(kRise, cActor::kModeLoop, 78);
  std::vector<int32_t> postedAt;
  for (int32_t i = 1; i <= 9; i++) {
    Frames(kRiseFrameMs);
    if (cGame::consumeEvent(78)) postedAt.push_back(loop->player->frame);
  }
  EXPECT_EQ(postedAt, (std::vector<int32_t>{3, 3}));
  EXPECT_EQ(loop->state, cActor::kSprite);
  EXPECT_EQ(loop->player->loopCounter, -2);
}

// Later updates post event 0, which the queue ignores.
TEST_F(ActorTypesTest, ANotifyingSpritePostsItsEventOnceAndStays) {
  cActor* once = Sprite(100, 100, 200, 1, kBurst, cActor::kModeNotifyOnce, 79);
  Frames(kBurstFrameMs, kBurstFrames);
  EXPECT_EQ(Events(), (std::vector<int32_t>{79}));
  EXPECT_EQ(once->event, 0);
  cGame::consumeEvent(79);
  Frames(kBurstFrameMs, 5);
  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(once->state, cActor::kSprite);
  EXPECT_EQ(cActor::getAnim(once), kBurst);
}

TEST_F(ActorTypesTest, FrameEventsArePostedOnceWhenTheirFramesShow) {
  cActor* a = Sprite(100, 100, 200, 1, kBurst, cActor::kModeNotifyOnce, 0);
  cActor::setFrameEvent(a, 11, 2);
  a->eventB = 12;
  a->frameB = 4;
  std::vector<std::vector<int32_t>> seen;
  for (int32_t k = 1; k < kBurstFrames; k++) {
    Frames(kBurstFrameMs);
    seen.push_back(Events());
  }
  EXPECT_EQ(seen, (std::vector<std::vector<int32_t>>{{}, {11}, {11}, {11, 12}, {11, 12}}));
  EXPECT_EQ(a->frameA, -1);
  EXPECT_EQ(a->eventA, 0);
  EXPECT_EQ(a->frameB, -1);
  // A pair is checked only for the modes and the follow-up state: a plain sprite ignores it.
  cActor* plain = Sprite(100, 100, 200, 1, kBurst, cActor::kModePlain, 0);
  cActor::setFrameEvent(plain, 13, 1);
  Frames(kBurstFrameMs);
  EXPECT_FALSE(cGame::isEventQueued(13));
}

// The follow-up starts on the update that shows the last frame of the first animation.
TEST_F(ActorTypesTest, TheFollowUpAnimationStartsAsSoonAsTheLastFrameShows) {
  cActor* a = Rising(kAppear, cActor::kModeNotifyOnce, 0);
  cActor::setNextAnim(a, kRise, cActor::kModeLoop);
  Frames(kAppearFrameMs);
  EXPECT_EQ(a->state, cActor::kSpriteThenNext);
  EXPECT_EQ(a->player->frame, 1);
  Frames(kAppearFrameMs);
  EXPECT_EQ(a->state, cActor::kSprite);
  EXPECT_EQ(a->mode, cActor::kModeLoop);
  EXPECT_EQ(cActor::getAnim(a), kRise);
  EXPECT_EQ(a->player->frame, 0);
  EXPECT_EQ(a->player->loopCounter, -2);
  // Any other follow-up mode plays once.
  cActor* b = Rising(kAppear, cActor::kModeNotifyOnce, 0);
  cActor::setNextAnim(b, kBurst, cActor::kModeOnce);
  Frames(kAppearFrameMs, 2);
  EXPECT_EQ(b->mode, cActor::kModeOnce);
  EXPECT_EQ(b->player->loopCounter, 0);
  // Only a change sets the follow-up again.
  b->state = cActor::kSprite;
  cActor::setNextAnimIfChanged(b, kBurst, cActor::kModeOnce);
  EXPECT_EQ(b->state, cActor::kSprite);
  cActor::setNextAnimIfChanged(b, kRise, cActor::kModeOnce);
  EXPECT_EQ(b->state, cActor::kSpriteThenNext);
  cActor::clearNextAnim(b);
  EXPECT_EQ(std::tie(b->nextAnim, b->nextMode), std::make_tuple(-1, -1));
}

TEST_F(ActorTypesTest, APausedActorKeepsItsFrame) {
  cActor* a = Sprite(100, 100, 200, 1, kBurst, cActor::kModePlain, 0);
  cActor::pauseAnimation(a);
  Frames(kBurstFrameMs, 3);
  EXPECT_EQ(a->player->frame, 0);
  cActor::resumeAnimation(a);
  Frames(kBurstFrameMs, 3);
  EXPECT_EQ(a->player->frame, 3);
}

TEST_F(ActorTypesTest, SetAnimationRestartsOnlyWhenAsked) {
  cActor* a = Rising(kRise, cActor::kModeLoop, 0);
  Frames(kRiseFrameMs, 2);
  cActor::setAnimation(a, kRise, cActor::kModeLoop, false);
  EXPECT_EQ(a->player->frame, 2) << "the running animation goes on";
  cActor::setAnimation(a, kRise, cActor::kModeLoop, true);
  EXPECT_EQ(a->player->frame, 0);
  EXPECT_EQ(a->player->loopCounter, -2);
  cActor::setAnimation(a, kAppear, cActor::kModeNotifyOnce, false);
  EXPECT_EQ(std::tie(a->state, a->mode), std::make_tuple(cActor::kSprite, cActor::kModeNotifyOnce));
  EXPECT_EQ(cActor::getAnim(a), kAppear);
  EXPECT_EQ(a->player->loopCounter, 0);
  cActor::setAnimationAtFrame(a, kAppear, 2);
  EXPECT_EQ(std::tie(a->player->anim, a->player->frame), std::make_tuple(kAppear, 2));
  cActor::setAnimationAtFrame(a, kRise, 5);  // reduced into its 4 frames
  EXPECT_EQ(std::tie(a->player->anim, a->player->frame), std::make_tuple(kRise, 1));
  EXPECT_EQ(a->player->loopCounter, 0) << "the mode is 30: plays once";
}

TEST_F(ActorTypesTest, APopWhoseEndEventIsRefusedCountsItselfOffTheRunningPops) {
  int32_t& pending = s->Bubble_popAnimCount;
  // Queued: the consumer of event 26 counts it off, not the actor.
  pending = 2;
  Sprite(100, 100, 200, 1, kBurst, cActor::kModeOnce, cActor::kPopEndEvent);
  Frames(kBurstFrameMs, kBurstFrames);
  EXPECT_EQ(Events(), (std::vector<int32_t>{cActor::kPopEndEvent}));
  EXPECT_EQ(pending, 2);
  // Refused by a full queue: the actor lowers the count once.
  FillQueue();
  cActor* refused = Sprite(100, 100, 200, 1, kBurst, cActor::kModeOnce, cActor::kPopEndEvent);
  Frames(kBurstFrameMs, kBurstFrames);
  EXPECT_EQ(refused->state, cActor::kFree);
  EXPECT_EQ(pending, 1);
  Frames(kBurstFrameMs, 3);
  EXPECT_EQ(pending, 1);
  // Cleared with its layer, twice over: never below 0.
  s->cGame_eventCount = 0;
  for (int32_t i = 0; i < 2; i++) Sprite(100, 100, 200, 1, kBurst, cActor::kModeOnce, 0x11A);
  Sprite(100, 100, 200, 1, kBurst, cActor::kModeOnce, 26);  // other end events do not count
  cActor::clearLayer(1);
  EXPECT_EQ(pending, 0);
  EXPECT_TRUE(Events().empty());
}

// After 300 spawns every spawn gives null with one trace line and changes no actor.
TEST_F(ActorTypesTest, AnExhaustedPoolMakesNothingAndSaysSo) {
  for (int32_t i = 0; i < cActor::kPoolSize; i++) {
    ASSERT_NE(Sprite(i, i, 0, i % 8, kBurst, cActor::kModeLoop, 0), nullptr) << i;
  }
  std::vector<std::tuple<int32_t, int32_t, int32_t, int32_t, cActor*>> before;
  for (int32_t i = 0; i < cActor::kPoolSize; i++) {
    cActor* a = Pooled(i);
    before.emplace_back(a->state, a->x, a->layer, a->player->anim, a->next);
  }
  TraceCapture trace;
  EXPECT_EQ(Sprite(1, 1, 1, 1), nullptr);
  EXPECT_EQ(cGame::spawnActorNoExtra(Slot(kPopSlot), 0, 1, 1, 0, 1, 0, 1), nullptr);
  EXPECT_EQ(cGame::spawnGradientBox(1, 1, 10, 10, 0xFF, 0xFF00, 32, 1, 1), nullptr);
  EXPECT_EQ(cGame::spawnFloatingText(223, 1, 1, 1), nullptr);
  EXPECT_EQ(cGame::spawnEmitterActor(1, 0, 1, 1, 1, 1), nullptr);
  Bubble* cell = NewObject<Bubble>();
  cell->markerValue = 9;
  EXPECT_EQ(cGame::spawnCellMarker(cell, 1, cell), nullptr);
  EXPECT_EQ(std::tie(cell->markerValue, cell->chainNext), std::make_tuple(9, nullptr));
  EXPECT_EQ(cGame::spawnTrackedActor(1, 1), nullptr);
  EXPECT_EQ(s->cGame_trackedActor, nullptr);
  EXPECT_EQ(s->cGame_trackedX, 0);
  EXPECT_TRUE(Events().empty()) << "the launcher is not hidden for a bubble that never rose";
  ASSERT_EQ(trace.lines().size(), 7u);
  EXPECT_TRUE(trace.contains("actor pool: all 300 actors in use, spawnGradientBox makes none"));
  for (int32_t i = 0; i < cActor::kPoolSize; i++) {
    cActor* a = Pooled(i);
    EXPECT_EQ(before[i], std::make_tuple(a->state, a->x, a->layer, a->player->anim, a->next));
  }
}

TEST_F(ActorTypesTest, EveryOperationAndAccessorTakesANullActor) {
  cActor::setVisible(nullptr, false);
  cActor::pauseAnimation(nullptr);
  cActor::resumeAnimation(nullptr);
  cActor::setAnimation(nullptr, 1, 10, true);
  cActor::setAnimationAtFrame(nullptr, 1, 1);
  cActor::postAnimEvents(nullptr);
  cActor::setEvent(nullptr, 5);
  cActor::setSpriteMode(nullptr, 10);
  cActor::setPosition(nullptr, 1, 2);
  cActor::clearNextAnim(nullptr);
  cActor::setNextAnim(nullptr, 1, 20);
  cActor::setNextAnimIfChanged(nullptr, 1, 20);
  cActor::setFrameEvent(nullptr, 1, 1);
  cActor::setPalette(nullptr, 1);
  cActor::insertIntoLayer(nullptr, 1);
  cActor::removeFromLayer(nullptr);
  cActor::release(nullptr);
  cActor::initByType(nullptr, cActor::kSprite, s->cActor_actorParams);
  EXPECT_EQ(cActor::getX(nullptr), 0);
  EXPECT_EQ(cActor::getY(nullptr), 0);
  EXPECT_EQ(cActor::getAnim(nullptr), -1);
  EXPECT_EQ(cActor::getSprite(nullptr), nullptr);
  EXPECT_TRUE(Events().empty());
}

TEST_F(ActorTypesTest, TheSetUpOfEachTypeTakesItsParameters) {
  IntArray* params = s->cActor_actorParams;
  for (int32_t i = 0; i < 8; i++) params->elements()[i] = 10 + i;
  cActor* a = cActor::findFreeActor();
  cActor::initByType(a, cActor::kGradientBox, params);
  EXPECT_EQ(std::tie(a->state, a->x, a->y, a->z, a->a, a->b, a->palette, a->colourB, a->c),
            std::make_tuple(5, 10, 11, 12, 13, 14, 15, 16, 17));
  cActor::initByType(a, cActor::kCellMarker, params);
  EXPECT_EQ(std::tie(a->state, a->x, a->y, a->z), std::make_tuple(2, 10, 11, 12));
  a->flags = cActor::kHidden;
  cActor::initByType(a, cActor::kSprite, params);
  EXPECT_EQ(std::tie(a->state, a->flags, a->frameA, a->frameB), std::make_tuple(100, 0, -1, -1));
  for (const int32_t type : {0, 3, 101, -1, 1000}) {
    cActor::initByType(a, type, params);
    EXPECT_EQ(a->state, cActor::kFree) << type;
  }
  // A cell marker and a gradient box do nothing in their updates; a free actor found in a
  // layer is unlinked by its own.
  cActor* marker = Sprite(0, 0, 0, 6);
  cActor::initByType(marker, cActor::kCellMarker, params);
  cActor* freed = Sprite(0, 0, 0, 6);
  freed->state = cActor::kFree;
  Frames(1000);
  EXPECT_EQ(Layer(6), (std::vector<cActor*>{marker}));
}

}  // namespace
