// Level type 2's generated rows: bunch 0 hangs from a top row of 11 fixed bubbles (colour 39),
// and each new row goes in above the board while every bubble moves down one row, the old top
// row taking its real colours. The top row always holds 11 bubbles; every draw steps the game
// generator (randomSeed) in a fixed order.
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/java_arith.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kColumns = 11;
constexpr int32_t kHalfRow = 5;          // the top row's cells run from -5 to 5
constexpr int32_t kTopColour = 39;       // the fixed bubbles the board hangs from
constexpr int32_t kTopFlags = Bubble::kClearedOnCopy | Bubble::kNeverPops;
constexpr int32_t kHalfColumnPx = 18;    // odd rows sit half a column to the left
constexpr int32_t kSpecialMaskBits = 0x3fffff;  // special slots 0..21, kinds 7..28
constexpr int32_t kSpecialsLoaded = 3;   // specialState after a new row

// One step of the generator: its upper 16 bits, 0..65535.
int32_t Draw() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_randomSeed = s->cGame_randomSeed * 1664525 + 1013904223;
  return JavaUshr(s->cGame_randomSeed, 16);
}

// A fixed top-row bubble at (col, row) of bunch 0, at its pixel place and in the grid.
Bubble* PlaceTopBubble(int32_t col, int32_t row) {
  Bubble* bubble = Bubble::allocate();
  if (!bubble) return nullptr;
  bubble->colour = kTopColour;
  cGame::attachBubbleToBunch(bubble, 0, col, row);
  bubble->flags |= kTopFlags;
  bubble->syncPixelPosition();
  bubble->updateGridCell();
  return bubble;
}

// The special columns of the new row as bits 0..10 (column index col + 5); 0 when the row
// carries none. Each further column has one chance in four; at most all 11 are chosen.
int32_t DrawSpecialColumns(int32_t stage) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_rowSpecialChance += ByteArray::get(s->cGame_stageSpecialStep, stage);
  if (JavaRem(Draw(), 100) >= s->cGame_rowSpecialChance) return 0;
  s->cGame_rowSpecialChance = ByteArray::get(s->cGame_stageSpecialBase, stage);
  int32_t count = 1;
  const int32_t most = ByteArray::get(s->cGame_stageMaxSpecialColumns, stage);
  while (count < most && count < kColumns && (Draw() & 3) == 0) count++;
  int32_t chosen = 0;
  for (int32_t n = kColumns; n > kColumns - count; n--) {
    int32_t pick = JavaRem(Draw(), n);
    for (int32_t c = 0; c < kColumns; c++) {
      if (chosen & (1 << c)) continue;
      if (pick-- == 0) {
        chosen |= 1 << c;
        break;
      }
    }
  }
  return chosen;
}

// The real colour of a bubble of the old top row in column index c.
int32_t RowColour(int32_t c, int32_t specialColumns, int32_t stage) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t colours = ByteArray::get(s->cGame_stageColours, stage);
  const bool special = c >= 0 && c < kColumns && (specialColumns & (1 << c));
  if (!special) {
    if (s->cGame_pendingRows != 0) return IntArray::get(s->cGame_waveSlots, c);
    const int32_t r = Draw();
    return colours != 0 ? JavaRem(r, colours) : 0;
  }
  // A stage without special kinds gives the column an ordinary colour by the same draw.
  const int32_t r = Draw();
  const int32_t mask = IntArray::get(s->cGame_stageMasks, stage) & kSpecialMaskBits;
  if (mask == 0) return colours != 0 ? JavaRem(r, colours) : 0;
  const int32_t slot = cGame::nthSetBit(mask, JavaRem(r, cGame::popCount(mask)) + 1);
  return ShortArray::get(s->cGame_specialKinds, slot);
}

}  // namespace

void cGame::generateRandomLevel() {
  GameStatics* s = Statics<GameStatics>();
  cGame_CBubbleBunch* board = getBunch(0);
  if (Bubble::kPoolSize - s->Bubble_activeBubbleCount < kColumns || !board) {
    DebugLog("cGame::generateRandomLevel: %d bubbles in play leave no room for a row of 11; "
             "the row waits",
             s->Bubble_activeBubbleCount);
    return;
  }
  s->cGame_specialState = kSpecialsLoaded;
  s->cGame_shotHasLanded = 1;
  s->cGame_gridRebuildRequested = true;
  const bool odd = (s->cGame_waveRowCount & 1) != 0;
  const int32_t shift = odd ? -1 : 0;
  const int32_t stage = s->cGame_stageIndex;
  Bubble* old = board->core;

  // The new top row, one row above the board; its middle bubble becomes the key bubble.
  Bubble* key = PlaceTopBubble(shift, 1);
  for (int32_t k = 1; k <= kHalfRow; k++) {
    PlaceTopBubble(shift + k, 1);
    PlaceTopBubble(shift - k, 1);
  }
  if (old) old->flags &= ~Bubble::kKey;
  if (key) {
    key->flags |= Bubble::kKey;
    board->core = key;
  }
  setBunchCentre(0, (s->cGame_screenWidth() / 2 - (odd ? kHalfColumnPx : 0)) << 16,
                 s->cGame_waveRowY);

  // The old top row takes its colours and every bubble moves down one row, in pool order.
  const int32_t specialColumns = DrawSpecialColumns(stage);
  for (int32_t i = 0; i < Bubble::kPoolSize; i++) {
    Bubble* bubble = Bubble::getPooled(i);
    // A bubble flagged dead is already leaving the board: it takes no colour and stays put.
    if (!bubble || !(bubble->flags & Bubble::kLive) || bubble->bunch < 0) continue;
    if (bubble->flags & Bubble::kDead) continue;
    if (!odd && bubble->row == 0 && bubble->col == -kHalfRow) {
      // Left of the hexagonal alignment on even rows: the cell is emptied.
      releaseBubbleFromBunch(bubble);
      bubble->flags |= Bubble::kDead;
      continue;
    }
    if (bubble->row == 0) {
      bubble->flags &= ~Bubble::kNeverPops;
      bubble->colour = RowColour(bubble->col + kHalfRow, specialColumns, stage);
    }
    bubble->col -= shift;
    bubble->row -= 1;
  }
  s->cGame_waveRowCount += 1;
}
