// The animation player over sprites written by the builder's sprite writer: construction,
// the choice of animation and frame, the frame clock with its repeats, and the paint of the
// current animation-frame with the per-player scale effect.
#include "engine/mqlib_player.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/pix_effects.h"
#include "game/cgame.h"
#include "javame/graphics.h"
#include "runtime/class.h"
#include "tests/engine/sprite_fixture.h"

namespace {

using namespace sprite_test;

// Animation 0: three frames of 2 ticks; 1: two frames of 1 tick; 2: none. Each frame paints a
// 40 x 20 red module at (1, 1).
SpriteData Animated() {
  SpriteData s = PaletteSprite(flag::kImagesAllowed, 2);
  s.palettes[0] = {0x00FF00FF, 0xFFFF0000};
  s.modules.push_back(ImageModule(40, 20, [](int) { return 1; }));
  const SpriteFModule part[] = {{0, 1, 1, 0}};
  for (int f = 0; f < 3; f++) AddFrame(s, part);
  const SpriteAFrame three[] = {{0, 2, 0, 0, 0}, {1, 2, 0, 0, 0}, {2, 2, 0, 0, 0}};
  const SpriteAFrame two[] = {{0, 1, 0, 0, 0}, {1, 1, 0, 0, 0}};
  AddAnimation(s, three);
  AddAnimation(s, two);
  s.anims.push_back({0, 0});
  return s;
}

class MQLibPlayerTest : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    sprite_ = Load(Animated());
  }
  // The frames an update of dt ms at a time shows, n updates.
  static std::vector<int32_t> Frames(MQLibPlayer* p, int32_t dt, int n) {
    std::vector<int32_t> frames;
    for (int i = 0; i < n; i++) {
      p->update(dt);
      frames.push_back(p->frame);
    }
    return frames;
  }

  ASprite* sprite_ = nullptr;
};

TEST_F(MQLibPlayerTest, ConstructionAndResetGiveTheirStartingStates) {
  MQLibPlayer* bare = NewObject<MQLibPlayer>();
  EXPECT_EQ(bare->anim, 0);
  EXPECT_EQ(bare->loopCounter, 0);
  EXPECT_FALSE(bare->finished);
  MQLibPlayer* reset = NewObject<MQLibPlayer>(MQLibPlayer::Reset::kReset);
  EXPECT_EQ(reset->anim, -1);
  EXPECT_EQ(reset->loopCounter, 1);
  EXPECT_TRUE(reset->finished);
  EXPECT_EQ(reset->effectParam, -1);
  EXPECT_EQ(reset->sprite, nullptr);
  MQLibPlayer* game = NewObject<MQLibPlayer>(sprite_, 7, 9);
  EXPECT_EQ(game->sprite, sprite_);
  EXPECT_EQ(game->x, 7);
  EXPECT_EQ(game->y, 9);
  EXPECT_EQ(game->anim, -1);
  EXPECT_EQ(game->loopCounter, -2);
  EXPECT_FALSE(game->finished);
  EXPECT_TRUE(game->isAnimOver());
  EXPECT_EQ(game->getAnimFrameCount(), -1);
  EXPECT_EQ(game->getFrameDuration(), 0);
  EXPECT_EQ(game->setFrame(2), -1);
  // The sprite is the one reference the collector follows.
  Class* record = Class::ofObject(game);
  ASSERT_EQ(record->referenceFieldCount(), 1);
  EXPECT_EQ(record->referenceFieldOffsets()[0],
            reinterpret_cast<char*>(&game->sprite) - reinterpret_cast<char*>(game));
}

TEST_F(MQLibPlayerTest, PlaysOnceThenFinishesOnItsLastFrame) {
  MQLibPlayer* p = NewObject<MQLibPlayer>(sprite_, 0, 0);
  p->setAnim(0, 1);
  EXPECT_EQ(p->loopCounter, 0);
  EXPECT_EQ(p->getAnimFrameCount(), 3);
  EXPECT_EQ(p->getFrameDuration(), 80);
  EXPECT_EQ(Frames(p, 80, 2), (std::vector<int32_t>{1, 2}));
  EXPECT_FALSE(p->isAnimOver());
  p->update(80);
  EXPECT_TRUE(p->finished);
  EXPECT_EQ(p->frame, 2);
  EXPECT_TRUE(p->isAnimOver());
  p->update(1000);
  EXPECT_EQ(p->frame, 2);
  // Twice: one repeat, then the end.
  p->setAnim(0, 2);
  EXPECT_EQ(Frames(p, 80, 6), (std::vector<int32_t>{1, 2, 0, 1, 2, 2}));
  EXPECT_TRUE(p->isAnimOver());
}

TEST_F(MQLibPlayerTest, ZeroLoopsPlayForEver) {
  MQLibPlayer* p = NewObject<MQLibPlayer>(sprite_, 0, 0);
  p->setAnim(1, 0);
  EXPECT_EQ(p->loopCounter, -1);
  EXPECT_EQ(Frames(p, 40, 5), (std::vector<int32_t>{1, 0, 1, 0, 1}));
  for (int i = 0; i < 100; i++) p->update(40);
  EXPECT_FALSE(p->isAnimOver());
  EXPECT_FALSE(p->finished);
}

