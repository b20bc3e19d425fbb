// Measuring and drawing text with a sprite as a bitmap font: glyph frames painted side by
// side, the escapes and control characters of engine/font_tokens.h, anchors, and pages of
// lines. Measuring keeps the sprite's bold state as it finds it; drawing toggles it, and the
// state persists on the sprite into the next call.
#include "engine/font_tokens.h"
#include "engine/sprite.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/range_check.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kAnchorHCentre = 1;
constexpr int32_t kAnchorVCentre = 2;
constexpr int32_t kAnchorRight = 8;
constexpr int32_t kAnchorBottom = 32;
constexpr int32_t kRestoreSavedPalette = 255;

// [textStart, textEnd) of the text, -1 standing for 0 and for its length.
Span TextRange(const FontText& text) {
  const GameStatics* s = Statics<GameStatics>();
  const int32_t length = text.length();
  const int32_t begin = s->ASprite_textStart < 0 ? 0 : s->ASprite_textStart;
  const int32_t end = s->ASprite_textEnd < 0 ? length : s->ASprite_textEnd;
  return ClampRange("ASprite text range", begin, end, length);
}

}  // namespace

// ---- Measuring ------------------------------------------------------------------------------

void ASprite::getStringSize(String* s, CharArray* chars) {
  const FontText text(s, chars);
  if (text.absent()) return;
  GameStatics* st = Statics<GameStatics>();
  const Span range = TextRange(text);
  const int32_t gap = getCharGap();
  bool boldNow = bold;
  int32_t width = 0, widest = 0;
  st->ASprite_textHeight = getLineSpacing();
  for (int32_t i = range.begin; i < range.end;) {
    const FontToken t = NextFontToken(this, text, i, range.end);
    i += t.length;
    switch (t.kind) {
      case FontToken::kGlyph:
        width += getScaledFModuleX(t.value) + gap + (boldNow ? 1 : 0);
        break;
      case FontToken::kSpace:
        width += getSpaceWidth();
        break;
      case FontToken::kLineFeed:
        widest = width > widest ? width : widest;
        st->ASprite_textHeight += getFontHeight() + getLineSpacing();
        width = 0;
        break;
      case FontToken::kToggleBold:
        boldNow = !boldNow;
        break;
      default:
        break;
    }
  }
  widest = width > widest ? width : widest;
  st->ASprite_textWidth = widest > 0 ? widest - gap : widest;
}

// ---- Drawing --------------------------------------------------------------------------------

// Paints glyph frame f at (x, y) with the underline and bold copies the state asks for;
// nothing for a frame the sprite lacks or one without parts.
void ASprite::paintGlyph(javax_microedition_lcdui_Graphics* g, int32_t f, int32_t x, int32_t y) {
  if (f < 0 || f >= getFrameCount() || getFModuleCount(f) == 0) return;
  paintFrame(g, f, x, y, 0, 0, 0);
  if (underline) paintUnderline(g, getScaledFModuleX(f), x, y);
  if (bold) paintFrame(g, f, x + 1, y, 0, 0, 0);
}

// The underscore's glyph centred under a glyph (or space) of the given advance.
void ASprite::paintUnderline(javax_microedition_lcdui_Graphics* g, int32_t advance, int32_t x,
                             int32_t y) {
  const int32_t f = getCharFrame(kFontUnderscore);
  if (f < 0 || f >= getFrameCount() || getFModuleCount(f) == 0) return;
  paintFrame(g, f, x + ((advance - getScaledFModuleX(f)) >> 1), y, 0, 0, 0);
}

