// Scripted shots into a level of the data set built onto the board, stepped frame by frame as
// the world's update steps them (the grid rebuilt, every bubble updated, the pop-end events
// consumed, the actors run): every match pops its bubbles in flood order 1/16 s apart, and
// after every frame each bunch's list and bunchBubbleTotal agree with the bubbles in play.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/world/level_fixture.h"
#include "tools/databuild/level_plan.h"

namespace {

constexpr int32_t kFrame = 40;  // ms
constexpr int32_t kShots = 12;
constexpr int32_t kNeighbourReach = 40, kSecondBunchReach = 74;  // px

class LevelPlayTest : public BuiltLevelShotTest {
 protected:
  // The plain level of type 0 in the data set with the most bubbles, built as the loader
  // builds it, in play.
  void BuildLargestPlainLevel() {
    int bestWorld = -1, bestIndex = 0;
    size_t most = 0;
    for (int world = 0; world < databuild::kLevelWorldCount; world++) {
      for (int index = 0; index < databuild::LevelsInWorld(world); index++) {
        if (databuild::IsLessonLevel(world, index) || databuild::BossKindOf(world, index) >= 0) {
          continue;
        }
        const databuild::Level level = databuild::PlannedLevel(world, index);
        if (level.header.levelType != 0) continue;
        size_t bubbles = 0;
        for (const databuild::LevelBunch& b : level.bunches) bubbles += b.bubbles.size();
        if (bubbles > most) std::tie(most, bestWorld, bestIndex) = std::tie(bubbles, world, index);
      }
    }
    ASSERT_GE(bestWorld, 0) << "no plain level of type 0";
    BuildPlanned(bestWorld, bestIndex);
    EnterPlay();
  }
  static std::vector<Bubble*> InPlay() {
    std::vector<Bubble*> list;
    for (Bubble* b : Live()) {
      if (b && !(b->flags & Bubble::kDead)) list.push_back(b);
    }
    return list;
  }
  // Every member names its bunch, every bubble naming a bunch is in its list, and the members
  // add up to bunchBubbleTotal.
  static std::string ListsDisagree() {
    int32_t total = 0;
    for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
      for (Bubble* m : Members(b)) {
        if (!m || m->bunch != b) return "a member of bunch " + std::to_string(b) + " names another";
      }
      total += Bunch(b)->count;
    }
    for (Bubble* bubble : Live()) {
      if (bubble->bunch < 0) continue;
      const std::vector<Bubble*> members = Members(bubble->bunch);
      if (std::find(members.begin(), members.end(), bubble) == members.end()) {
        return "bubble " + std::to_string(bubble->index) + " is not in its bunch's list";
      }
    }
    if (total != Statics<GameStatics>()->cGame_bunchBubbleTotal) {
      return "the members add up to " + std::to_string(total) + ", bunchBubbleTotal " +
             std::to_string(Statics<GameStatics>()->cGame_bunchBubbleTotal);
    }
    return "";
  }
  // The distance in whole pixels from b to the nearest bubble of the set.
  static int32_t Nearest(const Bubble* b, const std::vector<const Bubble*>& set) {
    int32_t best = INT32_MAX;
    for (const Bubble* o : set) {
      const int32_t dx = b->pixelX - o->pixelX, dy = b->pixelY - o->pixelY;
      best = std::min(best, static_cast<int32_t>(std::sqrt(double(dx) * dx + double(dy) * dy)));
    }
    return best;
  }
};

// Each shot rises toward the lowest bubble in play, a few pixels to either side by the
// generator, in that bubble's colour, so matches come; each has 60 frames (2.4 s) to land and
// let its pops and drops play out before the next.
TEST_F(LevelPlayTest, ScriptedShotsPopEachMatchInFloodOrderAndKeepTheListsTrue) {
  BuildLargestPlainLevel();
  ASSERT_FALSE(InPlay().empty());
  s->cGame_randomSeed = 12345;
  int32_t matches = 0;
  for (int32_t shotNumber = 0; shotNumber < kShots; shotNumber++) {
    SCOPED_TRACE("shot " + std::to_string(shotNumber));
    Bubble* target = nullptr;
    for (Bubble* b : InPlay()) {
      if (b->bunch >= 0 && b->colour <= 6 && (!target || b->pixelY > target->pixelY)) target = b;
    }
    if (!target) break;
    Bubble* shot = Bubble::allocate();
    ASSERT_NE(shot, nullptr) << "the level and its shots stay within the pool";
    shot->colour = target->colour;
    shot->setPosition(target->pixelX + cGame::rand(17) - 8, 620);
    shot->syncPixelPosition();
    shot->vy = -kShotSpeed << 16;
    for (int32_t frame = 0; frame < 60; frame++) {
      std::vector<Bubble*> before;
      for (Bubble* b : InPlay()) {
        if (b->popTimer < 0) before.push_back(b);
      }
      const int32_t popped = s->cGame_poppedBubbleCount;
      const bool flying = shot->bunch == Bubble::kFlyingShot;
      Frame(kFrame);
      ASSERT_EQ(ListsDisagree(), "") << "frame " << frame;
      const int32_t n = s->cGame_poppedBubbleCount - popped;
      if (!flying || n == 0) continue;
      // The landing's match: its bubbles now wait 0, 1, 2 ... sixteenths, each one beside
      // one that pops before it; the shot, the first, may already have popped.
      matches += 1;
      std::vector<std::pair<int32_t, const Bubble*>> scheduled;
      for (Bubble* b : before) {
        if (b->popTimer >= 0) scheduled.push_back({b->popTimer, b});
      }
      std::sort(scheduled.begin(), scheduled.end());
      ASSERT_EQ(scheduled.size(), static_cast<size_t>(n));
      // A neighbour cell lies 37 px off; one bubble of a second bunch may join from 74 px.
      std::vector<const Bubble*> earlier;
      int32_t farJoins = 0;
      for (int32_t k = 0; k < n; k++) {
        EXPECT_EQ(scheduled[k].first, k * 1000 / 16) << "flood place " << k;
        if (k > 0) {
          const int32_t d = Nearest(scheduled[k].second, earlier);
          farJoins += d > kNeighbourReach;
          EXPECT_LE(d, kSecondBunchReach) << "flood place " << k;
        }
        earlier.push_back(scheduled[k].second);
      }
      EXPECT_LE(farJoins, 1);
    }
  }
  EXPECT_GT(matches, 0) << "the script makes matches";
}

}  // namespace
