// The fade clock of screen changes and of the popup: a pending action starts a fade-out, the
// action runs once the screen is fully out, and the popup's actions fade in again. The clock
// ends each fade exactly at 0 (fully out) or at the fade's length (fully in).
#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"

namespace {

constexpr int64_t kFadeLength = 200;  // ms
constexpr int64_t kMenuFadeLength = 1000;
constexpr int32_t kPopupSlideOffset = 120;
constexpr int32_t kPopupSpriteSlot = 32;
constexpr int32_t kLoadingState = 4;

enum Action : int32_t { kNone, kLoad, kOpenPopup, kClosePopup, kAfterLoad };

// The end of a fade-out: the action, when asked for, then no action pending.
void ApplyAction(GameStatics* s, bool menu) {
  switch (s->cGame_pendingAction) {
    case kLoad:
      cGame::setState(kLoadingState);
      break;
    case kOpenPopup:
      s->cGame_fadeDirection = 1;
      s->cGame_popupOpen = true;
      if (menu) s->cGame_popupSlideOffset = kPopupSlideOffset;
      break;
    case kClosePopup: {
      s->cGame_popupOpen = false;
      s->cGame_fadeDirection = 1;
      ObjectArray* table = s->cGame_spriteTable;
      Object* sprite =
          table && kPopupSpriteSlot < table->length ? table->elements()[kPopupSpriteSlot] : nullptr;
      MQLibPlayer* player = s->cGame_popupPlayer;
      if (NullCheck(player)) player->setSprite(CheckCast<ASprite>(sprite));
      break;
    }
    case kAfterLoad:
      cGame::setState(s->cGame_stateAfterLoad);
      break;
    default:
      break;
  }
}

bool FadeOut(GameStatics* s, bool apply, bool menu) {
  s->cGame_fadeTime -= s->cGame_frameTime;
  s->cGame_fullRedraw = true;
  if (s->cGame_fadeTime > 0) return false;
  s->cGame_fadeTime = 0;
  s->cGame_fadeDirection = 0;
  if (apply) ApplyAction(s, menu);
  s->cGame_pendingAction = kNone;
  return true;
}

bool Step(bool apply, int64_t length, bool menu) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_pendingAction != kNone && s->cGame_fadeDirection == 0) {
    s->cGame_fadeDirection = -1;
    if (menu) {
      cGame::clearSoftKeys();
      cGame::advanceRotation();
    }
    return FadeOut(s, apply, menu);
  }
  if (s->cGame_fadeDirection == 0) return false;
  if (s->cGame_fadeDirection < 0) return FadeOut(s, apply, menu);
  s->cGame_fadeTime += s->cGame_frameTime;
  s->cGame_fullRedraw = true;
  if (s->cGame_fadeTime <= length) return false;
  s->cGame_fadeTime = length;
  s->cGame_fadeDirection = 0;
  if (menu) cGame::applyScreenSoftKeys();
  return true;
}

}  // namespace

bool cGame::updateTransition(bool apply) {
  return Step(apply, kFadeLength, false);
}

bool cGame::updateTransitionMenu(bool apply) {
  return Step(apply, kMenuFadeLength, true);
}

bool cGame::isFadeIdle() {
  return Statics<GameStatics>()->cGame_fadeDirection == 0;
}