void ASprite::drawString(javax_microedition_lcdui_Graphics* g, String* s, CharArray* chars,
                         int32_t x, int32_t y, int32_t anchor, bool restorePalette) {
  const FontText text(s, chars);
  if (text.absent()) return;
  GameStatics* st = Statics<GameStatics>();
  y += scaled(baseline);
  getStringSize(s, chars);
  if (anchor & kAnchorRight) {
    x -= st->ASprite_textWidth;
  } else if (anchor & kAnchorHCentre) {
    x -= st->ASprite_textWidth >> 1;
  }
  if (anchor & kAnchorBottom) {
    y -= st->ASprite_textHeight;
  } else if (anchor & kAnchorVCentre) {
    y -= st->ASprite_textHeight >> 1;
  }
  if (restorePalette) st->ASprite_savedTextPalette = currentPalette;
  Span range = TextRange(text);
  const int32_t limit = st->ASprite_textDrawLimit;
  if (limit >= 0 && limit < range.end) range.end = limit;
  const int32_t lineStart = x;
  for (int32_t i = range.begin; i < range.end;) {
    const FontToken t = NextFontToken(this, text, i, range.end);
    i += t.length;
    switch (t.kind) {
      case FontToken::kGlyph:
        paintGlyph(g, t.value, x, y);
        x += getCharGap() + getScaledFModuleX(t.value) + (bold ? 1 : 0);
        break;
      case FontToken::kSpace:
        if (underline) paintUnderline(g, getSpaceWidth(), x, y);
        x += getSpaceWidth();
        break;
      case FontToken::kLineFeed:
        x = lineStart;
        y += getFontHeight() + getLineSpacing();
        break;
      case FontToken::kToggleBold:
        bold = !bold;
        break;
      case FontToken::kToggleUnderline:
        underline = !underline;
        break;
      case FontToken::kEscapePalette:
        setCurrentPalette(t.value);
        break;
      case FontToken::kControlPalette:
        setCurrentPalette(t.value == kRestoreSavedPalette ? st->ASprite_savedTextPalette : t.value);
        break;
      case FontToken::kIgnored:
        break;
    }
  }
  if (restorePalette) setCurrentPalette(st->ASprite_savedTextPalette);
}

void ASprite::drawStringPlain(javax_microedition_lcdui_Graphics* g, String* s, int32_t x, int32_t y,
                              int32_t anchor, bool restorePalette) {
  drawString(g, s, nullptr, x, y, anchor, restorePalette);
}

// ---- Pages ----------------------------------------------------------------------------------

int32_t ASprite::splitLines(String* s, int32_t start, int32_t end, int32_t separator,
                            IntArray* out) {
  if (!NullCheck(s)) return 0;
  const Span range = ClampRange("ASprite::splitLines", start, end, s->length());
  int32_t n = 0;
  auto append = [out, &n](int32_t v) {
    n += 1;
    if (out && n < out->length) out->elements()[n] = v;
  };
  if (out && out->length > 0) out->elements()[0] = range.begin - 1;
  for (int32_t i = range.begin; i < range.end; i++) {
    if (s->characters[i] == separator) append(i);
  }
  append(range.end);
  return n;
}

// The line table is sized to the text, so a page of any number of lines fits.
void ASprite::drawPage(javax_microedition_lcdui_Graphics* g, String* s, int32_t x, int32_t y,
                       int32_t anchor, int32_t start, int32_t end) {
  GameStatics* st = Statics<GameStatics>();
  if (NullCheck(s)) {
    const int32_t n = splitLines(s, start, end, kFontLineFeed, nullptr);
    IntArray* out = NewIntArray(n + 1);
    splitLines(s, start, end, kFontLineFeed, out);
    const int32_t step = getFontHeight() + getLineSpacing();
    if (anchor & kAnchorBottom) {
      y -= (n - 1) * step;
    } else if (anchor & kAnchorVCentre) {
      y -= ((n - 1) * step) >> 1;
    }
    for (int32_t k = 0; out && k < n; k++) {
      st->ASprite_textStart = out->elements()[k] + 1;
      st->ASprite_textEnd = out->elements()[k + 1];
      drawString(g, s, nullptr, x, y, anchor, false);
      y += step;
    }
  }
  st->ASprite_textStart = st->ASprite_textEnd = -1;
}
