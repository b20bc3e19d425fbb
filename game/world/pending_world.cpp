// Stand-ins for what the play state, the world update, the launcher and the level build call
// before the concerns that build them land: each does nothing, and a query gives its neutral
// answer (no target hit, no object list, no colour, no award, the info panel closed). The scene
// paint shows a plain view of the board. The real ones replace this file.
#include <cstdint>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"

// ---- Level targets, board survey, generated rows, track, play bands, slots ------------------
void cGame::addLevelTarget(Bubble*) {}
void cGame::allocTargetLists(int32_t) {}
void cGame::evaluateBoardRows() {}
void cGame::computePlayBands() {}
void cGame::fillTargetSlot(Bubble*, int32_t) {}

// ---- The world's updaters ---------------------------------------------------------------------
void cGame::updateWaveMode() {}
void cGame::updateMode3Scenery() {}
void cGame::updateLevelType4Objects() {}
void cGame::updateScrollingBunches() {}
void cGame::updateTimedDrops() {}
void cGame::updateLevelType8() {}
void cGame::updateHudMeters() {}
void cGame::updateFlyer() {}
void cGame::updateWalkerThrow() {}
void cGame::updateSlots() {}
void cGame::updateThrownBubbles() {}
void cGame::showScoreLabel() {}
void cGame::updateHudTimer() {}
void cGame::updateBossKind0() {}
void cGame::updateBossKind1() {}
void cGame::updateBossKind2() {}
void cGame::updateBossKind3() {}
void cGame::updateSlidingBanner() {}

// ---- The board ------------------------------------------------------------------------------
void cGame::updateBubbleBunches() {}
void cGame::collideBubbleBunches() {}
void cGame::updateTargetObjects() {}
void cGame::updateSteeredActor() {}
bool cGame::isAnyTargetHit() {
  return false;
}
void cGame::markAllTargets() {}
void cGame::stopAllEffectSlots() {}
bool cGame::hasLevelObjectList() {
  return false;
}
int32_t cGame::bestType7BunchValue() {
  return -1;
}
int32_t cGame::pickMostCommonColour(int32_t) {
  return -1;
}
void cGame::releaseSlotOf(Bubble*) {}
void cGame::objectOnBubbleRemoved(Bubble*) {}

// ---- Lesson, bosses -----------------------------------------------------------------
void cGame::stepLessonScript() {}
void cGame::setBossStateKind2(int32_t) {}
void cGame::setBossStateKind3(int32_t) {}

// ---- HUD, level end, awards: the scene paint's stand-in --------------------------------------
// The 480 x 640 play screen in black, the actor layers 4, 5 and 1, then each bubble in play as
// a 34-px disc at its pixel position in the colour of its kind.

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

void PaintPlainBoard() {
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

// ---- HUD, level end, awards -------------------------------------------------------------------
void cGame::setHudMeterAnims(bool) {}
void cGame::buildLevelEndScreen(int32_t) {}
void cGame::paintScene(bool toBackBuffer, bool, int32_t) {
  if (!toBackBuffer) PaintPlainBoard();
}
int32_t cGame::checkAchievements(int32_t) {
  return -1;
}
bool cGame::updateInfoPanel() {
  return true;
}
void cGame::clearPlaySelection() {}
