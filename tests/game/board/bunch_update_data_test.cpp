// The bunch rules over the data set's own decoration sprites, read through the real archive and
// packs, with the actors' players advancing as in play: the carrier shows on the screen at
// rest and leaves it when pushed or after a won level, and throws its bubble from its swing
// only; the hub and the platform keep their bunches where the level put them; the pressed
// bunch's puff plays out and ends its phase.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "game/board/bunch_rules.h"
#include "runtime/constant_pool.h"
#include "tests/game/board/bunch_rules_fixture.h"

namespace {

class BunchDataTest : public BunchRulesTest {
 protected:
  static constexpr int32_t kFeaturesPack = 96;  // the string constant naming the pack

  void SetUp() override {
    BunchRulesTest::SetUp();
    LoadEffectSprites();
    PlantPacks({"features"});
    cGame::openPack(GetConstantString(kFeaturesPack));
    // Entries 1 to 6: the hub, its spokes, the platform, the lock, the chute, the carrier.
    const int32_t kSlots[] = {41, 42, 43, 44, 51, 45};
    for (int32_t e = 1; e <= 6; e++) {
      s->cGame_spriteTable->elements()[kSlots[e - 1]] =
          cGame::loadSprite(e, 1, 0, 0, true, false, 0, nullptr);
    }
    cGame::closeResourceStream();
    for (int32_t slot : kSlots) ASSERT_NE(Slot(slot), nullptr) << slot;
  }
  // n frames of play: the actors' players advance, then the bunches move.
  void Play(int32_t n, int32_t dt = 40) {
    for (int32_t i = 0; i < n; i++) {
      s->cGame_frameTime = dt;
      cActor::updateAll();
      Frames(1, dt);
    }
  }
  // The carrier's basket (rectangle 2) in screen pixels, left and right.
  static std::tuple<int32_t, int32_t> Basket(cActor* carrier) {
    int32_t left = 0, right = 0;
    EXPECT_TRUE(bunch_rules::FrameRectSpan(carrier, 2, &left, &right));
    return {carrier->x + left, carrier->x + right};
  }
};

// At rest the basket is on the screen; two pushes take it wholly off; a won level sends it off
// too, its end animation played once.
TEST_F(BunchDataTest, TheCarrierShowsAtRestAndLeavesWhenPushedOrWhenTheLevelIsWon) {
  for (int32_t facing : {0, 2}) {
    SCOPED_TRACE(facing);
    cGame::clearAllBunches();
    s->cGame_levelWon = false;
    cGame_CBubbleBunch* bunch = Placed(0, 5, 240, 300);
    bunch->facing = facing;
    Attached(0, 0, 0);
    Play(2);
    auto [left, right] = Basket(bunch->anchor);
    EXPECT_GE(left, 0);
    EXPECT_LE(right, 480);
    bunch->pushSteps = 2;
    Play(2);
    std::tie(left, right) = Basket(bunch->anchor);
    EXPECT_TRUE(right < 0 || left > 480) << left << ".." << right;
    bunch->pushSteps = 0;
    s->cGame_levelWon = true;
    Play(50);
    std::tie(left, right) = Basket(bunch->anchor);
    EXPECT_TRUE(right < 0 || left > 480) << left << ".." << right;
    EXPECT_TRUE(bunch->anchor->player->finished);
  }
}

// Of its idle animations only the swing takes the held bubble out past the anchor, where it
// is thrown once.
TEST_F(BunchDataTest, TheCarrierThrowsItsBubbleFromItsSwingOnly) {
  struct Case {
    int32_t facing, anim;
    bool throws;
  };
  const Case kCases[] = {{0, 11, false}, {0, 12, false}, {0, 13, true},
                         {2, 3, false},  {2, 4, false},  {2, 5, true}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.facing << " " << c.anim);
    cGame::clearAllBunches();
    ArmThrows();
    cGame_CBubbleBunch* bunch = Placed(0, 5, 240, 300);
    bunch->facing = c.facing;
    Attached(0, 0, 0);
    bunch->ropeLength = 4;
    cActor::setAnimation(bunch->anchor, c.anim, cActor::kModeLoop, true);
    bunch->timer = -100000;  // no idle draw meanwhile
    Play(100);
    EXPECT_EQ(Throws().size(), c.throws ? 1u : 0u);
  }
}

// The hub carries its core on its centre with the spokes there; the platform holds its core
// at the struts' feet, where the level placed the bunch.
TEST_F(BunchDataTest, TheHubAndThePlatformKeepTheirBunchesWhereTheLevelPutThem) {
  Placed(0, 2, 200, 300);
  Attached(0, 0, 0, 1);
  Placed(1, 3, 300, 500);
  Attached(1, 0, 0);
  s->cGame_boardChanged = 0;
  Play(3);
  EXPECT_EQ(std::make_tuple(Bunch(0)->centreX, Bunch(0)->centreY),
            std::make_tuple(200 * kPx, 300 * kPx));
  auto* spoke = static_cast<cActor*>(Bunch(0)->decorations->elements()[4]);
  EXPECT_EQ(std::make_tuple(spoke->x, spoke->y), std::make_tuple(200, 300));
  EXPECT_EQ(std::make_tuple(Bunch(1)->centreX, Bunch(1)->centreY),
            std::make_tuple(300 * kPx, 500 * kPx));
  EXPECT_LT(Bunch(1)->anchor->y, 500) << "the platform hangs above its core";
}

// A pressed bunch's puffs each play once and end with event 67: the phase is 1 while the first
// puffs play and 0 once the first has ended and its event is consumed.
TEST_F(BunchDataTest, ThePuffPlaysOutAndEndsThePressedPhase) {
  cGame_CBubbleBunch* bunch = Placed(0, 4, 240, 300);
  Attached(0, 0, 0);
  Attached(0, 1, 0);
  s->cGame_playRight = 260 * kPx;
  bunch->counter = 17000 - 40;
  Play(1);
  EXPECT_EQ(bunch->phase, 1);
  int32_t frames = 1;
  while (frames < 70 && bunch->phase == 1) {
    Play(1);
    frames++;
  }
  EXPECT_LT(frames, 70) << "a puff ended and its event was consumed";
  EXPECT_GT(frames, 2) << "a puff plays for some frames";
  EXPECT_EQ(std::make_tuple(bunch->phase, TraceCount("bunch 0 burst")), std::make_tuple(0, 0));
}

}  // namespace
