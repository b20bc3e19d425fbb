// The level-end screen and the results overlay with the data set's fonts, texts, bubble
// sprite, rating and panel sprites: decoration bubbles by value width, the hidden rating
// actor, the level title rebuilt every paint, and the won or lost text by phase time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/mqlib_player.h"
#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"
#include "tests/game/board/actor_fixture.h"
#include "tests/platform/canvas.h"
#include "tests/support/string_text.h"

namespace {

constexpr int32_t kRatingSlot = 27, kBackSlot = 33, kTitleFontSlot = 4;
constexpr int32_t kUiPack = 66, kCommonPack = 65, kFontPack = 274;
constexpr uint16_t kGround = 0x0841;

class LevelEndTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    LoadEffectSprites();
    LoadFontsAndTexts();
    PlantPacks({"ui", "common"});
    Load(kUiPack, kRatingSlot, 9, 1);
    Load(kCommonPack, kBackSlot, 0, 3);
    Load(kFontPack, kTitleFontSlot, 1, 3);
    s->cGame_canvasWidth = 480;
    s->cGame_canvasHeight = 800;
    screen_ = new Canvas(480, 800);
    screen_->fill(kGround);
    s->cGame_drawGraphics = screen_->graphics;
  }
  void TearDown() override {
    delete screen_;
    ActorTest::TearDown();
  }
  void Load(int32_t pack, int32_t slot, int32_t entry, int32_t palettes) {
    cGame::openPack(GetConstantString(pack));
    s->cGame_spriteTable->elements()[slot] =
        cGame::loadSprite(entry, palettes, 0, 0, true, false, 0, nullptr);
    cGame::closeResourceStream();
    ASSERT_NE(Slot(slot), nullptr);
  }
  // A number's digits, or the empty string (constant 46) for "".
  static String* Text(const char* digits) {
    return *digits ? String::valueOf(static_cast<int32_t>(std::stoi(digits)))
                   : GetConstantString(46);
  }
  int32_t Width(const char* digits) {
    Slot(kFontSlot)->getStringSize(Text(digits), nullptr);
    return s->ASprite_textWidth;
  }
  std::vector<uint16_t> Pixels() const {
    std::vector<uint16_t> pixels;
    for (int32_t y = 0; y < 800; y++) {
      for (int32_t x = 0; x < 480; x++) pixels.push_back(screen_->at(x, y));
    }
    return pixels;
  }

  Canvas* screen_ = nullptr;
};

