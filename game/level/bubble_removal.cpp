// Bubbles leaving play: a removed bubble swaps places with the last bubble in play, so the
// active list stays packed (entries 0 .. activeBubbleCount - 1 in play, the rest free).
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kKeyColour = 12;        // the colour that frees the indestructible bubbles
constexpr int32_t kIndestructibleGone = 24;

Bubble* ActiveAt(GameStatics* s, int32_t i) {
  ObjectArray* list = s->Bubble_activeBubbles;
  return list && i >= 0 && i < list->length ? CheckCast<Bubble>(list->elements()[i]) : nullptr;
}

}  // namespace

// index is the bubble's place in the active list; one outside the bubbles in play is traced
// and changes nothing.
void cGame::removeBubble(int32_t index) {
  GameStatics* s = Statics<GameStatics>();
  Bubble* bubble = ActiveAt(s, index);
  if (index < 0 || index >= s->Bubble_activeBubbleCount || !bubble) {
    DebugLog("cGame::removeBubble(): %d is no bubble in play (%d in play)", index,
             s->Bubble_activeBubbleCount);
    return;
  }
  s->Bubble_activeBubbleCount -= 1;
  if (bubble->colour == kKeyColour) postEvent(kIndestructibleGone);
  releaseSlotOf(bubble);
  objectOnBubbleRemoved(bubble);
  bubble->unlinkNeighbours();
  ObjectArray* list = s->Bubble_activeBubbles;
  const int32_t last = s->Bubble_activeBubbleCount;
  list->elements()[index] = list->elements()[last];
  list->elements()[last] = bubble;
  bubble->reset();
}

// A bubble swapped into a place already passed waits for the next call.
void cGame::removeFlaggedBubbles() {
  GameStatics* s = Statics<GameStatics>();
  for (int32_t i = 0; i < s->Bubble_activeBubbleCount; i++) {
    Bubble* bubble = ActiveAt(s, i);
    if (bubble && (bubble->flags & Bubble::kDead)) removeBubble(i);
  }
}
