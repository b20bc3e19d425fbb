// The bubble update: the shot flies in 5 ms sub-steps, bouncing off the side walls, with a
// swept hit test per sub-step that hands a contact to the landing; free flyers fall; bunch
// bubbles follow their cells and end the level past the danger line. Positions are 16.16
// pixels, velocities 16.16 px/s, hit sides and wall-spark angles 1024 units per turn.
#include <algorithm>
#include <cstdlib>

#include "engine/sprite.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/java_arith.h"

namespace {

constexpr int32_t kOffScreen = 37;           // px past an edge: the bubble is gone
constexpr int32_t kPiercing = 28;            // the shot that pops what it passes
constexpr double kFallGravity = 26738688.0;  // 408 px/s^2
constexpr int32_t kWallSound = 17;
constexpr int32_t kSparkReach = 30;  // px from the wall to the second spark
constexpr int32_t kSparkMode = 10;   // plays once and releases itself
constexpr int32_t kSparkLayer = 1;
constexpr int32_t kLevelLost = 51;
constexpr int32_t kBossLevel = 3;
constexpr int32_t kLessonLevel = 2;
constexpr int32_t kGoalLevelType = 6;
constexpr int32_t kFloatingBunch = 15;  // a bunch that never crosses the danger line
// The swept test: the grid window, the reach of a candidate and the sides a row >= 0 bubble
// of a type-0 bunch lets a shot graze.
constexpr int32_t kSweepWindow = 8;
constexpr int32_t kSweepReach = 42;
constexpr int64_t kSweepReach2 = 1296;  // 36 px squared
constexpr int32_t kSideArc = 170;       // 1024 / 6, rounded down
constexpr int32_t kTurn1024 = 1024;

// Sub-steps of one frame: one per 5 ms of flight, at least one.
int32_t SubSteps(int32_t dt) {
  return std::max(1, JavaDiv(JavaDiv(dt * 800, 1000), 4));
}

int32_t Step(int32_t v, int32_t dt, int32_t n) {
  return JavaDiv(JavaDiv(v, 1000) * dt, n);
}

// A bunch angle (8.8 degrees) taken to the nearest whole degree, in 1024 units per turn.
int32_t AngleIn1024(int32_t angle) {
  return static_cast<int32_t>(int64_t{(angle + 128) >> 8} * kTurn1024 / 360);
}

// The shot's gravity, in double arithmetic and truncated as the device converts.
int32_t Fallen(int32_t vy, int32_t dt) {
  return JavaD2I(vy + kFallGravity * dt / 1000.0);
}

}  // namespace

// ---- The shot -----------------------------------------------------------------------------

namespace {

// Two sparks at the wall the shot bounced off: one on the wall, one 30 px from it along the
// direction the shot came in (a from its velocity before the bounce).
void WallSparks(Bubble* shot, bool leftWall, int32_t stepBefore) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelType == 2 || s->cGame_levelType == 3) return;
  const int32_t wallX =
      leftWall ? s->cGame_playLeftPx : s->cGame_canvasWidth - s->cGame_playRightMarginPx;
  const int32_t y = shot->pixelY;
  cGame::spawnActor(s->cGame_wallHitSprite, 0, wallX, y, 0, 0, kSparkMode, kSparkLayer, 0);
  const int32_t a = cGame::atan2To1024(shot->vy, stepBefore);
  const int32_t dx = (kSparkReach * cGame::sin1024(a + 256)) >> 16;
  const int32_t dy = (-kSparkReach * cGame::sin1024(a + 512)) >> 16;
  cGame::spawnActor(s->cGame_wallHitSprite, 0, wallX + dx, y + dy, 1, 0, kSparkMode, kSparkLayer,
                    0);
}

// The side walls reflect the shot; each bounce sounds, and the first of a shot is counted.
void BounceOffWalls(Bubble* shot, int32_t* sx) {
  GameStatics* s = Statics<GameStatics>();
  const bool left = shot->x < s->cGame_playLeft;
  if (!left && shot->x <= s->cGame_playRight) return;
  const int32_t wall = left ? s->cGame_playLeft : s->cGame_playRight;
  const int32_t stepBefore = *sx;
  shot->x += (wall - shot->x) * 2;
  shot->vx = -shot->vx;
  *sx = -*sx;
  shot->faceByVelocity();
  s->cGame_wallBounced = 1;
  if (!(shot->flags & Bubble::kWallBounceCounted)) {
    s->cGame_wallBounceCount += 1;
    shot->flags |= Bubble::kWallBounceCounted;
  }
  cGame::playSfx(kWallSound);
  WallSparks(shot, left, stepBefore);
}