TEST_F(LevelEndTest, EveryStartedThirtyThreePixelsOfAValueGetsABubbleFromItsRightEnd) {
  struct Row {
    const char* value;  // null: a row with no value
    int32_t bubbles;
  };
  // Widths in the value font: 0, up to 33, 34 to 66, and more.
  const Row kRows[] = {{"", 0}, {"7", 1}, {nullptr, 0}, {"9999", 2}, {"123456", 3}};
  constexpr int32_t kRowCount = std::size(kRows);
  ASSERT_EQ(Width(""), 0);
  ASSERT_LE(Width("7"), 33);
  ASSERT_GT(Width("9999"), 33);
  ASSERT_LE(Width("9999"), 66);
  ASSERT_GT(Width("123456"), 66);
  ASSERT_LE(Width("123456"), 99);
  s->cGame_resultsValues = NewObjectArray(cid::Object, kRowCount);
  s->cGame_resultsRowY = NewIntArray(kRowCount);
  for (int32_t i = 0; i < kRowCount; i++) {
    if (kRows[i].value) s->cGame_resultsValues->elements()[i] = Text(kRows[i].value);
    s->cGame_resultsRowY->elements()[i] = 300 + 40 * i;
  }
  s->cGame_resultsValueX = 430;
  s->cGame_levelRating = 2;
  cGame::buildLevelEndScreen(1);
  ASSERT_EQ(s->cGame_resultsPlayerCount, 6);
  ObjectArray* players = s->cGame_resultsPlayers;
  ASSERT_EQ(players->length, 6);
  int32_t p = 0;
  for (int32_t i = 0; i < kRowCount; i++) {
    for (int32_t n = 0; n < kRows[i].bubbles; n++, p++) {
      auto* bubble = static_cast<MQLibPlayer*>(players->elements()[p]);
      EXPECT_EQ(bubble->x, 430 - 18 - 33 * n) << "row " << i;
      EXPECT_EQ(bubble->y, 300 + 40 * i);
      EXPECT_GE(bubble->anim, 0);
      EXPECT_LT(bubble->anim, 5) << "a plain colour";
      EXPECT_EQ(bubble->loopCounter, -2) << "looping";
    }
  }
  cActor* rating = s->cGame_ratingActor;
  ASSERT_NE(rating, nullptr);
  EXPECT_EQ(cActor::getAnim(rating), 2);
  EXPECT_TRUE(rating->flags & cActor::kHidden);
  for (int32_t L = 0; L < 8; L++) {
    for (cActor* a : Layer(L)) EXPECT_NE(a, rating) << "in no layer";
  }
  EXPECT_EQ(s->cGame_infoPanelTimer, 1000);
  EXPECT_EQ(s->cGame_softKeyRight, -1);
  MQLibPlayer* back = s->cGame_resultsBackPlayer;
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->anim, 0);
  EXPECT_EQ(back->loopCounter, -2);
  // Built again, the old rating actor goes back to the pool.
  const int32_t free = FreeCount();
  cGame::buildLevelEndScreen(4);
  EXPECT_EQ(FreeCount(), free);
  EXPECT_EQ(s->cGame_levelEndKind, 4);
}

TEST_F(LevelEndTest, TheLevelTitleIsRebuiltEveryPaint) {
  struct Case {
    int32_t phase, world, level;
    const char* label;
  };
  const Case kCases[] = {{5, 0, 0, "Level 1-1"},
                         {5, 2, 6, "Level 3-7"},
                         {5, 9, 3, "Level 14"},
                         {6, 2, 6, "Boss level"}};
  for (const Case& c : kCases) {
    s->cGame_playPhase = c.phase;
    s->cGame_currentWorld = c.world;
    s->cGame_currentLevel = c.level;
    s->cGame_phaseWait = 700;
    cGame::paintResultsOverlay();
    EXPECT_EQ(TextOf(s->cGame_levelLabel), c.label);
  }
}

TEST_F(LevelEndTest, TheResultTextZoomsThenStandsThenTheWonTextIsTinted) {
  s->cGame_playPhase = 16;
  auto paint = [&](bool won, int32_t t) {
    screen_->fill(kGround);
    s->cGame_levelWon = won;
    s->cGame_phaseTimer = t;
    cGame::paintResultsOverlay();
    return Pixels();
  };
  const std::vector<uint16_t> wonPlain = paint(true, 550), lostPlain = paint(false, 550);
  EXPECT_NE(wonPlain, lostPlain) << "texts 216 and 217";
  EXPECT_NE(wonPlain, paint(true, 549)) << "before 550 the zoom draws it";
  EXPECT_EQ(wonPlain, paint(true, 2049));
  s->MQPixEffects_effectMask = 0xFFF;
  EXPECT_NE(wonPlain, paint(true, 2050)) << "the won text takes the level-end palette";
  EXPECT_EQ(s->MQPixEffects_effectMask, 0xFFF & ~0xDE0) << "the page's effects are cleared";
  EXPECT_EQ(Slot(kTitleFontSlot)->getCurrentPalette(), 0) << "and the palette restored";
  EXPECT_EQ(lostPlain, paint(false, 2400)) << "a lost text is never tinted";
  const std::vector<uint16_t> none(480 * 800, kGround);
  EXPECT_EQ(paint(true, 2750), none) << "then only layer 7";
}

}  // namespace
