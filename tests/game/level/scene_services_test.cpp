// The scene screens' services over the real actor pool and the data set's effect sprites: the
// background actors' waits, flights and hiding, the release of the screen's actors, the
// overlay layers painted 4 then 1, and the text scroll's restart.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "game/board/actor.h"
#include "game/cgame.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "tests/game/board/actor_fixture.h"
#include "tests/platform/canvas.h"

namespace {

class SceneServicesTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    LoadEffectSprites();
    s->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{99});
    s->cGame_backgroundActors = NewObjectArray(cid::cActor, 6);
    s->cGame_backgroundElapsed = NewIntArray(6);
    s->cGame_backgroundDuration = NewIntArray(6);
    s->cGame_backgroundStartY = NewIntArray(6);
    s->cGame_backgroundEndY = NewIntArray(6);
    s->cGame_backgroundReverse = NewByteArray(6);
    for (int32_t i = 0; i < 6; i++) {
      cActor* a = Sprite(0, 0, 200, 1, 0, cActor::kModeLoop);
      cActor::setVisible(a, false);
      s->cGame_backgroundActors->elements()[i] = a;
      s->cGame_backgroundElapsed->elements()[i] = -2000;
    }
  }
  cActor* Background(int32_t i) {
    return static_cast<cActor*>(s->cGame_backgroundActors->elements()[i]);
  }
  void Step(int32_t dt) {
    s->cGame_frameTime = dt;
    cGame::updateBackgroundActors();
  }
};

TEST_F(SceneServicesTest, ABackgroundActorWaitsThenFliesAcrossTheUpperScreenAndHides) {
  int32_t* elapsed = s->cGame_backgroundElapsed->elements();
  elapsed[0] = -1;
  elapsed[1] = -500;
  Step(40);
  EXPECT_FALSE(Background(0)->flags & cActor::kHidden) << "-1: the next frame";
  EXPECT_TRUE(Background(1)->flags & cActor::kHidden);
  const int32_t d = s->cGame_backgroundDuration->elements()[0];
  EXPECT_GE(d, 1000);
  EXPECT_LT(d, 3000);
  const int32_t startY = s->cGame_backgroundStartY->elements()[0];
  const int32_t endY = s->cGame_backgroundEndY->elements()[0];
  EXPECT_TRUE(startY >= 200 && startY < 400) << startY;
  EXPECT_TRUE(endY >= 0 && endY < 200) << endY;
  EXPECT_EQ(cActor::getAnim(Background(0)), s->cGame_backgroundReverse->elements()[0] ? 0 : 1);
  for (int32_t t = 40; t < 480; t += 40) Step(40);
  EXPECT_TRUE(Background(1)->flags & cActor::kHidden) << "still waiting at -20";
  Step(40);
  EXPECT_FALSE(Background(1)->flags & cActor::kHidden) << "-500: after half a second";
  // A flight of 1000 ms from x -50 to 530, rising from y 300 to 100.
  elapsed[2] = 0;
  Step(0);
  s->cGame_backgroundDuration->elements()[2] = 1000;
  s->cGame_backgroundReverse->elements()[2] = 0;
  s->cGame_backgroundStartY->elements()[2] = 300;
  s->cGame_backgroundEndY->elements()[2] = 100;
  const std::tuple<int32_t, int32_t, int32_t> kPath[] = {
      {250, 95, 250}, {250, 240, 200}, {250, 385, 150}, {250, 530, 100}};
  for (const auto& [dt, x, y] : kPath) {
    Step(dt);
    EXPECT_EQ(std::make_tuple(Background(2)->x, Background(2)->y), std::make_tuple(x, y));
  }
  Step(1);
  EXPECT_TRUE(Background(2)->flags & cActor::kHidden);
  EXPECT_EQ(elapsed[2], -1);
  // Flying back, it goes from 530 to -50: 499 ms in, 530 - 289 (the quotient truncated).
  Step(40);
  s->cGame_backgroundDuration->elements()[2] = 1000;
  s->cGame_backgroundReverse->elements()[2] = 1;
  Step(460);
  EXPECT_EQ(Background(2)->x, 241);
}

TEST_F(SceneServicesTest, ReleasingTheScreensActorsFreesThemAndForgetsTheArrays) {
  s->cGame_sceneActors = NewObjectArray(cid::cActor, 3);
  s->cGame_sceneActors->elements()[0] = Sprite(1, 1, 1, 4);
  s->cGame_sceneActors->elements()[2] = Sprite(2, 2, 2, 4);  // a gap stays a gap
  cGame::releaseActorArray();
  EXPECT_EQ(s->cGame_sceneActors, nullptr);
  EXPECT_TRUE(cActor::isLayerEmpty(4));
  cGame::releaseActorArray();
  EXPECT_EQ(FreeCount(), cActor::kPoolSize - 6);
  cGame::releaseEffectArray();
  EXPECT_EQ(FreeCount(), cActor::kPoolSize);
  EXPECT_EQ(std::make_tuple(s->cGame_backgroundActors, s->cGame_backgroundElapsed,
                            s->cGame_backgroundReverse),
            std::make_tuple(nullptr, nullptr, nullptr));
  Step(40);  // without its arrays nothing moves
}

TEST_F(SceneServicesTest, TheOverlayPaintsLayerFourThenLayerOneOverTheWholeScreen) {
  Canvas canvas(480, 800);
  canvas.fill(0);
  s->cGame_drawGraphics = canvas.graphics;
  canvas.graphics->setClip(0, 0, 10, 10);
  cGame::spawnGradientBox(100, 700, 50, 50, 0xFF0000, 0xFF0000, 32, 1, 4);
  cGame::spawnGradientBox(120, 720, 50, 50, 0x0000FF, 0x0000FF, 32, 1, 1);
  cGame::spawnGradientBox(300, 300, 50, 50, 0x00FF00, 0x00FF00, 32, 1, 2);
  cGame::paintOverlayLayers(false);
  EXPECT_EQ(canvas.at(110, 710), 0xF800);
  EXPECT_EQ(canvas.at(130, 730), 0x001F) << "layer 1 over layer 4";
  EXPECT_EQ(canvas.at(310, 310), 0) << "other layers are not the overlay's";
  // Into the back buffer, then the frame's graphics again.
  Canvas back(480, 800);
  back.fill(0);
  s->cGame_backBufferGraphics = back.graphics;
  s->cGame_frameGraphics = canvas.graphics;
  cGame::paintOverlayLayers(true);
  EXPECT_EQ(back.at(130, 730), 0x001F);
  EXPECT_EQ(s->cGame_drawGraphics, canvas.graphics);
}

TEST_F(SceneServicesTest, TheTextStartsAgainFromBelowOnlyOnceAllOfItIsAboveTheScreen) {
  s->cGame_canvasHeight = 800;
  s->cGame_scrollTextHeight = 100;
  s->cGame_frameTime = 0;
  const std::pair<int32_t, int32_t> kCases[] = {{0, 0},
                                                {-100 << 8, -100 << 8},
                                                {(-100 << 8) - 128, (-100 << 8) - 128},
                                                {(-100 << 8) - 129, 800 << 8},
                                                {-1000 << 8, 800 << 8}};
  for (const auto& [before, after] : kCases) {
    s->cGame_textScrollY = before;
    cGame::updateTextScroll();
    EXPECT_EQ(s->cGame_textScrollY, after) << before;
  }
  s->cGame_frameTime = 1000;
  s->cGame_textScrollY = 0;
  cGame::updateTextScroll();
  EXPECT_EQ(s->cGame_textScrollY, -40 << 8);
}

}  // namespace
