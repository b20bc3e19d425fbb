// Level type 6, the timed drops: each drop of the level falls from above the screen at its time
// on the drop clock, taken in index order; dropCursor names the first drop not yet dropped and
// every drop before it has its time set to -1. A due drop that finds no free bunch slot keeps
// its time and falls in the first frame with one, so no drop is lost or dropped twice.
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kDropType = 6;
constexpr int32_t kHeldFrames = 2;      // the clock stands still over the first two frames
constexpr int32_t kDropVariant = 4;     // the anchor's look of a dropped bunch
constexpr int32_t kStartY = -28 << 16;  // 16.16: just above the screen
constexpr int32_t kLevelLost = 51;

// The drop at dropCursor into a free slot; false when every slot is taken.
bool DropNext(GameStatics* s) {
  const int32_t slot = cGame::findFreeBunchSlot();
  if (slot < 0) return false;
  cGame::spawnTimedDrop(slot, s->cGame_dropCursor);
  return true;
}

}  // namespace

// ---- The drops, once a frame -------------------------------------------------------------------

// An empty board brings the next drop at once, before its time. Then every drop whose time has
// come falls, in order (a negative time in the level record is due at once).
void cGame::updateTimedDrops() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelType != kDropType) return;
  s->cGame_dropClock += s->cGame_frameTime;
  if (s->cGame_levelFrames < kHeldFrames) s->cGame_dropClock = 0;
  if (!s->cGame_levelOver && s->cGame_goalRemaining > 0) {
    if (countBunches(false) == 0 && s->cGame_dropCursor < s->cGame_dropCount) DropNext(s);
    while (s->cGame_dropCursor < s->cGame_dropCount) {
      const int32_t time = IntArray::get(s->cGame_dropTime, s->cGame_dropCursor);
      if (time > s->cGame_dropClock || !DropNext(s)) break;
    }
    if (s->cGame_dropHealth < 1) postEvent(kLevelLost);
  }
  setGoalCounterText(s->cGame_goalRemaining);
}

// Drop i falls into bunch slot `slot` as a type-0 bunch at its x, keeping its bubbles' looks,
// at its fall speed (16.16 px/s); it is marked dropped and the cursor moves past it.
void cGame::spawnTimedDrop(int32_t slot, int32_t i) {
  GameStatics* s = Statics<GameStatics>();
  if (i < 0 || i >= s->cGame_dropCount) return;
  cGame_CBubbleBunch* bunch = getBunch(slot);
  if (!bunch) return;
  bunch->variant = kDropVariant;
  buildBunchFromTemplate(ByteArray::get(s->cGame_dropTemplate, i), slot,
                         IntArray::get(s->cGame_dropX, i) << 16, kStartY, 0, -1);
  bunch->fallSpeed = IntArray::get(s->cGame_dropValue, i) << 16;
  IntArray::set(s->cGame_dropTime, i, -1);
  s->cGame_dropCursor = i + 1;
  DebugLog("drop %d", i);
}
