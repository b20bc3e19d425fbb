// The shot's flight over levels of the data set built onto the board: sub-steps per frame,
// wall bounces with their sounds and sparks by level type, and the side of a built bubble the
// shot lands on, told by the cell the real landing files it in, on a bunch unturned, turned
// and turned past a full turn.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "game/board/actor.h"
#include "game/board/board_seams.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/world/level_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/level_plan.h"

namespace {

constexpr int32_t kQuarter = 23040;  // 90 degrees in 8.8
constexpr int32_t kFullTurn = 92160;

class BuiltLevelFlightTest : public BuiltLevelShotTest {
 protected:
  void SetUp() override {
    BuiltLevelShotTest::SetUp();
    s->cGame_sfxEnabled = true;
  }
  // The first level of the data set of the type that is neither a lesson nor a boss level.
  static std::pair<int, int> FirstOfType(int type) {
    for (int world = 0; world < databuild::kLevelWorldCount; world++) {
      for (int index = 0; index < databuild::LevelsInWorld(world); index++) {
        if (databuild::IsLessonLevel(world, index) || databuild::BossKindOf(world, index) >= 0) {
          continue;
        }
        if (databuild::PlannedLevel(world, index).header.levelType == type) return {world, index};
      }
    }
    ADD_FAILURE() << "no level of type " << type;
    return {0, 0};
  }
  // Builds that level as the loader does and files its bubbles in the grid; the bands and the
  // danger line are put out of the way, since only the shot flies here.
  void Build(int type) {
    auto [world, index] = FirstOfType(type);
    BuildPlanned(world, index);
    Bubble::rebuildGrid();
    s->cGame_bandTop = 10000;
    s->cGame_dangerLineY = 10000;
    BoardSeamCalls().clear();
  }
  static Bubble* Shot(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t colour) {
    Bubble* shot = Bubble::allocate();
    shot->colour = colour;
    shot->setPosition(x, y);
    shot->syncPixelPosition();
    shot->vx = vx * kPx;
    shot->vy = vy * kPx;
    return shot;
  }
  void Fly(Bubble* shot, int32_t dt, int32_t frames = 1) {
    s->cGame_frameTime = dt;
    for (int32_t i = 0; i < frames && shot->bunch == Bubble::kFlyingShot; i++) shot->update();
  }
  // The member of bunch b lowest on the screen.
  static Bubble* Lowest(int32_t b) {
    Bubble* lowest = nullptr;
    for (Bubble* m : Members(b)) {
      if (!lowest || m->pixelY > lowest->pixelY) lowest = m;
    }
    return lowest;
  }
  // Turns bunch b to angle (8.8 degrees) and moves its members onto their turned cells.
  static void Turn(int32_t b, int32_t angle) {
    cGame_CBubbleBunch* bunch = Bunch(b);
    const int32_t t = (angle % kFullTurn) / 360;
    bunch->angle = angle;
    bunch->sin = cGame::fixCos(64 - t);
    bunch->cos = cGame::fixCos(t);
    for (Bubble* m : Members(b)) m->updateBunchPosition();
    Bubble::rebuildGrid();
  }
  // The calls the stand-in of that name logged.
  static size_t Calls(const char* name) {
    size_t n = 0;
    for (const BoardSeamCall& call : BoardSeamCalls()) n += call.name == name;
    return n;
  }
  static size_t Count(const TraceCapture& trace, const std::string& text) {
    size_t n = 0;
    for (const std::string& line : trace.lines()) n += line.find(text) != std::string::npos;
    return n;
  }
};

// The flyer test runs once per sub-step: 4 and 9 ms make one, 40 ms eight.
TEST_F(BuiltLevelFlightTest, AFrameFliesInOneSubStepPerFiveMilliseconds) {
  Build(0);
  for (auto [dt, steps] : {std::pair{4, 1u}, {9, 1u}, {40, 8u}}) {
    BoardSeamCalls().clear();
    Bubble* shot = Shot(240, 600, 0, -10, 1);
    Fly(shot, dt);
    EXPECT_EQ(Calls("bubbleHitsFlyer"), steps) << "dt " << dt;
    shot->reset();
  }
}

// Below the level's bunches a shot flying left from the middle reaches the left wall (34 px)
// after 257 ms and the right wall (446 px) 515 ms later: two sounds, one bounce counted, and a
// pair of sparks at each wall except in level types 2 and 3.
TEST_F(BuiltLevelFlightTest, AShotBouncingTwiceCountsOnceAndSparksByLevelType) {
  for (int type : {0, 2, 3}) {
    Build(type);
    s->cGame_wallBounceCount = 0;
    s->cGame_wallBounced = 0;
    const size_t before = Layer(1).size();
    Bubble* shot = Shot(240, 600, -kShotSpeed, 0, 1);
    TraceCapture trace;
    Fly(shot, 40, 20);
    EXPECT_EQ(Count(trace, "sound 17 "), 2u) << "level type " << type;
    EXPECT_EQ(std::tie(s->cGame_wallBounceCount, s->cGame_wallBounced),
              std::make_tuple(1, int8_t{1}))
        << "level type " << type;
    EXPECT_LT(shot->vx, 0) << "back toward the left after two bounces";
    EXPECT_EQ(Layer(1).size() - before, type == 0 ? 4u : 0u) << "level type " << type;
    EXPECT_EQ(shot->bunch, Bubble::kFlyingShot);
  }
}

// A shot rising 10 px right of the level's lowest bubble touches it low on its right (about
// 73 degrees below the horizontal): side 1; 10 px left, side 2. A bunch turned a quarter
// (256 in 1024ths) takes both to side 0, as does a quarter more than a full turn; the real
// landing files the shot in the cell on that side.
TEST_F(BuiltLevelFlightTest, TheShotIsFiledBesideTheBuiltBubbleOnTheSideItTouched) {
  struct Case {
    int32_t angle, offset, side;
  };
  const Case kCases[] = {
      {0, 10, 1}, {0, -10, 2}, {kQuarter, 10, 0}, {kQuarter, -10, 0}, {kFullTurn + kQuarter, 10, 0},
  };
  for (const Case& c : kCases) {
    Build(0);
    if (c.angle != 0) Turn(0, c.angle);
    Bubble* target = Lowest(0);
    ASSERT_NE(target, nullptr);
    const int32_t colour = target->colour == 1 ? 2 : 1;
    Bubble* shot = Shot(target->pixelX + c.offset, target->pixelY + 100, 0, -kShotSpeed, colour);
    Fly(shot, 40, 5);
    const std::string what =
        "angle " + std::to_string(c.angle) + " offset " + std::to_string(c.offset);
    EXPECT_EQ(std::make_tuple(s->Bubble_hitBubble, s->Bubble_hitSide),
              std::make_tuple(target, c.side))
        << what;
    EXPECT_EQ(std::make_tuple(shot->bunch, shot->col, shot->row),
              std::make_tuple(0, target->col + Bubble::kNeighbourDx[c.side],
                              target->row + Bubble::kNeighbourDy[c.side]))
        << what;
  }
}

}  // namespace
