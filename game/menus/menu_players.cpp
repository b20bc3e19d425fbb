// The animation players of the layouts' animated records, made by the loader and the main
// menu: each over the sprite its record names (slot value 1 + 9; none outside the sprite
// table, which paints nothing), looping its animation, shown. Also the menus' background
// player.
#include "engine/mqlib_player.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace {

constexpr int32_t kFirstSpriteSlot = 9;
constexpr int32_t kMenuBackSlot = 21;

void MakePlayer(ShortArray* record) {
  if (!cGame::hasPlayerSlot(record)) return;
  ASprite* sprite =
      actor_support::SpriteInSlot(cGame::layoutValue(record, 1, 0) + kFirstSpriteSlot);
  auto* player = NewObject<MQLibPlayer>(sprite, cGame::recordX(record), cGame::recordY(record));
  player->setAnim(cGame::layoutValue(record, 2, 0), -1);
  cGame::setRecordPlayer(record, player);
  cGame::setLayoutValue(record, 6, 1);
}

}  // namespace

void cGame::createScreenPlayers(int32_t group) {
  for (int32_t i = 0; i < screenGroupSize(group); i++) {
    ShortArray* record = groupRecord(group, i);
    if (recordType(record) == 5) MakePlayer(record);
  }
}

void cGame::createMenuPlayers(int32_t menu) {
  for (int32_t i = 1; i <= menuRecordCount(menu); i++) {
    ShortArray* record = menuRecord(menu, i);
    const int32_t type = recordType(record);
    if (type == 5 || type == 11) MakePlayer(record);
  }
}

void cGame::createMenuHeaderPlayer() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_screenBackPlayer =
      NewObject<MQLibPlayer>(actor_support::SpriteInSlot(kMenuBackSlot), 0, 0);
  s->cGame_screenBackPlayer->setAnim(0, -1);
}
