// The static fields of cGame, the game's state, as one declaration list for the static block
// (runtime/static_fields.h says how an entry is written).
#pragma once

#include <cstdint>

class ByteArray;
class ShortArray;

// canvasWidth, canvasHeight: the logical canvas size in pixels (480 x 800), set by
// cGame::clinitTables before the initialisers that derive sizes from it run.
// lzmaInput, lzmaProbs, lzmaOutput: the arrays of one LZMA decode (engine/lzma.cpp): the
// range-coded data, the probabilities, and the result that outlives the decode.
#define PLIMORA_STATICS_cGame(REF, VALUE) \
  VALUE(cGame, int32_t, canvasWidth)      \
  VALUE(cGame, int32_t, canvasHeight)     \
  REF(cGame, ByteArray, lzmaInput)        \
  REF(cGame, ShortArray, lzmaProbs)       \
  REF(cGame, ByteArray, lzmaOutput)
