// The bunches carried by their anchors, frame by frame: the hub's ring mended cell by cell with
// its blink and shrinking pauses, the holder's next ring and placement count, and the carrier
// at the screen edge (its push steps, easing, throw and animations). The anchors' sprites are
// one frame per animation with the rectangles the rules follow.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "tests/game/board/bunch_rules_fixture.h"

namespace {

using databuild::SpriteRect;

// ---- The hub ----------------------------------------------------------------------------------

class HubTest : public BunchRulesTest {
 protected:
  static constexpr int32_t kColourA = 2, kColourB = 4;

  // A hub at (240, 300) px whose sprite puts the spokes' corner (rectangle 0) 10 px left and
  // 20 px up, the centre (rectangle 1) 5 px right and 7 px down; its core and full first ring
  // (colourA on even sides, colourB on odd ones). Pauses of 4000 ms shrinking by 1000.
  Bubble* Hub() {
    RectSprite(41, 2, [](int32_t) {
      return std::vector<SpriteRect>{{-10, -20, 4, 4}, {5, 7, 4, 4}};
    });
    Param(7, 4000);
    Param(8, 1000);
    cGame_CBubbleBunch* bunch = Placed(0, 2, 240, 300);
    bunch->colourA = kColourA;
    bunch->colourB = kColourB;
    return Attached(0, 0, 0, kColourA);
  }
  static cActor* Spoke(int32_t k) {
    return static_cast<cActor*>(Bunch(0)->decorations->elements()[k]);
  }
};

// The centre follows rectangle 1 and the spokes rectangle 0; a complete ring holds both
// counts at levelParams[7].
TEST_F(HubTest, ACompleteRingHoldsItsPauseAndTheHubCarriesTheBunch) {
  Bubble* core = Hub();
  for (int32_t k = 0; k < 6; k++) ASSERT_NE(Link(core, k), nullptr);
  Bunch(0)->timer = Bunch(0)->counter = 17;
  for (int32_t frame = 0; frame < 3; frame++) {
    Frames(1);
    EXPECT_EQ(std::make_tuple(Bunch(0)->timer, Bunch(0)->counter), std::make_tuple(4000, 4000));
  }
  EXPECT_EQ(std::make_tuple(Bunch(0)->centreX, Bunch(0)->centreY),
            std::make_tuple(245 * kPx, 307 * kPx));
  EXPECT_EQ(std::make_tuple(Spoke(3)->x, Spoke(3)->y), std::make_tuple(230, 280));
}

// An emptied cell is mended before a wrong-coloured one, each after its pause, the spoke
// blinking in the wanted colour through the last 3000 ms; each pause is 1000 ms shorter.
TEST_F(HubTest, AnEmptyCellIsMendedFirstThenAWrongColourEachAfterItsPause) {
  Bubble* core = Hub();
  Frames(1);
  Link(core, 1)->colour = 6;  // side 1 wants colourB
  cGame::releaseBubbleFromBunch(Link(core, 3));
  ASSERT_EQ(Link(core, 3), nullptr);
  struct Step {
    int32_t frames;  // run before the checks
    int32_t phase, timer, palette3;
  };
  // (timer & 511) < 256 lights the spoke: 3000 & 511 = 440 and 2960 & 511 = 400 are dark,
  // 2800 & 511 = 240 is lit (colourB + 1).
  const Step kSteps[] = {{1, 3, 3960, 0}, {24, 3, 3000, 0}, {1, 3, 2960, 0}, {4, 3, 2800, 5}};
  for (const Step& step : kSteps) {
    Frames(step.frames);
    EXPECT_EQ(std::make_tuple(Bunch(0)->phase, Bunch(0)->timer, Spoke(3)->palette),
              std::make_tuple(step.phase, step.timer, step.palette3));
  }
  EXPECT_EQ(TraceCount("bunch 0 mend"), 0);
  Frames(70);  // 4000 ms since the cell was emptied
  ASSERT_NE(Link(core, 3), nullptr);
  EXPECT_EQ(std::make_tuple(Link(core, 3)->colour, Link(core, 3)->bunch),
            std::make_tuple(kColourB, 0));
  EXPECT_EQ(std::make_tuple(TraceCount("bunch 0 mend"), Bunch(0)->counter, Bunch(0)->timer),
            std::make_tuple(1, 3000, 3000));
  Frames(75);
  EXPECT_EQ(std::make_tuple(Bunch(0)->phase, Link(core, 1)->colour), std::make_tuple(1, kColourB));
  EXPECT_EQ(std::make_tuple(TraceCount("bunch 0 mend"), Bunch(0)->counter),
            std::make_tuple(2, 2000));
  Frames(1);
  EXPECT_EQ(Bunch(0)->timer, 4000) << "the ring is complete again";
}

// With the pool spent the empty cell stays empty, and the pause still shrinks.
TEST_F(HubTest, WithThePoolEmptyTheCellStaysEmptyAndThePauseStillShrinks) {
  Bubble* core = Hub();
  Frames(1);
  cGame::releaseBubbleFromBunch(Link(core, 0));
  while (Bubble::allocate()) {
  }
  Frames(100);
  EXPECT_EQ(Link(core, 0), nullptr);
  EXPECT_EQ(TraceCount("bunch 0 mend"), 0);
  EXPECT_EQ(std::make_tuple(Bunch(0)->counter, Bunch(0)->timer), std::make_tuple(3000, 3000));
}

// ---- The holder -------------------------------------------------------------------------------

using HolderTest = BunchRulesTest;

// The centre follows rectangle 0 (3 px right, 4 px down); when the board has changed the first
// ring with an empty cell in the play area gives the phase and the placement count
// levelParams[9] + (ring - 1) x levelParams[10] + timer3 / levelParams[11].
TEST_F(HolderTest, TheFirstOpenRingGivesThePhaseAndThePlacementCount) {
  struct Case {
    const char* what;
    bool fullFirstRing, changed, blocker;
    int32_t divisor, playTop;
    int32_t phase, counter;
  };
  const Case kCases[] = {
      {"the first ring", false, true, false, 4, 60, 1, 12},
      {"the first ring full: the second", true, true, false, 4, 60, 2, 15},
      {"no timer3 term for a divisor of 0", false, true, false, 0, 60, 1, 10},
      {"no timer3 term for a negative divisor", false, true, false, -2, 60, 1, 10},
      {"the board unchanged: nothing surveyed", false, false, false, 4, 60, 7, 99},
      {"a cell blocked by another bunch", false, true, true, 4, 60, 0, 99},
      {"no ring inside the play area", false, true, false, 4, 790, 0, 99},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    cGame::clearAllBunches();
    RectSprite(43, 3, [](int32_t) { return std::vector<SpriteRect>{{3, 4, 1, 1}}; });
    Param(9, 10);
    Param(10, 3);
    Param(11, c.divisor);
    s->cGame_playTop = c.playTop;
    Placed(0, 3, 240, 300);
    Attached(0, 0, 0);
    if (c.fullFirstRing) {
      for (int32_t k = 0; k < 6; k++) {
        Attached(0, Bubble::kNeighbourDx[k], Bubble::kNeighbourDy[k]);
      }
    }
    if (c.blocker) {
      // On the holder's cell (1, 0) once the holder follows its anchor.
      Placed(1, 10, Bunch(0)->anchor->x + 3 + 37, Bunch(0)->anchor->y + 4);
      Attached(1, 0, 0);
    }
    Bunch(0)->timer3 = 9;
    Bunch(0)->phase = 7;
    Bunch(0)->counter = 99;
    s->cGame_boardChanged = c.changed;
    Frames(1);
    cActor* holder = Bunch(0)->anchor;
    EXPECT_EQ(std::make_tuple(Bunch(0)->centreX, Bunch(0)->centreY),
              std::make_tuple((holder->x + 3) * kPx, (holder->y + 4) * kPx));
    EXPECT_EQ(std::make_tuple(Bunch(0)->phase, Bunch(0)->counter),
              std::make_tuple(c.phase, c.counter));
    EXPECT_EQ(s->cGame_boardChanged, 0);
  }
}

// ---- The carrier ------------------------------------------------------------------------------

class CarrierTest : public BunchRulesTest {
 protected:
  static constexpr int32_t kSwingAnim = 13;  // rectangle 0 out past the right-edge carrier
  static constexpr int32_t kSwingAnimLeft = 5;

