// Stand-ins for the world's services that later subsystems build, and a plain view of the play
// state until it lands. Each stand-in does nothing (the level build calls them); the real ones
// replace this file.
#include <cstdint>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"

// ---- Stand-ins: level targets, board survey, stages, generated rows, track, play bands, slots ---

void cGame::addLevelTarget(Bubble*) {}
void cGame::allocTargetLists(int32_t) {}
void cGame::evaluateBoardRows() {}
void cGame::selectStage(int32_t) {}
void cGame::computePlayBands() {}
void cGame::fillTargetSlot(Bubble*, int32_t) {}

// ---- Stand-in: the play state (state 17) ------------------------------------------------------
// Each frame the actors update; the paint shows the 480 x 640 play screen in black, the actor
// layers 4, 5 and 1, then each bubble in play as a 34-px disc at its pixel position in the
// colour of its kind.

namespace {

constexpr int32_t kPlayWidth = 480, kPlayHeight = 640;
constexpr int32_t kDisc = 34;
constexpr int32_t kPaintedLayers[] = {4, 5, 1};

// Plain colours 0..6 by hue; specials in greys that step with the kind.
int32_t DiscColour(int32_t kind) {
  constexpr int32_t kPlain[Bubble::kPlainColours] = {0xE03030, 0x30A0E0, 0x40C040, 0xF0D030,
                                                      0xB050E0, 0xF08020, 0xF0F0F0};
  if (kind >= 0 && kind < Bubble::kPlainColours) return kPlain[kind];
  const int32_t grey = 0x50 + (kind & 0x1F) * 4;
  return grey << 16 | grey << 8 | grey;
}

void PaintStandInPlay() {
  GameStatics* s = Statics<GameStatics>();
  javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics;
  if (!g) return;
  g->setColor(0x000000);
  g->fillRect(0, 0, kPlayWidth, kPlayHeight);
  for (int32_t layer : kPaintedLayers) cActor::paintLayer(layer);
  ObjectArray* active = s->Bubble_activeBubbles;
  for (int32_t i = 0; active && i < s->Bubble_activeBubbleCount && i < active->length; i++) {
    auto* bubble = static_cast<Bubble*>(active->elements()[i]);
    if (!bubble) continue;
    g->setColor(DiscColour(bubble->colour));
    g->fillArc(bubble->pixelX - kDisc / 2, bubble->pixelY - kDisc / 2, kDisc, kDisc, 0, 360);
  }
}

}  // namespace

void cGame::statePlay(int32_t message) {
  if (message == kStateUpdate) cActor::updateAll();
  if (message == kStatePaint) PaintStandInPlay();
}
