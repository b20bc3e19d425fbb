// The spawns that keep records beside their actors, over the real pool: the path search's cell
// markers in layer 6 (the lower value wins, a tie keeps the older) and the rising bubble held
// in trackedActor, which hides the launcher.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "tests/game/board/actor_fixture.h"

namespace {

class ActorSpawnTest : public ActorTest {
 protected:
  static Bubble* BubbleAt(int32_t col, int32_t row) {
    Bubble* bubble = NewObject<Bubble>();
    bubble->col = col;
    bubble->row = row;
    return bubble;
  }
};

TEST_F(ActorSpawnTest, AMarkerReplacesTheOneOfItsCellOnlyWithALowerValue) {
  struct Case {
    int32_t first, second;
    bool secondWins;
  };
  const Case kCases[] = {{5, 3, true}, {3, 3, false}, {3, 5, false}};
  for (const Case& c : kCases) {
    cActor::clearLayer(6);
    Bubble* cell = BubbleAt(4, 2);
    Bubble* ownerA = BubbleAt(3, 2);
    Bubble* ownerB = BubbleAt(4, 1);
    cActor* first = cGame::spawnCellMarker(cell, c.first, ownerA);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(std::tie(first->state, first->x, first->y, first->z),
              std::make_tuple(cActor::kCellMarker, 4, 2, c.first));
    const int32_t freeBefore = FreeCount();
    cActor* second = cGame::spawnCellMarker(cell, c.second, ownerB);
    cActor* winner = c.secondWins ? second : first;
    ASSERT_NE(winner, nullptr) << c.first << " then " << c.second;
    EXPECT_EQ(Layer(6), (std::vector<cActor*>{winner})) << c.first << " then " << c.second;
    EXPECT_EQ(cell->markerValue, c.secondWins ? c.second : c.first);
    EXPECT_EQ(cell->chainNext, c.secondWins ? ownerB : ownerA);
    EXPECT_EQ(FreeCount(), freeBefore) << "the loser is free again";
    if (c.secondWins) {
      EXPECT_EQ(first->state, cActor::kFree);
    } else {
      EXPECT_EQ(second, nullptr) << "a loser is never handed out";
      EXPECT_EQ(first->state, cActor::kCellMarker);
    }
  }
}

// Layer 6 is the search's queue: markers of other cells stay, ordered by their values.
TEST_F(ActorSpawnTest, MarkersOfOtherCellsQueueByTheirValues) {
  Bubble* a = BubbleAt(0, 0);
  Bubble* b = BubbleAt(1, 0);
  Bubble* c = BubbleAt(0, 1);
  cActor* ma = cGame::spawnCellMarker(a, 0, nullptr);
  cActor* mc = cGame::spawnCellMarker(c, 2, a);
  cActor* mb = cGame::spawnCellMarker(b, 1, a);
  EXPECT_EQ(Layer(6), (std::vector<cActor*>{ma, mb, mc}));
  EXPECT_EQ(std::tie(b->markerValue, b->chainNext), std::make_tuple(1, a));
  EXPECT_EQ(cGame::spawnCellMarker(nullptr, 1, a), nullptr);
  EXPECT_EQ(Layer(6).size(), 3u);
}

TEST_F(ActorSpawnTest, TheRisingBubbleAppearsThenRisesAndHidesTheLauncher) {
  LoadEffectSprites();
  cActor* rising = cGame::spawnTrackedActor(200, 520);
  ASSERT_NE(rising, nullptr);
  EXPECT_EQ(s->cGame_trackedActor, rising);
  EXPECT_EQ(cActor::getSprite(rising), Slot(kRisingSlot));
  EXPECT_EQ(std::tie(rising->state, rising->mode, rising->nextAnim, rising->nextMode),
            std::make_tuple(cActor::kSpriteThenNext, cActor::kModeNotifyOnce, 34, 20));
  EXPECT_EQ(std::tie(rising->x, rising->y, rising->z, rising->layer, rising->event),
            std::make_tuple(200, 520, 500, 1, 0));
  EXPECT_EQ(cActor::getAnim(rising), 35);
  EXPECT_EQ(std::tie(s->cGame_trackedX, s->cGame_trackedY, s->cGame_trackedSpeed,
                     s->cGame_trackedVelocityX),
            std::make_tuple(200 << 8, 520 << 8, 3840, 0));
  EXPECT_EQ(Events(), (std::vector<int32_t>{40}));
  // Its appearance has three frames of 80 ms; the rise loops from the last one shown.
  Frames(80, 2);
  EXPECT_EQ(std::tie(rising->state, rising->mode), std::make_tuple(cActor::kSprite, 20));
  EXPECT_EQ(cActor::getAnim(rising), 34);
  Frames(120, 12);
  EXPECT_EQ(cActor::getAnim(rising), 34);
  EXPECT_EQ(rising->state, cActor::kSprite);
  EXPECT_EQ(Events(), (std::vector<int32_t>{40}));
}

}  // namespace
