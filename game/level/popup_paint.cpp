// The popup painted over the frozen state: the full paint (box, texts, buttons, prompt) when a
// redraw is asked for, and every frame its frame, portrait and fireworks, both clipped to the
// opening width so the box opens from the centre line outwards over the 200 ms transition.
// The box is 30 pixels in from each side (420 wide on the 480-pixel screen).
#include "engine/mqlib_player.h"
#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "game/shell/shared_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/string.h"
#include "runtime/exceptions.h"

namespace {

using Graphics = javax_microedition_lcdui_Graphics;

constexpr int64_t kFadeLength = 200;  // ms
constexpr int32_t kBoxMargin = 60;
constexpr int32_t kBoxPadding = 64;   // the box's height over the text's
constexpr int32_t kChoiceExtra = 164; // kind 1's box holds the two buttons too
constexpr int32_t kCentred = 3;
// setColor keeps only the colour bits: the box is opaque black.
constexpr int32_t kBoxColour = static_cast<int32_t>(0xDD000000u);
constexpr int32_t kPromptText = 38, kPromptFont = 3, kPromptY = 475, kPortraitPromptLift = 60;
constexpr int64_t kBlinkBit = 0x200;
constexpr int32_t kBigFont = 4;
constexpr int32_t kButtonSprite = 20, kButtonIdleFrame = 4, kButtonChosenFrame = 6;
constexpr int32_t kButtonAnimation = 3, kButtonLoops = 2;
constexpr int32_t kFirstLabel = 6;  // texts 6 and 7: the two buttons' labels
constexpr int32_t kButtonGap = 58, kButtonsBelowText = 82;
constexpr int32_t kLowerDialogueBottom = 540;
constexpr int32_t kPortraitRect = 3;

Graphics* Target() {
  return Statics<GameStatics>()->cGame_drawGraphics;
}

int32_t BoxX(GameStatics* s) {
  return (s->cGame_canvasWidth - (s->cGame_canvasWidth - kBoxMargin)) / 2;
}

int32_t BoxWidth(GameStatics* s) {
  return s->cGame_canvasWidth - kBoxMargin;
}

// The clip of the opening: v = W x fadeTime / 200 pixels about the centre line.
void OpeningClip(GameStatics* s, Graphics* g) {
  const int32_t w = s->cGame_canvasWidth;
  const auto v = static_cast<int32_t>(int64_t{w} * s->cGame_fadeTime / kFadeLength);
  g->setClip((w - v) / 2, 0, v, s->cGame_canvasHeight);
}

void FillBox(GameStatics* s, Graphics* g, int32_t y, int32_t h) {
  g->setColor(kBoxColour);
  g->fillRect(BoxX(s), y, BoxWidth(s), h);
}

// A wrapped text as a page centred on (W / 2, y); with lighter, the font's palette 1 when it
// has more than one.
void PaintPage(GameStatics* s, Graphics* g, String* text, int32_t y, bool lighter) {
  ASprite* font = loader::SpriteAt(s->cGame_popupFont);
  if (!font || !text) return;
  if (lighter && font->paletteCount > 1) font->setCurrentPalette(1);
  font->drawPage(g, text, s->cGame_canvasWidth / 2, y, kCentred, 0, text->length());
}

// Text 38 in font 3, palette 1, at (W / 2, y).
void PaintPrompt(GameStatics* s, int32_t y) {
  cGame::drawFontString(kPromptFont, 1, cGame::getText(kPromptText), s->cGame_canvasWidth / 2, y,
                        kCentred);
}

void PaintBlinkingPrompt(GameStatics* s) {
  if (LoadShared(s->cGame_frameTick) & kBlinkBit) PaintPrompt(s, kPromptY);
}

// The height of rectangle 3 of the frame the portrait shows, kept in popupPortraitRect; 0
// when the frame has none.
int32_t PortraitHeight(GameStatics* s) {
  if (!s->cGame_popupPortraitRect) s->cGame_popupPortraitRect = NewIntArray(4);
  IntArray* rect = s->cGame_popupPortraitRect;
  MQLibPlayer* player = s->cGame_popupPlayer;
  if (!rect || rect->length < 4) return 0;
  for (int32_t i = 0; i < 4; i++) rect->elements()[i] = 0;
  if (player && player->sprite && player->anim >= 0) {
    player->sprite->getAFrameRect(player->anim, player->frame, kPortraitRect, rect, 0, false);
  }
  return rect->elements()[3];
}

// Kind 1's buttons below the text at ty: the chosen one in frame 6 (or its animation after a
// tap), the other in frame 4, each with its label.
void PaintButtons(GameStatics* s, Graphics* g, int32_t ty) {
  const int32_t x = s->cGame_canvasWidth / 2;
  const int32_t by = ty + s->cGame_popupTextHeight / 2 + kButtonsBelowText;
  s->cGame_popupButtonY = by;
  g->setColor(0xFFFFFF);
  ASprite* buttons = loader::SpriteAt(kButtonSprite);
  for (int32_t i = 0; i < 2; i++) {
    const int32_t y = by + i * kButtonGap;
    const bool chosen = (s->cGame_popupChoice == 1) == (i == 0);
    if (buttons && !chosen) {
      buttons->paintFrame(g, kButtonIdleFrame, x, y, 0, 0, 0);
    } else if (buttons && !s->cGame_popupTapped) {
      buttons->paintFrame(g, kButtonChosenFrame, x, y, 0, 0, 0);
    } else if (buttons) {
      if (!s->cGame_popupButtonPlayer) {
        s->cGame_popupButtonPlayer = NewObject<MQLibPlayer>(buttons, x, y);
      }
      if (MQLibPlayer* player = s->cGame_popupButtonPlayer) {
        player->x = x;
        player->y = y;
        player->setAnim(kButtonAnimation, kButtonLoops);
        player->update(s->cGame_frameTime);
        player->render();
      }
    }
    cGame::drawFontString(s->cGame_popupFont, chosen ? 0 : 1, cGame::getText(kFirstLabel + i), x,
                          y, kCentred);
  }
}

}  // namespace

