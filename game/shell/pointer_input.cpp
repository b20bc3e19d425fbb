// The stylus: the callbacks keep the press, current and release positions, the latch at the end
// of each frame turns a release into that frame's tap, and the hit tests and the touch list
// mapping read them. Positions are screen pixels, -1 none.
//
// The press, current and release positions and the two pointer flags are shared with the
// platform thread: both sides read and write them under the input lock, so a latched tap's x
// and y always belong to one release. The tap and the touch actions are the game thread's.
#include <algorithm>
#include <cstdlib>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/input_lock.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kNoPosition = -1;
constexpr int32_t kScreenBottom = 800;
constexpr int32_t kAboveLineMargin = 20;  // pixels below the danger line that still count

struct Point {
  int32_t x, y;
};

Point PressPosition(GameStatics* s) {
  InputGuard guard;
  return {s->cGame_pointerPressX, s->cGame_pointerPressY};
}

Point CurrentPosition(GameStatics* s) {
  InputGuard guard;
  return {s->cGame_pointerX, s->cGame_pointerY};
}

// Inclusive on all four edges: [x, x + w] by [y, y + h].
bool InRect(Point p, int32_t x, int32_t y, int32_t w, int32_t h) {
  return p.x >= x && p.x <= int64_t{x} + w && p.y >= y && p.y <= int64_t{y} + h;
}

// Input comes only while the key arrays exist: after startUp, before the run loop ends.
bool Accepting(GameStatics* s) {
  return s->cGame_keysLive != nullptr;
}

// Whether x lies within reach of the row's item, whose x is element 2 row of
// listItemPositions; a row without an item is never in reach.
bool ItemInReach(GameStatics* s, int32_t row, int32_t x) {
  IntArray* items = s->cGame_listItemPositions;
  if (row < 0 || !items || int64_t{row} * 2 >= items->length) return false;
  return std::llabs(int64_t{x} - items->elements()[row * 2]) <= cGame::kListItemReach;
}

}  // namespace

// ---- Callbacks (platform thread) --------------------------------------------------------------

void cGame::pointerPressed(int32_t x, int32_t y) {
  GameStatics* s = Statics<GameStatics>();
  InputGuard guard;
  if (!Accepting(s)) return;
  s->cGame_pointerPressX = x;
  s->cGame_pointerPressY = y;
  s->cGame_pointerX = x;
  s->cGame_pointerY = y;
}

void cGame::pointerReleased(int32_t x, int32_t y) {
  GameStatics* s = Statics<GameStatics>();
  InputGuard guard;
  if (!Accepting(s)) return;
  s->cGame_pointerReleaseX = x;
  s->cGame_pointerReleaseY = y;
  s->cGame_pointerDragging = false;
  s->cGame_pointerReleased = true;
}

// A move of less than kDragDistance pixels from the press, in x and in y, is still a tap.
void cGame::pointerDragged(int32_t x, int32_t y) {
  GameStatics* s = Statics<GameStatics>();
  InputGuard guard;
  if (!Accepting(s)) return;
  s->cGame_pointerX = x;
  s->cGame_pointerY = y;
  if (!s->cGame_pointerDragging &&
      (std::llabs(int64_t{s->cGame_pointerPressX} - x) >= kDragDistance ||
       std::llabs(int64_t{s->cGame_pointerPressY} - y) >= kDragDistance)) {
    s->cGame_pointerDragging = true;
  }
}

// ---- Latch (game thread) ----------------------------------------------------------------------

// So a tap is seen in exactly one frame, the one after its release; a touch action injected in
// a frame is seen by every query of that frame and cleared after it, once something read it.
void cGame::latchPointer() {
  GameStatics* s = Statics<GameStatics>();
  {
    InputGuard guard;
    if (s->cGame_pointerReleased) {
      s->cGame_pointerPressX = kNoPosition;
      s->cGame_pointerPressY = kNoPosition;
      s->cGame_pointerX = kNoPosition;
      s->cGame_pointerY = kNoPosition;
      s->cGame_pointerReleased = false;
    }
    s->cGame_tapX = s->cGame_pointerReleaseX;
    s->cGame_tapY = s->cGame_pointerReleaseY;
    s->cGame_pointerReleaseX = kNoPosition;
    s->cGame_pointerReleaseY = kNoPosition;
  }
  if (s->cGame_touchActionTaken) {
    s->cGame_touchAction = kNoTouchAction;
    s->cGame_touchSoftKey = kNoTouchAction;
    s->cGame_touchActionTaken = false;
  }
}

// ---- Hit tests --------------------------------------------------------------------------------

bool cGame::isTapPressedInRect(int32_t x, int32_t y, int32_t w, int32_t h) {
  return InRect(PressPosition(Statics<GameStatics>()), x, y, w, h);
}

bool cGame::isTapReleasedInRect(int32_t x, int32_t y, int32_t w, int32_t h) {
  GameStatics* s = Statics<GameStatics>();
  return InRect({s->cGame_tapX, s->cGame_tapY}, x, y, w, h);
}

bool cGame::isPointerInRect(int32_t x, int32_t y, int32_t w, int32_t h) {
  return InRect(CurrentPosition(Statics<GameStatics>()), x, y, w, h);
}

bool cGame::isTapReleasedOnScreen() {
  const int32_t y = Statics<GameStatics>()->cGame_tapY;
  return y >= 0 && y <= kScreenBottom;
}

bool cGame::isTapReleasedAboveLine() {
  GameStatics* s = Statics<GameStatics>();
  return s->cGame_tapY >= 1 && s->cGame_tapY < int64_t{s->cGame_dangerLineY} + kAboveLineMargin;
}

// ---- Touch lists ------------------------------------------------------------------------------

// Only rows that both arrays hold are searched; x is not used.
int32_t cGame::findListRowAt(int32_t, int32_t y, IntArray* tops, IntArray* bottoms) {
  if (!tops || !bottoms) return -1;
  int32_t lo = 0;
  int32_t hi = std::min(tops->length, bottoms->length) - 1;
  while (lo <= hi) {
    const int32_t mid = lo + (hi - lo) / 2;
    if (tops->elements()[mid] <= y) {
      if (y <= bottoms->elements()[mid]) return mid;
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  return -1;
}

int32_t cGame::touchHighlightListItem() {
  GameStatics* s = Statics<GameStatics>();
  const Point p = CurrentPosition(s);
  const int32_t row = findListRowAt(p.x, p.y, s->cGame_listRowTops, s->cGame_listRowBottoms);
  if (ItemInReach(s, row, p.x)) s->cGame_menuSelection = row;
  return row;
}

int32_t cGame::touchSelectListItem() {
  GameStatics* s = Statics<GameStatics>();
  const Point tap = {s->cGame_tapX, s->cGame_tapY};
  const int32_t row = findListRowAt(tap.x, tap.y, s->cGame_listRowTops, s->cGame_listRowBottoms);
  if (ItemInReach(s, row, tap.x)) {
    s->cGame_touchAction = kTouchSelect;
    s->cGame_touchListSelect = true;
  }
  return row;
}
