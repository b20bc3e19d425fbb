// State 1's handler until the boot state exists: a test card of the input. Entering it makes
// the sprite table as the boot state will and shows the control bar; each frame it remembers a
// tap it sees and paints one cell per game key in the colour of its latched state, a cross at
// the last tap and a square around the current pointer.
#include "game/shell/test_card.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/input_lock.h"
#include "javame/graphics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kSpriteSlots = 63;
constexpr int32_t kPlayAreaHeight = 640;
constexpr int32_t kCrossArm = 10;    // pixels from the centre
constexpr int32_t kPointerBox = 16;  // pixels

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

}  // namespace

void cGame::stateBoot(int32_t message) {
  GameStatics* s = Statics<GameStatics>();
  switch (message) {
    case kStateEnter:
      s->cGame_spriteTable = NewObjectArray(cid::Object, kSpriteSlots);
      s->cGame_controlBarShown = true;
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
      PaintMarkers(g);
      break;
    }
    default:
      break;
  }
}