// ---- The full paint -------------------------------------------------------------------------

void cGame::paintPopup() {
  GameStatics* s = Statics<GameStatics>();
  Graphics* g = Target();
  if (!NullCheck(g)) return;
  OpeningClip(s, g);
  const int32_t w = s->cGame_canvasWidth, hScreen = s->cGame_canvasHeight;
  const int32_t y0 = s->cGame_popupY, th = s->cGame_popupTextHeight;
  const int32_t h = th + kBoxPadding;
  switch (s->cGame_popupKind) {
    case 0:
    case 2:
      FillBox(s, g, y0 - h / 2, h);
      PaintPage(s, g, s->cGame_popupWrapped, y0, s->cGame_popupKind == 0);
      PaintBlinkingPrompt(s);
      break;
    case 1: {
      const int32_t h1 = h + kChoiceExtra;
      FillBox(s, g, y0 - h1 / 2, h1);
      const int32_t ty = y0 + th / 2 - h1 / 2 + 32;
      PaintPage(s, g, s->cGame_popupWrapped, ty, true);
      PaintButtons(s, g, ty);
      break;
    }
    case 3:
      FillBox(s, g, y0 - h, h);
      PaintPage(s, g, s->cGame_popupWrapped, y0 - h / 2, false);
      break;
    case 4:
      FillBox(s, g, kLowerDialogueBottom - kBoxPadding - th, h);
      PaintPage(s, g, s->cGame_popupWrapped, kLowerDialogueBottom - h / 2, false);
      break;
    case 5: {
      const int32_t h5 = PortraitHeight(s) + h + 32;
      FillBox(s, g, y0 - h5 / 2, h5);
      PaintPage(s, g, s->cGame_popupWrapped, y0 - h5 / 4, false);
      PaintPage(s, g, s->cGame_popupWrapped2, y0 + h5 / 4, false);
      PaintPrompt(s, hScreen - kPortraitPromptLift);
      break;
    }
    case 6:
      drawFontString(kBigFont, -1, s->cGame_popupText, w / 2, hScreen / 2, kCentred);
      break;
    case 7:
      if (ASprite* font = loader::SpriteAt(kBigFont)) {
        paintFrameFaded(font, g, s->cGame_popupText, w / 2, hScreen / 2, kCentred,
                        MQPixEffects::oscillate(100, 70, 150));
        s->MQPixEffects_effectMask &= ~MQPixEffects::kRoutesPixels;
      }
      break;
    default:
      break;
  }
}

// ---- Every frame ----------------------------------------------------------------------------

void cGame::paintPopupBody() {
  GameStatics* s = Statics<GameStatics>();
  Graphics* g = Target();
  if (!NullCheck(g)) return;
  OpeningClip(s, g);
  const int32_t y0 = s->cGame_popupY, h = s->cGame_popupTextHeight + kBoxPadding;
  const int32_t x = BoxX(s), w = BoxWidth(s);
  MQLibPlayer* portrait = s->cGame_popupPlayer;
  auto renderPortrait = [&](int32_t px, int32_t py) {
    if (!portrait) return;
    portrait->x = px;
    portrait->y = py;
    portrait->render();
  };
  switch (s->cGame_popupKind) {
    case 0:
    case 2:
      paintFramedBox(x, y0 - h / 2, w, h, 0);
      break;
    case 1:
      paintFramedBox(x, y0 - (h + kChoiceExtra) / 2, w, h + kChoiceExtra, 0);
      break;
    case 3:
      renderPortrait(s->cGame_canvasWidth, y0 - h);
      paintFramedBox(x, y0 - h, w, h, 0);
      break;
    case 4:
      renderPortrait(s->cGame_canvasWidth, kLowerDialogueBottom - h);
      paintFramedBox(x, kLowerDialogueBottom - h, w, h, 0);
      break;
    case 5: {
      const int32_t h5 = PortraitHeight(s) + h + 32;
      renderPortrait(s->cGame_canvasWidth / 2, s->cGame_canvasHeight / 2);
      paintFramedBox(x, y0 - h5 / 2, w, h5, 0);
      break;
    }
    case 6:
    case 7:
      if (IntArray* slots = s->cGame_popupEmitters) {
        for (int32_t i = 0; i < slots->length; i++) {
          if (slots->elements()[i] != -1) paintParticleEmitter(slots->elements()[i], 0);
        }
      }
      break;
    default:
      break;
  }
}

