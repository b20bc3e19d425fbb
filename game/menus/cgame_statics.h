// The static fields of cGame that belong to the menus, the level-select map and the screens, as one
// declaration list for the static block (runtime/static_fields.h says how an entry is written), and
// the types that this folder's cGame members and statics name (game/cgame.h includes it before the
// class).
#pragma once

#include <cstdint>

class IntArray;
class ObjectArray;

// menuLayouts: Object[20], menu layout t at entry t, each an Object[] whose element 0 is its
// header short[4]. The touch list of the open menu: listRowTops and listRowBottoms hold each
// row's top and bottom y (ascending), listItemPositions each row's item as {x, y}, and
// menuSelection the selected row.
#define PLIMORA_STATICS_cGame_menus(REF, VALUE) \
  REF(cGame, ObjectArray, menuLayouts)          \
  REF(cGame, IntArray, listRowTops)             \
  REF(cGame, IntArray, listRowBottoms)          \
  REF(cGame, IntArray, listItemPositions)       \
  VALUE(cGame, int32_t, menuSelection)
