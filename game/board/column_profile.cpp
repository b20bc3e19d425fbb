// The column profile of the surface bunch: for each of 48 half columns of 18.5 px the lowest row
// a bubble of that bunch reaches (-1000 a gap), and the tests the bosses build on it. A half
// column outside 0..47 reads as a gap; a bubble outside 1..47 is not written.
#include <cstdint>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kHalfColumns = 48;
constexpr int32_t kCentre = 24;
constexpr int32_t kGap = -1000;
constexpr int64_t kRowPitch = 33 << 16;     // 16.16
constexpr int32_t kColumnPitch = 37;        // px: two half columns
constexpr int32_t kType15Reach = 37 << 16;  // 16.16: a column counts this far beside the bunch
constexpr int32_t kFallingRowType = 15;

cGame_CBubbleBunch* Surface() {
  return cGame::getBunch(Statics<GameStatics>()->cGame_surfaceBunch);
}

}  // namespace

int32_t cGame::columnProfileAt(int32_t i) {
  IntArray* profile = Statics<GameStatics>()->cGame_columnProfile;
  if (!profile || i < 0 || i >= profile->length) return kGap;
  return profile->elements()[i];
}

// A bubble covers half columns i and i - 1; popping and dead bubbles leave their columns open.
void cGame::buildColumnProfile() {
  GameStatics* s = Statics<GameStatics>();
  if (!s->cGame_columnProfile) s->cGame_columnProfile = NewIntArray(kHalfColumns);
  IntArray* profile = s->cGame_columnProfile;
  if (!profile) return;
  s->cGame_profileCentre = kCentre;
  int32_t* column = profile->elements();
  for (int32_t i = 0; i < profile->length; i++) column[i] = kGap;
  cGame_CBubbleBunch* bunch = Surface();
  for (int32_t k = 0; bunch && k < bunchMemberCount(bunch); k++) {
    auto* bubble = static_cast<Bubble*>(bunch->bubbles->elements()[k]);
    if (!bubble || bubble->popTimer != -1 || (bubble->flags & Bubble::kDead)) continue;
    const int32_t i = 2 * bubble->col + bubble->row + kCentre;
    if (i < 1 || i >= profile->length) continue;
    if (column[i] < bubble->row) column[i] = bubble->row;
    if (column[i - 1] < bubble->row) column[i - 1] = bubble->row;
  }
  const bool shifted = s->cGame_rowParityShift != 0;
  s->cGame_profileFirst = kCentre - 12 - (shifted ? 3 : 2);
  s->cGame_profileLast = kCentre + 10 + (shifted ? 0 : 1);
}

int32_t cGame::columnX(int32_t i) {
  cGame_CBubbleBunch* bunch = Surface();
  const int32_t centre = bunch ? bunch->centreX >> 16 : 0;
  return centre + (((i - kCentre) * kColumnPitch) >> 1);
}

// The product of the row and the pitch is taken in 64 bits: a gap's -1000 rows are 33000 px.
int32_t cGame::columnTopY(int32_t i) {
  cGame_CBubbleBunch* bunch = Surface();
  const int64_t centreY = bunch ? bunch->centreY : 0;
  const int64_t top = centreY - columnProfileAt(i) * kRowPitch;
  return static_cast<int32_t>(top >> 16) - 18;
}

bool cGame::isColumnUnderType15Bunch(int32_t i) {
  const int32_t x = columnX(i) << 16;
  for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
    cGame_CBubbleBunch* bunch = getBunch(b);
    if (!bunch || !bunch->inUse || bunch->type != kFallingRowType) continue;
    if (x >= bunch->centreX + bunch->minX - kType15Reach &&
        x <= bunch->centreX + bunch->maxX + kType15Reach) {
      return true;
    }
  }
  return false;
}

bool cGame::isAboveColumnPair() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t left = columnProfileAt(s->cGame_bossColumn - 1);
  const int32_t right = columnProfileAt(s->cGame_bossColumn);
  const int32_t v = s->cGame_bossGround;
  return v > right && v > left && !(right == kGap && left == kGap);
}

bool cGame::isAboveFilledColumnPair() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t left = columnProfileAt(s->cGame_bossColumn - 1);
  const int32_t right = columnProfileAt(s->cGame_bossColumn);
  const int32_t v = s->cGame_bossGround;
  return v > right && v > left && right != kGap && left != kGap;
}