  // A carrier at the right edge (facing 0) or the left (facing 2). Its sprite's rectangle 0,
  // the bubble it holds, straddles the anchor in every animation but kSwingAnim (wholly to the
  // right) and kSwingAnimLeft (wholly to the left); rectangle 2, its body, is 60 px square.
  cGame_CBubbleBunch* Carrier(int32_t facing) {
    RectSprite(45, 16, [](int32_t a) {
      const SpriteRect held = a == kSwingAnim       ? SpriteRect{30, -4, 8, 8}
                              : a == kSwingAnimLeft ? SpriteRect{-38, -4, 8, 8}
                                                    : SpriteRect{-4, -6, 8, 8};
      return std::vector<SpriteRect>{held, {-30, -30, 60, 20}, {-30, -30, 60, 60}, {0, 0, 1, 1}};
    });
    cGame_CBubbleBunch* bunch = Placed(0, 5, 240, 300);
    bunch->facing = facing;
    Attached(0, 0, 0);
    return bunch;
  }
  static bool HitCarrier() {
    cActor* carrier = Bunch(0)->anchor;
    return cGame::shotHitsType5Bunch(carrier->x * kPx, carrier->y * kPx);
  }
};

// Two quick hits drive the carrier 148 px out, eased over 1000 ms; it comes back one 74-px
// step per 6000 ms after the last hit, each eased again; a third hit while out two steps stops
// the shot without moving it. The bunch follows rectangle 0.
TEST_F(CarrierTest, HitsDriveItOutAndItComesBackAStepEverySixSeconds) {
  for (int32_t facing : {0, 2}) {
    SCOPED_TRACE(facing);
    cGame::clearAllBunches();
    cGame_CBubbleBunch* bunch = Carrier(facing);
    const int32_t side = facing == 2 ? -1 : 1;
    const int32_t rest = facing == 2 ? -40 : 520;
    auto x = [&] { return bunch->anchor->x; };
    Frames(1);
    EXPECT_EQ(std::make_tuple(x(), bunch->anchor->y), std::make_tuple(rest, 360));
    EXPECT_EQ(std::make_tuple(bunch->centreX, bunch->centreY),
              std::make_tuple((rest - 4) * kPx, 354 * kPx));
    ASSERT_TRUE(HitCarrier());
    Frames(1);
    EXPECT_EQ(x(), rest) << "the ease starts where the hit found it";
    Frames(1);
    EXPECT_EQ(x(), rest + side * 3) << "74 px x 40 / 1000 truncated";
    Frames(3);
    ASSERT_TRUE(HitCarrier());
    Frames(26);
    EXPECT_EQ(x(), rest + side * 148);
    ASSERT_TRUE(HitCarrier());
    EXPECT_EQ(bunch->pushSteps, 2);
    Frames(1);
    EXPECT_EQ(x(), rest + side * 148) << "a third hit moves it no further";
    Frames(122);  // 149 frames since the second hit, from which the 6000 ms count afresh
    EXPECT_EQ(std::make_tuple(bunch->pushSteps, x()), std::make_tuple(2, rest + side * 148));
    Frames(1);
    EXPECT_EQ(bunch->pushSteps, 1);
    Frames(26);
    EXPECT_EQ(x(), rest + side * 74);
    Frames(150 + 26);
    EXPECT_EQ(std::make_tuple(bunch->pushSteps, x()), std::make_tuple(0, rest));
  }
}

// A held bubble is thrown from its place once rectangle 0 lies wholly on the carrier's outer
// side; the carrier then holds nothing (-2).
TEST_F(CarrierTest, AHeldBubbleIsThrownWhenItsRectangleSwingsOut) {
  struct Case {
    int32_t facing, anim;
    bool throws;
  };
  const Case kCases[] = {{0, kSwingAnim, true},     {0, kSwingAnimLeft, false}, {0, 11, false},
                         {2, kSwingAnimLeft, true}, {2, kSwingAnim, false},     {2, 3, false}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.facing << " " << c.anim);
    cGame::clearAllBunches();
    ArmThrows();
    cGame_CBubbleBunch* bunch = Carrier(c.facing);
    bunch->ropeLength = 3;
    cActor::setAnimation(bunch->anchor, c.anim, cActor::kModeLoop, true);
    Frames(2);
    using Throw = std::vector<std::vector<int32_t>>;
    const Throw expected = c.throws ? Throw{{3, bunch->centreX >> 16, bunch->centreY >> 16}}
                                    : Throw{};
    EXPECT_EQ(Throws(), expected) << "kind 3 from the held bubble's place";
    EXPECT_EQ(bunch->ropeLength, c.throws ? -2 : 3);
  }
}

