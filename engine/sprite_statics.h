// The static fields of ASprite as one declaration list for the static block
// (runtime/static_fields.h says how an entry is written).
#pragma once

#include <cstdint>

class IntArray;
class ObjectArray;

// rgbScratchA, rgbScratchB: the two int[40000] ARGB buffers that decoding, transforms and the
// pixel effects use in turn, each made on first use.
// boundsScratch: int[4], the bounds of one frame while the loader computes frame bounds.
// gcOnLoad: a collection before and after each load and Image build.
// measureMode: 1 while a frame is measured; measureBounds: int[4] {minX, minY, maxX, maxY}.
// transformTables: Object[4] of int[8], indexed by flags & 7: the Graphics transform of the
// flags, and the flags of a part after its container is flipped in x, flipped in y, rotated.
// pngChunkTemplates: the PNG signature, chunk names and fixed chunks (sprite_static_init.cpp).
#define PLIMORA_STATICS_ASprite(REF, VALUE)  \
  REF(ASprite, IntArray, rgbScratchA)        \
  REF(ASprite, IntArray, rgbScratchB)        \
  REF(ASprite, IntArray, boundsScratch)      \
  VALUE(ASprite, bool, gcOnLoad)             \
  VALUE(ASprite, int32_t, measureMode)       \
  REF(ASprite, IntArray, measureBounds)      \
  REF(ASprite, ObjectArray, transformTables) \
  REF(ASprite, ObjectArray, pngChunkTemplates)