// The soft keys of the popup's kind for the overlay's paint, the state's own put back after.
void cGame::paintPopupSoftKeys() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t left = s->cGame_softKeyLeft, right = s->cGame_softKeyRight;
  const bool flag = s->cGame_softKeysFlag;
  const int32_t kind = s->cGame_popupKind;
  if (kind == 1) {
    setSoftKeys(s->cGame_popupChoiceFlag ? 2 : -1, 0, 1);
  } else if (kind == 3 || kind == 4) {
    setSoftKeys(5, -1, 1);
  } else {
    setSoftKeys(-1, -1, 1);
  }
  if (kind != 1) paintTouchOverlay();
  s->cGame_softKeyLeft = left;
  s->cGame_softKeyRight = right;
  s->cGame_softKeysFlag = flag;
}

// ---- The framed box -------------------------------------------------------------------------

// The pieces of slot 12 (tools/databuild/ui_sprites.h): frames 0 to 3 the corners (top left,
// top right, bottom left, bottom right), 4 to 7 the edges (top, bottom, left, right), 8 and 9
// the body of styles 0 and 1; each painted with its box's top-left corner at its origin.
void cGame::paintFramedBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t style) {
  Graphics* g = Target();
  ASprite* pieces = loader::SpriteAt(12);
  if (!pieces || !NullCheck(g) || pieces->getFrameCount() < 10) return;
  const int32_t cx = g->getClipX(), cy = g->getClipY(), cw = g->getClipWidth(),
                ch = g->getClipHeight();
  const int32_t c = pieces->getFrameWidth(0);  // the corner's size
  const int32_t t = pieces->getFrameWidth(4);  // the tile's length
  if (c <= 0 || t <= 0) return;
  // Tiles frame f from (x0, y0) across w0 x h0 under the clip, stepping by the tile.
  auto tile = [&](int32_t f, int32_t x0, int32_t y0, int32_t w0, int32_t h0) {
    if (w0 <= 0 || h0 <= 0) return;
    g->setClip(cx, cy, cw, ch);
    g->clipRect(x0, y0, w0, h0);
    const int32_t stepX = f == 6 || f == 7 ? w0 : t, stepY = f == 4 || f == 5 ? h0 : t;
    for (int32_t ty = y0; ty < y0 + h0; ty += stepY) {
      for (int32_t tx = x0; tx < x0 + w0; tx += stepX) pieces->paintFrame(g, f, tx, ty, 0, 0, 0);
    }
  };
  tile(style == 1 ? 9 : 8, x + c, y + c, w - 2 * c, h - 2 * c);
  tile(4, x + c, y, w - 2 * c, c);
  tile(5, x + c, y + h - c, w - 2 * c, c);
  tile(6, x, y + c, c, h - 2 * c);
  tile(7, x + w - c, y + c, c, h - 2 * c);
  g->setClip(cx, cy, cw, ch);
  pieces->paintFrame(g, 0, x, y, 0, 0, 0);
  pieces->paintFrame(g, 1, x + w - c, y, 0, 0, 0);
  pieces->paintFrame(g, 2, x, y + h - c, 0, 0, 0);
  pieces->paintFrame(g, 3, x + w - c, y + h - c, 0, 0, 0);
}

// The fill's colour carries an alpha the display does not blend: it paints solid black.
void cGame::paintDimmedFramedBox(int32_t x, int32_t y, int32_t w, int32_t h) {
  constexpr int32_t kGrowX = 20, kGrowY = 16;
  constexpr int32_t kDim = static_cast<int32_t>(0x77000000u);
  Graphics* g = Target();
  if (!NullCheck(g)) return;
  g->setColor(kDim);
  g->fillRect(x - kGrowX, y - kGrowY, w + 2 * kGrowX, h + 2 * kGrowY);
  paintFramedBox(x - kGrowX, y - kGrowY, w + 2 * kGrowX, h + 2 * kGrowY, 1);
}
