// The menus' framed panel, revealed from the middle outwards by the screen's fade: its width
// follows the fade clock (0 to 200 ms), and the clip is the whole screen again afterwards.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"

namespace {

constexpr int64_t kRevealMs = 200;
constexpr int32_t kStripHeight = 40;

}  // namespace

// The panel rectangle's values as placed here: [0] the panel's width, centred; [2] the y of
// the strip below it, which is also the panel's distance from the top; [1] its height.
void cGame::paintRevealPanel(int32_t fill, int32_t frame) {
  GameStatics* s = Statics<GameStatics>();
  javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics;
  if (!g) return;
  const int32_t W = s->cGame_canvasWidth;
  const int32_t H = s->cGame_canvasHeight;
  const int64_t elapsed = s->cGame_fadeTime < 0           ? 0
                          : s->cGame_fadeTime > kRevealMs ? kRevealMs
                                                          : s->cGame_fadeTime;
  const int32_t clipW = static_cast<int32_t>(W * elapsed / kRevealMs);
  const int32_t w = IntArray::get(s->cGame_panelRect, 0);
  const int32_t h = IntArray::get(s->cGame_panelRect, 1);
  const int32_t stripY = IntArray::get(s->cGame_panelRect, 2);
  const int32_t x = (W - w) / 2;
  const int32_t y = H - stripY;
  g->setClip((W - clipW) / 2, 0, clipW, H);
  g->setColor(fill);
  g->fillRect(x, y, w, h);
  g->fillRect(x, stripY, w, kStripHeight);
  g->setColor(frame);
  g->drawRect(x, y, w - 1, h - 1);
  g->drawRect(x, stripY, w - 1, kStripHeight - 1);
  g->setClip(0, 0, W, H);
}
