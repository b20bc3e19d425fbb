// The one modal popup: its openers, its player, and its update, which runs once a frame in
// place of the state's while the popup is open. The update hands the frame's key to the kind's
// own routine and then advances the 200 ms transition that opens and closes the box; the
// dialogue kinds (game/level/popup_dialogue.cpp) run their whole frame themselves. Every close
// sets popupAnswered.
#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "javame/graphics.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "runtime/array.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kMessageKind = 0, kChoiceKind = 1, kPortraitKind = 5;
constexpr int32_t kChoiceFont = 3, kLineFont = 3, kLineY = 320;
constexpr int32_t kBoxMargin = 60;   // the box is the screen width less this
constexpr int32_t kTextMargin = 40;  // the text is the box width less this
constexpr int32_t kPopupSprite = 32;
constexpr int32_t kFireworkSlots = 5;
constexpr int32_t kClosePopup = 3;  // the transition's action that closes the popup
constexpr int32_t kPopupLayer = 7;
constexpr int32_t kFireKey = 5, kTouchSelect = 11;
constexpr int32_t kYesSound = 14, kNoSound = 13;
constexpr int32_t kButtonWidth = 300, kButtonHeight = 48;
constexpr int32_t kUpperButtonTop = -24, kLowerButtonTop = 34;  // from popupButtonY

// The text of textId wrapped with the popup's font to the box width - 40 and measured; a
// font outside the sprite table, or not loaded, leaves it unwrapped with no height (and the
// paint draws no text).
void SetText(GameStatics* s, int32_t textId) {
  s->cGame_popupTextId = textId;
  s->cGame_popupText = cGame::getString(textId);
  s->cGame_popupWrapped = nullptr;
  s->cGame_popupTextHeight = 0;
  ASprite* font = loader::SpriteAt(s->cGame_popupFont);
  if (font && s->cGame_popupText) {
    const int32_t width = s->cGame_canvasWidth - kBoxMargin - kTextMargin;
    s->cGame_popupWrapped = font->wrapToString(s->cGame_popupText, width);
    font->getStringSize(s->cGame_popupWrapped, nullptr);
    s->cGame_popupTextHeight = s->ASprite_textHeight;
  }
  s->cGame_fullRedraw = true;
}

bool Closing(GameStatics* s) {
  return s->cGame_pendingAction == kClosePopup;
}

int32_t ButtonX(GameStatics* s) {
  return (s->cGame_canvasWidth - kButtonWidth) / 2;
}

bool TapOnButton(GameStatics* s, int32_t top) {
  return cGame::isTapReleasedInRect(ButtonX(s), s->cGame_popupButtonY + top, kButtonWidth,
                                    kButtonHeight);
}

bool PointerOnButton(GameStatics* s, int32_t top) {
  return cGame::isPointerInRect(ButtonX(s), s->cGame_popupButtonY + top, kButtonWidth,
                                kButtonHeight) ||
         TapOnButton(s, top);
}

// Kind 1's taps, before the key is read: a tap on either button, or anywhere on the screen,
// is touch select; a button tap shows the button's animation.
void ChoiceTaps(GameStatics* s) {
  s->cGame_popupTapped = false;
  if (TapOnButton(s, kUpperButtonTop) || TapOnButton(s, kLowerButtonTop)) {
    s->cGame_touchAction = kTouchSelect;
    s->cGame_popupTapped = true;
  }
  if (cGame::isTapReleasedOnScreen()) s->cGame_touchAction = kTouchSelect;
}

void SetChoice(GameStatics* s, int32_t choice) {
  if (s->cGame_popupChoice == choice) return;
  s->cGame_popupChoice = choice;
  s->cGame_fullRedraw = true;
}

}  // namespace

// ---- Opening --------------------------------------------------------------------------------

void cGame::openPopupText(int32_t textId, int32_t font, int32_t y) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_popupKind = kMessageKind;
  s->cGame_popupFont = font;
  s->cGame_popupY = y;
  SetText(s, textId);
}

void cGame::openPopupChoice(int32_t textId, int32_t choice, int32_t flag) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_popupKind = kChoiceKind;
  s->cGame_popupFont = kChoiceFont;
  s->cGame_popupY = s->cGame_canvasHeight / 2;
  s->cGame_popupChoice = choice;
  s->cGame_popupInitialChoice = choice;
  s->cGame_popupChoiceFlag = flag != 0;
  SetText(s, textId);
}

void cGame::openPopupLine(int32_t textId) {
  openPopupText(textId, kLineFont, kLineY);
}

void cGame::createPopupPlayer() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_popupPlayer = NewObject<MQLibPlayer>(loader::SpriteAt(kPopupSprite), 0, 0);
  s->cGame_popupEmitters = NewIntArray(kFireworkSlots);
  if (IntArray* slots = s->cGame_popupEmitters) {
    for (int32_t i = 0; i < slots->length; i++) slots->elements()[i] = -1;
  }
}

// ---- The update -----------------------------------------------------------------------------

void cGame::updatePopup() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t kind = s->cGame_popupKind;
  if (kind >= 2 && kind <= 4) {
    updateDialoguePopup();
    return;
  }
  if (kind == kChoiceKind) ChoiceTaps(s);
  const int32_t key = getKeyReleased();
  switch (kind) {
    case kChoiceKind:
      updatePopupChoice(key);
      break;
    case kMessageKind:
    case kPortraitKind:
      updatePopupMessage(key);
      break;
    case 6:
    case 7:
      updateTimedPopup();
      break;
    default:
      break;
  }
  updateTransition(true);
}

void cGame::updatePopupChoice(int32_t key) {
  GameStatics* s = Statics<GameStatics>();
  if (PointerOnButton(s, kUpperButtonTop)) {
    SetChoice(s, 1);
  } else if (PointerOnButton(s, kLowerButtonTop)) {
    SetChoice(s, 0);
  }
  if (Closing(s)) return;
  if (key == 1 || key == 2 || key == 8 || key == 14) SetChoice(s, (s->cGame_popupChoice + 1) % 2);
  if (key != kFireKey && key != kTouchSelect) return;
  closePopup();
  playSfx(s->cGame_popupChoice == 1 ? kYesSound : kNoSound);
}

void cGame::updatePopupMessage(int32_t key) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_popupKind == kPortraitKind && s->cGame_popupPlayer) {
    s->cGame_popupPlayer->update(s->cGame_frameTime);
  }
  if (Closing(s) || (key != kLeftSoftKey && key != kFireKey && key != kTouchSelect)) return;
  closePopup();
  playSfx(kYesSound);
}

void cGame::closePopup() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_pendingAction = kClosePopup;
  s->cGame_popupAnswered = true;
  cActor::clearLayer(kPopupLayer);
}
