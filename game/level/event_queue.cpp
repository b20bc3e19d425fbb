// The event queue: int[40] of event codes, the first eventCount of them live in posting order.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

void cGame::postEvent(int32_t code) {
  GameStatics* s = Statics<GameStatics>();
  IntArray* queue = s->cGame_eventQueue;
  if (!NullCheck(queue) || s->cGame_eventCount >= queue->length) return;
  queue->elements()[s->cGame_eventCount++] = code;
}
