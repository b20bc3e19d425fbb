// Landing and bunch-hit tests: the bunch fixture with a 480-px screen and its play area
// (18 .. 462 px), play in its scoring phase, the award and objective tables, and shots made
// as the launcher makes them.
#pragma once

#include <cstdint>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "tests/game/board/bunch_fixture.h"

class LandingTest : public BunchTest {
 protected:
  static constexpr int32_t kPlaying = 9;

  void SetUp() override {
    BunchTest::SetUp();
    s->cGame_canvasWidth = 480;
    s->cGame_canvasHeight = 800;
    cGame::setPlayArea(0, 0);
    s->cGame_playPhase = kPlaying;
    s->cGame_awardFlags = NewIntArray(25);
    s->cGame_objectiveFlags = NewByteArray(3);
    s->cGame_levelParams = NewIntArray(13);
    s->cGame_bossKind = -1;
  }
  // A flying shot of colour at (x, y) px with velocity (vx, vy) px/s.
  static Bubble* Shot(int32_t colour, int32_t x, int32_t y, int32_t vx = 0, int32_t vy = -600) {
    Bubble* shot = Bubble::allocate();
    shot->colour = colour;
    shot->setPosition(x, y);
    shot->syncPixelFromPosition();
    shot->vx = vx * kPx;
    shot->vy = vy * kPx;
    return shot;
  }
  // The shot comes to rest against hit on side, as the swept hit test reports it.
  static void Land(Bubble* shot, Bubble* hit, int32_t side) {
    Statics<GameStatics>()->Bubble_hitBubble = hit;
    Statics<GameStatics>()->Bubble_hitSide = side;
    cGame::onBubbleLanded(shot, hit, hit->bunch, side, 0, 0);
  }
  // The shot at the cell beside hit on side, landed there.
  static Bubble* LandBeside(Bubble* hit, int32_t side, int32_t colour) {
    Bubble::cellPosition(cGame::getBunch(hit->bunch), hit->col + Bubble::kNeighbourDx[side],
                         hit->row + Bubble::kNeighbourDy[side], true, true);
    GameStatics* st = Statics<GameStatics>();
    Bubble* shot = Shot(colour, st->Bubble_cellX >> 16, st->Bubble_cellY >> 16);
    Land(shot, hit, side);
    return shot;
  }
  // The members of every bunch add up to bunchBubbleTotal, and each member names its bunch.
  static bool BunchesConsistent() {
    int32_t total = 0;
    for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
      cGame_CBubbleBunch* bunch = cGame::getBunch(b);
      total += bunch->count;
      for (int32_t i = 0; i < bunch->count; i++) {
        auto* bubble = static_cast<Bubble*>(bunch->bubbles->elements()[i]);
        if (!bubble || bubble->bunch != b) return false;
      }
    }
    return total == Statics<GameStatics>()->cGame_bunchBubbleTotal;
  }
};
