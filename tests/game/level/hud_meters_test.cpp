// The HUD meters' reactions over real actors of the data set's effect sprite: the second
// meter's cheers and groans by the streaks when a shot lands, its pose by the danger band and
// the time since the last shot, the first meter's lockout animation, the throw's launch event,
// and the four meters kept at their HUD players' places.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "tests/game/board/actor_fixture.h"

namespace {

constexpr int32_t kNoReaction = 9;  // the meter's animation before the frame

class HudMetersTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    LoadEffectSprites();
    s->cGame_levelOver = false;
    s->cGame_meterAnim = 0;
    s->cGame_meter2Pose = 11;
    s->cGame_meterActor = Sprite(100, 700, 400, 1, 0, cActor::kModeLoop);
    s->cGame_meterActor2 = Sprite(200, 700, 400, 1, kNoReaction, cActor::kModeLoop);
    s->cGame_meterActor3 = Sprite(300, 700, 500, 1, 0, cActor::kModeLoop);
    s->cGame_meterActor4 = Sprite(400, 700, 100, 1, 0, cActor::kModeLoop);
    s->cGame_hudAnimPlayers = nullptr;
  }
  // One frame with the shot landed or not and the board's state.
  void Frame(bool landed, int32_t pops, int32_t misses, int32_t below, int32_t since = 0) {
    s->cGame_shotLanded = landed;
    s->cGame_popStreak = pops;
    s->cGame_missStreak = misses;
    s->cGame_belowBandCount = below;
    s->cGame_sinceFireRequest = since;
    cGame::updateHudMeters();
  }
};

TEST_F(HudMetersTest, ALandedShotMakesTheSecondMeterCheerAStreakOrGroanAtMisses) {
  struct Case {
    int32_t pops, misses, below;
    int32_t anim;
  };
  const Case kCases[] = {
      {2, 0, 0, 17},          {3, 0, 0, 18},          {4, 0, 0, 19},
      {9, 0, 0, 19},          {2, 0, 1, 17},          {1, 3, 0, kNoReaction},
      {0, 4, 0, 13},          {0, 5, 0, 14},          {0, 6, 0, 15},
      {0, 11, 0, 15},         {0, 3, 1, kNoReaction}, {0, 4, 1, kNoReaction},
      {0, 6, 1, kNoReaction},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.pops) + " pops, " + std::to_string(c.misses) + " misses, " +
                 std::to_string(c.below) + " below");
    cActor* meter = s->cGame_meterActor2;
    cActor::setAnimation(meter, kNoReaction, cActor::kModeLoop, true);
    meter->state = cActor::kSprite;
    s->cGame_meter2Pose = c.below ? 12 : 11;
    Frame(true, c.pops, c.misses, c.below);
    EXPECT_EQ(cActor::getAnim(meter), c.anim);
    if (c.anim != kNoReaction) {
      EXPECT_EQ(std::make_tuple(meter->mode, meter->nextAnim, meter->nextMode, meter->state),
                std::make_tuple(30, s->cGame_meter2Pose, 20, cActor::kSpriteThenNext));
      EXPECT_EQ(meter->player->frame, 0);
    }
    cActor::setAnimation(meter, kNoReaction, cActor::kModeLoop, true);
    Frame(false, c.pops, c.misses, c.below);
    EXPECT_EQ(cActor::getAnim(meter), kNoReaction) << "no landing, no reaction";
  }
}

