// The in-game HUD: its actors (the frame, the clock, the goal box and the boss health icons),
// the texts painted into the rectangles that frame 1 of the HUD sprite defines (level label,
// clock, score, goal or progress bar), the sliding banner, the streak label and the meters'
// looks at the level end. The layout lives in the sprite's rectangles, not here.
#include <cstdlib>
#include <iterator>

#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/java_arith.h"
#include "runtime/string.h"

using actor_support::SpriteInSlot;
using Graphics = javax_microedition_lcdui_Graphics;

namespace {

constexpr int32_t kHudSlot = 56, kClockSlot = 57, kBannerSlot = 30;
constexpr int32_t kHudFont = 3;
constexpr int32_t kRectFrame = 1, kBarFrame = 4;
constexpr int32_t kLabelRect = 1, kClockRect = 2, kScoreRect = 3, kGoalRect = 4;
constexpr int32_t kCentred = 3;  // anchor: horizontal and vertical centre
constexpr int32_t kHudLayer = 3, kClockLayer = 5, kBannerLayer = 1, kLabelLayer = 1;
constexpr int32_t kLoop = cActor::kModeLoop;
constexpr int32_t kBossLevel = 3, kLessonLevel = 2;
constexpr int32_t kProgressType = 2;
constexpr int32_t kTimeChars = 5;
constexpr int32_t kScoreEvent = 31, kKeepBit = 0x200;
constexpr int32_t kFirstStreakText = 217;
// Streak lengths that move the label one text up; the level data carries none of its own.
constexpr int32_t kComboThresholds[] = {2, 4, 6, 9};
constexpr int32_t kEmpty = 46, kGoalSeparator = 190, kZero = 238, kColon = 239,
                  kWorldLevelSeparator = 267;

GameStatics* S() {
  return Statics<GameStatics>();
}

// Releasing a slot: the actor freed when it is in use, the slot emptied.
void Release(StaticRef<cActor>& slot) {
  if (slot && slot->state != cActor::kFree) cActor::release(slot);
  slot = nullptr;
}

cActor* HudActor(int32_t anim, int32_t z, int32_t x = 0, int32_t y = 0) {
  return cGame::spawnActor(SpriteInSlot(kHudSlot), 0, x, y, anim, z, kLoop, kHudLayer, 0);
}

// Rectangle r of the HUD sprite's frame 1 into the scratch rectangle; false without it.
bool HudRect(int32_t r, int32_t out[4]) {
  ASprite* hud = SpriteInSlot(kHudSlot);
  GameStatics* s = S();
  if (!s->cGame_rectScratch || s->cGame_rectScratch->length < 4)
    s->cGame_rectScratch = NewIntArray(4);
  if (!hud) return false;
  IntArray* scratch = s->cGame_rectScratch;
  hud->getFrameRect(kRectFrame, r, scratch, 0);
  for (int32_t i = 0; i < 4; i++) out[i] = scratch->elements()[i];
  return true;
}

void Centre(const int32_t r[4], int32_t* x, int32_t* y) {
  *x = r[0] + r[2] / 2;
  *y = r[1] + r[3] / 2;
}

// The number as a String, with string constant 46 before it (the system's number texts).
String* Number(int32_t n) {
  return GetConstantString(kEmpty)->concat(String::valueOf(n));
}

String* TwoDigits(int32_t n) {
  return GetConstantString(n < 10 ? kZero : kEmpty)->concat(String::valueOf(n));
}

}  // namespace

// ---- The HUD's actors ------------------------------------------------------------------------

