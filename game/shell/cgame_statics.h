// The static fields of cGame that belong to the shell, as one declaration list for the static
// block (runtime/static_fields.h says how an entry is written), and the types that the shell's
// cGame members and statics name (game/cgame.h includes it before the class).
#pragma once

#include <cstdint>

// canvasWidth, canvasHeight: the logical canvas size in pixels (480 x 800), set by
// cGame::clinitTables before the initialisers that derive sizes from it run.
#define PLIMORA_STATICS_cGame_shell(REF, VALUE) \
  VALUE(cGame, int32_t, canvasWidth)            \
  VALUE(cGame, int32_t, canvasHeight)
