// Keys: device key codes mapped to game keys 0..19, the live state per game key that the
// platform thread's callbacks write, and the latch that copies it once a frame for the game to
// read. A state is a signed byte: 0 up, 1 went down since the last latch, n held for n latches
// (up to 126), -n released after n, seen for one latch.
//
// Both key arrays are read and written only under the input lock; the callbacks map their code
// (which allocates) before they take it. Without the arrays (before startUp, after the run
// loop) the callbacks do nothing.
#include <algorithm>
#include <iterator>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/input_lock.h"
#include "game/shell/shared_statics.h"
#include "javame/boxed.h"
#include "javame/hashtable.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/system.h"

namespace {

constexpr int32_t kKeyTableBuckets = 11;  // threshold 8

struct KeyMapping {
  int32_t code, gameKey;
};
// Digits, '#', '*' and the soft keys, put in this order.
constexpr KeyMapping kDigitKeys[] = {{48, 6},  {49, 7},  {50, 1},  {51, 9}, {52, 3},
                                     {53, 5},  {54, 4},  {55, 13}, {56, 2}, {57, 15},
                                     {35, 17}, {42, 16}, {-6, 18}, {-7, 19}};
// The MIDP codes of fire and the four directions.
constexpr KeyMapping kDirectionKeys[] = {{-5, 5}, {-1, 1}, {-2, 2}, {-3, 3}, {-4, 4}};

void Fill(java_util_Hashtable* table, const KeyMapping* mapping, const KeyMapping* end) {
  if (!NullCheck(table)) return;
  for (; mapping != end; mapping++) {
    table->put(NewObject<java_lang_Integer>(mapping->code),
               NewObject<java_lang_Integer>(mapping->gameKey));
  }
}

// The game key's value in the table, or -1 when the table does not hold the code.
int32_t Lookup(java_util_Hashtable* table, java_lang_Integer* code) {
  if (!NullCheck(table)) return -1;
  Object* value = table->get(code);
  auto* key = CheckCast<java_lang_Integer>(value);
  return key ? key->intValue() : -1;
}

// The first game key 0..19 whose latched state satisfies pick, or -1.
template <class Pick>
int32_t FirstLatched(Pick pick) {
  GameStatics* s = Statics<GameStatics>();
  InputGuard guard;
  ByteArray* latched = s->cGame_keysLatched;
  if (!NullCheck(latched)) return -1;
  for (int32_t k = 0; k < cGame::kGameKeyCount; k++) {
    if (pick(ByteArray::get(latched, k))) return k;
  }
  return -1;
}

int32_t LatchedState(int32_t k) {
  InputGuard guard;
  return ByteArray::get(Statics<GameStatics>()->cGame_keysLatched, k);
}

// A touch action injected this frame answers before any key; reading it marks it taken.
bool TouchActionPending(GameStatics* s) {
  return s->cGame_touchAction != cGame::kNoTouchAction;
}

int32_t TakeTouchAction(GameStatics* s) {
  s->cGame_touchActionTaken = true;
  return s->cGame_touchAction;
}

// A callback's change of its key's live state: the code is mapped first (that allocates),
// then change(statics, state) gives the new state under the input lock. Nothing happens
// without the key arrays.
template <class Change>
void ChangeLiveState(int32_t code, Change change) {
  GameStatics* s = Statics<GameStatics>();
  {
    InputGuard guard;
    if (!s->cGame_keysLive) return;
  }
  const int32_t k = cGame::mapKeyCode(code);
  InputGuard guard;
  ByteArray* live = s->cGame_keysLive;
  if (live) ByteArray::set(live, k, change(s, ByteArray::get(live, k)));
}

}  // namespace

// ---- Key tables -------------------------------------------------------------------------------

void cGame::createKeyTables() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_keyTableDigits = NewObject<java_util_Hashtable>(kKeyTableBuckets);
  s->cGame_keyTableDirections = NewObject<java_util_Hashtable>(kKeyTableBuckets);
}

