// The characters of a bitmap-font text and what each stands for: measuring, drawing and
// wrapping walk the same tokens, each reacting in its own way. A token never reads past the
// end of the range it is given.
#pragma once

#include <cstdint>

#include "engine/sprite.h"
#include "runtime/array.h"
#include "runtime/string.h"

// The text of one operation: a String, or the char[] when the String is null. Every read goes
// through the object, since painting may allocate and a body may move then.
class FontText {
 public:
  FontText(String* s, CharArray* chars) : string_(s), chars_(s ? nullptr : chars) {}

  bool absent() const { return !string_ && !chars_; }
  int32_t length() const { return string_ ? string_->length() : chars_ ? chars_->length : 0; }
  // 0 <= i < length().
  int32_t at(int32_t i) const { return string_ ? string_->characters[i] : chars_->elements()[i]; }

 private:
  String* string_;
  CharArray* chars_;
};

struct FontToken {
  enum Kind : int32_t {
    kIgnored,          // a control character, or an escape cut off by the range's end
    kLineFeed,         // 10
    kSpace,            // 32
    kGlyph,            // value: its frame (a character's, or the frame after character 2)
    kToggleBold,       // backslash, '^'
    kToggleUnderline,  // backslash, '_'
    kEscapePalette,    // backslash, another character d: value d - 48
    kControlPalette,   // character 1, then p: value p (255: the palette saved by drawString)
  };
  Kind kind;
  int32_t value;
  int32_t length;  // characters taken: 1 or 2
};

constexpr int32_t kFontLineFeed = 10;
constexpr int32_t kFontSpace = 32;
constexpr int32_t kFontUnderscore = 95;

// The token at text[i], for i < end <= the text's length.
inline FontToken NextFontToken(ASprite* font, const FontText& text, int32_t i, int32_t end) {
  constexpr int32_t kPaletteControl = 1, kFrameControl = 2, kEscape = 92;
  const int32_t c = text.at(i);
  const bool hasArgument = i + 1 < end;
  switch (c) {
    case kFontLineFeed:
      return {FontToken::kLineFeed, 0, 1};
    case kFontSpace:
      return {FontToken::kSpace, 0, 1};
    case kPaletteControl:
      return hasArgument ? FontToken{FontToken::kControlPalette, text.at(i + 1), 2}
                         : FontToken{FontToken::kIgnored, 0, 1};
    case kFrameControl:
      return hasArgument ? FontToken{FontToken::kGlyph, text.at(i + 1), 2}
                         : FontToken{FontToken::kIgnored, 0, 1};
    case kEscape: {
      if (!hasArgument) return {FontToken::kIgnored, 0, 1};
      const int32_t d = text.at(i + 1);
      if (d == '^') return {FontToken::kToggleBold, 0, 2};
      if (d == '_') return {FontToken::kToggleUnderline, 0, 2};
      return {FontToken::kEscapePalette, d - '0', 2};
    }
    default:
      return c < kFontSpace ? FontToken{FontToken::kIgnored, 0, 1}
                            : FontToken{FontToken::kGlyph, font->getCharFrame(c), 1};
  }
}
