// State 1's handler until the boot state exists: a test card of the input. Entering it makes
// the sprite table, sets up the pixel effects and loads the boot sprites into slots 0 to 2 as
// the boot state and the loader will, and shows the control bar; each frame it remembers a tap
// it sees and paints one cell per game key in the colour of its latched state, the logo in the
// eight transforms, the four gradients and the sine dots from the maths tables it loads too, a
// cross at the last tap and a square around the current pointer.
#include "game/shell/test_card.h"
#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/input_lock.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"

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
      lastTap = {};
      break;
    case kStateUpdate:
      if (s->cGame_tapX >= 0) lastTap = {s->cGame_tapX, s->cGame_tapY};
      break;
    case kStatePaint: {
      javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics;
      if (!NullCheck(g)) return;
      Fill(g, kTestCardBackground, 0, 0, kCanvasWidth, kPlayAreaHeight);
      PaintKeyCells(g);
      PaintLogos(g, s->cGame_spriteTable);
      PaintMaths();
      PaintMarkers(g);
      break;
    }
    default:
      break;
  }
}
