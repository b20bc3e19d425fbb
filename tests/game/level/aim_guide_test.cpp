// The aim guide over the launcher of the play fixture: the column of dots straight up, the
// short and the long guide, the mirror off each wall, the cut at a bubble, the guide's modes
// by events 42 and 43, its colour and the guide switched off.
#include <gtest/gtest.h>

#include <iterator>
#include <utility>
#include <vector>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "tests/game/world/play_fixture.h"

namespace {

using Point = std::pair<int32_t, int32_t>;

class AimGuideTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    LoadLauncher();
    cGame::setPlayArea(0, 0);
    s->cGame_aimAngle = 0;
    s->cGame_aimGuidePhase = 0;
    s->cGame_aimGuideMode = 1;
    s->cGame_aimGuideOn = true;
  }
  // One guide frame of dt ms (0: the dots do not slide); the visible dots in order.
  std::vector<Point> Guide(int32_t dt = 0) {
    s->cGame_frameTime = dt;
    cGame::updateShooterHud();
    std::vector<Point> shown;
    ObjectArray* dots = s->cGame_aimGuideDots;
    for (int32_t i = 0; i < dots->length; i++) {
      auto* dot = static_cast<cActor*>(dots->elements()[i]);
      if (!(dot->flags & cActor::kHidden)) shown.push_back({dot->x, dot->y});
    }
    return shown;
  }
  int32_t MuzzleY() const { return s->cGame_launcherY - 76; }
};

TEST_F(AimGuideTest, StraightUpTheDotsStandInAColumnFromSixtyPixelsAboveTheMuzzle) {
  struct Case {
    const char* what;
    int32_t mode;
    size_t dots;
  };
  const Case kCases[] = {{"the long guide", 1, 10}, {"the short guide", 0, 7}};
  for (const Case& c : kCases) {
    s->cGame_aimGuideMode = c.mode;
    const std::vector<Point> dots = Guide();
    ASSERT_EQ(dots.size(), c.dots) << c.what;
    for (size_t i = 0; i < dots.size(); i++) {
      EXPECT_EQ(dots[i].first, s->cGame_launcherX) << c.what << ", dot " << i;
      EXPECT_EQ(dots[i].second, MuzzleY() - 60 - 30 * static_cast<int32_t>(i))
          << c.what << ", dot " << i;
    }
  }
}

TEST_F(AimGuideTest, TheDotsSlideThirtyPixelsEvery312MsAndStartAgain) {
  const struct {
    int32_t phase, dt, firstAbove, phaseAfter;
  } kCases[] = {{0, 40, 60, 40}, {156, 0, 75, 156}, {311, 0, 89, 311}, {300, 40, 88, 28}};
  for (const auto& c : kCases) {
    s->cGame_aimGuidePhase = c.phase;
    const std::vector<Point> dots = Guide(c.dt);
    ASSERT_FALSE(dots.empty());
    EXPECT_EQ(MuzzleY() - dots[0].second, c.firstAbove) << "phase " << c.phase;
    EXPECT_EQ(s->cGame_aimGuidePhase, c.phaseAfter) << "phase " << c.phase;
  }
}

// A narrow play area: the line meets the left wall, then the right one, and is mirrored at
// each, every dot inside the walls.
TEST_F(AimGuideTest, ALineMeetingOneWallThenTheOtherIsMirroredTwice) {
  s->cGame_playLeft = 100 << 16;
  s->cGame_playRight = 240 << 16;
  s->cGame_aimAngle = 180 << 16;  // to the left
  const std::vector<Point> dots = Guide();
  // Left from the muzzle, off the left wall at the fifth dot, off the right one at the tenth.
  const int32_t kXs[] = {186, 159, 132, 106, 120, 147, 174, 201, 227, 225};
  ASSERT_EQ(dots.size(), std::size(kXs));
  for (size_t i = 0; i < dots.size(); i++) {
    EXPECT_EQ(dots[i].first, kXs[i]) << "dot " << i;
    if (i >= 1) {
      EXPECT_NEAR(dots[i - 1].second - dots[i].second, dots[0].second - dots[1].second, 1)
          << "a wall turns x only, dot " << i;
    }
  }
}

TEST_F(AimGuideTest, ABubbleNearTheLineHidesTheDotItMeetsAndAllLaterOnes) {
  // A bunch of type 1 (no handles) whose key bubble stands 10 px left of and 10 px above the
  // fourth dot: 20 px away, Manhattan.
  const int32_t fourthY = MuzzleY() - 60 - 3 * 30;
  Placed(0, 1, s->cGame_launcherX - 10, fourthY - 10);
  Attached(0, 0, 0, 2);
  Bubble::rebuildGrid();
  EXPECT_EQ(Guide().size(), 3u);
}

TEST_F(AimGuideTest, EventsFortyTwoAndFortyThreeChooseTheGuideTheLongOneLast) {
  struct Case {
    const char* what;
    std::vector<int32_t> events;
    int32_t mode;
  };
  const Case kCases[] = {{"42 the short guide", {42}, 0},
                         {"43 the long guide", {43}, 1},
                         {"both in one frame", {43, 42}, 1}};
  for (const Case& c : kCases) {
    s->cGame_aimGuideMode = 1 - c.mode;
    s->cGame_shotHasLanded = 0;
    for (int32_t e : c.events) cGame::postEvent(e);
    Guide();
    EXPECT_EQ(s->cGame_aimGuideMode, c.mode) << c.what;
    EXPECT_EQ(s->cGame_shotHasLanded, 1) << c.what;
    EXPECT_EQ(s->cGame_eventCount, 0) << c.what;
  }
}

TEST_F(AimGuideTest, TheDotsTakeTheLaunchersColourASpecialShowsSevenAndOffHidesThemAll) {
  const struct {
    int32_t colour, shown;
  } kCases[] = {{0, 0}, {5, 5}, {6, 6}, {7, 7}, {12, 7}};
  for (const auto& c : kCases) {
    s->cGame_currentColour = c.colour;
    ASSERT_FALSE(Guide().empty());
    EXPECT_EQ(s->cGame_aimGuideColour, c.shown) << "kind " << c.colour;
    auto* first = static_cast<cActor*>(s->cGame_aimGuideDots->elements()[0]);
    EXPECT_EQ(first->palette, c.shown) << "kind " << c.colour;
  }
  s->cGame_aimGuideOn = false;
  EXPECT_TRUE(Guide().empty());
}

}  // namespace
