// The dialogue popup (kinds 2 to 4): a speaker's line in a box, with or without the speaker's
// portrait playing above it. Fire or the left soft key closes it with choice 4; on a box with
// a speaker the right soft key, or a tap on the skip square in the lower right corner, skips
// it with choice 3. Closing starts the shell's popup-closing fade.
#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/string.h"

namespace {

using actor_support::SpriteInSlot;

constexpr int32_t kNarratorY = 320;
constexpr int32_t kSpeakerY = 560;
constexpr int32_t kTextMargin = 40;            // px of the box width the text leaves free
constexpr int32_t kNarratorPortraitSlot = 60;  // speaker 3's portraits
constexpr int32_t kSpeakerPortraitSlot = 61;   // every other speaker's
constexpr int32_t kNarrator = 3;
constexpr int32_t kAnswered = 4;
constexpr int32_t kSkipped = 3;
constexpr int32_t kSkipSquare = 80;  // px, at the screen's lower right
constexpr int32_t kSkipX = 400;
constexpr int32_t kClosePopup = 3;  // the pending action that fades the popup out
constexpr int32_t kPopupLayer = 7;
constexpr int32_t kSoundClose = 14;
constexpr int32_t kSoundSkip = 13;

// The portrait player takes the speaker's sprite and animation, restarted only when either
// changes, so a second line of the same speaker goes on playing.
void ShowPortrait(int32_t speaker) {
  MQLibPlayer* player = Statics<GameStatics>()->cGame_popupPlayer;
  if (!player) return;
  ASprite* sprite =
      SpriteInSlot(speaker == kNarrator ? kNarratorPortraitSlot : kSpeakerPortraitSlot);
  const int32_t anim = cGame::speakerPortraitAnim(speaker);
  if (player->sprite == sprite && player->anim == anim) return;
  player->setSprite(sprite);
  player->setAnim(anim, -1);
}

void Close(GameStatics* s, int32_t choice, int32_t sound) {
  s->cGame_popupChoice = choice;
  s->cGame_popupAnswered = true;
  s->cGame_pendingAction = kClosePopup;
  cActor::clearLayer(kPopupLayer);
  cGame::playSfx(sound);
}

}  // namespace

// Departure: the character choice that picks each speaker's portrait table is not built yet;
// every speaker plays the first portrait of its table (speakers 4 and 5 the one after it), and
// speaker 3 the current world's.
int32_t cGame::speakerPortraitAnim(int32_t speaker) {
  if (speaker == kNarrator) return Statics<GameStatics>()->cGame_currentWorld;
  return speaker >= 4 ? 1 : 0;
}

void cGame::openPopupDialog(int32_t textId, int32_t font, int32_t speaker, bool portrait) {
  GameStatics* s = Statics<GameStatics>();
  if (speaker < 0) {
    s->cGame_popupKind = 2;
    s->cGame_popupY = kNarratorY;
  } else {
    s->cGame_popupKind = portrait ? 3 : 4;
    s->cGame_popupY = kSpeakerY;
    ShowPortrait(speaker);
  }
  s->cGame_popupChoice = kAnswered;
  s->cGame_popupFont = font;
  s->cGame_popupTextId = textId;
  s->cGame_popupText = getString(textId);
  s->cGame_popupWrapped = nullptr;
  s->cGame_popupTextHeight = 0;
  ASprite* sprite = SpriteInSlot(font);
  if (sprite && s->cGame_popupText) {
    s->cGame_popupWrapped =
        sprite->wrapToString(s->cGame_popupText, s->cGame_canvasWidth - kTextMargin);
    sprite->getStringSize(s->cGame_popupWrapped, nullptr);
    s->cGame_popupTextHeight = s->ASprite_textHeight;
  }
  s->cGame_fullRedraw = true;
}

void cGame::updateDialoguePopup() {
  GameStatics* s = Statics<GameStatics>();
  const bool speaking = s->cGame_popupKind == 3 || s->cGame_popupKind == 4;
  if (speaking &&
      isTapReleasedInRect(kSkipX, s->cGame_canvasHeight - kSkipSquare, kSkipSquare, kSkipSquare)) {
    s->cGame_touchAction = kRightSoftKey;
  }
  const int32_t key = getKeyReleased();
  if (speaking && s->cGame_popupPlayer) s->cGame_popupPlayer->update(s->cGame_frameTime);
  if (key == kLeftSoftKey || key == 5 || key == 11) {
    Close(s, s->cGame_popupChoice, kSoundClose);
  } else if (speaking && key == kRightSoftKey) {
    Close(s, kSkipped, kSoundSkip);
  }
  updateTransition(true);
}
