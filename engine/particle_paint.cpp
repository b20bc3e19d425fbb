// The particle players and the paint: one player per animation of each particle sprite (sprite
// table slots 6, 7 and 8), and each live particle drawn by its animation's player at its pixel,
// on the frame its remaining life reaches. A particle whose sprite, animation or player is
// missing, or whose animation has no frames, lives on unseen.
#include "engine/mqlib_player.h"
#include "engine/particle_tables.h"
#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/class.h"
#include "runtime/static_class.h"

using namespace particles;

namespace {

constexpr int32_t kNoEffectBit = 1 << 5;  // cleared after each particle of kind 5

int32_t Pixels(int32_t fixed) {
  return (fixed + 128) >> 8;
}

// The animation count of a loaded sprite.
int32_t AnimCount(ASprite* sprite) {
  return sprite->animAFrameCount ? sprite->animAFrameCount->length : 0;
}

// The players of particle sprite `sprite`, one per animation; null when the sprite is not
// loaded.
ObjectArray* MakePlayers(int32_t sprite) {
  ASprite* art = ParticleSprite(sprite);
  if (!art) return nullptr;
  ObjectArray* players = NewObjectArray(cid::MQLibPlayer, AnimCount(art));
  for (int32_t a = 0; players && a < players->length; a++) {
    auto* player = NewObject<MQLibPlayer>(ParticleSprite(sprite), 0, 0);
    if (player) player->setAnim(a, 0);
    players->elements()[a] = player;
  }
  return players;
}

}  // namespace

namespace particles {

ASprite* ParticleSprite(int32_t sprite) {
  ObjectArray* table = Statics<GameStatics>()->cGame_spriteTable;
  const int32_t slot = kFirstSpriteSlot + sprite;
  if (!table || sprite < 0 || sprite >= kSprites || slot >= table->length) return nullptr;
  return CheckCast<ASprite>(table->elements()[slot]);
}

MQLibPlayer* ParticlePlayer(int32_t sprite, int32_t anim) {
  ObjectArray* all = Statics<GameStatics>()->cGame_particlePlayers;
  if (!all || sprite < 0 || sprite >= kSprites || sprite >= all->length) return nullptr;
  auto* players = CheckCast<ObjectArray>(all->elements()[sprite]);
  if (!players || anim < 0 || anim >= players->length) return nullptr;
  return CheckCast<MQLibPlayer>(players->elements()[anim]);
}

int32_t ParticleFrames(int32_t sprite, int32_t anim) {
  MQLibPlayer* player = ParticlePlayer(sprite, anim);
  const int32_t frames = player ? player->getAnimFrameCount() : 0;
  return frames > 0 ? frames : 0;
}

}  // namespace particles

// ---- Players --------------------------------------------------------------------------------

void cGame::createParticlePlayers() {
  GameStatics* s = Statics<GameStatics>();
  if (!s->cGame_particlePlayers && ParticleSprite(0) && ParticleSprite(1) && ParticleSprite(2)) {
    ObjectArray* all = NewObjectArray(cid::ObjectArray, kSprites);
    s->cGame_particlePlayers = all;
    for (int32_t i = 0; all && i < kSprites; i++) {
      ObjectArray* players = MakePlayers(i);
      s->cGame_particlePlayers->elements()[i] = players;
    }
    if (ByteArray* traced = s->cGame_particleDefsTraced) {
      for (int32_t i = 0; i < traced->length; i++) traced->elements()[i] = 0;
    }
  }
  for (int32_t e = 0; e < kEmitters; e++) {
    IntArray* row = EmitterRow(e);
    if (!row) continue;
    row->elements()[kActive] = 0;
    row->elements()[kOwner] = -1;
    resetEmitterParticles(e);
  }
}

// ---- Painting -------------------------------------------------------------------------------

void cGame::paintParticleEmitter(int32_t e, int32_t palette) {
  IntArray* row = EmitterRow(e);
  Definition d;
  if (!row || !ReadDefinition(row->elements()[kDefinition], &d)) return;
  GameStatics* s = Statics<GameStatics>();
  const int32_t sprite = d.b[kSprite];
  ASprite* art = ParticleSprite(sprite);
  const int32_t used = UsedSlots(row->elements());
  const int32_t count = s->cGame_particleBudget < used ? s->cGame_particleBudget : used;
  for (int32_t i = 0; art && i < count; i++) {
    IntArray* p = ParticleRow(e * kSlots + i);
    if (!p || p->elements()[kLife] <= 0) continue;
    const int32_t anim = p->elements()[kAnimation];
    MQLibPlayer* player = ParticlePlayer(sprite, anim);
    const int32_t frames = ParticleFrames(sprite, anim);
    if (!player || frames <= 0) continue;
    const int32_t* w = p->elements();
    art->setCurrentPalette(d.a[kKind] == kKindPalettes ? w[kPalette] : palette);
    // The frame its life reaches, counted down from the last; a life past the animation's
    // length wraps around it.
    const int32_t frameMs = w[kFrameMs] > 0 ? w[kFrameMs] : 1;
    const int32_t frame = w[kLife] / frameMs % frames;
    player->x = Pixels(w[kParticleX]);
    player->y = Pixels(w[kParticleY]);
    player->setFrame(frame);
    player->render();
    s->cGame_particleLiveCount++;
    if (d.a[kKind] == kKindNoEffect) s->MQPixEffects_effectMask &= ~kNoEffectBit;
  }
}
