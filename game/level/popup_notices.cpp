// The popup's notices: the story box with the level's reward (kind 5), the award notice (kind
// 6) and the celebration (kind 7). Kinds 6 and 7 run a clock: their five fireworks go up
// 400 ms apart, the last 400 ms before the end (an award's from its first frame), and the
// popup closes by itself once the clock passes 0.
#include "engine/mqlib_player.h"
#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kPortraitKind = 5, kAwardKind = 6, kCelebrationKind = 7;
constexpr int32_t kStoryY = 320;
constexpr int32_t kRewardSlot = 30;
constexpr int32_t kAwardTitle = 485, kFirstAwardText = 637;
constexpr int32_t kLineBreak = 47;                             // the string constant "\n"
constexpr int32_t kAwardTime = 2000, kCelebrationTime = 4000;  // ms
constexpr int32_t kFireworks = 5;
constexpr int32_t kFireworkGap = 400;  // ms
constexpr int32_t kFireworkDefinition = 2;
constexpr int32_t kNoticeSound = 19;

GameStatics* S() {
  return Statics<GameStatics>();
}

// The text wrapped with the popup's font to the box width - 40; its height added to
// popupTextHeight. Without the font it stays unwrapped and adds nothing.
String* Wrapped(GameStatics* s, String* text) {
  String* wrapped = cGame::wrapPopupText(text);
  if (!wrapped) return text;
  s->cGame_popupTextHeight += s->ASprite_textHeight;
  return wrapped;
}

void Timed(GameStatics* s, int32_t time) {
  s->cGame_popupTimer = time;
  s->cGame_popupFireworks = kFireworks;
  s->cGame_fullRedraw = true;
  cGame::playSfx(kNoticeSound);
}

// The reward item's portrait: animation item of slot 30, none for an item the sprite lacks.
void ShowReward(MQLibPlayer* portrait, int32_t item) {
  ASprite* sprite = loader::SpriteAt(kRewardSlot);
  portrait->setSprite(sprite);
  ByteArray* anims = sprite ? sprite->animAFrameCount : nullptr;
  if (anims && item >= 0 && item < anims->length) {
    portrait->setAnim(item, -1);
  } else {
    portrait->anim = -1;
  }
}

// One firework at a random place in the middle half of the screen, its emitter kept in slot
// popupFireworks (owner -1: its emitter slot frees itself once it is spent).
void Launch(GameStatics* s) {
  IntArray* slots = s->cGame_popupEmitters;
  const int32_t w = s->cGame_canvasWidth, h = s->cGame_canvasHeight;
  s->cGame_popupFireworks--;
  const int32_t x = cGame::getRandom(w / 4, 3 * w / 4);
  const int32_t y = cGame::getRandom(h / 4, 3 * h / 4);
  const int32_t e = cGame::startParticleEmitter(x, y, kFireworkDefinition, -1, -1);
  const int32_t slot = s->cGame_popupFireworks;
  if (slots && slot >= 0 && slot < slots->length) slots->elements()[slot] = e;
}

}  // namespace

void cGame::openPopupPortrait(int32_t textId, int32_t text2Id, int32_t font) {
  GameStatics* s = S();
  beginPopup(kPortraitKind, textId);
  s->cGame_popupFont = font;
  s->cGame_popupY = kStoryY;
  s->cGame_popupTextHeight = 0;
  s->cGame_popupText = getString(textId);
  s->cGame_popupWrapped = Wrapped(s, s->cGame_popupText);
  s->cGame_popupWrapped2 = Wrapped(s, getString(text2Id));
  if (MQLibPlayer* portrait = s->cGame_popupPlayer) ShowReward(portrait, s->cGame_levelUnlockItem);
  s->cGame_fullRedraw = true;
}

void cGame::openPopupAward(int32_t n) {
  GameStatics* s = S();
  beginPopup(kAwardKind, kAwardTitle);
  String* title = getString(kAwardTitle);
  String* name = getString(kFirstAwardText + n);
  String* text = title ? title->concat(GetConstantString(kLineBreak)) : nullptr;
  s->cGame_popupText = text && name ? text->concat(name) : (text ? text : name);
  s->cGame_popupWrapped = s->cGame_popupText;
  Timed(s, kAwardTime);
}

void cGame::openPopupCelebration(int32_t textId) {
  GameStatics* s = S();
  beginPopup(kCelebrationKind, textId);
  s->cGame_popupText = getString(textId);
  s->cGame_popupWrapped = s->cGame_popupText;
  Timed(s, kCelebrationTime);
}

void cGame::updateTimedPopup() {
  GameStatics* s = S();
  s->cGame_fullRedraw = true;
  s->cGame_popupTimer -= s->cGame_frameTime;
  if (s->cGame_popupFireworks > 0 && s->cGame_popupTimer < s->cGame_popupFireworks * kFireworkGap) {
    Launch(s);
  }
  updateParticleEmitters();
  if (s->cGame_popupTimer < 0 && s->cGame_pendingAction != 3) closePopup();
  MQPixEffects::update(s->cGame_frameTime);
}
