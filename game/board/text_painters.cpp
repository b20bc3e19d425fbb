// The board's text painters: text at a size in per cent (the bitmap font's scale and the
// scaling pixel effect together), the preset overlays, and a text already wrapped into lines
// (the line table of ASprite::wrapText), each line in its own palette and bold and underline
// state, optionally cut after a number of characters. Every painter leaves the font's scale,
// palette and flags and the shared text range as they were.
#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kHCentre = 1;
constexpr int32_t kVCentre = 2;
constexpr int32_t kRight = 8;
constexpr int32_t kBottom = 32;
constexpr int32_t kLineFeed = 10;
constexpr int32_t kPaletteBits = 0xFFF;
constexpr int32_t kBoldBit = 0x1000;
constexpr int32_t kUnderlineBit = 0x2000;
constexpr int32_t kPercentParam = 1;  // of the scaling effect's parameters
constexpr int32_t kUnscaled = -1;

// The scaling effect on at percent, and the font's scale (1/256) to match.
void BeginScaled(ASprite* font, int32_t percent) {
  MQPixEffects::setEffect(MQPixEffects::kScale, false);
  ObjectArray* params = Statics<GameStatics>()->MQPixEffects_effectParams;
  auto* scale = params && MQPixEffects::kScale < params->length
                    ? static_cast<IntArray*>(params->elements()[MQPixEffects::kScale])
                    : nullptr;
  if (scale && kPercentParam < scale->length) scale->elements()[kPercentParam] = percent;
  font->scale = static_cast<int32_t>(static_cast<int64_t>(percent) * 255 / 100);
}

void EndScaled(ASprite* font) {
  MQPixEffects::clearEffect(MQPixEffects::kScale, true);
  font->scale = kUnscaled;
}

}  // namespace

// ---- Scaled text ----------------------------------------------------------------------------

void cGame::drawStringScaled(ASprite* font, javax_microedition_lcdui_Graphics* g, String* text,
                             int32_t x, int32_t y, int32_t anchor, int32_t percent) {
  if (!NullCheck(font) || !text) return;
  BeginScaled(font, percent);
  font->drawString(g, text, nullptr, x, y, anchor, false);
  EndScaled(font);
}

void cGame::drawPageScaled(ASprite* font, javax_microedition_lcdui_Graphics* g, String* text,
                           int32_t x, int32_t y, int32_t anchor, int32_t percent) {
  if (!NullCheck(font) || !text) return;
  BeginScaled(font, percent);
  font->drawPage(g, text, x, y, anchor, 0, text->length());
  EndScaled(font);
}

// ---- Preset overlays ------------------------------------------------------------------------

// Kind 10 the awards' panel, kind 11 the unlocks'; any other kind shows nothing.
void cGame::showPresetOverlay(int32_t kind) {
  GameStatics* s = Statics<GameStatics>();
  if (kind == 10) {
    setupOverlayPanel(662, -1, 4, 19, 0, s->cGame_awardFlags);
  } else if (kind == 11) {
    setupOverlayPanel(705, 30, 0, -1, 2, s->cGame_unlockFlags);
  }
}

// ---- Wrapped lines --------------------------------------------------------------------------

void cGame::drawTextLines(ASprite* font, javax_microedition_lcdui_Graphics* g, String* text,
                          ShortArray* lines, int32_t y, int32_t first, int32_t count,
                          int32_t anchor, int32_t x, int32_t charLimit) {
  if (!font || !g || !text || !lines || lines->length < 1) return;
  GameStatics* s = Statics<GameStatics>();
  const int16_t* table = lines->elements();
  // Lines the table holds: its count, cut to the entries that are there.
  int32_t total = table[0];
  if (total > (lines->length - 1) / 3) total = (lines->length - 1) / 3;
  if (first < 0) first = 0;
  if (count < 0 || first + count > total) count = total - first;
  if (count <= 0) return;
  // The font's measures come scaled by its 8.8 scale, when it has one.
  const int32_t lineHeight = font->getFontHeight() + font->getLineSpacing();
  if (anchor & kBottom) {
    y -= (count - 1) * lineHeight;
  } else if (anchor & kVCentre) {
    y -= (count - 1) * lineHeight / 2;
  }
  const int32_t savedPalette = font->getCurrentPalette();
  const bool savedBold = font->bold;
  const bool savedUnderline = font->underline;
  const int32_t length = text->length();
  auto lineEnd = [&](int32_t i) { return i < 0 ? 0 : clamp(table[1 + 3 * i], 0, length); };
  const int32_t firstStart = lineEnd(first - 1);
  s->ASprite_textDrawLimit = charLimit >= 0 ? firstStart + charLimit : -1;
  for (int32_t i = first; i < first + count; i++, y += lineHeight) {
    int32_t start = lineEnd(i - 1);
    const int32_t end = lineEnd(i);
    if (start < end && text->characters[start] == kLineFeed) start++;
    const int32_t width = font->scaled(table[2 + 3 * i]);
    const int32_t state = table[3 + 3 * i];
    int32_t lineX = x;
    if (anchor & kRight) {
      lineX -= width;
    } else if (anchor & kHCentre) {
      lineX -= width / 2;
    }
    int32_t lineY = y;
    if (anchor & kBottom) {
      lineY -= font->getFontHeight();
    } else if (anchor & kVCentre) {
      lineY -= font->getFontHeight() / 2;
    }
    font->bold = (state & kBoldBit) != 0;
    font->underline = (state & kUnderlineBit) != 0;
    if ((state & kPaletteBits) < font->paletteCount) font->setCurrentPalette(state & kPaletteBits);
    s->ASprite_textStart = start;
    s->ASprite_textEnd = end;
    font->drawString(g, text, nullptr, lineX, lineY, 0, false);
  }
  font->setCurrentPalette(savedPalette);
  font->bold = savedBold;
  font->underline = savedUnderline;
  s->ASprite_textStart = s->ASprite_textEnd = -1;
  s->ASprite_textDrawLimit = -1;
}
