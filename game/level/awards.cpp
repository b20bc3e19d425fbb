// The awards earned during play: a big combo (award 5), twelve carrier hits (award 14) and a
// thousand bubbles of the bubble-wave level (award 3), and the bonus points that the listed
// awards are worth. An award is earned once: its flag in awardFlags stays set with the saved
// progress, and earning it opens its notice.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kComboAward = 5, kComboFreed = 15;
constexpr int32_t kChainAward = 14, kChainHits = 12;
constexpr int32_t kListedAwards = 6, kPointsPerListedAward = 5;

}  // namespace

bool cGame::isAwardEarned(int32_t n) {
  IntArray* flags = Statics<GameStatics>()->cGame_awardFlags;
  return !flags || n < 0 || n >= flags->length || flags->elements()[n] != 0;
}

void cGame::earnAward(int32_t n) {
  GameStatics* s = Statics<GameStatics>();
  if (isAwardEarned(n)) return;
  s->cGame_awardFlags->elements()[n] = 1;
  DebugLog("award %d", n);
  openPopupAward(n);
  s->cGame_popupOpen = true;
}

// A notice already up (another award's, or a dialogue line) gives way to this one.
void cGame::checkComboAward(int32_t freed) {
  if (isLevelTypeNot2() && freed >= kComboFreed) earnAward(kComboAward);
}

// Only the twelfth hit earns it: one that came in the bubble-wave level, where awards do not
// count, loses it for the level.
void cGame::checkChainAward() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_chainAwardCount += 1;
  if (isLevelTypeNot2() && s->cGame_chainAwardCount == kChainHits) earnAward(kChainAward);
}

int32_t cGame::awardBonusPoints() {
  int32_t points = 0;
  for (int32_t i = 0; i < kListedAwards; i++) {
    if (getListedAwardFlag(i)) points += kPointsPerListedAward;
  }
  return points;
}
