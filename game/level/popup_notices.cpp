// The popup's notices: the story box with the level's reward (kind 5), the award notice (kind
// 6) and the celebration (kind 7). Kinds 6 and 7 close by themselves once their time is up
// (2000 and 4000 ms); they launch no fireworks.
#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kPortraitKind = 5, kAwardKind = 6, kCelebrationKind = 7;
constexpr int32_t kStoryY = 320;
constexpr int32_t kBoxMargin = 60, kTextMargin = 40;
constexpr int32_t kRewardSlot = 30;
constexpr int32_t kAwardTitle = 485, kFirstAwardText = 637;
constexpr int32_t kLineBreak = 47;  // the string constant "\n"
constexpr int32_t kAwardTime = 2000, kCelebrationTime = 4000;  // ms
constexpr int32_t kFireworks = 5;
constexpr int32_t kNoticeSound = 19;

GameStatics* S() {
  return Statics<GameStatics>();
}

// The text wrapped with the popup's font to the box width - 40; its height added to
// popupTextHeight. Without the font it stays unwrapped and adds nothing.
String* Wrapped(GameStatics* s, String* text) {
  ASprite* font = loader::SpriteAt(s->cGame_popupFont);
  if (!font || !text) return text;
  String* wrapped = font->wrapToString(text, s->cGame_canvasWidth - kBoxMargin - kTextMargin);
  font->getStringSize(wrapped, nullptr);
  s->cGame_popupTextHeight += s->ASprite_textHeight;
  return wrapped;
}

void Timed(GameStatics* s, int32_t kind, int32_t time) {
  s->cGame_popupKind = kind;
  s->cGame_popupTimer = time;
  s->cGame_popupFireworks = kFireworks;
  s->cGame_fullRedraw = true;
  cGame::playSfx(kNoticeSound);
}

}  // namespace

void cGame::openPopupPortrait(int32_t textId, int32_t text2Id, int32_t font) {
  GameStatics* s = S();
  s->cGame_popupKind = kPortraitKind;
  s->cGame_popupFont = font;
  s->cGame_popupY = kStoryY;
  s->cGame_popupTextId = textId;
  s->cGame_popupTextHeight = 0;
  s->cGame_popupText = getString(textId);
  s->cGame_popupWrapped = Wrapped(s, s->cGame_popupText);
  s->cGame_popupWrapped2 = Wrapped(s, getString(text2Id));
  if (MQLibPlayer* portrait = s->cGame_popupPlayer) {
    portrait->setSprite(loader::SpriteAt(kRewardSlot));
    portrait->setAnim(s->cGame_levelUnlockItem, -1);
  }
  s->cGame_fullRedraw = true;
}

void cGame::openPopupAward(int32_t n) {
  GameStatics* s = S();
  s->cGame_popupTextId = kFirstAwardText + n;
  String* title = getString(kAwardTitle);
  String* name = getString(kFirstAwardText + n);
  String* text = title ? title->concat(GetConstantString(kLineBreak)) : nullptr;
  s->cGame_popupText = text && name ? text->concat(name) : (text ? text : name);
  s->cGame_popupWrapped = s->cGame_popupText;
  Timed(s, kAwardKind, kAwardTime);
}

void cGame::openPopupCelebration(int32_t textId) {
  GameStatics* s = S();
  s->cGame_popupTextId = textId;
  s->cGame_popupText = getString(textId);
  s->cGame_popupWrapped = s->cGame_popupText;
  Timed(s, kCelebrationKind, kCelebrationTime);
}

// Kinds 6 and 7, once a frame: the time runs down and the popup closes once it is below 0.
void cGame::updateTimedPopup() {
  GameStatics* s = S();
  s->cGame_fullRedraw = true;
  s->cGame_popupTimer -= s->cGame_frameTime;
  if (s->cGame_popupTimer < 0 && s->cGame_pendingAction != 3) closePopup();
}