void cGame::createHudActors() {
  GameStatics* s = S();
  releaseHudActors();
  if (!s->cGame_hudTimeChars || s->cGame_hudTimeChars->length < kTimeChars) {
    s->cGame_hudTimeChars = NewCharArray(kTimeChars);
  }
  if (!s->cGame_comboThresholds) {
    s->cGame_comboThresholds = NewIntArray(std::size(kComboThresholds));
    for (size_t i = 0; i < std::size(kComboThresholds); i++) {
      s->cGame_comboThresholds->elements()[i] = kComboThresholds[i];
    }
  }
  if (s->cGame_levelType != kProgressType) {
    buildLevelLabel();
    s->cGame_hudStageText = s->cGame_levelLabel;
  } else {
    setStageNumberText(0);
  }
  s->cGame_hudProgress = 0;
  s->cGame_hudTimerBlink = 0;
  s->cGame_hudFrameActor = HudActor(0, 100);
  s->cGame_hudTimerActor = spawnActor(SpriteInSlot(kClockSlot), 0, 0, s->cGame_dangerLineY, 0, 200,
                                      kLoop, kClockLayer, 0);
  if (s->cGame_levelKind() == kBossLevel) {
    s->cGame_hudGoalFrameActor = HudActor(4, 200);
    s->cGame_hudGoalActor = HudActor(3, 300);
    int32_t r[4] = {0, 0, 0, 0};
    HudRect(kGoalRect, r);
    int32_t x = r[0] + (r[2] >> 2);
    const int32_t y = r[1] + (r[3] >> 1);
    if (!s->cGame_bossHealthIcons) s->cGame_bossHealthIcons = NewObjectArray(cid::Object, 3);
    for (int32_t i = 0; i < 3; i++) {
      s->cGame_bossHealthIcons->elements()[i] = HudActor(5, 400, x, y);
      x += r[2] >> 2;
    }
    setBossHealthIcons(s->cGame_bossIconCount);
    return;
  }
  switch (s->cGame_levelType) {
    case 4:
      s->cGame_hudGoalFrameActor = HudActor(4, 200);
      s->cGame_hudGoalActor = HudActor(1, 300);
      break;
    case 5:
    case 6:
    case 7:
      s->cGame_hudGoalFrameActor = HudActor(4, 200);
      s->cGame_hudGoalActor = HudActor(2, 300);
      break;
    case kProgressType:
      s->cGame_hudGoalFrameActor = HudActor(4, 200);
      break;
    default:
      break;
  }
}

void cGame::releaseHudActors() {
  GameStatics* s = S();
  Release(s->cGame_hudFrameActor);
  Release(s->cGame_hudTimerActor);
  Release(s->cGame_hudGoalFrameActor);
  Release(s->cGame_hudGoalActor);
  if (ObjectArray* icons = s->cGame_bossHealthIcons) {
    for (int32_t i = 0; i < icons->length; i++) {
      auto* icon = static_cast<cActor*>(icons->elements()[i]);
      if (icon && icon->state != cActor::kFree) cActor::release(icon);
      icons->elements()[i] = nullptr;
    }
  }
  s->cGame_hudStageText = nullptr;
}

// The reserved goal slots: no operation fills them, the loader empties them.
void cGame::releaseGoalActors() {
  GameStatics* s = S();
  Release(s->cGame_goalSlotActor);
  ObjectArray* lists[] = {s->cGame_goalSlotActorsA, s->cGame_goalSlotActorsB,
                          s->cGame_goalSlotActorsC};
  for (ObjectArray* list : lists) {
    if (!list) continue;
    for (int32_t i = 0; i < list->length; i++) {
      auto* a = static_cast<cActor*>(list->elements()[i]);
      if (a && a->state != cActor::kFree) cActor::release(a);
      list->elements()[i] = nullptr;
    }
  }
  s->cGame_goalSlotCount = 0;
  IntArray* valueLists[] = {s->cGame_goalSlotValuesA, s->cGame_goalSlotValuesB};
  for (IntArray* values : valueLists) {
    if (!values) continue;
    for (int32_t i = 0; i < values->length; i++) values->elements()[i] = 0;
  }
}

void cGame::setBossHealthIcons(int32_t n) {
  GameStatics* s = S();
  s->cGame_bossIconCount = n;
  ObjectArray* icons = s->cGame_bossHealthIcons;
  if (!icons) return;
  for (int32_t i = 0; i < 3 && i < icons->length; i++) {
    auto* icon = static_cast<cActor*>(icons->elements()[i]);
    if (icon) cActor::setVisible(icon, 3 - i <= n);
  }
}

void cGame::setBossHealthIconsAnim(bool hit) {
  ObjectArray* icons = S()->cGame_bossHealthIcons;
  if (!icons || icons->length < 3 || !icons->elements()[0]) return;
  for (int32_t i = 0; i < 3; i++) {
    auto* icon = static_cast<cActor*>(icons->elements()[i]);
    if (icon) cActor::setAnimation(icon, hit ? 6 : 5, kLoop, true);
  }
}

// ---- Every frame -----------------------------------------------------------------------------

