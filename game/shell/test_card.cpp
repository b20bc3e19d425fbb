// State 1's handler until the boot state exists: a test card of the input. Entering it makes
// the sprite table, sets up the pixel effects and loads the boot sprites into slots 0 to 2, the
// maths tables, the text table, the fonts into slots 3 to 5 and the sparkle into slot 9 as the
// boot state and the loader will, starts its fade-in and shows the control bar; each frame it
// remembers a tap it sees, runs the fade and the sparkle, and paints one cell per game key in
// the colour of its latched state, the logo in the eight transforms, the four gradients and
// the sine dots, a cross at the last tap, a square around the current pointer, then the
// fade's bar, the texts and the sparkle (game/shell/test_card.h).
#include "game/shell/test_card.h"
#include "engine/mqlib_player.h"
#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/input_lock.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kSpriteSlots = 63;
constexpr int32_t kPlayAreaHeight = 640;
constexpr int32_t kCrossArm = 10;    // pixels from the centre
constexpr int32_t kPointerBox = 16;  // pixels
constexpr int32_t kBootSprites = 3;  // slots 0 to 2: the logo, the control bar, the loading screen

// The last tap the card has seen, -1 before the first. Only frames touch it.
struct LastTap {
  int32_t x = -1, y = -1;
};
LastTap lastTap;

void Fill(javax_microedition_lcdui_Graphics* g, uint32_t colour, int32_t x, int32_t y, int32_t w,
          int32_t h) {
  g->setColor(static_cast<int32_t>(colour));
  g->fillRect(x, y, w, h);
}

void PaintKeyCells(javax_microedition_lcdui_Graphics* g) {
  int8_t states[cGame::kGameKeyCount] = {};
  {
    InputGuard guard;
    ByteArray* latched = Statics<GameStatics>()->cGame_keysLatched;
    if (!latched) return;
    for (int32_t k = 0; k < cGame::kGameKeyCount; k++) states[k] = latched->elements()[k];
  }
  for (int32_t k = 0; k < cGame::kGameKeyCount; k++) {
    Fill(g, TestCardKeyColour(states[k]),
         kTestCardCellLeft + k % kTestCardColumns * kTestCardCellPitch,
         kTestCardCellTop + k / kTestCardColumns * kTestCardCellPitch, kTestCardCellSize,
         kTestCardCellSize);
  }
}

// The gradients and the sine through cGame's own drawing utilities, on drawGraphics.
void PaintMaths() {
  for (int32_t i = 0; i < 4; i++) {
    cGame::fillGradientRect(kTestCardGradientLeft,
                            kTestCardGradientTop + i * kTestCardGradientPitch,
                            kTestCardGradientWidth, kTestCardGradientHeight,
                            static_cast<int32_t>(kTestCardGradientFrom),
                            static_cast<int32_t>(kTestCardGradientTo), kTestCardGradientModes[i]);
  }
  cGame::setColorRGB(kTestCardSineColour >> 16, kTestCardSineColour >> 8 & 0xFF,
                     kTestCardSineColour & 0xFF);
  for (int32_t a = 0; a < 1024; a++) {
    const int32_t x = a * cGame::kCanvasWidth / 1024;
    const int32_t y = kTestCardSineCentre - cGame::sin1024(a) * kTestCardSineAmplitude / 65536;
    cGame::drawLine(x, y, x, y);
  }
}

void PaintMarkers(javax_microedition_lcdui_Graphics* g) {
  if (lastTap.x >= 0) {
    Fill(g, kTestCardTapColour, lastTap.x - kCrossArm, lastTap.y - 1, 2 * kCrossArm + 1, 3);
    Fill(g, kTestCardTapColour, lastTap.x - 1, lastTap.y - kCrossArm, 3, 2 * kCrossArm + 1);
  }
  int32_t x, y;
  {
    InputGuard guard;
    x = Statics<GameStatics>()->cGame_pointerX;
    y = Statics<GameStatics>()->cGame_pointerY;
  }
  if (x < 0) return;
  g->setColor(static_cast<int32_t>(kTestCardPointerColour));
  g->drawRect(x - kPointerBox / 2, y - kPointerBox / 2, kPointerBox, kPointerBox);
}

// Slots 0 to 2 from the boot sprites' pack, palette 0 with its Images, as the boot state loads
// them.
void LoadBootSprites(ObjectArray* slots) {
  cGame::openPack(GetConstantString(kTestCardLogoPack));
  for (int32_t entry = 0; entry < kBootSprites; entry++) {
    ASprite* sprite = cGame::loadSprite(entry, 1, 0, 0, true, false, 0, nullptr);
    if (Object** slot = ObjectArray::slot(slots, entry, "test card sprite table")) *slot = sprite;
  }
  cGame::closeResourceStream();
}

// The logo's frame 0 in the eight transforms, each with its box's corner at its place.
void PaintLogos(javax_microedition_lcdui_Graphics* g, ObjectArray* slots) {
  ASprite* logo = slots && slots->length > 0 ? CheckCast<ASprite>(slots->elements()[0]) : nullptr;
  if (!logo) return;
  IntArray* box = NewIntArray(4);
  if (!box) return;
  for (int32_t t = 0; t < 8; t++) {
    logo->getFrameBounds(box, 0, 0, 0, t);
    const TestCardPlace place = TestCardLogoPlace(t);
    logo->paintFrame(g, 0, place.x - box->elements()[0], place.y - box->elements()[1], t, 0, 0);
  }
}

