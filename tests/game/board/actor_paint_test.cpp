// Actors painted on a 480 x 640 memory image from the data set's sprites and font: a layer
// back to front, hidden actors and players without a sprite absent, a floating text centred at
// its shown place and only while it shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "tests/game/board/actor_fixture.h"
#include "tests/platform/canvas.h"

namespace {

constexpr uint16_t kGround = 0x0841;
constexpr int32_t kPuff = 1;
constexpr int32_t kLostPop = 2;

std::vector<uint16_t> PixelsOf(const Canvas& canvas) {
  std::vector<uint16_t> pixels;
  for (int32_t y = 0; y < canvas.image->height; y++) {
    for (int32_t x = 0; x < canvas.image->width; x++) pixels.push_back(canvas.at(x, y));
  }
  return pixels;
}

class ActorPaintTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    LoadEffectSprites();
    screen_ = Fresh();
    s->cGame_drawGraphics = screen_->graphics;
  }
  static Canvas* Fresh() {
    auto* canvas = new Canvas(480, 640);
    canvas->fill(kGround);
    return canvas;
  }
  void TearDown() override {
    delete screen_;
    ActorTest::TearDown();
  }
  // Frame 0 of anim drawn straight from the pop sprite at (x, y).
  void PaintByHand(Canvas* canvas, int32_t anim, int32_t x, int32_t y) {
    Slot(kPopSlot)->paintAFrame(canvas->graphics, anim, 0, x, y, 0, 0, 0);
  }
  // The box {minX, minY, maxX, maxY} of the pixels that are not ground; all -1 when none.
  static std::vector<int32_t> Painted(const Canvas& canvas) {
    std::vector<int32_t> box = {-1, -1, -1, -1};
    for (int32_t y = 0; y < 640; y++) {
      for (int32_t x = 0; x < 480; x++) {
        if (canvas.at(x, y) == kGround) continue;
        if (box[0] < 0) box = {x, y, x, y};
        box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), y};
      }
    }
    return box;
  }

  Canvas* screen_ = nullptr;
};

TEST_F(ActorPaintTest, ALayerPaintsFromItsHeadBackToFront) {
  Sprite(200, 200, 300, 1, kLostPop);  // in front
  Sprite(214, 206, 100, 1, kPuff);
  cActor::paintLayer(1);
  Canvas* expected = Fresh();
  PaintByHand(expected, kPuff, 214, 206);
  PaintByHand(expected, kLostPop, 200, 200);
  EXPECT_EQ(PixelsOf(*screen_), PixelsOf(*expected));
  Canvas* reversed = Fresh();
  PaintByHand(reversed, kLostPop, 200, 200);
  PaintByHand(reversed, kPuff, 214, 206);
  EXPECT_NE(PixelsOf(*screen_), PixelsOf(*reversed)) << "the two overlap";
  delete expected;
  delete reversed;
}

TEST_F(ActorPaintTest, HiddenActorsAndPlayersWithoutASpriteAreAbsent) {
  cActor* hidden = Sprite(100, 100, 100, 2, kPuff);
  cActor* bare = Sprite(300, 100, 100, 2, kPuff);
  cActor* shown = Sprite(200, 400, 100, 2, kLostPop);
  cActor::setVisible(hidden, false);
  bare->player->sprite = nullptr;
  cActor::paintLayer(2);
  Canvas* expected = Fresh();
  PaintByHand(expected, kLostPop, 200, 400);
  EXPECT_EQ(PixelsOf(*screen_), PixelsOf(*expected));
  cActor::setVisible(hidden, true);
  cActor::paintLayer(2);
  PaintByHand(expected, kPuff, 100, 100);
  EXPECT_EQ(PixelsOf(*screen_), PixelsOf(*expected));
  EXPECT_EQ(shown->player->x, 200);
  delete expected;
}

// The actor's place is the player's when painted: an actor moved since its spawn paints there.
TEST_F(ActorPaintTest, ASpritePaintsAtTheActorsPlace) {
  cActor* a = Sprite(100, 100, 100, 3, kPuff);
  cActor::setPosition(a, 240, 500);
  cActor::paintLayer(3);
  Canvas* expected = Fresh();
  PaintByHand(expected, kPuff, 240, 500);
  EXPECT_EQ(PixelsOf(*screen_), PixelsOf(*expected));
  delete expected;
}

TEST_F(ActorPaintTest, AFloatingTextIsCentredAtItsShownPlaceWhileItShows) {
  LoadFontsAndTexts();
  cActor* text = cGame::spawnFloatingText(223, 240, 300, 1);
  struct Step {
    int32_t dt;
    bool shown;
  };
  // Hidden for ages 0-255 and 512-767, shown 256-511 and 768 on.
  const Step kSteps[] = {{0, false}, {255, false}, {1, true}, {255, true},
                         {1, false}, {255, false}, {1, true}, {300, true}};
  for (const Step& step : kSteps) {
    Frames(step.dt);
    screen_->fill(kGround);
    cActor::paintLayer(1);
    const std::vector<int32_t> box = Painted(*screen_);
    EXPECT_EQ(box[0] >= 0, step.shown) << text->age;
  }
  Frames(300);  // age 1368: risen 368 x 32 / 500 pixels
  ASSERT_EQ(text->shownY, 277);
  screen_->fill(kGround);
  cActor::paintLayer(1);
  const std::vector<int32_t> box = Painted(*screen_);
  EXPECT_LE(std::abs((box[0] + box[2]) / 2 - text->shownX), 2);
  EXPECT_LE(std::abs((box[1] + box[3]) / 2 - text->shownY), 3);
  EXPECT_GT(box[2] - box[0], 20);
}

// The box's fields hand fillGradientRect its place, size, colours and mode: mode 32 draws
// its lines from the top down, colour A first.
TEST_F(ActorPaintTest, AGradientBoxRunsFromItsFirstColourToItsSecond) {
  cActor* box = cGame::spawnGradientBox(40, 60, 100, 50, 0xFF0000, 0x0000FF, 32, 10, 0);
  ASSERT_NE(box, nullptr);
  cActor::paintLayer(0);
  const std::vector<int32_t> painted = Painted(*screen_);
  EXPECT_EQ(painted[0], 40);
  EXPECT_EQ(painted[1], 60);
  EXPECT_EQ(painted[3], 109);
  EXPECT_EQ(screen_->at(40, 60), 0xF800);
  EXPECT_EQ(screen_->at(139, 60), 0xF800);
  const uint16_t last = screen_->at(90, 109);
  EXPECT_GT(last & 0x1F, 28) << std::hex << last;  // nearly all blue
  EXPECT_LT(last >> 11, 3) << std::hex << last;
  EXPECT_EQ(screen_->at(90, 110), kGround);
  EXPECT_EQ(screen_->at(39, 80), kGround);
}

TEST_F(ActorPaintTest, AFloatingTextWithoutItsTextDrawsNothing) {
  LoadFontsAndTexts();
  cActor* text = cGame::spawnFloatingText(99999, 240, 300, 1);
  ASSERT_NE(text, nullptr);
  Frames(300);
  cActor::paintLayer(1);
  EXPECT_EQ(Painted(*screen_), (std::vector<int32_t>{-1, -1, -1, -1}));
}

}  // namespace
