// The board's colour choices: a bunch's two colour slots, the most common colour of the lowest
// bunch, and the colour set of the boss's cell map kept inside the colours still on the board.
// Only plain colours 0..6 are ever counted or masked.
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"

namespace {

constexpr int32_t kColours = Bubble::kPlainColours;
constexpr int32_t kContactRows = cGame_CBubbleBunch::kSlots;

bool IsPlainColour(int32_t c) {
  return c >= 0 && c < kColours;
}

}  // namespace

// ---- Start-up and reset ---------------------------------------------------------------------

// The start values of the motion statics that are not zero: no chain bunch, no feeder, the
// profile's centre, the targets' goal point; the colour counts and the contact table.
void cGame::initBoardMotionState() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_chainBunch = -1;
  s->cGame_feeder = -1;
  s->cGame_profileCentre = 24;
  s->cGame_targetGoalX = 80;
  s->cGame_targetGoalY = 260;
  s->cGame_boardTopY = 800;
  s->cGame_colourCounts = NewIntArray(kColours);
  ObjectArray* contacts = NewObjectArray(cid::ByteArray, kContactRows);
  s->cGame_bunchContacts = contacts;
  for (int32_t i = 0; contacts && i < kContactRows; i++) {
    contacts->elements()[i] = NewByteArray(kContactRows);
  }
}

// The level left: the boss's map and its colours go, no colour is on the board.
void cGame::resetBoardColours() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_cellColourMap = nullptr;
  s->cGame_mapColourMask = 0;
  s->cGame_boardColourMask = 0;
  s->cGame_chainBunch = -1;
}

// ---- Colour slots ---------------------------------------------------------------------------

void cGame::pickBunchColours(int32_t b, int32_t avoid) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!bunch) return;
  if (bunch->colourA == -1) {
    bunch->colourA = getRandom(0, kColours);
    if (bunch->colourA == avoid) bunch->colourA = (bunch->colourA + 1) % kColours;
  }
  if (bunch->colourB == -1) {
    bunch->colourB = getRandom(0, kColours);
    // Seven colours and at most two to avoid: the walk ends within three steps.
    while (bunch->colourB == avoid || bunch->colourB == bunch->colourA) {
      bunch->colourB = (bunch->colourB + 1) % kColours;
    }
  }
}

// ---- The most common colour -----------------------------------------------------------------

// The lowest bunch holding bubbles (largest centre y above 0, the first on a tie), -1 none.
static int32_t LowestBunch() {
  int32_t lowest = -1;
  int32_t lowestY = 0;
  for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
    cGame_CBubbleBunch* bunch = cGame::getBunch(b);
    if (!bunch || cGame::bunchMemberCount(bunch) < 1) continue;
    if (bunch->centreY > lowestY) lowest = b, lowestY = bunch->centreY;
  }
  return lowest;
}

// A tie draws from gameRandom (under its monitor) and takes the later colour one time in three,
// so a colour of count 0 can win while best is still 0.
int32_t cGame::pickMostCommonColour(int32_t exclude) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t b = LowestBunch();
  if (b < 0) return -1;
  IntArray* counts = s->cGame_colourCounts;
  if (!NullCheck(counts) || counts->length < kColours) return -1;
  int32_t* count = counts->elements();
  for (int32_t c = 0; c < kColours; c++) count[c] = 0;
  cGame_CBubbleBunch* bunch = getBunch(b);
  for (int32_t i = 0; i < bunchMemberCount(bunch); i++) {
    auto* bubble = static_cast<Bubble*>(bunch->bubbles->elements()[i]);
    if (!bubble || bubble->colour == exclude || !bubble->isMatchable()) continue;
    if (bubble->popTimer >= 0 || !IsPlainColour(bubble->colour)) continue;
    count[bubble->colour] += 1;
  }
  int32_t best = 0;
  int32_t result = -1;
  for (int32_t c = 0; c < kColours; c++) {
    bool take = count[c] > best;
    if (!take && count[c] == best) {
      java_util_Random* random = s->cGame_gameRandom();
      const int64_t r = NullCheck(random) ? random->nextInt() : 0;
      take = (r < 0 ? -r : r) % 3 == 0;
    }
    if (take) result = c, best = count[c];
  }
  return result;
}

// ---- The boss map's colour set --------------------------------------------------------------

void cGame::collectMapColours() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_mapColourMask = 0;
  ObjectArray* map = s->cGame_cellColourMap;
  if (!map) return;
  for (int32_t i = 0; i < map->length; i++) {
    auto* column = CheckCast<IntArray>(map->elements()[i]);
    for (int32_t j = 0; column && j < column->length; j++) {
      const int32_t v = column->elements()[j];
      if (IsPlainColour(v)) s->cGame_mapColourMask |= 1 << v;
    }
  }
}

void cGame::replaceColourInMap(int32_t c, int32_t v) {
  ObjectArray* map = Statics<GameStatics>()->cGame_cellColourMap;
  if (!map || c < 0) return;
  for (int32_t i = 0; i < map->length; i++) {
    auto* column = CheckCast<IntArray>(map->elements()[i]);
    for (int32_t j = 0; column && j < column->length; j++) {
      if (column->elements()[j] == c) column->elements()[j] = v;
    }
  }
}

// A colour of the map that has left the board is replaced by one still on it.
void cGame::updateColourSet() {
  GameStatics* s = Statics<GameStatics>();
  collectMapColours();
  for (int32_t c = 0; c < kColours; c++) {
    const int32_t bit = 1 << c;
    if ((s->cGame_mapColourMask & bit) && !(s->cGame_boardColourMask & bit)) {
      replaceColourInMap(c, randomSetBit());
    }
  }
}
