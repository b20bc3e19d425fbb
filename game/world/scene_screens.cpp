// The scrolling text of the scene screens: text 291 with the application's version, wrapped
// to the canvas in the body font and scrolled up from below the screen; state 18 shows it over
// black until the right soft key goes back to the options.
#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/midlet.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFontSlot = 3;
constexpr int32_t kScrollTextId = 291;
constexpr int32_t kVersionProperty = 275;  // string constant: "MIDlet-Version"
constexpr int32_t kEmptyString = 46;
constexpr int32_t kSideMargins = 20;  // px of the canvas width the text leaves free
constexpr int32_t kMostLines = 2000;
constexpr int32_t kTopCentre = 17;
constexpr int32_t kOptionsState = 10;
constexpr int32_t kSoundBack = 13;

ASprite* Font() {
  return actor_support::SpriteInSlot(kFontSlot);
}

// The text with its placeholder given the version; a missing property reads as empty.
String* ScrollText() {
  GameStatics* s = Statics<GameStatics>();
  String* format = cGame::getString(kScrollTextId);
  if (!format) return GetConstantString(kEmptyString);
  String* version = nullptr;
  if (s->cGame_gameMidlet)
    version = s->cGame_gameMidlet->getAppProperty(GetConstantString(kVersionProperty));
  ObjectArray* args = NewObjectArray(cid::String, 1);
  if (args) args->elements()[0] = version ? version : GetConstantString(kEmptyString);
  return cGame::formatString(format, args);
}

// The wrap's line table copied out of the font's shared one (the next wrap reuses it), at most
// kMostLines lines.
ShortArray* CopyLines(ShortArray* wrapped) {
  if (!wrapped || wrapped->length < 1) return nullptr;
  int32_t lines = wrapped->elements()[0];
  if (lines > kMostLines) lines = kMostLines;
  if (lines > (wrapped->length - 1) / 3) lines = (wrapped->length - 1) / 3;
  ShortArray* copy = NewShortArray(1 + 3 * lines);
  if (!copy) return nullptr;
  for (int32_t i = 1; i < copy->length; i++) copy->elements()[i] = wrapped->elements()[i];
  copy->elements()[0] = static_cast<int16_t>(lines);
  return copy;
}

}  // namespace

// Departure: the height is that of the wrapped lines; the unwrapped text measured fewer lines,
// so the text started again from below while its last lines were still on the screen.
void cGame::setupScreen18() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_scrollText = ScrollText();
  s->cGame_scrollTextBreaks = nullptr;
  s->cGame_scrollTextHeight = 0;
  if (ASprite* font = Font()) {
    s->cGame_scrollTextBreaks =
        CopyLines(font->wrapText(s->cGame_scrollText, s->cGame_canvasWidth - kSideMargins));
    const int32_t lines = s->cGame_scrollTextBreaks ? s->cGame_scrollTextBreaks->elements()[0] : 0;
    s->cGame_scrollTextHeight = lines * (font->getFontHeight() + font->getLineSpacing());
  }
  s->cGame_textScrollY = s->cGame_canvasHeight << 8;
}

void cGame::paintFramedPanel() {
  GameStatics* s = Statics<GameStatics>();
  ASprite* font = Font();
  if (!font) return;
  if (font->paletteCount > 1) font->setCurrentPalette(1);
  drawTextLines(font, s->cGame_drawGraphics, s->cGame_scrollText, s->cGame_scrollTextBreaks,
                (s->cGame_textScrollY + 128) >> 8, 0, 1000, kTopCentre, s->cGame_canvasWidth / 2,
                -1);
}

void cGame::stateScreen18(int32_t message) {
  GameStatics* s = Statics<GameStatics>();
  switch (message) {
    case kStateEnter:
      setSoftKeys(2, -1, 1);
      setupScreen18();
      break;
    case kStateUpdate:
      if (getKeyPressed() == kRightSoftKey) {
        setState(kOptionsState);
        playSfx(kSoundBack);
      }
      updateTextScroll();
      break;
    case kStatePaint:
      if (javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics) {
        g->setColor(0x000000);
        g->fillRect(0, 0, s->cGame_canvasWidth, s->cGame_canvasHeight);
      }
      paintFramedPanel();
      break;
    default:
      break;
  }
}