void cGame::initKeyMap() {
  createKeyTables();
  GameStatics* s = Statics<GameStatics>();
  Fill(s->cGame_keyTableDigits, std::begin(kDigitKeys), std::end(kDigitKeys));
  Fill(s->cGame_keyTableDirections, std::begin(kDirectionKeys), std::end(kDirectionKeys));
}

int32_t cGame::mapKeyCode(int32_t code) {
  GameStatics* s = Statics<GameStatics>();
  auto* boxed = NewObject<java_lang_Integer>(code);
  int32_t key = Lookup(s->cGame_keyTableDigits, boxed);
  if (key < 0) key = Lookup(s->cGame_keyTableDirections, boxed);
  return key < 0 ? 0 : key;
}

// ---- Callbacks (platform thread) --------------------------------------------------------------

// A key that is already down stays as it is: the device's key repeat is ignored.
void cGame::keyPressed(int32_t code) {
  ChangeLiveState(code, [code](GameStatics* s, int32_t state) {
    s->cGame_lastKeyCode = code;
    if (state > 0) return state;
    return std::min(std::max(state, 0) + 1, int32_t{kKeyHeldMost});
  });
}

void cGame::keyReleased(int32_t code) {
  ChangeLiveState(code, [](GameStatics*, int32_t state) { return state >= 1 ? -state : state; });
}

// ---- Latch and queries (game thread) ----------------------------------------------------------

// A key that went down is stamped with the frame tick current at the latch, which is the
// previous frame's: the latch runs before the frame takes its own.
void cGame::latchKeys() {
  GameStatics* s = Statics<GameStatics>();
  InputGuard guard;
  ByteArray* live = s->cGame_keysLive;
  ByteArray* latched = s->cGame_keysLatched;
  s->cGame_lastHeldKey = -1;
  s->cGame_keyPressedThisFrame = -1;
  if (!NullCheck(live) || !NullCheck(latched)) return;
  for (int32_t k = 0; k < kGameKeyCount; k++) {
    int32_t state = ByteArray::get(live, k);
    ByteArray::set(latched, k, state);
    if (state == 0) continue;
    s->cGame_lastHeldKey = k;
    if (state < 0) {
      ByteArray::set(live, k, 0);
    } else if (state < kKeyHeldMost) {
      if (state == 1) {
        s->cGame_keyPressedThisFrame = k;
        s->cGame_keyPressTick = LoadShared(s->cGame_frameTick);
      }
      state++;
      // A soft key reads pressed for one frame and released the next, however long it is held.
      if (k == kLeftSoftKey || k == kRightSoftKey) state = -state;
      ByteArray::set(live, k, state);
    }
  }
}

bool cGame::isKeyDown(int32_t k) {
  return LatchedState(k) > 0;
}

bool cGame::isKeyJustPressed(int32_t k) {
  return LatchedState(k) == 1;
}

int32_t cGame::getKeyPressed() {
  GameStatics* s = Statics<GameStatics>();
  if (TouchActionPending(s)) return TakeTouchAction(s);
  return FirstLatched([](int32_t state) { return state == 1; });
}

int32_t cGame::getKeyReleased() {
  GameStatics* s = Statics<GameStatics>();
  if (TouchActionPending(s)) return TakeTouchAction(s);
  return FirstLatched([](int32_t state) { return state < 0; });
}

// ---- Clearing and release ---------------------------------------------------------------------

void cGame::clearKeyStates() {
  GameStatics* s = Statics<GameStatics>();
  InputGuard guard;
  ByteArray* live = s->cGame_keysLive;
  ByteArray* latched = s->cGame_keysLatched;
  if (!live || !latched) return;
  for (int32_t k = 0; k < live->length; k++) live->elements()[k] = 0;
  for (int32_t k = 0; k < latched->length; k++) latched->elements()[k] = 0;
}

void cGame::releaseKeyArrays() {
  GameStatics* s = Statics<GameStatics>();
  {
    InputGuard guard;
    s->cGame_keysLatched = nullptr;
    s->cGame_keysLive = nullptr;
  }
  java_lang_System::gc();
}
