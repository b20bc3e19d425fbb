// The static fields of cGame that belong to the menus, the level-select map and the screens, as one
// declaration list for the static block (runtime/static_fields.h says how an entry is written), and
// the types that this folder's cGame members and statics name (game/cgame.h includes it before the
// class).
#pragma once

#define PLIMORA_STATICS_cGame_menus(REF, VALUE)
