// The main menu's own players: a character that stands and walks along the bottom of the screen,
// and the two decorations that hang from the menu's title. The character keeps to x 40..300.
#include <cstdint>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/math_natives.h"

namespace {

constexpr int32_t kCharacterSlot = 15, kDecorSlot = 46;
constexpr int32_t kWalkLeftAnim = 3, kWalkRightAnim = 4, kStandAnim = 5;
constexpr int32_t kDecorAnimA = 16, kDecorAnimB = 1, kDecorHangAnim = 2;
constexpr int32_t kStanding = 0, kWalking = 1;
constexpr int32_t kSpeed = 60;  // px a second
constexpr int32_t kLeftmost = 40, kRightmost = 300;
constexpr int32_t kCharacterY = 620;  // the character's feet, below the menu's entries

GameStatics* S() {
  return Statics<GameStatics>();
}

MQLibPlayer* LoopingPlayer(int32_t slot, int32_t anim) {
  auto* player = NewObject<MQLibPlayer>(actor_support::SpriteInSlot(slot), 0, 0);
  player->setAnim(anim, -1);
  return player;
}

// Sets anim looping, restarting it only when it changes.
void Play(MQLibPlayer* player, int32_t anim) {
  if (player->anim != anim) player->setAnim(anim, -1);
}

void Render(MQLibPlayer* player, int32_t x, int32_t y) {
  if (!player) return;
  player->x = x;
  player->y = y;
  player->render();
}

}  // namespace

// The decorations hang at the title's left edge, below its middle by the height of the hanging
// picture (rectangle 0 of animation 2's first frame).
void cGame::setupMainMenu() {
  GameStatics* s = S();
  s->cGame_menuCharacterPlayer = LoopingPlayer(kCharacterSlot, kWalkRightAnim);
  // A first visit has no place yet: the character starts at the left end, facing right.
  if (s->cGame_menuCharacterDir == 0) s->cGame_menuCharacterDir = 1;
  if (s->cGame_menuCharacterX < kLeftmost || s->cGame_menuCharacterX > kRightmost) {
    s->cGame_menuCharacterX = kLeftmost;
  }
  IntArray* rect = NewIntArray(4);
  s->cGame_menuDecorShown = nextTextItemRect(-1, rect) >= 0;
  s->cGame_menuDecorY = rect->elements()[1] + rect->elements()[3] / 2;
  s->cGame_menuDecorX = rect->elements()[0];
  if (ASprite* decor = actor_support::SpriteInSlot(kDecorSlot)) {
    IntArray* hang = NewIntArray(4);
    decor->getAFrameRect(kDecorHangAnim, 0, 0, hang, 0, false);
    s->cGame_menuDecorY += hang->elements()[3];
  }
  s->cGame_menuDecorPlayerA = LoopingPlayer(kDecorSlot, kDecorAnimA);
  s->cGame_menuDecorPlayerB = LoopingPlayer(kDecorSlot, kDecorAnimB);
}

// Standing, a draw whose absolute value is a multiple of 10 starts a walk (one in five turned
// round); walking, one frame in twenty stops it, and a step that would leave 40..300 turns the
// character round where it stands.
void cGame::updateMenuCharacter() {
  GameStatics* s = S();
  MQLibPlayer* player = s->cGame_menuCharacterPlayer;
  if (!player) return;
  if (s->cGame_menuCharacterMode == kStanding) {
    Play(player, kStandAnim);
    java_util_Random* random = s->cGame_sharedRandom;
    const int32_t r = random ? random->nextInt() : 0;
    if (java_lang_Math::abs(r) % 10 == 0) {
      s->cGame_menuCharacterMode = kWalking;
      if (randomChance(5)) s->cGame_menuCharacterDir = -s->cGame_menuCharacterDir;
    }
  } else {
    Play(player, s->cGame_menuCharacterDir < 0 ? kWalkLeftAnim : kWalkRightAnim);
    const int32_t x =
        s->cGame_menuCharacterX + s->cGame_menuCharacterDir * s->cGame_frameTime * kSpeed / 1000;
    if (randomChance(20)) s->cGame_menuCharacterMode = kStanding;
    if (x >= kLeftmost && x <= kRightmost) {
      s->cGame_menuCharacterX = x;
    } else {
      s->cGame_menuCharacterDir = -s->cGame_menuCharacterDir;
    }
  }
  player->update(s->cGame_frameTime);
}

// The character always; the decorations when the menu has a title to hang them from.
void cGame::paintMainMenuPlayers() {
  GameStatics* s = S();
  Render(s->cGame_menuCharacterPlayer, s->cGame_menuCharacterX, kCharacterY);
  if (!s->cGame_menuDecorShown) return;
  Render(s->cGame_menuDecorPlayerA, s->cGame_menuDecorX, s->cGame_menuDecorY);
  Render(s->cGame_menuDecorPlayerB, s->cGame_menuDecorX, s->cGame_menuDecorY);
}

void cGame::releaseMainMenuPlayers() {
  GameStatics* s = S();
  s->cGame_menuCharacterPlayer = nullptr;
  s->cGame_menuDecorPlayerA = nullptr;
  s->cGame_menuDecorPlayerB = nullptr;
}
