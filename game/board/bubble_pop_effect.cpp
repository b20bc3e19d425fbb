// A bubble's pop: event 22, the pop's sound by the bubble's kind, the pop animation of sprite
// slot 35 with a particle burst in the bubble's colour, and for a compound root the pops of
// its six neighbour cells. Each main pop is counted in popAnimCount until its end event (26
// with 0x100, one entry per pop) is consumed.
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

using actor_support::SpriteInSlot;

namespace {

constexpr int32_t kPopStarts = 22;
constexpr int32_t kPopSpriteSlot = 35;
constexpr int32_t kLostPop = 2;  // the dull pop of a lost level
constexpr int32_t kPopLayer = 1;
constexpr int32_t kBurstDefinition = 1;  // the particle definition of the pop's burst
// The unturned offset of a neighbour cell (dx, dy) in 16.16: columns 37 px apart, each row
// up 33 px and half a column right.
constexpr int32_t kColumnStep = 37 << 16;
constexpr int32_t kHalfColumnStep = 0x128000;  // 18.5
constexpr int32_t kRowStep = -(33 << 16);

// 7..9 -> 20, 14..27 -> 24, any other kind -> 15.
int32_t PopSound(int32_t colour) {
  if (colour >= 7 && colour <= 9) return 20;
  if (colour >= 14 && colour <= 27) return 24;
  return 15;
}

// The cell step of direction d from the board's direction tables; (0, 0) without them.
void NeighbourStep(int32_t d, int32_t* dx, int32_t* dy) {
  GameStatics* s = Statics<GameStatics>();
  *dx = ByteArray::get(s->Bubble_neighbourDx, d);
  *dy = ByteArray::get(s->Bubble_neighbourDy, d);
}

}  // namespace

void Bubble::popEffect(int32_t anim) {
  GameStatics* s = Statics<GameStatics>();
  cGame::postEvent(kPopStarts);
  cGame::playSfx(PopSound(colour));
  const int32_t z = anim > 0 ? 100 : 200;
  if (s->cGame_levelOver && !s->cGame_levelWon) anim = kLostPop;
  ASprite* sprite = SpriteInSlot(kPopSpriteSlot);
  if (cGame::spawnActor(sprite, 0, pixelX, pixelY, anim, z, cActor::kModeOnce, kPopLayer,
                        cActor::kPopEndEvent)) {
    s->Bubble_popAnimCount += 1;
    cGame::spawnEmitterActor(kBurstDefinition, colour < kPlainColours ? colour : 0, pixelX, pixelY,
                             z, kPopLayer);
  }
  if (!(flags & kCompoundRoot)) return;
  for (int32_t d = 0; d < kDirections; d++) {
    int32_t dx, dy;
    NeighbourStep(d, &dx, &dy);
    const int32_t x = pixelX + ((dx * kColumnStep + dy * kHalfColumnStep) >> 16);
    const int32_t y = pixelY + ((dy * kRowStep) >> 16);
    cGame::spawnActor(sprite, 0, x, y, anim, z, cActor::kModeOnce, kPopLayer, 0);
  }
}