// The clock flashes in palette 1 for 64 ms of every 128 while the board is in danger; a
// countdown past its end shows 00:00.
void cGame::updateHudTimer() {
  GameStatics* s = S();
  if (cActor* clock = s->cGame_hudTimerActor) {
    cActor::setPosition(clock, 0, s->cGame_dangerLineY);
    const bool lit =
        s->cGame_hudTimerBlink && !s->cGame_levelOver && (s->cGame_levelTime & 127) < 64;
    cActor::setPalette(clock, lit ? 1 : 0);
  }
  const int32_t t = s->cGame_levelCountdown
                        ? IntArray::get(s->cGame_levelParams, 3) - s->cGame_levelTime
                        : s->cGame_levelTime;
  const int32_t seconds = t / 1000;
  formatTimeChars(seconds > 0 ? seconds : 0, s->cGame_hudTimeChars);
  s->cGame_hudScore = s->cGame_score;
}

void cGame::paintHud() {
  GameStatics* s = S();
  Graphics* g = s->cGame_currentGraphics();
  int32_t r[4], x, y;
  if (!g || !HudRect(kLabelRect, r)) return;
  Centre(r, &x, &y);
  drawFontString(kHudFont, 0, s->cGame_hudStageText, x, y, kCentred);
  HudRect(kClockRect, r);
  Centre(r, &x, &y);
  if (ASprite* font = SpriteInSlot(kHudFont)) {
    if (font->paletteCount > 0) font->setCurrentPalette(0);
    if (s->cGame_hudTimeChars) drawChars(font, g, s->cGame_hudTimeChars, x, y, kCentred);
  }
  HudRect(kScoreRect, r);
  Centre(r, &x, &y);
  drawFontString(kHudFont, 0, formatNumber(s->cGame_hudScore, s->cGame_numberFormatKind), x, y,
                 kCentred);
  const int32_t type = s->cGame_levelType;
  HudRect(kGoalRect, r);
  if (type >= 4 && type <= 7) {
    Centre(r, &x, &y);
    drawFontString(kHudFont, 0, s->cGame_hudGoalText, x, y, kCentred);
  } else if (type == kProgressType) {
    const int32_t cx = g->getClipX(), cy = g->getClipY(), cw = g->getClipWidth(),
                  ch = g->getClipHeight();
    g->clipRect(r[0], r[1], JavaDiv(r[2] * s->cGame_hudProgress, 100), r[3]);
    if (ASprite* hud = SpriteInSlot(kHudSlot)) hud->paintFrame(g, kBarFrame, r[0], r[1], 0, 0, 0);
    g->setClip(cx, cy, cw, ch);
  }
}

// ---- The sliding banner ----------------------------------------------------------------------

void cGame::startSlidingBanner(int32_t x, int32_t y, bool fromBottom) {
  GameStatics* s = S();
  s->cGame_bannerFromBottom = fromBottom;
  s->cGame_bannerX = x << 8;
  if (fromBottom) {
    s->cGame_bannerY = s->cGame_screenHeight() << 8;
    s->cGame_bannerEndY = y << 8;
  } else {
    s->cGame_bannerY = y << 8;
    s->cGame_bannerEndY = s->cGame_screenHeight() << 8;
  }
  releaseBannerActor();
  s->cGame_bannerActor = spawnActor(SpriteInSlot(kBannerSlot), 1, (s->cGame_bannerX + 128) >> 8,
                                    (s->cGame_bannerY + 128) >> 8, s->cGame_levelUnlockItem, 1100,
                                    kLoop, kBannerLayer, 0);
}

// A rising banner stops at its end y until the phase machine releases it; a falling one goes
// in the first frame it passes the screen's bottom.
void cGame::updateSlidingBanner() {
  GameStatics* s = S();
  if (!s->cGame_bannerActor) return;
  const int32_t step =
      static_cast<int32_t>(static_cast<int64_t>(s->cGame_frameTime) * s->cGame_bannerSpeed / 1000);
  if (s->cGame_bannerFromBottom) {
    s->cGame_bannerY -= step;
    if (s->cGame_bannerY < s->cGame_bannerEndY) s->cGame_bannerY = s->cGame_bannerEndY;
  } else {
    s->cGame_bannerY += step;
    if (s->cGame_bannerY > s->cGame_bannerEndY) releaseBannerActor();
  }
  if (cActor* banner = s->cGame_bannerActor) {
    cActor::setPosition(banner, (s->cGame_bannerX + 128) >> 8, (s->cGame_bannerY + 128) >> 8);
  }
}

