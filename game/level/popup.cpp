// The one modal popup: its openers, its player, and its update, which runs once a frame in
// place of the state's while the popup is open: the frame's taps become touch actions, the key
// moves kind 1's choice, the portrait plays, the timed kinds run their clock and fireworks,
// a closing key closes, and the 200 ms transition that opens and closes the box advances.
// Every open and every close stops the fireworks of the popup before it, so no emitter id
// outlives the popup that started it; every close sets popupAnswered.
#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "runtime/array.h"
#include "runtime/string.h"
#include "runtime/trace.h"

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
constexpr int32_t kSkipped = 3;
constexpr int32_t kSkipSquare = 80, kSkipX = 400;  // px, the skip square at the lower right
constexpr int32_t kRetryQuestion = 214;            // the forced answer to it is yes

bool Speaking(int32_t kind) {
  return kind == 3 || kind == 4;
}

// The kinds whose box says "Tap to continue" (text 38): a plain text, a narrator's line and
// the story box.
bool TapToContinue(int32_t kind) {
  return kind == kMessageKind || kind == 2 || kind == kPortraitKind;
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

// The frame's tap as a touch action, before the key is read. Kind 1: a tap on either button
// shows the button's animation, and a tap anywhere confirms the choice (touch select). Kinds
// 3 and 4: a tap on the skip square is the right soft key. The boxes that ask for a tap to
// continue take a tap anywhere as touch select.
void TapsAsActions(GameStatics* s, int32_t kind) {
  if (kind == kChoiceKind) {
    s->cGame_popupTapped = false;
    if (TapOnButton(s, kUpperButtonTop) || TapOnButton(s, kLowerButtonTop)) {
      s->cGame_touchAction = kTouchSelect;
      s->cGame_popupTapped = true;
    }
  }
  if ((kind == kChoiceKind || TapToContinue(kind)) && cGame::isTapReleasedOnScreen()) {
    s->cGame_touchAction = kTouchSelect;
  }
  if (Speaking(kind) && cGame::isTapReleasedInRect(kSkipX, s->cGame_canvasHeight - kSkipSquare,
                                                   kSkipSquare, kSkipSquare)) {
    s->cGame_touchAction = cGame::kRightSoftKey;
  }
}

void SetChoice(GameStatics* s, int32_t choice) {
  if (s->cGame_popupChoice == choice) return;
  s->cGame_popupChoice = choice;
  s->cGame_fullRedraw = true;
}

// Kind 1's choice: the pointer over a button picks it, keys 1, 2, 8 and 14 toggle it until
// the closing runs, and the forced answer overrides both.
void MoveChoice(GameStatics* s, int32_t key) {
  if (PointerOnButton(s, kUpperButtonTop)) {
    SetChoice(s, 1);
  } else if (PointerOnButton(s, kLowerButtonTop)) {
    SetChoice(s, 0);
  }
  if (!Closing(s) && (key == 1 || key == 2 || key == 8 || key == 14)) {
    SetChoice(s, (s->cGame_popupChoice + 1) % 2);
  }
  if (s->cGame_popupForcedAnswer) s->cGame_popupChoice = s->cGame_popupTextId == kRetryQuestion;
}

// The closing keys: kind 1 answers on fire or touch select with the sound of its choice;
// the others close on the left soft key, fire or touch select, and a speaker's line is
// skipped by the right soft key.
void CloseOnKey(GameStatics* s, int32_t kind, int32_t key) {
  if (Closing(s)) return;
  if (kind == kChoiceKind) {
    if (key != kFireKey && key != kTouchSelect) return;
    cGame::closePopup();
    cGame::playSfx(s->cGame_popupChoice == 1 ? kYesSound : kNoSound);
  } else if (key == cGame::kLeftSoftKey || key == kFireKey || key == kTouchSelect) {
    cGame::closePopup();
    cGame::playSfx(kYesSound);
  } else if (Speaking(kind) && key == cGame::kRightSoftKey) {
    s->cGame_popupChoice = kSkipped;
    cGame::closePopup();
    cGame::playSfx(kNoSound);
  }
}

}  // namespace

// ---- Opening --------------------------------------------------------------------------------

void cGame::beginPopup(int32_t kind, int32_t textId) {
  GameStatics* s = Statics<GameStatics>();
  stopPopupFireworks();
  s->cGame_popupKind = kind;
  s->cGame_popupTextId = textId;
  DebugLog("popup %d %d", kind, textId);
}

void cGame::setPopupText(int32_t textId) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_popupText = getString(textId);
  s->cGame_popupWrapped = wrapPopupText(s->cGame_popupText);
  s->cGame_popupTextHeight = s->cGame_popupWrapped ? s->ASprite_textHeight : 0;
  s->cGame_fullRedraw = true;
}

String* cGame::wrapPopupText(String* text) {
  GameStatics* s = Statics<GameStatics>();
  ASprite* font = loader::SpriteAt(s->cGame_popupFont);
  if (!font || !text) return nullptr;
  String* wrapped = font->wrapToString(text, s->cGame_canvasWidth - kBoxMargin - kTextMargin);
  font->getStringSize(wrapped, nullptr);
  return wrapped;
}

void cGame::openPopupText(int32_t textId, int32_t font, int32_t y) {
  GameStatics* s = Statics<GameStatics>();
  beginPopup(kMessageKind, textId);
  s->cGame_popupFont = font;
  s->cGame_popupY = y;
  setPopupText(textId);
}

void cGame::openPopupChoice(int32_t textId, int32_t choice, int32_t flag) {
  GameStatics* s = Statics<GameStatics>();
  beginPopup(kChoiceKind, textId);
  s->cGame_popupFont = kChoiceFont;
  s->cGame_popupY = s->cGame_canvasHeight / 2;
  s->cGame_popupChoice = choice;
  s->cGame_popupInitialChoice = choice;
  s->cGame_popupChoiceFlag = flag != 0;
  setPopupText(textId);
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
  TapsAsActions(s, kind);
  const int32_t key = getKeyReleased();
  if (kind == kChoiceKind) MoveChoice(s, key);
  if ((Speaking(kind) || kind == kPortraitKind) && s->cGame_popupPlayer) {
    s->cGame_popupPlayer->update(s->cGame_frameTime);
  }
  if (kind == 6 || kind == 7) updateTimedPopup();
  CloseOnKey(s, kind, key);
  updateTransition(true);
}

void cGame::closePopup() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_pendingAction = kClosePopup;
  s->cGame_popupAnswered = true;
  cActor::clearLayer(kPopupLayer);
  stopPopupFireworks();
}