// The piercing shot reflects off an indestructible bubble about the line from the contact
// to the bubble's centre, at the launcher's speed; angles in the 256-step circle.
void Reflect(Bubble* shot, Bubble* hit, int32_t dt, int32_t n, int32_t* sx, int32_t* sy) {
  GameStatics* s = Statics<GameStatics>();
  shot->x = s->Bubble_contactX;
  shot->y = s->Bubble_contactY;
  const int32_t a1 = cGame::fixAtan2(hit->pixelX - (shot->x >> 16), hit->pixelY - (shot->y >> 16));
  const int32_t a2 = cGame::fixAtan2(shot->vx >> 16, shot->vy >> 16);
  const int32_t full = s->cGame_fixFull;
  int32_t d = a2 - a1;
  if (d > full / 2) d -= full;
  if (d < -full / 2) d += full;
  const int32_t b = s->cGame_fixHalf - 2 * d + a2;
  shot->vx = JavaShl(cGame::fixCos(b) * s->cGame_shotSpeed, 8);
  shot->vy = JavaShl(cGame::fixCos(s->cGame_fixQuarter - b) * s->cGame_shotSpeed, 8);
  *sx = Step(shot->vx, dt, n);
  *sy = Step(shot->vy, dt, n);
  shot->faceByVelocity();
}

}  // namespace

// One sub-step of the shot; false when the update ends here (landed, or caught by a carrier).
bool Bubble::shotSubStep(int32_t dt, int32_t n, int32_t* sx, int32_t* sy) {
  GameStatics* s = Statics<GameStatics>();
  x += *sx;
  y += *sy;
  BounceOffWalls(this, sx);
  if (y > 0 && sweepCollide(x, y, *sx, *sy)) {
    Bubble* hit = s->Bubble_hitBubble;
    if (colour != kPiercing) {
      s->cGame_shotLanded = true;
      cGame::onBubbleLanded(this, hit, hit->bunch, s->Bubble_hitSide, 0, 0);
      s->Bubble_lastPiercedBubble = hit;
      return false;
    }
    if (!hit->isIndestructible()) {
      hit->schedulePop(0, false);
    } else if (hit != s->Bubble_lastPiercedBubble) {
      Reflect(this, hit, dt, n, sx, sy);
    }
    s->Bubble_lastPiercedBubble = hit;
  } else {
    s->Bubble_lastPiercedBubble = nullptr;
    if (!cGame::hitTestBunches(x, y)) {
      if (cGame::shotHitsType5Bunch(x, y)) {
        vx = vy = 0;
        flags |= kFreeFlyer;
        bunch = kLoose;
        return false;
      }
    } else {
      if (colour != kPiercing) schedulePop(0, true);
      cGame::hitBunchHandle(s->cGame_hitBunch, s->cGame_hitHandle, colour);
    }
  }
  syncPixelFromPosition();
  if (s->cGame_levelKind() == kBossLevel) {
    cGame::bossHitByBubble(this);
    cGame::bossKind3WeakPointHit(this);
  } else if (s->cGame_levelType == 4) {
    cGame::bubbleHitsType4Object(this);
  }
  cGame::bubbleHitsFlyer(this);
  cGame::bubbleHitsWalker(this);
  return true;
}

// False when the shot landed or was caught: the update ends with it.
bool Bubble::flyShot(int32_t dt) {
  GameStatics* s = Statics<GameStatics>();
  flags |= kMoved | kNeedsRepaint;
  s->cGame_shotColour = colour;
  if (flags & kFreeFlyer) vy = Fallen(vy, dt);
  const int32_t n = SubSteps(dt);
  int32_t sx = Step(vx, dt, n), sy = Step(vy, dt, n);
  for (int32_t k = 0; bunch == kFlyingShot && popTimer < 0 && k < n; k++) {
    if (!shotSubStep(dt, n, &sx, &sy)) return false;
  }
  if (pixelY > s->cGame_bandTop) s->cGame_shotSide = vx < 1 ? 3 : 0;
  return true;
}

// ---- The update ---------------------------------------------------------------------------

namespace {

bool OffScreen(const Bubble* b) {
  GameStatics* s = Statics<GameStatics>();
  return b->pixelX < -kOffScreen || b->pixelX > s->cGame_canvasWidth + kOffScreen ||
         b->pixelY < -kOffScreen || b->pixelY > s->cGame_canvasHeight + kOffScreen;
}

// A bunch bubble below the danger line ends the level, or in level type 6 reaches the goal,
// or in a lesson shows the next line; not while the board settles after a landing.
void DangerLine(Bubble* b) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelOver || b->bunch < 0 || s->cGame_settleTimer >= 1) return;
  if (b->pixelY <= s->cGame_dangerLineY) return;
  cGame_CBubbleBunch* bunch = cGame::getBunch(b->bunch);
  if (!bunch || bunch->type == kFloatingBunch) return;
  if (s->cGame_levelKind() == kBossLevel) {
    cGame::postEvent(kLevelLost);
  } else if (s->cGame_levelType == kGoalLevelType) {
    cGame::bubbleReachedGoal(b);
  } else if (s->cGame_levelKind() == kLessonLevel) {
    cGame::showNextCharacterLine();
  } else {
    cGame::postEvent(kLevelLost);
  }
}

}  // namespace

