// The launcher's set-up at a level's load (its place, its three actors, the first two kinds)
// and the colour change of its preview bubbles, which applies the new colour part way
// through the change effect (event 48) and makes the launcher ready at its end (event 49).
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kMuzzleRise = 76, kDangerRise = 136;
constexpr int32_t kNextDx = 62, kNextDy = -66;
constexpr int32_t kAimLimit = 219 << 16;
constexpr int32_t kLauncherFrames = 51;
constexpr int32_t kShotSpeed = 800;  // px/s
constexpr int32_t kBubbleSlot = 25, kLauncherSlot = 36, kChangeSlot = 39;
constexpr int32_t kLoopMode = 20, kOnceMode = 10, kBubbleLayer = 1;
constexpr int32_t kNextDepth = 401, kCurrentDepth = 300, kLauncherDepth = 300;
constexpr int32_t kChangeDepth = 400;
constexpr int32_t kColourApplied = 48, kColourChangeEnd = 49, kAppliedFrame = 3;
constexpr int32_t kColourChange = 4, kSetUp = -1;

GameStatics* S() {
  return Statics<GameStatics>();
}

ASprite* Slot(int32_t slot) {
  ObjectArray* table = S()->cGame_spriteTable;
  if (!table || slot < 0 || slot >= table->length) return nullptr;
  return CheckCast<ASprite>(table->elements()[slot]);
}

cActor* Preview(StaticRef<cActor>& actor, int32_t depth) {
  cActor::release(actor);
  actor = cGame::spawnActor(Slot(kBubbleSlot), 0, 0, 0, 0, depth, kLoopMode, kBubbleLayer, 0);
  cActor::setVisible(actor, true);
  return actor;
}

// The change effect at (x, y); false when none could be shown (no free actor or no effect
// sprite), so the caller applies the colour at once and the launcher stays as it is: its
// colour-change state would wait for events that no effect posts.
bool ChangeEffect(int32_t x, int32_t y) {
  ASprite* sprite = Slot(kChangeSlot);
  if (!sprite) return false;
  cActor* effect = cGame::spawnActor(sprite, 0, x, y, 0, kChangeDepth, kOnceMode, kBubbleLayer,
                                     kColourChangeEnd);
  if (!effect) return false;
  effect->eventA = kColourApplied;
  effect->frameA = kAppliedFrame;
  S()->cGame_shooterState = kColourChange;
  return true;
}

}  // namespace

void cGame::resetLauncherPosition() {
  GameStatics* s = S();
  s->cGame_launcherX = s->cGame_canvasWidth >> 1;
  s->cGame_aimLimit = kAimLimit;
  s->cGame_launcherFrames = kLauncherFrames;
  s->cGame_launcherSprite = Slot(kLauncherSlot);
}

// The lockout of an earlier level does not carry into this one.
void cGame::createShooterActors() {
  GameStatics* s = S();
  s->cGame_dangerLineY = s->cGame_canvasHeight - kDangerRise;
  s->cGame_launcherY = s->cGame_canvasHeight;
  s->cGame_aimAngle = s->cGame_previousAimAngle = s->cGame_aimSpeed = 0;
  s->cGame_shotSpeed = kShotSpeed;
  s->cGame_shotCount = 0;
  s->cGame_rapidFireLockout = 0;
  Preview(s->cGame_nextBubbleActor, kNextDepth);
  Preview(s->cGame_currentBubbleActor, kCurrentDepth);
  cActor::release(s->cGame_launcherActor());
  s->cGame_launcherActor() =
      spawnActor(s->cGame_launcherSprite, 0, s->cGame_launcherX, s->cGame_launcherY - kMuzzleRise,
                 0, kLauncherDepth, kLoopMode, kBubbleLayer, 0);
  cActor::pauseAnimation(s->cGame_launcherActor());
  s->cGame_shooterState = kSetUp;
  s->cGame_nextColour = chooseNextBubbleColor();
  advanceBubbleQueue();
  s->cGame_sinceFireRequest = 0;
  s->cGame_quickShots = 0;
}

void cGame::changeCurrentBubble(int32_t colour) {
  GameStatics* s = S();
  s->cGame_pendingCurrentColour = colour;
  if (ChangeEffect(s->cGame_launcherX, s->cGame_launcherY - kMuzzleRise)) return;
  s->cGame_currentColour = colour;
  cActor::setAnimation(s->cGame_currentBubbleActor, colour, kLoopMode, true);
}

void cGame::changeNextBubble(int32_t colour) {
  GameStatics* s = S();
  s->cGame_pendingNextColour = colour;
  if (ChangeEffect(s->cGame_launcherX + kNextDx, s->cGame_launcherY + kNextDy)) return;
  s->cGame_nextColour = colour;
  cActor::setAnimation(s->cGame_nextBubbleActor, colour, kLoopMode, true);
}
