// The static fields that every bitmap font shares, as one declaration list for the static
// block (runtime/static_fields.h says how an entry is written): the range of the next text
// operation and the results of the last one, which its caller reads before the next.
#pragma once

#include <cstdint>

class ShortArray;

// textStart, textEnd: the next measuring or drawing covers [textStart, textEnd); -1 stands for
// 0 and for the text's length. textDrawLimit: when not negative, drawing stops before this
// index (measuring does not). textWidth, textHeight: the last getStringSize, in pixels.
// savedTextPalette: the palette drawString saved. wrapResult: the last wrapText's lines,
// short[500] made on first use, larger when a text needs it (engine/font_wrap.cpp).
#define PLIMORA_STATICS_ASprite_text(REF, VALUE) \
  VALUE(ASprite, int32_t, textStart)             \
  VALUE(ASprite, int32_t, textEnd)               \
  VALUE(ASprite, int32_t, textDrawLimit)         \
  VALUE(ASprite, int32_t, textWidth)             \
  VALUE(ASprite, int32_t, textHeight)            \
  VALUE(ASprite, int32_t, savedTextPalette)      \
  REF(ASprite, ShortArray, wrapResult)
