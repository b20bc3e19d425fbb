// The lesson's light beam on a memory display: the triangle from the muzzle to 100 px along
// each of the quad record's two angles, and nothing outside a lesson or without a record.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "game/cgame.h"
#include "tests/game/world/screen_fixture.h"

namespace {

constexpr uint16_t kGround = 0x0000;

class LightBeamTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    cGame::loadMathTables();
    cGame::loadFixedPointTables();
    s->cGame_launcherX = 240;
    s->cGame_launcherY = 600;  // the muzzle at (240, 524)
  }
  // The box {minX, minY, maxX, maxY} of what the paint changed; all -1 when nothing.
  std::vector<int32_t> Painted() {
    screen_->fill(kGround);
    screen_->graphics->setClip(0, 0, 480, 800);
    cGame::paintLightBeams();
    std::vector<int32_t> box = {-1, -1, -1, -1};
    auto lit = [](uint16_t pixel) { return pixel != kGround; };
    for (int32_t y = 0; y < 800; y++) {
      const uint16_t* row = &screen_->at(0, y);
      const uint16_t* first = std::find_if(row, row + 480, lit);
      if (first == row + 480) continue;
      const auto left = static_cast<int32_t>(first - row);
      const auto right = static_cast<int32_t>(
          std::find_if(std::make_reverse_iterator(row + 480), std::make_reverse_iterator(row), lit)
              .base() -
          row - 1);
      box = box[0] < 0
                ? std::vector<int32_t>{left, y, right, y}
                : std::vector<int32_t>{std::min(box[0], left), box[1], std::max(box[2], right), y};
    }
    return box;
  }
};

// Angle 0 points straight up, 256 to the left (a quarter turn), 768 to the right, 128 up and
// to the left at 45 degrees (71 px each way). A thin corner may fill up to 5 px short of its point.
TEST_F(LightBeamTest, ALessonsRecordLightsTheSectorBetweenItsTwoAngles) {
  struct Case {
    int32_t a, b;
    std::vector<int32_t> box;
  };
  const Case kCases[] = {{0, 256, {140, 424, 240, 524}},
                         {768, 0, {240, 424, 340, 524}},
                         {128, 768, {169, 453, 340, 524}}};
  s->cGame_levelVariant = 2;
  s->cGame_quadFound = true;
  for (const Case& c : kCases) {
    s->cGame_quadValueC = c.a;
    s->cGame_quadValueD = c.b;
    const std::vector<int32_t> box = Painted();
    ASSERT_EQ(box.size(), 4u);
    for (int32_t i = 0; i < 4; i++) {
      EXPECT_NEAR(box[i], c.box[i], 5) << c.a << ", " << c.b << " side " << i;
    }
  }
}

TEST_F(LightBeamTest, NothingShinesOutsideALessonOrWithoutItsRecord) {
  s->cGame_quadValueC = 0;
  s->cGame_quadValueD = 256;
  const struct {
    int32_t variant;
    bool found;
  } kCases[] = {{1, true}, {3, true}, {2, false}};
  for (const auto& c : kCases) {
    s->cGame_levelVariant = c.variant;
    s->cGame_quadFound = c.found;
    EXPECT_EQ(Painted(), (std::vector<int32_t>{-1, -1, -1, -1})) << c.variant << c.found;
  }
}

}  // namespace
