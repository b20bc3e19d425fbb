// The HUD over the data set's HUD sprite, clock and banner: its actors by level type and
// kind, the clock text and blink, the boss icons, the sliding banner, the streak label's
// tiers, the texts, and the progress bar painted on a memory image.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "tests/game/board/actor_fixture.h"
#include "tests/platform/canvas.h"
#include "tests/support/string_text.h"

namespace {

constexpr int32_t kHudSlot = 56, kClockSlot = 57, kBannerSlot = 30;
constexpr int32_t kHudPack = 88, kBackdropPack = 101;
constexpr uint16_t kGround = 0x0841;

class HudTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    PlantPacks({"hud", "backdrop"});
    cGame::openPack(GetConstantString(kHudPack));
    Store(kHudSlot, cGame::loadSprite(3, 1, 0, 0, true, false, 0, nullptr));
    Store(kClockSlot, cGame::loadSprite(4, 3, 0, 0, true, false, 0, nullptr));
    cGame::closeResourceStream();
    cGame::openPack(GetConstantString(kBackdropPack));
    Store(kBannerSlot, cGame::loadSprite(0, 3, 0, 0, true, false, 0, nullptr));
    cGame::closeResourceStream();
    s->cGame_rectScratch = NewIntArray(4);
    s->cGame_dangerLineY = 664;
    s->cGame_levelParams = NewIntArray(13);
    s->cGame_currentWorld = 0;
    s->cGame_currentLevel = 0;
  }
  void Store(int32_t slot, ASprite* sprite) { s->cGame_spriteTable->elements()[slot] = sprite; }
  static bool Shown(cActor* a) {
    return a && a->state != cActor::kFree && !(a->flags & cActor::kHidden);
  }
};

std::string Chars(CharArray* c, int32_t n) {
  std::string out;
  for (int32_t i = 0; i < n; i++) out += static_cast<char>(c->elements()[i]);
  return out;
}

TEST_F(HudTest, TheClockTextIsMinutesAndSecondsWrappingAt100Minutes) {
  struct Case {
    int32_t seconds;
    const char* text;
  };
  const Case kCases[] = {
      {0, "00:00"}, {59, "00:59"}, {61, "01:01"}, {5999, "99:59"}, {6000, "00:00"}};
  CharArray* out = NewCharArray(5);
  for (const Case& c : kCases) {
    cGame::formatTimeChars(c.seconds, out);
    EXPECT_EQ(Chars(out, 5), c.text) << c.seconds;
  }
  CharArray* shortOut = NewCharArray(4);
  shortOut->elements()[0] = u'x';
  cGame::formatTimeChars(61, shortOut);
  EXPECT_EQ(shortOut->elements()[0], u'x') << "a short buffer is left alone";
  EXPECT_EQ(TextOf(cGame::formatTime(61)), "01:01");
  EXPECT_EQ(TextOf(cGame::formatTime(6000)), "100:00") << "the String keeps its minutes";
  EXPECT_EQ(TextOf(s->cGame_timeText), "100:00");
}

TEST_F(HudTest, TheClockShowsTheElapsedTimeOrTheCountdownsRestNeverBelowZero) {
  struct Case {
    bool countdown;
    int32_t limit, time;
    const char* text;
  };
  const Case kCases[] = {
      {false, 0, 75500, "01:15"}, {true, 90000, 30000, "01:00"}, {true, 90000, 95000, "00:00"}};
  cGame::createHudActors();
  for (const Case& c : kCases) {
    s->cGame_levelCountdown = c.countdown;
    s->cGame_levelParams->elements()[3] = c.limit;
    s->cGame_levelTime = c.time;
    cGame::updateHudTimer();
    EXPECT_EQ(Chars(s->cGame_hudTimeChars, 5), c.text) << c.time;
  }
  s->cGame_score = 1234;
  cGame::updateHudTimer();
  EXPECT_EQ(s->cGame_hudScore, 1234);
}