// The pose follows once the animation under way has ended; an unchanged pose leaves the
// meter alone.
TEST_F(HudMetersTest, TheSecondMetersPoseFollowsTheDangerAndTheTimeSinceTheLastShot) {
  struct Case {
    int32_t below, since;
    int32_t pose;
  };
  const Case kCases[] = {{0, 6000, 11}, {0, 6001, 10}, {0, 0, 11},
                         {1, 0, 12},    {4, 9000, 12}, {0, 6001, 10}};
  int32_t before = s->cGame_meter2Pose;
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.below) + " below, " + std::to_string(c.since) + " ms");
    cActor* meter = s->cGame_meterActor2;
    meter->state = cActor::kSprite;
    meter->nextAnim = -1;
    Frame(false, 0, 0, c.below, c.since);
    EXPECT_EQ(s->cGame_meter2Pose, c.pose);
    if (c.pose != before) {
      EXPECT_EQ(std::make_tuple(meter->mode, meter->nextAnim, meter->nextMode, meter->state),
                std::make_tuple(30, c.pose, 20, cActor::kSpriteThenNext));
    } else {
      EXPECT_EQ(std::make_tuple(meter->nextAnim, meter->state),
                std::make_tuple(-1, cActor::kSprite));
    }
    EXPECT_EQ(cActor::getAnim(meter), kNoReaction) << "the animation under way goes on";
    before = c.pose;
  }
}

TEST_F(HudMetersTest, TheFirstMeterShowsTheLockoutOnlyFromItsIdleAnimation) {
  // The lockout (ms), the animation the meter shows, the one it shows after the frame.
  struct Case {
    int32_t lockout, shown, anim;
  };
  const Case kCases[] = {{3000, 0, 4}, {40, 0, 4}, {0, 0, 0}, {3000, 1, 1}};
  for (const Case& c : kCases) {
    cActor* meter = s->cGame_meterActor;
    cActor::setAnimation(meter, c.shown, cActor::kModeLoop, true);
    s->cGame_rapidFireLockout = c.lockout;
    s->cGame_meterAnim = 2;
    Frame(false, 0, 0, 0);
    EXPECT_EQ(cActor::getAnim(meter), c.anim) << c.lockout << " " << c.shown;
    if (c.anim == 4) {
      EXPECT_EQ(std::make_tuple(meter->mode, meter->nextAnim, meter->nextMode),
                std::make_tuple(20, 2, 20));
    }
  }
}

TEST_F(HudMetersTest, NothingReactsOnceTheLevelIsOver) {
  s->cGame_levelOver = true;
  s->cGame_rapidFireLockout = 3000;
  Frame(true, 4, 0, 1, 9000);
  EXPECT_EQ(cActor::getAnim(s->cGame_meterActor), 0);
  EXPECT_EQ(cActor::getAnim(s->cGame_meterActor2), kNoReaction);
  EXPECT_EQ(s->cGame_meter2Pose, 11);
}

// The throw's frame 1 posts the launch: the pair (25, frame 1) on the first meter.
TEST_F(HudMetersTest, TheThrowCarriesTheLaunchEventAtItsFrame1) {
  cGame::startHudMeters();
  cActor* meter = s->cGame_meterActor;
  EXPECT_EQ(std::make_tuple(cActor::getAnim(meter), meter->eventA, meter->frameA),
            std::make_tuple(1, 25, 1));
  EXPECT_EQ(Events(), std::vector<int32_t>{}) << "posted by the throw, not at once";
}

TEST_F(HudMetersTest, EachMeterStandsAtItsHudPlayersPlace) {
  s->cGame_hudAnimPlayers = NewObjectArray(cid::Object, 4);
  cActor* meters[] = {s->cGame_meterActor, s->cGame_meterActor2, s->cGame_meterActor3,
                      s->cGame_meterActor4};
  for (int32_t i = 0; i < 4; i++) {
    auto* player = NewObject<MQLibPlayer>();
    player->x = 50 + 100 * i;
    player->y = 640 - 10 * i;
    s->cGame_hudAnimPlayers->elements()[i] = player;
  }
  Frame(false, 0, 0, 0);
  for (int32_t i = 0; i < 4; i++) {
    EXPECT_EQ(std::make_tuple(meters[i]->x, meters[i]->y),
              std::make_tuple(50 + 100 * i, 640 - 10 * i))
        << i;
  }
}

}  // namespace
