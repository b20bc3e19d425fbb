// The event queue: int[40] of event codes, the first eventCount of them live in posting order.
// A code's low byte is its id (0: no event); bit 0x100 lets it be queued beside an entry of
// the same id, bit 0x200 keeps the entry queued when it is consumed. Entries match by id.
#include <algorithm>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kIdMask = 0xFF;
constexpr int32_t kAllowDuplicate = 0x100;
constexpr int32_t kKeep = 0x200;

// The live entries: eventCount, or fewer when the queue is shorter (or missing).
int32_t LiveEvents(GameStatics* s) {
  IntArray* queue = s->cGame_eventQueue;
  if (!queue) return 0;
  return s->cGame_eventCount < 0 ? 0 : std::min(s->cGame_eventCount, queue->length);
}

// Takes entry i off the queue unless its own word carries the keep bit.
void ConsumeEntry(int32_t i) {
  if (!(Statics<GameStatics>()->cGame_eventQueue->elements()[i] & kKeep)) cGame::removeEvent(i);
}

}  // namespace

// ---- Posting --------------------------------------------------------------------------------

// A full queue drops the code, whatever it is (the end events 50 and 51 too); the caller is
// not told.
void cGame::postEvent(int32_t code) {
  GameStatics* s = Statics<GameStatics>();
  IntArray* queue = s->cGame_eventQueue;
  if (!NullCheck(queue)) return;
  const int32_t live = LiveEvents(s);
  if (live >= queue->length) return;
  if ((code & kIdMask) == 0) return;
  if (!(code & kAllowDuplicate) && isEventQueued(code)) return;
  queue->elements()[live] = code;
  s->cGame_eventCount = live + 1;
}

// ---- Looking up and removing ----------------------------------------------------------------

int32_t cGame::findEvent(int32_t code) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t live = LiveEvents(s);
  for (int32_t i = 0; i < live; i++) {
    if ((s->cGame_eventQueue->elements()[i] & kIdMask) == (code & kIdMask)) return i;
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

bool cGame::isEventQueued(int32_t code) {
  return findEvent(code) >= 0;
}

// ---- Consuming ------------------------------------------------------------------------------

int32_t cGame::consumeEvent(int32_t code) {
  const int32_t i = findEvent(code);
  if (i < 0) return 0;
  ConsumeEntry(i);
  return 1;
}

// n past the list's end examines the list only.
int32_t cGame::consumeFirstEvent(ShortArray* list, int32_t n) {
  if (!NullCheck(list)) return -1;
  const int32_t count = std::min(n, list->length);
  for (int32_t k = 0; k < count; k++) {
    const int32_t i = findEvent(list->elements()[k]);
    if (i < 0) continue;
    ConsumeEntry(i);
    return k;
  }
  return -1;
}
