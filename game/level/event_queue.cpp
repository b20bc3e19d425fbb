// The event queue: int[40] of event codes, the first eventCount of them live in posting order.
#include <algorithm>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

void cGame::postEvent(int32_t code) {
  GameStatics* s = Statics<GameStatics>();
  IntArray* queue = s->cGame_eventQueue;
  if (!NullCheck(queue) || s->cGame_eventCount >= queue->length) return;
  queue->elements()[s->cGame_eventCount++] = code;
}

// The live entries: eventCount, or fewer when the queue is shorter (or missing).
namespace {

int32_t LiveEvents(GameStatics* s) {
  IntArray* queue = s->cGame_eventQueue;
  if (!queue) return 0;
  return s->cGame_eventCount < 0 ? 0 : std::min(s->cGame_eventCount, queue->length);
}

}  // namespace

int32_t cGame::findEvent(int32_t code) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t live = LiveEvents(s);
  for (int32_t i = 0; i < live; i++) {
    if ((s->cGame_eventQueue->elements()[i] & 0xFF) == (code & 0xFF)) return i;
  }
  return -1;
}

// An index outside the live entries changes nothing: the queue keeps its count and its last
// event.
void cGame::removeEvent(int32_t i) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t live = LiveEvents(s);
  if (i < 0 || i >= live) return;
  int32_t* events = s->cGame_eventQueue->elements();
  std::copy(events + i + 1, events + live, events + i);
  s->cGame_eventCount = live - 1;
}
