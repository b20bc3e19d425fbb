// Text drawing of the popup and the overlay with the sprite table's bitmap fonts: by slot with
// a palette, from a character array, and faded through the pixel effects' scaling effect. A
// font outside the sprite table, or not loaded, draws nothing.
#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "javame/graphics.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kAlphaParam = 2;  // effect 11's parameters: {alpha mode, percent, alpha}

// The font of slot font with palette p selected when it has it; null when there is none.
ASprite* FontWithPalette(int32_t font, int32_t palette) {
  ASprite* sprite = loader::SpriteAt(font);
  if (sprite && palette >= 0 && palette < sprite->paletteCount) sprite->setCurrentPalette(palette);
  return sprite;
}

}  // namespace

void cGame::drawFontString(int32_t font, int32_t palette, String* text, int32_t x, int32_t y,
                           int32_t anchor) {
  ASprite* sprite = FontWithPalette(font, palette);
  if (!sprite || !text) return;
  sprite->drawString(Statics<GameStatics>()->cGame_drawGraphics, text, nullptr, x, y, anchor,
                     false);
}

void cGame::drawFontStringAnchored(int32_t x, int32_t y, String* text, int32_t font,
                                   int32_t anchorA, int32_t anchorB, int32_t palette) {
  if (!text) return;
  drawFontString(font, palette, text, x, y, anchorA | anchorB);
}

void cGame::drawFontChars(int32_t font, int32_t palette, CharArray* chars, int32_t x, int32_t y,
                          int32_t anchor) {
  ASprite* sprite = FontWithPalette(font, palette);
  if (sprite) drawChars(sprite, Statics<GameStatics>()->cGame_drawGraphics, chars, x, y, anchor);
}

void cGame::drawChars(ASprite* font, javax_microedition_lcdui_Graphics* g, CharArray* chars,
                      int32_t x, int32_t y, int32_t anchor) {
  if (!NullCheck(font) || !NullCheck(chars)) return;
  font->drawString(g, NewObject<String>(chars), nullptr, x, y, anchor, false);
}

void cGame::paintFrameFaded(ASprite* font, javax_microedition_lcdui_Graphics* g, String* text,
                            int32_t x, int32_t y, int32_t anchor, int32_t percent) {
  if (!NullCheck(font) || !text) return;
  GameStatics* s = Statics<GameStatics>();
  MQPixEffects::setEffect(MQPixEffects::kScale, false);
  ObjectArray* params = s->MQPixEffects_effectParams;
  auto* scale = params && MQPixEffects::kScale < params->length
                    ? CheckCast<IntArray>(params->elements()[MQPixEffects::kScale])
                    : nullptr;
  if (scale && kAlphaParam < scale->length) {
    scale->elements()[kAlphaParam] = cGame::clamp(percent, 0, 100) * 255 / 100;
  }
  font->drawPage(g, text, x, y, anchor, 0, text->length());
  MQPixEffects::clearEffect(MQPixEffects::kScale, true);
}
