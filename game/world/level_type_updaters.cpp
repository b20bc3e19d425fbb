// The rules a level type adds to the board, one updater a type, called once a frame by the
// world update. Each returns at once in a level of another type. So far: the row feeder of
// level type 7, whose rows come down one after another at a fixed rhythm.
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kFeederType = 7;
constexpr int32_t kFeederBunchType = 13;
constexpr int32_t kFeederAppearance = 42;
constexpr int32_t kFeederTopPercent = 20;  // a row starts 20 % of the screen down

}  // namespace

// ---- Level type 7: the row feeder ---------------------------------------------------------

// rowLastVisible counts the rows shown by the clock alone; rowFirstVisible the rows built,
// the first at rowFirstTime and one more every rowInterval ms. A row that finds all ten bunch
// slots taken waits for a free one, so no row of the level is lost.
void cGame::updateRowFeeder() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelType != kFeederType) return;
  s->cGame_rowElapsed += s->cGame_frameTime;
  if (s->cGame_rowLastVisible < s->cGame_rowCount &&
      s->cGame_rowElapsed >= (s->cGame_rowLastVisible + 1) * s->cGame_rowInterval) {
    s->cGame_rowLastVisible += 1;
  }
  const int32_t row = s->cGame_rowFirstVisible;
  if (row >= s->cGame_rowCount ||
      s->cGame_rowElapsed < s->cGame_rowFirstTime + row * s->cGame_rowInterval) {
    return;
  }
  const int32_t slot = findFreeBunchSlot();
  if (slot < 0) return;
  const int32_t x = (s->cGame_screenWidth() / 2) << 16;
  const int32_t y = (s->cGame_screenHeight() * kFeederTopPercent / 100) << 16;
  buildBunchFromTemplate(IntArray::get(s->cGame_rowTemplate, row), slot, x, y, kFeederBunchType,
                         kFeederAppearance);
  getBunch(slot)->fallSpeed = 2 * s->cGame_rowSpeed;
  s->cGame_rowFirstVisible = row + 1;
  DebugLog("feeder row %d", row);
}