// A shot or free bubble is dead once it is 37 px off the screen; a shot is counted lost the
// frame it dies. A bubble already dead waits for its removal and does nothing, so neither a
// lost shot nor a pop is counted twice.
void Bubble::update() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t dt = s->cGame_frameTime;
  bunchBefore = bunch;
  if (flags & kDead) return;
  if ((bunch == kFlyingShot || bunch == kLoose) && OffScreen(this)) {
    if (bunch == kLoose) {
      flags |= kDead;
      return;
    }
    if (colour != kPiercing) {
      s->Bubble_shotLost = 1;
      s->Bubble_lostShotCount += 1;
    }
    flags |= kDead;
  }
  if (bunch == kFlyingShot) {
    if (!flyShot(dt)) return;
  } else {
    if (bunch < 0) {
      x += JavaDiv(vx, 1000) * dt;
      y += JavaDiv(vy, 1000) * dt;
      if (flags & kFreeFlyer) vy = Fallen(vy, dt);
    } else {
      updateBunchPosition();
    }
    syncPixelFromPosition();
    DangerLine(this);
    if (pixelX != prevPixelX || pixelY != prevPixelY) {
      s->cGame_bubblesMoved += 1;
      s->cGame_bubbleUpdateStart += 1;
      flags |= kMoved | kNeedsRepaint;
    }
  }
  if (popTimer > 0) {
    popTimer = std::max(0, popTimer - dt);
  } else if (popTimer == 0) {
    popNow();
  }
  stepAppearance();
}

void Bubble::stepAppearance() {
  if (changeSteps <= 0) return;
  const int32_t before = changeDelay;
  changeDelay -= 1;
  if (before < 1) {
    changeSteps -= 1;
    flags |= kNeedsRepaint;
  }
  if (changeSteps > 0) Statics<GameStatics>()->Bubble_bubblesChanged = 1;
}

// ---- The swept hit test -------------------------------------------------------------------

// The side counts from the right round the bubble in sixths (0 right, 1 down-right, ...),
// measured in the candidate's bunch, whose angle is taken off modulo a whole turn so the side
// stays 0..5 however far the bunch has turned.
bool Bubble::sweepCollide(int32_t x, int32_t y, int32_t dx, int32_t dy) {
  GameStatics* s = Statics<GameStatics>();
  queryGridAt(x, y, kSweepWindow);
  const int32_t px = x >> 16, py = y >> 16;
  for (int32_t i = 0; i < s->Bubble_nearBubbleCount; i++) {
    auto* c = static_cast<Bubble*>(s->Bubble_nearBubbles->elements()[i]);
    if (!c || c->bunch < 0 || c->popTimer >= 0) continue;
    const int64_t ox = int64_t{c->pixelX} - px, oy = int64_t{c->pixelY} - py;
    if (std::llabs(ox) > kSweepReach || std::llabs(oy) > kSweepReach) continue;
    if (ox * ox + oy * oy >= kSweepReach2) continue;
    const int32_t m = static_cast<int32_t>(std::max(std::llabs(dx), std::llabs(dy)) >> 16);
    if (m < 1) continue;
    cGame_CBubbleBunch* bunch = cGame::getBunch(c->bunch);
    if (!bunch) continue;
    const int32_t incX = dx / m, incY = dy / m;
    int32_t wx = x - dx, wy = y - dy;
    for (int32_t j = 0; j < m; j++, wx += incX, wy += incY) {
      if (!c->isTouching(wx >> 16, wy >> 16)) continue;
      int32_t a = cGame::atan2To1024((wy >> 16) - c->pixelY, (wx >> 16) - c->pixelX);
      if (bunch->angle != 0) a -= AngleIn1024(bunch->angle);
      a = ((a % kTurn1024) + kTurn1024) % kTurn1024;
      const int32_t side = ((a + kSideArc / 2) / kSideArc) % kDirections;
      const bool grazes = bunch->type == 0 && !(bunch->handleCount < 1 && bunch->hadHandles) &&
                          c->row >= 0 && (side == 4 || side == 5);
      if (grazes) continue;
      s->Bubble_hitBubble = c;
      s->Bubble_hitSide = side;
      s->Bubble_contactX = wx;
      s->Bubble_contactY = wy;
      return true;
    }
  }
  return false;
}

// ---- Facing -------------------------------------------------------------------------------

void Bubble::faceByVelocity() {
  const int64_t a = std::llabs(int64_t{vy});
  if (vx < 0) {
    direction = -int64_t{vx} > a ? 3 : vy < 0 ? 4 : 2;
  } else if (vx > 0) {
    direction = vx > a ? 0 : vy < 0 ? 5 : 1;
  } else if (cGame::rand(2) == 0) {
    direction = vy < 0 ? 4 : 2;
  } else {
    direction = vy < 0 ? 5 : 1;
  }
}
