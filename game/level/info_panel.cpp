// The info panel of the level-end screen: after its delay the little bubbles that cover the
// results' values are revealed one at a time, 2000 ms for all of them, each playing slot 35's
// animation 0 once; fire-or-tap (key 11) shows them all at once, and once all are shown it
// closes the panel.
#include <algorithm>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kRevealTime = 2000;  // ms for every item together
constexpr int32_t kItemSlot = 35;

int32_t ItemCount(GameStatics* s) {
  ObjectArray* items = s->cGame_resultsPlayers;
  return items ? std::min(s->cGame_resultsPlayerCount, items->length) : 0;
}

MQLibPlayer* Item(GameStatics* s, int32_t i) {
  return static_cast<MQLibPlayer*>(s->cGame_resultsPlayers->elements()[i]);
}

// The reveal's end: every item counts as shown and the list goes (its painter shows none).
void FinishReveal(GameStatics* s) {
  s->cGame_infoPanelShown = ItemCount(s);
  s->cGame_resultsPlayers = nullptr;
  s->cGame_resultsPlayerCount = 0;
  s->cGame_infoPanelRevealing = false;
}

}  // namespace

// Without items the reveal is over as soon as it would start, so no step of 2000 / 0 ms is
// ever taken.
bool cGame::updateInfoPanel() {
  GameStatics* s = Statics<GameStatics>();
  clearSoftKeys();
  const int32_t dt = s->cGame_frameTime;
  if (MQLibPlayer* back = s->cGame_resultsBackPlayer) back->update(dt);
  s->cGame_infoPanelTimer -= dt;
  const int32_t count = ItemCount(s);
  for (int32_t i = 0; i < count; i++) {
    if (MQLibPlayer* item = Item(s, i)) item->update(dt);
  }
  if (isTapReleasedOnScreen()) s->cGame_touchAction = kTouchSelect;
  const int32_t key = getKeyReleased();
  const bool revealing = s->cGame_infoPanelShown < count;
  if (key == kTouchSelect && revealing) {
    FinishReveal(s);
    return false;
  }
  if (s->cGame_infoPanelTimer >= 0) return false;
  if (!revealing) {
    s->cGame_infoPanelRevealing = false;
    return key == kTouchSelect;
  }
  s->cGame_infoPanelRevealing = true;
  s->cGame_infoPanelNextTime -= dt;
  if (s->cGame_infoPanelNextTime > 0) return false;
  if (MQLibPlayer* item = Item(s, s->cGame_infoPanelShown)) {
    item->setSprite(actor_support::SpriteInSlot(kItemSlot));
    item->setAnim(0, 1);
  }
  s->cGame_infoPanelShown += 1;
  s->cGame_infoPanelNextTime += kRevealTime / count;
  return false;
}
