// cGame's small helpers of the level: scoring, the result bonus, the stage bracket search, the
// reset of the level's counters and its two actors, the popup's fireworks, the trigger
// rules' bookkeeping, the held object of level type 3, and the HUD's meter and banner tests.
#include <algorithm>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace {

constexpr int32_t kPlaying = 9;  // the play phase in which points count
constexpr int32_t kTriggerRules = 50;
constexpr int32_t kHeldObjectLevel = 3;  // the level type with a held object

}  // namespace

// ---- Score ----------------------------------------------------------------------------------

bool cGame::addScore(int32_t points, bool force) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelOver && !s->cGame_levelWon) return false;
  if (s->cGame_playPhase != kPlaying && !force) return false;
  s->cGame_score += points;
  return true;
}

int32_t cGame::getResultBonus(int32_t newResult, int32_t oldResult) {
  const int32_t bonus = Statics<GameStatics>()->cGame_timeBonus;
  if (newResult <= oldResult) return -1;
  if (newResult == 2) return oldResult == 1 ? bonus / 2 : bonus;
  return newResult == 1 ? bonus / 2 : 0;
}

// A walk from the middle of the current stage's row toward v: the index of the first entry v
// lies below (and above the one before), or of an entry equal to v; 0 at either end. Each step
// moves one place, and a step back never follows a step on, so the walk ends.
int32_t cGame::findBracketIndex(bool flag, int32_t v) {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* stages = flag ? s->cGame_stageRowsB : s->cGame_stageRowsA;
  const int32_t stage = s->cGame_currentStage;
  if (!stages || stage < 0 || stage >= stages->length) return 0;
  ByteArray* row = CheckCast<ByteArray>(stages->elements()[stage]);
  if (!row) return 0;
  const int32_t n = row->length;
  const int8_t* values = row->elements();
  for (int32_t i = n / 2;;) {
    if (i <= 0 || i >= n) return 0;
    if (v < values[i]) {
      if (v > values[i - 1]) return i;
      i -= 1;
    } else {
      if (v == values[i]) return i;
      i += 1;
    }
  }
}

// ---- Resets ---------------------------------------------------------------------------------

void cGame::resetLevelStats() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_poppedBubbleCount = 0;
  s->cGame_droppedBubbleCount = 0;
  s->cGame_freedAttachmentCount = 0;
  s->cGame_chainAwardCount = 0;
  s->cGame_levelTime = 0;
  s->cGame_score = 0;
  s->cGame_levelOver = false;
  cActor::release(s->cGame_levelActorA);
  cActor::release(s->cGame_levelActorB);
  s->cGame_levelActorB = nullptr;
  clearHeldObject();
}

// The emitter is freed at once as well as silenced: a popup's fireworks are started without an
// owner, so the slot is free for the next emitter even when nothing updates the particles.
void cGame::stopPopupFireworks() {
  IntArray* slots = Statics<GameStatics>()->cGame_popupEmitters;
  for (int32_t i = 0; slots && i < slots->length; i++) {
    if (slots->elements()[i] == -1) continue;
    killEmitterParticles(slots->elements()[i]);
    clearEmitterWord4(slots->elements()[i]);
    slots->elements()[i] = -1;
  }
}

// Every condition bit set, no edge seen, and the rules in their own order.
void cGame::resetTriggerBookkeeping() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_triggerConditions = -1;
  s->cGame_triggerRising = s->cGame_triggerFalling = s->cGame_triggerPrevious = 0;
  // A timer latch of the last level would read as passed at the start of this one.
  s->cGame_triggerLatch = 0;
  IntArray* order = s->cGame_triggerOrder;
  for (int32_t k = 0; order && k < std::min(order->length, kTriggerRules); k++) {
    order->elements()[k] = k;
  }
}

// ---- The held object of level type 3 --------------------------------------------------------

void cGame::clearHeldObject() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelType != kHeldObjectLevel) return;
  s->cGame_heldObject = nullptr;
  s->cGame_heldObjectX = 0;
  s->cGame_heldObjectValue = 0;
}

void cGame::holdObject(Object* object, int32_t value) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelType != kHeldObjectLevel) return;
  s->cGame_heldObject = object;
  s->cGame_heldObjectX = s->cGame_launcherX;
  s->cGame_heldObjectValue = value;
}

// ---- HUD ------------------------------------------------------------------------------------

bool cGame::isMeterIdle() {
  return cActor::getAnim(Statics<GameStatics>()->cGame_meterActor) == 0;
}

bool cGame::isMeter2AtPose() {
  GameStatics* s = Statics<GameStatics>();
  return s->cGame_meterActor2 && cActor::getAnim(s->cGame_meterActor2) == s->cGame_meter2Pose;
}

bool cGame::isMeterFiring() {
  return cActor::getAnim(Statics<GameStatics>()->cGame_meterActor) == 1;
}

// Rising from the bottom it stops at bannerEndY; falling it goes on past it.
bool cGame::isBannerMoving() {
  GameStatics* s = Statics<GameStatics>();
  if (!s->cGame_bannerActor) return false;
  return s->cGame_bannerFromBottom ? s->cGame_bannerY > s->cGame_bannerEndY
                                   : s->cGame_bannerY < s->cGame_bannerEndY;
}

// The four HUD players take their sprites when they have none: slots 16 and 17 (swapped by
// hudOrderOption), 15 and 37; all stand at the bottom centre of the screen.
void cGame::initHudAnimPositions() {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* players = s->cGame_hudAnimPlayers;
  ObjectArray* sprites = s->cGame_spriteTable;
  const bool swapped = s->cGame_hudOrderOption != 0;
  const int32_t slots[4] = {swapped ? 17 : 16, swapped ? 16 : 17, 15, 37};
  for (int32_t i = 0; players && i < std::min(players->length, 4); i++) {
    MQLibPlayer* player = CheckCast<MQLibPlayer>(players->elements()[i]);
    if (!player) continue;
    if (!player->sprite && sprites && slots[i] < sprites->length) {
      player->setSprite(CheckCast<ASprite>(sprites->elements()[slots[i]]));
    }
    player->x = s->cGame_canvasWidth / 2;
    player->y = s->cGame_canvasHeight;
  }
}
