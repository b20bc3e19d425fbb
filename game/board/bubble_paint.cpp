// A bubble's picture: its shake, the frame of its kind and look, the target badge, the marker
// of key and attachment bubbles and the sparkle of an appearance change; and the field of all
// bubbles in play, painted in three passes so compound roots lie under and specials over the
// plain bubbles.
#include "game/board/actor_support.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/java_arith.h"

using actor_support::SpriteInSlot;
using Graphics = javax_microedition_lcdui_Graphics;

namespace {

constexpr int32_t kSpent = 39;  // never painted
constexpr int32_t kTiedKind = 36;
constexpr int32_t kTiedLitFrame = 45, kTiedDoneFrame = 46;
constexpr int32_t kIndestructibleFrame = 41;
constexpr int32_t kHiddenFrame = 42;
constexpr int32_t kCompoundFrames = 47;  // + colour 0..6
constexpr int32_t kCompoundHiddenFrame = 54;
constexpr int32_t kMarkerFrame = 62;
constexpr int32_t kFirstTarget = 29, kLastTarget = 35;
constexpr int32_t kBadgeSlot = 49, kBadgeFrame = 5;
constexpr int32_t kChangeAnim = 0, kCompoundChangeAnim = 4, kHighlightAnim = 2;
constexpr int32_t kChangeHalf = 5;  // steps 9..5 show the old look, 4..1 the new one
constexpr int32_t kLessonKind = 2;
constexpr int32_t kObjectiveMarkers[] = {0x20, 0x40, 0x80};

// The state of the level target at index i, -1 when there is none: an index outside
// 0..targetCount - 1, or target lists not made.
int32_t TargetState(GameStatics* s, int32_t i) {
  IntArray* states = s->cGame_targetState;
  if (!states || i < 0 || i >= s->cGame_targetCount || i >= states->length) return -1;
  return states->elements()[i];
}

// The frame a bubble of this kind and look shows, before the compound root's own.
int32_t ChosenFrame(GameStatics* s, const Bubble* b) {
  int32_t f = b->colour;
  if (f == kTiedKind) {
    const int32_t state = TargetState(s, b->objectIndex);
    if (state == 1) f = kTiedLitFrame;
    if (state > 1) f = kTiedDoneFrame;
  }
  if (b->isIndestructible()) f = kIndestructibleFrame;
  if (b->changeSteps < kChangeHalf) {
    if (b->flags & (Bubble::kColourMasked | Bubble::kHiddenColour)) f = kHiddenFrame;
  } else if (!b->isIndestructible()) {
    f = b->targetAppearance;
  }
  if (b->flags & Bubble::kCompoundRoot) {
    if (f >= 0 && f < Bubble::kPlainColours) f += kCompoundFrames;
    if (f == kHiddenFrame) f = kCompoundHiddenFrame;
  }
  return f;
}

// A key or attachment bubble of a type-0 bunch that has had handles gets the marker.
bool ShowsMarker(const Bubble* b) {
  if ((b->flags & (Bubble::kKey | Bubble::kAttachment)) == 0) return false;
  cGame_CBubbleBunch* bunch = cGame::getBunch(b->bunch);
  return bunch && bunch->type == 0 && bunch->hadHandles != 0;
}

void PaintBadge(Graphics* g, int32_t f, int32_t x, int32_t y) {
  ASprite* badges = SpriteInSlot(kBadgeSlot);
  if (!badges) return;
  badges->setCurrentPalette(f - kFirstTarget);  // kept when the sprite lacks that palette
  badges->paintFrame(g, kBadgeFrame, x, y, 0, 0, 0);
}

}  // namespace

// ---- One bubble ------------------------------------------------------------------------------

// The shake swings out and back over three quarters of a sine period, its second half damped,
// one step a painted frame.
void Bubble::paint() {
  if ((flags & kDead) || colour == kSpent) return;
  GameStatics* s = Statics<GameStatics>();
  int32_t px = pixelX, py = pixelY;
  if (shakeFramesLeft > 0) {
    const int32_t phase = JavaDiv((shakeFrames - shakeFramesLeft) * 768, shakeFrames);
    int32_t sine = cGame::sin1024(phase);
    if (phase > 256) sine = sine / 2 + 0x8000;
    const int32_t amp = (shakeStrength * sine) >> 16;
    py += (cGame::sin1024(shakeAngle) * amp) >> 16;
    px += (cGame::sin1024(shakeAngle + 256) * amp) >> 16;
    shakeFramesLeft -= 1;
  }
  const int32_t f = ChosenFrame(s, this);
  Graphics* g = s->cGame_currentGraphics();
  ASprite* sprite = s->cGame_bubbleSprite;
  if (sprite && g) {
    sprite->paintFrame(g, f, px, py, 0, 0, 0);
    if (f >= kFirstTarget && f <= kLastTarget) PaintBadge(g, f, px, py);
  }
  appearance = f;
  if (sprite && g && ShowsMarker(this)) sprite->paintFrame(g, kMarkerFrame, px, py, 0, 0, 0);
  ASprite* change = s->cGame_changeSprite;
  if (change && g && changeSteps > 0 && changeDelay < 1) {
    const int32_t anim = (flags & kCompoundRoot) ? kCompoundChangeAnim : kChangeAnim;
    change->paintAFrame(g, anim, changeSteps, px, py, 0, 0, 0);
  }
  flags &= ~kMoved;
}

// ---- The field -------------------------------------------------------------------------------

void cGame::paintBubbleField() {
  GameStatics* s = Statics<GameStatics>();
  setClipToScreen();
  ObjectArray* active = s->Bubble_activeBubbles;
  if (!active) return;
  const int32_t count = s->Bubble_activeBubbleCount < active->length ? s->Bubble_activeBubbleCount
                                                                      : active->length;
  auto at = [&](int32_t i) { return static_cast<Bubble*>(active->elements()[i]); };
  // Pass 0: compound roots; 1: the other plain colours; 2: the other kinds.
  for (int32_t pass = 0; pass < 3; pass++) {
    for (int32_t i = 0; i < count; i++) {
      Bubble* b = at(i);
      if (!b) continue;
      const bool root = (b->flags & Bubble::kCompoundRoot) != 0;
      const int32_t inPass = root ? 0 : b->colour < Bubble::kPlainColours ? 1 : 2;
      if (inPass == pass) b->paint();
    }
  }
  if (s->cGame_levelKind() != kLessonKind || s->cGame_lessonPhase == 0) return;
  const int32_t objective = s->cGame_currentObjective;
  ASprite* change = s->cGame_changeSprite;
  Graphics* g = s->cGame_currentGraphics();
  if (objective < 0 || objective > 2 || !change || !g) return;
  for (int32_t i = 0; i < count; i++) {
    Bubble* b = at(i);
    if (!b || b->colour == kSpent || (b->flags & kObjectiveMarkers[objective]) == 0) continue;
    change->paintAFrame(g, kHighlightAnim, s->cGame_frameMod5 >> 1, b->pixelX, b->pixelY, 0, 0,
                        0);
  }
}
