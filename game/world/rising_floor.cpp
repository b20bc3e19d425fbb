// Level type 3, the rising floor: after every levelParams[5] landed shots the floor, and the
// launcher standing on it, steps up by sceneryStep px once the shot's last pops are over. The
// launcher shakes over the two shots before a step; dust and ambient actors rise off the floor.
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/java_arith.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kSceneryType = 3;
constexpr int32_t kShotsParam = 5;  // levelParams[5]: landed shots per floor step
constexpr int32_t kSprite = 55;
constexpr int32_t kFloorAnimA = 0, kFloorAnimB = 3;
constexpr int32_t kFloorDepthA = 97, kFloorDepthB = 98;
constexpr int32_t kFirstDust = 4, kDustEnd = 37;  // animations 4 .. 36
constexpr int32_t kDustDepth = 98;
constexpr int32_t kDustPeriod = 50;  // ms
constexpr int32_t kFirstAmbient = 37, kAmbientEnd = 39;
constexpr int32_t kAmbientDepth = 200;
constexpr int32_t kAmbientMin = 3000, kAmbientMax = 10000;  // ms
constexpr int32_t kShortShake = 24, kLongShake = 36;        // frames
constexpr int32_t kGoalReached = 50;
constexpr int32_t kLessonKind = 2;
constexpr int32_t kLayer = 1;

cActor* FloorActor(int32_t anim, int32_t depth) {
  GameStatics* s = Statics<GameStatics>();
  return cGame::spawnActor(actor_support::SpriteInSlot(kSprite), 0, s->cGame_screenWidth() / 2,
                           s->cGame_screenHeight(), anim, depth, cActor::kModeLoop, kLayer, 0);
}

// One actor of sprite 55 that plays once and goes.
void Puff(int32_t y, int32_t anim, int32_t depth) {
  GameStatics* s = Statics<GameStatics>();
  cGame::spawnActor(actor_support::SpriteInSlot(kSprite), 0, s->cGame_screenWidth() / 2, y, anim,
                    depth, cActor::kModeOnce, kLayer, 0);
}

void StartShake(GameStatics* s, int32_t frames) {
  s->cGame_launcherAltY = s->cGame_launcherY;
  s->cGame_launcherShake = frames;
  s->cGame_launcherShakeSign = 1;
}

// The shakes over the last two shots before a step, and the step itself once enough shots
// have landed (the floor moves when the pops are over).
void CountShots(GameStatics* s) {
  const int32_t perStep = IntArray::get(s->cGame_levelParams, kShotsParam);
  if (s->cGame_shotLanded) {
    if (s->cGame_landedShotCount == perStep - 2) StartShake(s, kShortShake);
    if (s->cGame_landedShotCount == perStep - 1) StartShake(s, kLongShake);
  }
  if (s->cGame_landedShotCount >= perStep) {
    s->cGame_sceneryMoving = true;
    s->cGame_landedShotCount = 0;
    s->cGame_launcherShake = 0;
  }
}

// The floor's y this frame: sceneryY, one px up or down while the launcher shakes.
int32_t ShakenFloorY(GameStatics* s) {
  int32_t y = s->cGame_sceneryY;
  if (s->cGame_launcherShake > 0) {
    y += (s->cGame_launcherShake & 1) == 0 ? s->cGame_launcherShakeSign
                                           : -s->cGame_launcherShakeSign;
    s->cGame_launcherShake -= 1;
  }
  return y;
}

void PlaceOnFloor(GameStatics* s, int32_t y) {
  s->cGame_launcherY = y;
  cActor* meters[] = {s->cGame_meterActor, s->cGame_meterActor2, s->cGame_meterActor3,
                      s->cGame_meterActor4};
  for (cActor* meter : meters) {
    if (meter) cActor::setPosition(meter, cActor::getX(meter), y);
  }
  const int32_t x = s->cGame_screenWidth() / 2;
  if (s->cGame_sceneryActorA) cActor::setPosition(s->cGame_sceneryActorA, x, y);
  if (s->cGame_sceneryActorB) cActor::setPosition(s->cGame_sceneryActorB, x, y);
}

// Two dust actors each time the dust clock passes 50 ms; an ambient actor near the floor
// every 3 to 10 s.
void SpawnFloorEffects(GameStatics* s, int32_t y) {
  s->cGame_sceneryDustClock += s->cGame_frameTime;
  if (s->cGame_sceneryDustClock > kDustPeriod) {
    for (int32_t n = 0; n < 2; n++) Puff(y, cGame::getRandom(kFirstDust, kDustEnd), kDustDepth);
    s->cGame_sceneryDustClock = 0;
  }
  s->cGame_sceneryAmbientTimer -= s->cGame_frameTime;
  if (s->cGame_sceneryAmbientTimer < 0) {
    const int32_t h = s->cGame_screenHeight();
    const int32_t dy = cGame::getRandom(-(h >> 4), h >> 3);
    Puff(y + dy, cGame::getRandom(kFirstAmbient, kAmbientEnd), kAmbientDepth);
    s->cGame_sceneryAmbientTimer = cGame::getRandom(kAmbientMin, kAmbientMax);
  }
}

}  // namespace

// ---- The floor, once a frame -------------------------------------------------------------------

void cGame::updateMode3Scenery() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelType != kSceneryType || s->cGame_levelOver) return;
  if (!s->cGame_sceneryActorA) s->cGame_sceneryActorA = FloorActor(kFloorAnimA, kFloorDepthA);
  if (!s->cGame_sceneryActorB) s->cGame_sceneryActorB = FloorActor(kFloorAnimB, kFloorDepthB);
  if (s->cGame_allOnRowZero && s->cGame_levelKind() != kLessonKind) postEvent(kGoalReached);
  if (s->cGame_sceneryMoving && !Bubble::hasPendingEvents()) {
    s->cGame_sceneryMoving = false;
    s->cGame_gridRebuildRequested = true;
    s->cGame_sceneryY -= s->cGame_sceneryStep;
    DebugLog("floor step %d",
             JavaDiv(s->cGame_sceneryStartY - s->cGame_sceneryY, s->cGame_sceneryStep));
  }
  CountShots(s);
  const int32_t y = ShakenFloorY(s);
  PlaceOnFloor(s, y);
  if (y != s->cGame_sceneryPrevY) s->cGame_shotHasLanded = 1;
  s->cGame_sceneryPrevY = y;
  SpawnFloorEffects(s, y);
}
