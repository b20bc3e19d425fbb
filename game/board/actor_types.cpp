// The actor types: how a pooled actor is set up from the spawn parameters, what each type does
// once a frame and how it paints. Particle emitters run and paint through the particle system;
// cell markers are records only; floating texts blink, then rise and go; gradient boxes only
// paint; sprites play their player in one of four modes.
#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"

using actor_support::SpriteInSlot;

namespace {

constexpr int32_t kTextFontSlot = 3;
constexpr int32_t kTextDepth = 1100;
constexpr int32_t kTextMargin = 4;  // between a text's edge and the side wall, in pixels
// A floating text's life in ms of its age: blinking up to 1000 (shown while bit 256 is set),
// then rising 32 pixels over 500 ms, then gone.
constexpr int32_t kTextRiseFrom = 1000;
constexpr int32_t kTextRiseTime = 500;
constexpr int32_t kTextRise = 32;
constexpr int32_t kTextBlinkBit = 256;
constexpr int32_t kCentred = 3;  // both anchor centre bits
constexpr int32_t kEmitterOwner = 1;
constexpr int32_t kDefinitionAngle = -1;

// The painted width of text textId in the floating-text font; 0 without the text or the font.
int32_t TextWidth(int32_t textId) {
  ASprite* font = SpriteInSlot(kTextFontSlot);
  String* text = cGame::getString(textId);
  if (!font || !text) return 0;
  font->getStringSize(text, nullptr);
  return Statics<GameStatics>()->ASprite_textWidth;
}

bool OnLastFrame(MQLibPlayer* p) {
  return p->frame == p->getAnimFrameCount() - 1;
}

}  // namespace

// ---- Set-up ---------------------------------------------------------------------------------

void cActor::initByType(cActor* actor, int32_t type, IntArray* params) {
  if (!actor) return;
  auto param = [params](int32_t i) { return IntArray::get(params, i); };
  actor->state = type;
  switch (type) {
    case kEmitter:
      actor->x = param(0);
      actor->y = param(1);
      actor->z = param(2);
      actor->emitter = cGame::startParticleEmitter(actor->x, actor->y, param(3), kDefinitionAngle,
                                                   kEmitterOwner);
      if (actor->emitter < 0) {
        actor->emitter = -1;
        actor->state = kFree;
      }
      break;
    case kCellMarker:
      actor->x = param(0);
      actor->y = param(1);
      actor->z = param(2);
      break;
    case kFloatingText: {
      actor->x = actor->shownX = param(0);
      actor->y = actor->shownY = param(1);
      actor->z = kTextDepth;
      actor->textId = param(2);
      // The left wall's width stands for both walls.
      const int32_t lo = Statics<GameStatics>()->cGame_playMarginLeft +
                         (TextWidth(actor->textId) >> 1) + kTextMargin;
      if (actor->shownX < lo) {
        actor->shownX = lo;
      } else if (actor->shownX > cGame::kCanvasWidth - lo) {
        actor->shownX = cGame::kCanvasWidth - lo;
      }
      actor->age = 0;
      break;
    }
    case kGradientBox:
      actor->x = param(0);
      actor->y = param(1);
      actor->z = param(2);
      actor->a = param(3);
      actor->b = param(4);
      actor->palette = param(5);
      actor->colourB = param(6);
      actor->c = param(7);
      break;
    case kSprite:
      actor->x = param(0);
      actor->y = param(1);
      actor->z = param(2);
      actor->flags = 0;
      actor->frameA = -1;
      actor->frameB = -1;
      break;
    default:
      actor->state = kFree;
      break;
  }
}

// ---- Update ---------------------------------------------------------------------------------

void cActor::update() {
  GameStatics* s = Statics<GameStatics>();
  if (player && !(flags & kPaused)) player->update(s->cGame_frameTime);
  switch (state) {
    case kFree:
      removeFromLayer(this);
      break;
    case kEmitter:
      if (emitter >= 0 && !cGame::isEmitterState1(emitter)) release(this);
      break;
    case kFloatingText:
      age += s->cGame_frameTime;
      if (age > kTextRiseFrom + kTextRiseTime) {
        release(this);
      } else if (age > kTextRiseFrom) {
        shownY = y + (kTextRiseFrom - age) * kTextRise / kTextRiseTime;  // toward zero
      }
      break;
    case kSprite:
      if (player) updateSpriteMode();
      break;
    case kSpriteThenNext:
      if (!player) break;
      postAnimEvents(this);
      if (OnLastFrame(player)) {
        mode = nextMode;
        state = kSprite;
        player->setAnim(nextAnim, nextMode == kModeLoop ? -1 : 1);
      }
      break;
    default:
      break;
  }
}

// An animation has ended when isAnimOver says so: the player has none, or it has played out
// without looping for ever.
void cActor::updateSpriteMode() {
  switch (mode) {
    case kModeOnce:
      postAnimEvents(this);
      if (player->isAnimOver()) {
        deliverEndEvent();
        release(this);
      }
      break;
    case kModeLoop:
      postAnimEvents(this);
      if (OnLastFrame(player)) cGame::queueEvent(event);
      break;
    case kModeNotifyOnce:
      postAnimEvents(this);
      if (player->isAnimOver()) {
        cGame::queueEvent(event);
        event = 0;
      }
      break;
    default:
      break;
  }
}

// A pop actor's end event is counted off popAnimCount by whoever consumes it; when the queue
// refuses it, release does the counting instead (the event is left on the actor for it).
void cActor::deliverEndEvent() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t before = s->cGame_eventCount;
  cGame::queueEvent(event);
  if (s->cGame_eventCount > before) event = 0;
}

// ---- Paint ----------------------------------------------------------------------------------

void cActor::paint() {
  GameStatics* s = Statics<GameStatics>();
  switch (state) {
    case kGradientBox:
      cGame::fillGradientRect(x, y, a, b, palette, colourB, c);
      break;
    case kEmitter:
      cGame::paintParticleEmitter(emitter, palette);
      break;
    case kFloatingText: {
      if (age <= kTextRiseFrom && !(age & kTextBlinkBit)) break;
      ASprite* font = SpriteInSlot(kTextFontSlot);
      String* text = cGame::getString(textId);
      if (font && text)
        font->drawStringPlain(s->cGame_drawGraphics, text, shownX, shownY, kCentred, false);
      break;
    }
    case kSprite:
    case kSpriteThenNext:
      if ((flags & kHidden) || !player || !player->sprite) break;
      player->sprite->setCurrentPalette(palette);  // only a palette the sprite has
      player->x = x;
      player->y = y;
      player->render();
      break;
    default:
      break;
  }
}
