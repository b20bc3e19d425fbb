// Floods over a bunch's neighbour links: counting what hangs together (any colour, or one
// colour with jokers), clearing the visited marks and masking colours over every bubble in
// play, and linking a compound root's neighbours to it. A flood marks each bubble it reaches
// visited (0x8000) with its depth and order.
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kAnyColour = 0;
constexpr int32_t kOneColour = 1;

Bubble* Neighbour(const Bubble* bubble, int32_t d) {
  if (!bubble->neighbours || d >= bubble->neighbours->length) return nullptr;
  return static_cast<Bubble*>(bubble->neighbours->elements()[d]);
}

}  // namespace

// Mode 1 follows a neighbour whose colour (its parent's when it has one) is the colour or the
// joker's and which is not indestructible; a parented neighbour is visited but counts not
// itself. Another mode counts the bubble alone. Recursion is bounded by the pool: each call
// marks a bubble that no later call enters again.
int32_t cGame::floodCount(Bubble* bubble, int32_t mode, int32_t depth, int32_t colour) {
  if (!NullCheck(bubble)) return 0;
  GameStatics* s = Statics<GameStatics>();
  bubble->flags |= Bubble::kVisited;
  bubble->floodDepth = depth;
  bubble->floodOrder = s->cGame_floodSerial++;
  int32_t count = 1;
  if (mode != kAnyColour && mode != kOneColour) return count;
  for (int32_t d = 0; d < Bubble::kDirections; d++) {
    Bubble* n = Neighbour(bubble, d);
    if (!n || (n->flags & (Bubble::kVisited | Bubble::kDead))) continue;
    if (mode == kAnyColour) {
      count += floodCount(n, kAnyColour, depth + 1, 0);
      continue;
    }
    const int32_t seen = n->parent ? n->parent->colour : n->colour;
    if (seen != colour && seen != Bubble::kJoker) continue;
    if (n->isIndestructible()) continue;
    count += floodCount(n, kOneColour, depth + 1, colour) - (n->parent ? 1 : 0);
  }
  return count;
}

int32_t cGame::floodCountFrom(Bubble* bubble, int32_t mode) {
  if (!NullCheck(bubble)) return 0;
  Statics<GameStatics>()->cGame_floodSerial = 0;
  return floodCount(bubble, mode, 0, bubble->colour);
}

void Bubble::clearVisitedAll() {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* active = s->Bubble_activeBubbles;
  if (!NullCheck(active)) return;
  for (int32_t i = 0; i < s->Bubble_activeBubbleCount && i < active->length; i++) {
    if (auto* bubble = static_cast<Bubble*>(active->elements()[i])) bubble->flags &= ~kVisited;
  }
}

// Masking hides the colour of each bubble in a bunch (kind 43 keeps its look): the change
// starts from the colour and ends on the hidden look. Unmasking runs from the hidden look (42)
// back to the colour. silent sets the look at once, with no change.
void Bubble::setColourReveal(bool mask, bool silent) {
  constexpr int32_t kAlwaysShown = 43, kHiddenLook = 42;
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* active = s->Bubble_activeBubbles;
  if (!NullCheck(active)) return;
  for (int32_t i = 0; i < s->Bubble_activeBubbleCount && i < active->length; i++) {
    auto* bubble = static_cast<Bubble*>(active->elements()[i]);
    if (!bubble) continue;
    const bool masked = (bubble->flags & kColourMasked) != 0;
    if (mask && !masked && bubble->bunch >= 0 && bubble->colour != kAlwaysShown) {
      bubble->appearance = bubble->colour;
      if (!silent) bubble->startAppearanceChange(0);
      bubble->flags |= kColourMasked;
    } else if (!mask && masked) {
      bubble->appearance = kHiddenLook;
      if (!silent) bubble->startAppearanceChange(0);
      bubble->flags &= ~kColourMasked;
    }
    bubble->flags |= kNeedsRepaint;
  }
}

// A neighbour that is itself a compound root gets no parent: two adjacent roots became each
// other's parent, and following parents to the root then never ended.
void cGame::linkAnchors(int32_t b) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  for (int32_t i = bunchMemberCount(bunch) - 1; i >= 0; i--) {
    auto* root = static_cast<Bubble*>(bunch->bubbles->elements()[i]);
    if (!root || !(root->flags & Bubble::kCompoundRoot)) continue;
    for (int32_t d = 0; d < Bubble::kDirections; d++) {
      Bubble* n = Neighbour(root, d);
      if (n && !(n->flags & Bubble::kCompoundRoot)) n->parent = root;
    }
  }
}
