// The menu layout tables: menuLayouts holds menu layout t at entry t, each an Object[] whose
// element 0 is its header short[4] {layout record, layout type, first list row, moving item}.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace {

constexpr int32_t kHeaderFirstRow = 2;

}  // namespace

void cGame::initMenuTables() {
  Statics<GameStatics>()->cGame_menuLayouts = NewObjectArray(cid::Object, kMenuLayoutCount);
}

int32_t cGame::menuFirstItem(int32_t m) {
  ObjectArray* layouts = Statics<GameStatics>()->cGame_menuLayouts;
  if (!layouts || m < 0 || m >= layouts->length) return 0;
  auto* layout = CheckCast<ObjectArray>(layouts->elements()[m]);
  if (!layout || layout->length < 1) return 0;
  auto* header = CheckCast<ShortArray>(layout->elements()[0]);
  if (!header || header->length <= kHeaderFirstRow) return 0;
  return header->elements()[kHeaderFirstRow];
}