TEST_F(MQLibPlayerTest, TheSameAnimationGoesOnUnlessItHasFinished) {
  MQLibPlayer* p = NewObject<MQLibPlayer>(sprite_, 0, 0);
  p->setAnim(0, 1);
  p->update(100);  // frame 1, 20 ms into it
  p->setAnim(0, 1);
  EXPECT_EQ(p->frame, 1);
  EXPECT_EQ(p->frameTime, 20);
  p->setAnim(1, 1);  // another animation starts over
  EXPECT_EQ(p->frame, 0);
  EXPECT_EQ(p->frameTime, 0);
  p->update(40);
  p->update(40);
  ASSERT_TRUE(p->finished);
  p->setAnim(1, 1);  // finished: the same animation restarts
  EXPECT_EQ(p->frame, 0);
  EXPECT_FALSE(p->finished);
}

TEST_F(MQLibPlayerTest, AnUpdateMovesOnOneFrameAndCarriesTheRest) {
  MQLibPlayer* p = NewObject<MQLibPlayer>(sprite_, 0, 0);
  p->setAnim(1, 0);
  p->update(1000);
  EXPECT_EQ(p->frame, 1);
  EXPECT_EQ(p->frameTime, 960);
  p->update(0);
  EXPECT_EQ(p->frame, 0);
  EXPECT_EQ(p->frameTime, 920);
  // updateFrame steps by the frame loop's frame time.
  Statics<GameStatics>()->cGame_frameTime = 40;
  p->frameTime = 0;
  p->updateFrame();
  EXPECT_EQ(p->frame, 1);
}

TEST_F(MQLibPlayerTest, SetFrameWrapsIntoTheAnimation) {
  MQLibPlayer* p = NewObject<MQLibPlayer>(sprite_, 0, 0);
  p->setAnim(0, 1);
  p->frameTime = 30;
  struct Case {
    int32_t asked, set;
  };
  for (const Case c : {Case{7, 1}, Case{3, 0}, Case{2, 2}, Case{0x7FFFFFFF, 1}, Case{-4, -4}}) {
    EXPECT_EQ(p->setFrame(c.asked), c.set) << c.asked;
    EXPECT_EQ(p->frame, c.set);
    EXPECT_EQ(p->frameTime, 0);
  }
  // An animation of no frames keeps the number.
  p->setAnim(2, 1);
  EXPECT_EQ(p->setFrame(5), 5);
}

TEST_F(MQLibPlayerTest, AMissingAnimationOrSpriteEndsUnlessItLoopsForEver) {
  struct Case {
    bool sprite;
    int32_t anim, loops;
    bool over;
  };
  const Case kCases[] = {
      {true, 9, 1, true}, {false, 0, 1, true}, {true, 9, 0, false}, {false, 0, -1, false}};
  for (const Case& c : kCases) {
    MQLibPlayer* p = NewObject<MQLibPlayer>(c.sprite ? sprite_ : nullptr, 0, 0);
    p->setAnim(c.anim, c.loops);
    p->update(40);
    EXPECT_EQ(p->isAnimOver(), c.over) << c.anim << " " << c.loops;
    EXPECT_EQ(p->getFrameDuration(), 0);
    Canvas canvas(8, 8);
    Statics<GameStatics>()->cGame_drawGraphics = canvas.graphics;
    p->render();
    EXPECT_EQ(canvas.count(0), 64);
  }
}

TEST_F(MQLibPlayerTest, RenderPaintsTheCurrentFrameAndItsEffectOnlyOnce) {
  MQPixEffects::init();
  GameStatics* s = Statics<GameStatics>();
  MQLibPlayer* p = NewObject<MQLibPlayer>(sprite_, 20, 10);
  p->setAnim(0, 1);
  Canvas plain(80, 40);
  s->cGame_drawGraphics = plain.graphics;
  p->render();
  EXPECT_EQ(plain.count(0xF800), 40 * 20);
  EXPECT_EQ(plain.at(21, 11), 0xF800);
  // At 50 percent: 21 x 11 pixels, and the routed effect bits cleared afterwards.
  p->effectParam = 50;
  s->MQPixEffects_effectMask |= 0x20;
  Canvas half(80, 40);
  s->cGame_drawGraphics = half.graphics;
  p->render();
  EXPECT_EQ(half.count(0xF800), 21 * 11);
  EXPECT_EQ(half.at(21, 11), 0xF800);
  EXPECT_EQ(s->MQPixEffects_effectMask & 0xDE0, 0);
  // Flipped: the frame's part mirrors about the player's x.
  p->effectParam = -1;
  p->paintFlags = 1;
  Canvas flipped(80, 40);
  s->cGame_drawGraphics = flipped.graphics;
  p->render();
  EXPECT_EQ(flipped.at(0, 11), 0xF800);
  EXPECT_EQ(flipped.at(18, 11), 0xF800);
  EXPECT_EQ(flipped.at(19, 11), 0);
  EXPECT_EQ(flipped.count(0xF800), 19 * 20);
}

}  // namespace
