// The aim guide: up to ten dots along the path a shot would take from the muzzle, mirrored off
// the side walls and cut at the first bubble, bunch handle or the guide's top limit. Positions
// are 16.16 pixels; the dots slide forward 30 px every 312 ms so the guide looks alive. Also
// the lesson's light beam: the sector from the muzzle that a lesson step wants shot into.
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kShortGuide = 42, kLongGuide = 43;  // events
constexpr int32_t kLongDots = 10, kShortDots = 7;
constexpr int32_t kLongReach = 100, kShortReach = 80;  // per cent of the screen height
constexpr int32_t kSlideCycle = 312;                   // ms
constexpr int32_t kDotGap = 30;                        // px between dots, and the slide's reach
constexpr int32_t kFirstDot = 60;                      // px from the muzzle
constexpr int32_t kMuzzleRise = 76;                    // the muzzle stands this far above launcherY
constexpr int32_t kNearBubble = 37;                    // px, Manhattan
constexpr int32_t kSpecialColour = 7;                  // the dots' look for a special in the launcher

constexpr int32_t kLessonLevel = 2;  // levelVariant of a lesson
constexpr int32_t kBeamColour = static_cast<int32_t>(0x90fefe78u);
constexpr int32_t kBeamLength = 100;                 // px from the muzzle
constexpr int32_t kAngleToX = 512, kAngleToY = 768;  // the shot's direction, 1024 a turn

GameStatics* S() {
  return Statics<GameStatics>();
}

// Events 42 and 43 choose the short and the long guide; both in one frame leave the long one.
void GuideModeEvents(GameStatics* s) {
  if (cGame::consumeEvent(kShortGuide)) {
    s->cGame_aimGuideMode = 0;
    s->cGame_shotHasLanded = 1;
  }
  if (cGame::consumeEvent(kLongGuide)) {
    s->cGame_aimGuideMode = 1;
    s->cGame_shotHasLanded = 1;
  }
}

cActor* Dot(ObjectArray* dots, int32_t i) {
  return dots && i < dots->length ? CheckCast<cActor>(dots->elements()[i]) : nullptr;
}

}  // namespace

void cGame::updateShooterHud() {
  GameStatics* s = S();
  GuideModeEvents(s);
  s->cGame_aimGuideAngle = (s->cGame_aimAngle >> 16) + 512;
  if (s->cGame_aimGuideColour != s->cGame_currentColour) {
    s->cGame_aimGuideColour =
        s->cGame_currentColour < kSpecialColour ? s->cGame_currentColour : kSpecialColour;
  }
  const int32_t sn = sin1024(s->cGame_aimGuideAngle);
  const int32_t cs = sin1024(s->cGame_aimGuideAngle + 256);
  const bool longGuide = s->cGame_aimGuideMode == 1;
  const int32_t count = longGuide ? kLongDots : kShortDots;
  const int32_t top =
      s->cGame_launcherY - s->cGame_canvasHeight * (longGuide ? kLongReach : kShortReach) / 100;

  const int32_t offset = s->cGame_aimGuidePhase * kDotGap / kSlideCycle;
  s->cGame_aimGuidePhase += s->cGame_frameTime;
  if (s->cGame_aimGuidePhase >= kSlideCycle) s->cGame_aimGuidePhase %= kSlideCycle;

  const int32_t baseY = s->cGame_launcherShake < 1 ? s->cGame_launcherY : s->cGame_launcherAltY;
  int32_t x = (kFirstDot + offset) * sn + (s->cGame_launcherX << 16);
  int32_t y = (kFirstDot + offset) * cs + ((baseY - kMuzzleRise) << 16);
  int32_t dx = kDotGap * sn, dy = kDotGap * cs;

  ObjectArray* dots = s->cGame_aimGuideDots;
  bool blocked = false;
  for (int32_t i = 0; i < kLongDots; i++) {
    cActor* dot = Dot(dots, i);
    if (blocked || !s->cGame_aimGuideOn) {
      cActor::setVisible(dot, false);
      continue;
    }
    if (x < s->cGame_playLeft) {
      dx = -dx;
      x = 2 * s->cGame_playLeft - x;
    } else if (x > s->cGame_playRight) {
      dx = -dx;
      x = 2 * s->cGame_playRight - x;
    }
    if (!Bubble::isAnyNear(x, y, kNearBubble) && !hitTestBunches(x, y) && i < count &&
        (y >> 16) >= top) {
      cActor::setPosition(dot, x >> 16, y >> 16);
      cActor::setPalette(dot, s->cGame_aimGuideColour);
      cActor::setVisible(dot, true);
      x += dx;
      y += dy;
    } else {
      blocked = true;
      cActor::setVisible(dot, false);
    }
  }
}

// ---- The lesson's light beam ------------------------------------------------------------------

// The quad record's two values are the sector's edges, angles of 1024 a turn.
void cGame::paintLightBeams() {
  GameStatics* s = S();
  if (s->cGame_levelVariant != kLessonLevel || !s->cGame_quadFound) return;
  const int32_t x = s->cGame_launcherX, y = s->cGame_launcherY - kMuzzleRise;
  auto edgeX = [&](int32_t a) { return x + (kBeamLength * sin1024(a + kAngleToX) >> 16); };
  auto edgeY = [&](int32_t a) { return y + (kBeamLength * sin1024(a + kAngleToY) >> 16); };
  makeSolidPalette(kBeamColour);
  const int32_t a = s->cGame_quadValueC, b = s->cGame_quadValueD;
  fillTriangle(x, y, edgeX(a), edgeY(a), edgeX(b), edgeY(b));
}
