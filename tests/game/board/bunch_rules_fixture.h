// Tests of the per-frame bunch rules: the motion fixture's board with the play area's bands
// laid out (bandY0 60, bandY25 220, bandY50 380, bandY75 540 px, the pair's top at 100 px),
// a seeded generator, frames run as the world runs them (extents, then the update), and anchor
// sprites of one frame per animation whose rectangles a test chooses, and the thrown bubbles.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/sprite.h"
#include "javame/random.h"
#include "tests/game/board/motion_fixture.h"
#include "tests/game/board/rect_sprite.h"

class BunchRulesTest : public MotionTest {
 protected:
  static constexpr int32_t kBand0 = 60, kBand25 = 220, kBand50 = 380, kBand75 = 540;
  static constexpr int32_t kPairTop = 100;

  void SetUp() override {
    MotionTest::SetUp();
    s->cGame_bandY0 = kBand0 * kPx;
    s->cGame_bandY25 = kBand25 * kPx;
    s->cGame_bandY50 = kBand50 * kPx;
    s->cGame_bandY75 = kBand75 * kPx;
    s->cGame_pairTopY = kPairTop * kPx;
    s->cGame_levelType = 0;
    s->cGame_levelKind() = 1;
    s->cGame_rectScratch = NewIntArray(4);
    s->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{4321});
  }

  // n frames of dt ms: the extents, then the bunch update.
  void Frames(int32_t n, int32_t dt = 40) {
    s->cGame_frameTime = dt;
    for (int32_t i = 0; i < n; i++) {
      cGame::updateBunchExtents();
      cGame::updateBubbleBunches();
    }
  }

  // A sprite of `anims` animations, animation a showing one frame whose rectangles are
  // rects(a), in sprite slot `slot`.
  template <class Rects>
  ASprite* RectSprite(int32_t slot, int32_t anims, Rects rects) {
    ASprite* sprite = RectSpriteByAnimation(anims, rects);
    s->cGame_spriteTable->elements()[slot] = sprite;
    return sprite;
  }

  // Lists for four thrown bubbles and a target for them: a plain bunch in slot 9 at
  // (240, 500) px whose core has its lower cells free.
  static void ArmThrows() {
    cGame::allocTargetLists(4);
    Placed(9, 10, 240, 500);
    Attached(9, 0, 0);
  }
  // The bubbles thrown so far as {kind, start x, start y} (whole pixels), in entry order.
  static std::vector<std::vector<int32_t>> Throws() {
    GameStatics* s = Statics<GameStatics>();
    std::vector<std::vector<int32_t>> throws;
    for (int32_t i = 0; s->cGame_thrownActors && i < s->cGame_thrownActors->length; i++) {
      if (!s->cGame_thrownActors->elements()[i]) continue;
      throws.push_back({s->cGame_thrownKind->elements()[i],
                        s->cGame_thrownStartX->elements()[i] >> 16,
                        s->cGame_thrownStartY->elements()[i] >> 16});
    }
    return throws;
  }
};
