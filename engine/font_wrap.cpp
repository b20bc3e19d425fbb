// Word wrapping with a bitmap font: the lines of a text no wider than a width, broken after a
// run of spaces or at a line feed, each with its width and the text state it starts in, and
// the text rebuilt with a line feed at each break.
#include <vector>

#include "engine/font_tokens.h"
#include "engine/sprite.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"

namespace {

constexpr int32_t kWrapResultLength = 500;  // 166 lines
constexpr int32_t kEmptyString = 46;        // string constants
constexpr int32_t kLineBreak = 47;

// The bold, underline and palette state of a point in the text.
struct TextState {
  int32_t palette;
  bool bold;
  bool underline;

  int32_t packed() const {
    return (palette & 0xFFF) | (bold ? 0x1000 : 0) | (underline ? 0x2000 : 0);
  }
};

// The lines found so far: end index, width, state at the start, for each.
class WrapLines {
 public:
  explicit WrapLines(const TextState& first) : startState_(first.packed()) {}

  void end(int32_t endIndex, int32_t width, const TextState& next) {
    entries_.insert(entries_.end(), {endIndex, width, startState_});
    startState_ = next.packed();
  }
  // Copies the lines into wrapResult, which grows when they do not fit.
  ShortArray* store() const {
    GameStatics* s = Statics<GameStatics>();
    const int32_t length = 1 + static_cast<int32_t>(entries_.size());
    if (!s->ASprite_wrapResult || s->ASprite_wrapResult->length < length) {
      s->ASprite_wrapResult =
          NewShortArray(length > kWrapResultLength ? length : kWrapResultLength);
    }
    ShortArray* result = s->ASprite_wrapResult;
    if (!result || result->length < length) return result;
    int16_t* out = result->elements();
    out[0] = static_cast<int16_t>(entries_.size() / 3);
    for (size_t i = 0; i < entries_.size(); i++) out[i + 1] = static_cast<int16_t>(entries_[i]);
    return result;
  }

 private:
  std::vector<int32_t> entries_;
  int32_t startState_;
};

// The number of spaces in the run that ends at index last, not before from.
int32_t SpacesEndingAt(const FontText& text, int32_t last, int32_t from) {
  int32_t n = 0;
  while (last - n >= from && text.at(last - n) == kFontSpace) n++;
  return n;
}

}  // namespace

ShortArray* ASprite::wrapText(String* s, int32_t maxWidth) {
  const FontText text(NullCheck(s) ? s : nullptr, nullptr);
  const int32_t n = text.length();
  TextState state{currentPalette, bold, underline};
  WrapLines lines(state);
  int32_t lineStart = 0, lineWidth = 0;
  int32_t candidate = -1, sinceCandidate = 0;  // the last space of the line, and the width after it
  TextState candidateState = state;
  for (int32_t i = 0; i < n;) {
    const FontToken t = NextFontToken(this, text, i, n);
    switch (t.kind) {
      case FontToken::kSpace:
        lineWidth += getSpaceWidth();
        candidate = i;
        candidateState = state;
        sinceCandidate = 0;
        i += 1;
        if (lineWidth > maxWidth) {
          lineWidth -= SpacesEndingAt(text, candidate, lineStart) * getSpaceWidth();
          while (i < n && text.at(i) == kFontSpace) i++;
          lines.end(i, lineWidth, state);
          lineStart = i;
          candidate = -1;
          lineWidth = 0;
        }
        continue;
      case FontToken::kLineFeed:
        lines.end(i, lineWidth, state);
        lineStart = i;
        lineWidth = 0;
        candidate = -1;
        break;
      case FontToken::kToggleBold:
        state.bold = !state.bold;
        break;
      case FontToken::kToggleUnderline:
        state.underline = !state.underline;
        break;
      case FontToken::kEscapePalette:
        if (t.value < paletteCount) state.palette = t.value;
        break;
      case FontToken::kGlyph: {
        const int32_t frame = t.value < getFrameCount() ? t.value : 0;
        const int32_t w = getCharGap() + getScaledFModuleX(frame) + (state.bold ? 1 : 0);
        lineWidth += w;
        sinceCandidate += w;
        if (lineWidth > maxWidth && candidate >= 0) {
          const int32_t spaces = SpacesEndingAt(text, candidate, lineStart) * getSpaceWidth();
          state = candidateState;
          lines.end(candidate + 1, lineWidth - sinceCandidate - spaces, state);
          i = lineStart = candidate + 1;
          lineWidth = 0;
          candidate = -1;
          continue;
        }
        break;
      }
      default:
        break;
    }
    i += t.length;
  }
  lines.end(n, lineWidth, state);
  return lines.store();
}

// A break that falls on a line feed keeps it at the start of the next piece.
String* ASprite::wrapToString(String* s, int32_t maxWidth) {
  StringBuffer* out = NewObject<StringBuffer>(16);
  ShortArray* result = wrapText(s, maxWidth);
  if (!s || !out || !result) return GetConstantString(kEmptyString);
  const int32_t lines = ShortArray::get(result, 0);
  int32_t start = 0;
  for (int32_t k = 0; k < lines; k++) {
    const int32_t end = ShortArray::get(result, 1 + 3 * k);
    if (start != 0 && start < s->length() && s->charAt(start) != kFontLineFeed) {
      out->append(GetConstantString(kLineBreak));
    }
    out->append(s->substring(start, end));
    start = end;
  }
  return out->toString();
}
