// Level type 2's slot row: the colour of each of the 11 columns of the rows to come, drawn so
// that a row holds some runs of three, some runs of two and single colours. Every draw steps
// the game generator (randomSeed) in a fixed order: a seed gives one slot row.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kColumns = 11;
constexpr int32_t kAllColumns = (1 << kColumns) - 1;
constexpr int32_t kMaxThrees = kColumns / 3;

}  // namespace

// Runs of three go left to right, each start drawn in the room the runs still to come leave,
// so they never overlap and never pass column 10. Runs of two land on a free column and take
// the next one too, wrapping from 10 to 0 and overwriting whatever that cell held. A bracket
// table that answers more runs of three than 11 columns hold is cut to three (a fourth run
// would write past the row and leave no column for the runs of two to start on).
void cGame::randomizeSlotRow() {
  GameStatics* s = Statics<GameStatics>();
  if (!s->cGame_waveSlots || s->cGame_waveSlots->length < kColumns) {
    s->cGame_waveSlots = NewIntArray(kColumns);
    if (!s->cGame_waveSlots) return;
  }
  int32_t* slots = s->cGame_waveSlots->elements();
  const int32_t colours = ByteArray::get(s->cGame_stageColours, s->cGame_stageIndex);

  int32_t threes = findBracketIndex(false, rand(100));
  int32_t twos = findBracketIndex(true, rand(100));
  if (threes > kMaxThrees) {
    DebugLog("cGame::randomizeSlotRow: %d runs of three do not fit 11 columns; 3 are drawn",
             threes);
    threes = kMaxThrees;
  }
  if (kColumns - 3 * threes < 2 * twos) twos = (kColumns - 3 * threes) >> 1;

  int32_t taken = 0;
  int32_t limit = kColumns + 1 - 3 * threes;
  int32_t pos = 0;
  for (int32_t k = 0; k < threes; k++) {
    const int32_t c = rand(colours);
    const int32_t room = limit - pos;
    const int32_t start = pos + rand(room);
    for (int32_t i = start; i < start + 3; i++) {
      slots[i] = c;
      taken |= 1 << i;
    }
    limit += 3;
    pos = start + 3;
  }

  for (int32_t k = 0; k < twos; k++) {
    const int32_t c = rand(colours);
    int32_t p = rand(kColumns);
    while (taken & (1 << p)) p = (p + 1) % kColumns;
    const int32_t q = p + 1 == kColumns ? 0 : p + 1;
    slots[p] = c;
    slots[q] = c;
    taken |= 1 << p | 1 << q;
  }

  if (taken == kAllColumns) return;
  for (int32_t k = 0; k < kColumns; k++) {
    if (!(taken & (1 << k))) slots[k] = rand(colours);
  }
}