TEST_F(HudTest, InDangerTheClockFlashesItsSecondPalette64MsOf128) {
  struct Case {
    int8_t blink;
    bool over;
    int32_t time, palette;
  };
  const Case kCases[] = {{1, false, 1024, 1},
                         {1, false, 1087, 1},
                         {1, false, 1088, 0},
                         {0, false, 1024, 0},
                         {1, true, 1024, 0}};
  cGame::createHudActors();
  for (const Case& c : kCases) {
    s->cGame_hudTimerBlink = c.blink;
    s->cGame_levelOver = c.over;
    s->cGame_levelTime = c.time;
    cGame::updateHudTimer();
    EXPECT_EQ(s->cGame_hudTimerActor->palette, c.palette) << c.time;
    EXPECT_EQ(s->cGame_hudTimerActor->y, 664);
  }
}

TEST_F(HudTest, GoalActorsFollowTheLevelTypeAndBossLevelsGetThreeIcons) {
  struct Case {
    int32_t kind, type;
    int32_t frameAnim, iconAnim;  // -1 none
  };
  const Case kCases[] = {{1, 0, -1, -1}, {1, 1, -1, -1}, {1, 3, -1, -1},
                         {1, 8, -1, -1}, {1, 4, 4, 1},   {1, 5, 4, 2},
                         {1, 7, 4, 2},   {1, 2, 4, -1},  {3, 0, 4, 3}};
  for (const Case& c : kCases) {
    s->cGame_levelKind() = c.kind;
    s->cGame_levelType = c.type;
    s->cGame_bossIconCount = 2;
    cGame::createHudActors();
    EXPECT_TRUE(Shown(s->cGame_hudFrameActor));
    EXPECT_EQ(cActor::getAnim(s->cGame_hudFrameActor), 0);
    cActor* frame = s->cGame_hudGoalFrameActor;
    cActor* icon = s->cGame_hudGoalActor;
    EXPECT_EQ(frame ? cActor::getAnim(frame) : -1, c.frameAnim) << c.type;
    EXPECT_EQ(icon ? cActor::getAnim(icon) : -1, c.iconAnim) << c.type;
    if (c.kind == 3) {
      ObjectArray* icons = s->cGame_bossHealthIcons;
      ASSERT_NE(icons, nullptr);
      EXPECT_FALSE(Shown(static_cast<cActor*>(icons->elements()[0])));
      EXPECT_TRUE(Shown(static_cast<cActor*>(icons->elements()[1])));
      EXPECT_TRUE(Shown(static_cast<cActor*>(icons->elements()[2])));
    }
  }
  cGame::releaseHudActors();
  EXPECT_EQ(s->cGame_hudFrameActor, nullptr);
  EXPECT_EQ(s->cGame_hudStageText, nullptr);
}

TEST_F(HudTest, BossIconsShowTheCountFromTheRight) {
  s->cGame_levelKind() = 3;
  cGame::createHudActors();
  struct Case {
    int32_t n;
    bool shown[3];
  };
  const Case kCases[] = {{0, {false, false, false}},
                         {1, {false, false, true}},
                         {3, {true, true, true}},
                         {7, {true, true, true}}};
  for (const Case& c : kCases) {
    cGame::setBossHealthIcons(c.n);
    for (int32_t i = 0; i < 3; i++) {
      EXPECT_EQ(Shown(static_cast<cActor*>(s->cGame_bossHealthIcons->elements()[i])), c.shown[i])
          << c.n << " icon " << i;
    }
  }
  cGame::setBossHealthIconsAnim(true);
  EXPECT_EQ(cActor::getAnim(static_cast<cActor*>(s->cGame_bossHealthIcons->elements()[2])), 6);
}

TEST_F(HudTest, ARisingBannerStopsAtItsEndAndAFallingOneGoesPastTheBottom) {
  s->cGame_canvasHeight = 800;
  s->cGame_bannerSpeed = 400 << 8;
  s->cGame_levelUnlockItem = 2;
  cGame::startSlidingBanner(240, 400, true);
  ASSERT_NE(s->cGame_bannerActor, nullptr);
  EXPECT_EQ(cActor::getAnim(s->cGame_bannerActor), 2);
  s->cGame_frameTime = 600;  // 240 px a step
  cGame::updateSlidingBanner();
  EXPECT_EQ(s->cGame_bannerY, 560 << 8);
  cGame::updateSlidingBanner();
  EXPECT_EQ(s->cGame_bannerY, 400 << 8) << "stops exactly";
  EXPECT_EQ(cActor::getY(s->cGame_bannerActor), 400);
  cGame::startSlidingBanner(100, 700, false);
  s->cGame_frameTime = 250;  // 100 px
  cGame::updateSlidingBanner();
  EXPECT_NE(s->cGame_bannerActor, nullptr) << "at 800, not past it";
  s->cGame_frameTime = 1;
  cGame::updateSlidingBanner();
  EXPECT_EQ(s->cGame_bannerActor, nullptr);
}

