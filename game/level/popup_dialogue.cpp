// The dialogue popup (kinds 2 to 4): a speaker's line in a box, with or without the speaker's
// portrait playing above it, and the speakers' portrait tables. The line closes with choice 4,
// or 3 when a speaker's line is skipped (game/level/popup.cpp runs its frame).
#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/string.h"

namespace {

using actor_support::SpriteInSlot;

constexpr int32_t kNarratorY = 320;
constexpr int32_t kSpeakerY = 560;
constexpr int32_t kNarratorPortraitSlot = 60;  // speaker 3's portraits
constexpr int32_t kSpeakerPortraitSlot = 61;   // every other speaker's
constexpr int32_t kNarrator = 3;
constexpr int32_t kLastSpeaker = 5;
constexpr int32_t kAnswered = 4;

// The portrait animations of slot 61 by the character chosen in the menus: speaker 0 is the
// chosen character, 1 its companion, 2 their guide; speakers 4 and 5 are the other
// character's pair.
constexpr int32_t kCharacters = 2;
constexpr int32_t kPortraitsA[kCharacters] = {12, 13};
constexpr int32_t kPortraitsB[kCharacters] = {14, 15};
constexpr int32_t kPortraitsC[kCharacters] = {16, 17};

// The character index kept within the tables (a stored choice from other data reads as the
// first character).
int32_t Character(int32_t offset) {
  const int32_t c = Statics<GameStatics>()->cGame_selectedCharacter;
  const int32_t chosen = c >= 0 && c < kCharacters ? c : 0;
  return (chosen + offset) % kCharacters;
}

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

}  // namespace

int32_t cGame::speakerPortraitAnim(int32_t speaker) {
  switch (speaker) {
    case 0:
      return kPortraitsA[Character(0)];
    case 1:
      return kPortraitsB[Character(0)];
    case 2:
      return kPortraitsC[Character(0)];
    case kNarrator:
      return Statics<GameStatics>()->cGame_currentWorld;
    case 4:
      return kPortraitsA[Character(1)];
    case kLastSpeaker:
      return kPortraitsB[Character(1)];
    default:
      return -1;
  }
}

// A speaker above 5 (level data) has no portrait table: the line shows as a narrator's.
void cGame::openPopupDialog(int32_t textId, int32_t font, int32_t speaker, bool portrait) {
  GameStatics* s = Statics<GameStatics>();
  if (speaker < 0 || speaker > kLastSpeaker) {
    beginPopup(2, textId);
    s->cGame_popupY = kNarratorY;
  } else {
    beginPopup(portrait ? 3 : 4, textId);
    s->cGame_popupY = kSpeakerY;
    ShowPortrait(speaker);
  }
  s->cGame_popupChoice = kAnswered;
  s->cGame_popupFont = font;
  setPopupText(textId);
}