// Idle, it draws one of its three idle animations every 5000 ms; the end event of the push
// reaction brings it back to idle; after a won level it plays its end animation and stays.
TEST_F(CarrierTest, ItsAnimationsFollowIdleDrawsReactionsAndTheWonLevel) {
  for (int32_t facing : {0, 2}) {
    SCOPED_TRACE(facing);
    cGame::clearAllBunches();
    s->cGame_levelWon = false;
    cGame_CBubbleBunch* bunch = Carrier(facing);
    const int32_t idle = facing == 2 ? 3 : 11;
    std::vector<int32_t> seen;
    for (int32_t draw = 0; draw < 12; draw++) {
      Frames(125);  // 5000 ms
      const int32_t anim = bunch->anchor->player->anim;
      EXPECT_TRUE(anim >= idle && anim < idle + 3) << anim;
      seen.push_back(anim);
    }
    EXPECT_NE(std::count(seen.begin(), seen.end(), seen[0]), 12) << "the draws vary";
    ASSERT_TRUE(HitCarrier());
    Frames(125 * 2);
    EXPECT_EQ(bunch->anchor->player->anim, facing == 2 ? 6 : 14) << "no draw during a reaction";
    cGame::postEvent(facing == 2 ? 69 : 70);
    Frames(1);
    EXPECT_EQ(bunch->anchor->player->anim, idle);
    EXPECT_FALSE(cGame::isEventQueued(facing == 2 ? 69 : 70));
    s->cGame_levelWon = true;
    Frames(1);
    EXPECT_EQ(std::make_tuple(bunch->anchor->player->anim, bunch->anchor->mode),
              std::make_tuple(facing == 2 ? 7 : 15, cActor::kModeNotifyOnce));
    Frames(125 * 2);
    EXPECT_EQ(bunch->anchor->player->anim, facing == 2 ? 7 : 15);
  }
}

}  // namespace