// ---- Fonts, texts and the sparkle ----------------------------------------------------------

ASprite* SpriteAt(ObjectArray* slots, int32_t slot) {
  return slots && slot < slots->length ? CheckCast<ASprite>(slots->elements()[slot]) : nullptr;
}

void Store(ObjectArray* slots, int32_t slot, Object* sprite) {
  if (Object** at = ObjectArray::slot(slots, slot, "test card sprite table")) *at = sprite;
}

// The text table; the fonts of slots 4, 5 and 3 (entries 1 to 3, palettes 0 and 1 built) and
// their character table (entry 0); the sparkle (slot 9) and its player, looping animation 28.
void LoadTextsAndSparkle(GameStatics* s) {
  ObjectArray* slots = s->cGame_spriteTable;
  cGame::loadTextPack(GetConstantString(kTestCardTextPack), 0);
  cGame::openPack(GetConstantString(kTestCardFontPack));
  constexpr int32_t kSlotOfEntry[] = {0, 4, 5, 3};
  for (int32_t entry = 1; entry <= 3; entry++) {
    Store(slots, kSlotOfEntry[entry], cGame::loadSprite(entry, 3, 0, 0, true, false, 0, nullptr));
  }
  Object* table = cGame::readPackEntryObject(0);
  for (int32_t slot = 3; slot <= 5; slot++) {
    if (ASprite* font = SpriteAt(slots, slot)) cGame::buildFontCharMap(font, table);
  }
  cGame::closeResourceStream();
  cGame::openPack(GetConstantString(kTestCardUiPack));
  Store(slots, 9, cGame::loadSprite(0, 1, 0, 0, true, false, 0, nullptr));
  cGame::closeResourceStream();
  MQLibPlayer* sparkle =
      NewObject<MQLibPlayer>(SpriteAt(slots, 9), kTestCardSparklePlace.x, kTestCardSparklePlace.y);
  if (sparkle) sparkle->setAnim(kTestCardSparkleAnimation, -1);
  s->cGame_loadingBarPlayer = sparkle;
}

void PaintTexts(javax_microedition_lcdui_Graphics* g, ObjectArray* slots) {
  constexpr int32_t kCentred = 3;
  ASprite* body = SpriteAt(slots, 3);
  ASprite* heading = SpriteAt(slots, 5);
  if (!body || !heading) return;
  body->setCurrentPalette(1);
  body->drawStringPlain(g, cGame::getString(38), kTestCardPromptPlace.x, kTestCardPromptPlace.y,
                        kCentred, false);
  String* page = cGame::getString(43);
  heading->setCurrentPalette(0);
  if (page) {
    heading->drawPage(g, page, kTestCardPagePlace.x, kTestCardPagePlace.y, kCentred, 0,
                      page->length());
  }
  body->setCurrentPalette(0);
  String* paragraph =
      body->wrapToString(NewJavaString(kTestCardParagraph), kTestCardParagraphWidth);
  if (paragraph) {
    body->drawPage(g, paragraph, kTestCardParagraphPlace.x, kTestCardParagraphPlace.y, 0, 0,
                   paragraph->length());
  }
}

// The fade clock as a bar: fadeTime x 480 / 200 pixels.
void PaintFade(javax_microedition_lcdui_Graphics* g, GameStatics* s) {
  constexpr int64_t kFadeLength = 200;
  Fill(g, kTestCardFadeBarColour, 0, 0,
       static_cast<int32_t>(s->cGame_fadeTime * cGame::kCanvasWidth / kFadeLength),
       kTestCardFadeBarHeight);
}

}  // namespace

void cGame::stateBoot(int32_t message) {
  GameStatics* s = Statics<GameStatics>();
  switch (message) {
    case kStateEnter:
      s->cGame_spriteTable = NewObjectArray(cid::Object, kSpriteSlots);
      s->cGame_controlBarShown = true;
      MQPixEffects::init();
      LoadBootSprites(s->cGame_spriteTable);
      cGame::loadMathTables();
      cGame::loadFixedPointTables();
      LoadTextsAndSparkle(s);
      s->cGame_fadeDirection = 1;
      s->cGame_fadeTime = 0;
      lastTap = {};
      break;
    case kStateUpdate:
      if (s->cGame_tapX >= 0) lastTap = {s->cGame_tapX, s->cGame_tapY};
      updateTransition(true);
      if (MQLibPlayer* sparkle = s->cGame_loadingBarPlayer) sparkle->update(kTestCardSparkleStep);
      break;
    case kStatePaint: {
      javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics;
      if (!NullCheck(g)) return;
      Fill(g, kTestCardBackground, 0, 0, kCanvasWidth, kPlayAreaHeight);
      PaintKeyCells(g);
      PaintLogos(g, s->cGame_spriteTable);
      PaintMaths();
      PaintMarkers(g);
      PaintFade(g, s);
      PaintTexts(g, s->cGame_spriteTable);
      if (MQLibPlayer* sparkle = s->cGame_loadingBarPlayer) sparkle->render();
      break;
    }
    default:
      break;
  }
}