TEST_F(HudTest, TheStreakLabelTakesTheTierOfItsLength) {
  LoadFontsAndTexts();
  cGame::createHudActors();
  struct Case {
    int32_t streak, text;  // text 0: no label
  };
  const Case kCases[] = {{1, 0}, {2, 218}, {3, 218}, {4, 219}, {8, 220}, {9, 221}, {30, 221}};
  for (const Case& c : kCases) {
    s->cGame_eventCount = 0;
    cGame::queueEvent(31);
    s->cGame_popStreak = c.streak;
    s->cGame_landX = 100;
    s->cGame_lastPopX = 200;
    s->cGame_landY = 300;
    s->cGame_lastPopY = 400;
    const int32_t before = FreeCount();
    cGame::showScoreLabel();
    EXPECT_EQ(s->cGame_eventCount, 0) << "event 31 consumed";
    if (c.text == 0) {
      EXPECT_EQ(FreeCount(), before);
      continue;
    }
    cActor* label = nullptr;
    for (cActor* a : Layer(1)) label = a->textId == c.text ? a : label;
    ASSERT_NE(label, nullptr) << c.streak;
    EXPECT_EQ(label->y, 350);
    cActor::release(label);
  }
  cGame::showScoreLabel();  // no event: nothing
}

TEST_F(HudTest, TextsOfTheGoalStageAndLevelLabel) {
  s->cGame_goalTotal = 10;
  cGame::setGoalCounterText(7);
  EXPECT_EQ(TextOf(s->cGame_hudGoalText), "3/10");
  cGame::setStageNumberText(4);
  EXPECT_EQ(TextOf(s->cGame_hudStageText), "5");
  struct Case {
    int32_t world, level;
    const char* label;
  };
  const Case kCases[] = {{2, 4, "3-5"}, {7, 12, "8-13"}, {8, 0, "1"}, {9, 0, "11"},
                         {10, 9, "30"}, {11, 3, "30"}};  // world 11 keeps the last label
  for (const Case& c : kCases) {
    s->cGame_currentWorld = c.world;
    s->cGame_currentLevel = c.level;
    cGame::buildLevelLabel();
    EXPECT_EQ(TextOf(s->cGame_levelLabel), c.label) << c.world;
  }
}

TEST_F(HudTest, TheProgressBarShowsItsPercentOfFrame4) {
  LoadFontsAndTexts();
  s->cGame_levelType = 2;
  cGame::createHudActors();
  ASprite* hud = Slot(kHudSlot);
  IntArray* r = NewIntArray(4);
  hud->getFrameRect(1, 4, r, 0);
  const int32_t rx = r->elements()[0], ry = r->elements()[1], rw = r->elements()[2],
                rh = r->elements()[3];
  for (const int32_t percent : {0, 50, 100}) {
    Canvas screen(480, 800);
    screen.fill(kGround);
    Canvas texts(480, 800);
    texts.fill(kGround);
    s->cGame_hudProgress = 0;
    s->cGame_drawGraphics = texts.graphics;
    cGame::paintHud();
    s->cGame_hudProgress = percent;
    s->cGame_drawGraphics = screen.graphics;
    cGame::paintHud();
    int32_t changed = 0, outside = 0;
    for (int32_t y = ry; y < ry + rh; y++) {
      for (int32_t x = 0; x < 480; x++) {
        if (screen.at(x, y) == texts.at(x, y)) continue;
        changed++;
        outside += x >= rx + rw * percent / 100;
      }
    }
    EXPECT_EQ(outside, 0) << percent;
    if (percent == 0) {
      EXPECT_EQ(changed, 0);
    }
    if (percent == 100) {
      EXPECT_GT(changed, rw * rh / 2);
    }
  }
}

}  // namespace
