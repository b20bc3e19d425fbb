// The level's counters kept during play: the goal count of the bunch-clearing level types and
// the popped-bubble counts of the bubble-wave level (type 2), whose thousandth bubble earns
// award 3.
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/constant_pool.h"

namespace {

constexpr int32_t kWaveLevel = 2;
constexpr int32_t kWon = 50;
constexpr int32_t kBubbleAward = 3, kBubbleAwardCount = 1000;
constexpr int32_t kDiagnostic = 250;  // fetched and dropped

bool CountsGoal(int32_t levelType) {
  return levelType == 5 || levelType == 6 || levelType == 7;
}

}  // namespace

// The goal may pass below 0 once the level is won: a later burst still counts, but posts
// nothing.
void cGame::countDownGoal(int32_t) {
  GameStatics* s = Statics<GameStatics>();
  if (!CountsGoal(s->cGame_levelType)) return;
  if (!s->cGame_levelOver) {
    s->cGame_goalRemaining -= 1;
    if (s->cGame_goalRemaining == 0) postEvent(kWon);
  }
  setGoalCounterText(s->cGame_goalRemaining);
}

void cGame::countSpecialBubble(Bubble* bubble) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelType != kWaveLevel || s->cGame_levelOver) return;
  if (bubble && (bubble->flags & Bubble::kClearedOnCopy)) s->cGame_stageLevelBubblesPopped += 1;
  s->cGame_type2BubblesPopped += 1;
  if (s->cGame_type2BubblesPopped == kBubbleAwardCount) earnAward(kBubbleAward);
  GetConstantString(kDiagnostic);
}