void cGame::releaseBannerActor() {
  Release(S()->cGame_bannerActor);
}

// ---- Streak label and meters -----------------------------------------------------------------

void cGame::showScoreLabel() {
  GameStatics* s = S();
  const int32_t k = findEvent(kScoreEvent);
  if (k >= 0 && (IntArray::get(s->cGame_eventQueue, k) & kKeepBit) == 0) removeEvent(k);
  if (k < 0 || s->cGame_levelOver || s->cGame_levelKind() == kLessonLevel ||
      s->cGame_popStreak < 2) {
    return;
  }
  IntArray* thresholds = s->cGame_comboThresholds;
  int32_t tier = thresholds ? thresholds->length : 0;
  for (int32_t i = 0; thresholds && i < thresholds->length; i++) {
    if (thresholds->elements()[i] > s->cGame_popStreak) {
      tier = i;
      break;
    }
  }
  spawnFloatingText(kFirstStreakText + tier, (s->cGame_landX + s->cGame_lastPopX) / 2,
                    (s->cGame_landY + s->cGame_lastPopY) / 2, kLabelLayer);
}

void cGame::setHudMeterAnims(bool won) {
  GameStatics* s = S();
  if (s->cGame_meterActor2) cActor::setAnimation(s->cGame_meterActor2, won ? 20 : 16, kLoop, true);
  const int32_t r = s->cGame_gameRandom() ? s->cGame_gameRandom()->nextInt() : 0;
  const int32_t pick = static_cast<int32_t>(std::llabs(static_cast<int64_t>(r)) % 2);
  if (s->cGame_meterActor)
    cActor::setAnimation(s->cGame_meterActor, won ? 8 : 5 + pick, kLoop, true);
  if (won && s->cGame_meterActor3) cActor::setAnimation(s->cGame_meterActor3, 2, kLoop, true);
}

void cGame::releaseHudMeterActors() {
  GameStatics* s = S();
  s->cGame_meterCount = s->cGame_meterCount2 = s->cGame_meterCount3 = s->cGame_meterCount4 = 0;
  Release(s->cGame_meterActor);
  Release(s->cGame_meterActor2);
  Release(s->cGame_meterActor3);
  Release(s->cGame_meterActor4);
}

// ---- HUD texts -------------------------------------------------------------------------------

// mm:ss with the minutes wrapping at 100; nothing written to a buffer of fewer than 5 chars.
void cGame::formatTimeChars(int32_t seconds, CharArray* out) {
  if (!out || out->length < kTimeChars) return;
  const int32_t m = seconds / 60, sec = seconds - 60 * m;
  char16_t* c = out->elements();
  c[0] = static_cast<char16_t>(u'0' + (m / 10) % 10);
  c[1] = static_cast<char16_t>(u'0' + m % 10);
  c[2] = u':';
  c[3] = static_cast<char16_t>(u'0' + (sec / 10) % 10);
  c[4] = static_cast<char16_t>(u'0' + sec % 10);
}

String* cGame::formatTime(int32_t seconds) {
  const int32_t m = seconds / 60, sec = seconds - 60 * m;
  String* text = TwoDigits(m)->concat(GetConstantString(kColon))->concat(TwoDigits(sec));
  S()->cGame_timeText = text;
  return text;
}

// goalTotal is the goal's total as the HUD shows it.
void cGame::setGoalCounterText(int32_t remaining) {
  GameStatics* s = S();
  s->cGame_hudGoalText = Number(s->cGame_goalTotal - remaining)
                             ->concat(GetConstantString(kGoalSeparator))
                             ->concat(String::valueOf(s->cGame_goalTotal));
}

void cGame::setStageNumberText(int32_t stage) {
  S()->cGame_hudStageText = Number(stage + 1);
}

// Main worlds "w-l"; the extra worlds number their levels 1..30 in one run; a world past
// them leaves the label as it was.
void cGame::buildLevelLabel() {
  GameStatics* s = S();
  const int32_t w = s->cGame_currentWorld, l = s->cGame_currentLevel;
  if (w < 8) {
    s->cGame_levelLabel = String::valueOf(w + 1)
                              ->concat(GetConstantString(kWorldLevelSeparator))
                              ->concat(String::valueOf(l + 1));
  } else if (w <= 10) {
    s->cGame_levelLabel = Number(10 * w + l - 79);
  }
}
