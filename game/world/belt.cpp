// Level type 5, the belt: bunch i of the level's templates rides a belt of bunchTemplateCount
// places, beltBunchSize apart, that runs sideways at beltSpeed and wraps from one end to the
// other; an emptied bunch is built again from its template while it is off the screen. A
// flyer passes now and then on the belt's timer.
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kBeltType = 5;
constexpr int32_t kBeltBunchType = 0;
constexpr int32_t kRefillAppearance = 39;

// The belt's x (16.16) after this frame: frame time x beltSpeed is taken in 64 bits (it passes
// 32 bits from 1000 ms at 33 px/s) and narrowed; past either end it goes to the other end.
int32_t StepAlongBelt(GameStatics* s, int32_t x) {
  const int64_t moved = static_cast<int64_t>(s->cGame_frameTime) * s->cGame_beltSpeed / 1000;
  x += static_cast<int32_t>(moved);
  const int32_t middle = (s->cGame_screenWidth() / 2) << 16;
  const int32_t right = middle + s->cGame_beltHalf;
  const int32_t left = middle - s->cGame_beltHalf;
  if (x > right) return left;
  if (x < left) return right;
  return x;
}

// More than a quarter of the bunch spacing beyond either screen edge.
bool OffScreen(GameStatics* s, int32_t x) {
  const int32_t margin = s->cGame_beltBunchSize / 4;
  return x < -margin || x > (s->cGame_screenWidth() << 16) + margin;
}

void MoveBeltBunch(GameStatics* s, int32_t i) {
  const int32_t x = StepAlongBelt(s, IntArray::get(s->cGame_beltX, i));
  IntArray::set(s->cGame_beltX, i, x);
  cGame_CBubbleBunch* bunch = cGame::getBunch(i);
  if (!bunch) return;
  if (bunch->count > 0) {
    bunch->centreX = x;
  } else if (!s->cGame_levelOver && OffScreen(s, x)) {
    cGame::buildBunchFromTemplate(i, i, x, IntArray::get(s->cGame_beltY, i), kBeltBunchType,
                                  kRefillAppearance);
    DebugLog("belt refill %d", i);
  }
}

// The flyer's timer: a running timer that runs out this frame sends a flyer across at a y
// drawn from the flyer range, towards the right on an even draw; one already run out is armed
// again from the delay range.
void StepFlyerTimer(GameStatics* s) {
  const int32_t timer = s->cGame_beltTimer;
  if (timer > 0 && timer - s->cGame_frameTime < 1) {
    const int32_t y = cGame::randRange(s->cGame_beltFlyerMin, s->cGame_beltFlyerMax);
    cGame::startFlyer(y, (y & 1) == 0);
  }
  if (timer < 0) s->cGame_beltTimer = cGame::randRange(s->cGame_beltDelayMin, s->cGame_beltDelayMax);
  s->cGame_beltTimer -= s->cGame_frameTime;
}

}  // namespace

// ---- The belt, once a frame --------------------------------------------------------------------

void cGame::updateScrollingBunches() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelType != kBeltType) return;
  const int32_t count = s->cGame_bunchTemplateCount;
  for (int32_t i = 0; i < count && i < cGame_CBubbleBunch::kSlots; i++) MoveBeltBunch(s, i);
  StepFlyerTimer(s);
}
