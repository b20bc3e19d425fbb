// The static fields of cGame, the game's state, as one declaration list for the static block
// (runtime/static_fields.h says how an entry is written).
#pragma once

#include <cstdint>

// The logical canvas size in pixels (480 x 800), set by cGame::clinitTables before the
// initialisers that derive sizes from it run.
#define PLIMORA_STATICS_cGame(REF, VALUE) \
  VALUE(cGame, int32_t, canvasWidth)      \
  VALUE(cGame, int32_t, canvasHeight)
