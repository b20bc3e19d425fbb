// The board survey, run once a frame and after a layout is read: bubbles per colour, the
// colours still to be shot at, how full each quarter of the bunch band is, the topmost bubble,
// a shot in flight, pops pending and the danger line; and the test whether a cell beside a
// bunch bubble may take a bubble.
#include <algorithm>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kRim = 18 << 16;   // 16.16: a bubble's radius, from its centre to its bottom
constexpr int32_t kRimPx = 18;       // the same in pixels
constexpr int32_t kNoBubbleY = 800;  // boardTopY without a bunch bubble: the screen's height
constexpr int32_t kLastPopEvent = 31;
constexpr int32_t kLessonKind = 2;
constexpr int32_t kCarrierType = 5;
constexpr int32_t kLockType = 7;
constexpr int32_t kWallType = 14;

}  // namespace

// ---- The survey -----------------------------------------------------------------------------

void cGame::evaluateBoardRows() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_allOnRowZero = 1;
  IntArray* counts = s->Bubble_colourCountTable;
  const int32_t colours = counts ? std::min(counts->length, Bubble::kPlainColours) : 0;
  for (int32_t c = 0; c < colours; c++) counts->elements()[c] = 0;
  s->cGame_boardColourMask = 0;
  s->cGame_shotInFlight = 0;
  s->cGame_bandCount0 = s->cGame_bandCount1 = s->cGame_bandCount2 = s->cGame_bandCount3 = 0;
  s->cGame_belowBandCount = 0;
  s->cGame_bandBottomY = s->cGame_dangerLineY << 16;  // where the bands end
  s->cGame_boardTopY = kNoBubbleY;
  const int32_t previousPops = s->cGame_pendingPopCount;
  s->cGame_pendingPopCount = 0;
  bool danger = false;
  ObjectArray* active = s->Bubble_activeBubbles;
  const int32_t n = active ? std::min(s->Bubble_activeBubbleCount, active->length) : 0;
  for (int32_t i = 0; i < n; i++) {
    auto* bubble = static_cast<Bubble*>(active->elements()[i]);
    if (!bubble) continue;
    const bool popPending = bubble->popTimer >= 0;
    if (bubble->colour >= 0 && bubble->colour < colours) {
      counts->elements()[bubble->colour] += 1;
      if (bubble->isMatchable() && !popPending) s->cGame_boardColourMask |= 1 << bubble->colour;
    }
    if (bubble->bunch != Bubble::kFlyingShot && popPending) s->cGame_pendingPopCount += 1;
    if (bubble->bunch >= 0) {
      if (bubble->row != 0) s->cGame_allOnRowZero = 0;
      const int32_t bottom = bubble->y + kRim;
      if (bottom < s->cGame_bandY25) {
        s->cGame_bandCount0 += 1;
      } else if (bottom < s->cGame_bandY50) {
        s->cGame_bandCount1 += 1;
      } else if (bottom < s->cGame_bandY75) {
        s->cGame_bandCount2 += 1;
      } else {
        s->cGame_bandCount3 += 1;
      }
      if (bottom > s->cGame_bandBottomY) s->cGame_belowBandCount += 1;
      const int32_t pixelY = bubble->y >> 16;
      if (pixelY + kRimPx > s->cGame_dangerLineY) danger = true;
      if (pixelY < s->cGame_boardTopY) s->cGame_boardTopY = pixelY;
    } else if (bubble->bunch == Bubble::kFlyingShot) {
      s->cGame_shotInFlight = 1;
      if (s->cGame_levelKind() == kLessonKind) s->cGame_lessonShotFired = 1;
    }
  }
  s->cGame_bandScore =
      s->cGame_bandCount0 +
      (s->cGame_bandCount1 + (s->cGame_bandCount2 + s->cGame_bandCount3 * 2) * 2) * 2;
  if (!s->cGame_shotInFlight) s->cGame_noShotSeen = 0;
  s->cGame_hudTimerBlink = danger ? 1 : 0;
  if (previousPops > 0 && s->cGame_pendingPopCount == 0) postEvent(kLastPopEvent);
}

// ---- Room beside a bubble -------------------------------------------------------------------

// Only a bubble of bunch 0..9 has a bunch to ask: a falling bubble (-2) or a shot (-1) has none.
// The cell must lie inside the side walls, below the play area's top and not above the bunch's
// centre (screen y grows downwards), and above the danger line unless that is ignored.
bool cGame::canPlaceNeighbour(Bubble* bubble, int32_t d, bool ignoreAimLine) {
  GameStatics* s = Statics<GameStatics>();
  if (!bubble || d < 0 || d >= Bubble::kDirections) return false;
  cGame_CBubbleBunch* bunch = getBunch(bubble->bunch);
  if (!bunch || bunch->type == kCarrierType || bunch->type == kLockType) return false;
  const int32_t col = bubble->col + Bubble::kNeighbourDx[d];
  const int32_t row = bubble->row + Bubble::kNeighbourDy[d];
  Bubble::cellPosition(bunch, col, row, true, true);
  const int32_t x = s->Bubble_cellX;
  const int32_t y = s->Bubble_cellY;
  if (bunch->type == kWallType) {
    if (row == 0 || Bubble::isAnyNear(x, y, kRimPx)) return false;
  }
  if (!ignoreAimLine && (y >> 16) > s->cGame_dangerLineY) return false;
  return (y >> 16) >= s->cGame_playTop && y >= bunch->centreY && x >= s->cGame_playLeft &&
         x <= s->cGame_playRight;
}
