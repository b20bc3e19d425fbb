// Bunch against bunch, once a frame: which bunches touch (their boxes, and the ropes of hanging
// bunches through another's box), one push per touching pair, a falling row that sticks to what
// it touches, and a match of one colour across two bunches; and the cut of an anchor actor
// through the bunches it overlaps. bunchContacts holds this frame's contact bits, each pair's
// on both of its entries, the diagonal gathering every bit of the bunch's contacts.
#include <algorithm>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "host/trace_line.h"
#include "runtime/array.h"

namespace {

using Bunch = cGame_CBubbleBunch;

constexpr int32_t kSlots = Bunch::kSlots;
constexpr int32_t kPx = 1 << 16;

// Bits of bunchContacts[i][j].
constexpr int8_t kBoxes = 1;            // the boxes of i and j overlap
constexpr int8_t kOtherRope = 2;        // j's rope passes through i
constexpr int8_t kOwnRope = 4;          // i's rope passes through j
constexpr int32_t kTouched = 0x200000;  // a bubble's flag: it took part in a contact

// Lengths in 16.16 px: the box test's, then the bubble test's (wider and taller) rope region.
constexpr int32_t kBoxMargin = 18 * kPx;
constexpr int32_t kRopeHalfWidth = 24 * kPx;
constexpr int32_t kRopeHeight = 80 * kPx;
constexpr int32_t kRopeReach = 42 * kPx;
constexpr int32_t kRopeReachUp = 98 * kPx;
constexpr int32_t kColumn = 37 * kPx;      // between handle columns
constexpr int32_t kContactSum = 0x2F8000;  // 47.5 px, Manhattan
constexpr int32_t kContactAxis = 38 * kPx;

constexpr int32_t kCutMargin = 18;  // px, the anchor's cut and the boxes it meets
constexpr int32_t kHanging = 0;     // the bunch type whose ropes rise from its centre
constexpr int32_t kLock = 7;
constexpr int32_t kFallingRow = 15;
constexpr int32_t kTrackLevel = 8;  // its bubbles are bunches of their own: nothing collides
constexpr int32_t kOneColour = 1;   // floodCount's mode
constexpr int32_t kMatch = 3;

GameStatics* S() {
  return Statics<GameStatics>();
}

Bubble* Member(const Bunch* bunch, int32_t i) {
  return static_cast<Bubble*>(bunch->bubbles->elements()[i]);
}

// ---- The contact table ----------------------------------------------------------------------

// Row i of bunchContacts; null unless the table holds ten rows of ten.
int8_t* ContactRow(int32_t i) {
  ObjectArray* table = S()->cGame_bunchContacts;
  if (!table || i < 0 || i >= table->length) return nullptr;
  auto* row = static_cast<ByteArray*>(table->elements()[i]);
  return row && row->length >= kSlots ? row->elements() : nullptr;
}

bool ContactTableReady() {
  for (int32_t i = 0; i < kSlots; i++) {
    if (!ContactRow(i)) return false;
  }
  return true;
}

int8_t Contact(int32_t i, int32_t j) {
  return ContactRow(i)[j];
}

// Bits for i on [i][j] and the diagonal [i][i].
void AddContact(int32_t i, int32_t j, int8_t bits) {
  ContactRow(i)[j] |= bits;
  ContactRow(i)[i] |= bits;
}

// ---- Boxes and ropes ------------------------------------------------------------------------

struct Box {
  int32_t left, right, top, bottom;
  bool overlaps(const Box& o) const {
    return cGame::rectsOverlap(left, right, top, bottom, o.left, o.right, o.top, o.bottom);
  }
};

// The members' extents about the centre, grown by margin on every side (16.16).
Box BunchBox(const Bunch* bunch, int32_t margin) {
  return {bunch->centreX + bunch->minX - margin, bunch->centreX + bunch->maxX + margin,
          bunch->centreY + bunch->minY - margin, bunch->centreY + bunch->maxY + margin};
}

// A hanging bunch's ropes, k = -1 the centre's and k = 0.. one per side handle; the handles'
// count is kept within the list that records their columns.
int32_t LastRope(const Bunch* bunch) {
  const int32_t listed = bunch->handles ? bunch->handles->length : 0;
  return std::min(bunch->handleCount, listed) - 1;
}

// x offset of rope k from the bunch centre, 16.16.
int32_t RopeOffset(const Bunch* bunch, int32_t k) {
  return k < 0 ? 0 : bunch->handles->elements()[k] * kColumn;
}

// One of the hanging bunch's ropes, the strip 24 px to each side of its point from the centre
// up 80 px, meets the box.
bool RopeThroughBox(const Bunch* rope, const Box& box) {
  if (rope->type != kHanging) return false;
  for (int32_t k = LastRope(rope); k >= -1; k--) {
    const int32_t x = rope->centreX + RopeOffset(rope, k);
    const Box strip{x - kRopeHalfWidth, x + kRopeHalfWidth, rope->centreY - kRopeHeight,
                    rope->centreY};
    if (strip.overlaps(box)) return true;
  }
  return false;
}

// The first of the bunch's ropes (last handle first) whose region 42 px to each side, from the
// centre up 98 px, holds the bubble: its offset into r.
bool OnRope(const Bunch* rope, const Bubble* bubble, int32_t* r) {
  for (int32_t k = LastRope(rope); k >= -1; k--) {
    const int32_t x = rope->centreX + RopeOffset(rope, k);
    if (bubble->x < x - kRopeReach || bubble->x > x + kRopeReach) continue;
    if (bubble->y < rope->centreY - kRopeReachUp || bubble->y > rope->centreY) continue;
    *r = RopeOffset(rope, k);
    return true;
  }
  return false;
}

// ---- The two phases -------------------------------------------------------------------------

// Every pair of bunches holding bubbles, the higher slot first: boxes 18 px wider than the
// members, and the ropes of either through the other's box. The number of touching pairs.
int32_t FindContacts() {
  int32_t found = 0;
  for (int32_t i = kSlots - 1; i >= 1; i--) {
    Bunch* a = cGame::getBunch(i);
    if (cGame::bunchMemberCount(a) < 1) continue;
    const Box boxA = BunchBox(a, kBoxMargin);
    for (int32_t j = i - 1; j >= 0; j--) {
      Bunch* b = cGame::getBunch(j);
      if (cGame::bunchMemberCount(b) < 1 || Contact(i, j) != 0) continue;
      const Box boxB = BunchBox(b, kBoxMargin);
      if (boxA.overlaps(boxB)) {
        AddContact(i, j, kBoxes);
        AddContact(j, i, kBoxes);
      }
      if (RopeThroughBox(a, boxB)) {
        AddContact(i, j, kOwnRope);
        AddContact(j, i, kOtherRope);
      }
      if (RopeThroughBox(b, boxA)) {
        AddContact(i, j, kOtherRope);
        AddContact(j, i, kOwnRope);
      }
      found += Contact(i, j) != 0;
    }
  }
  return found;
}

bool BubblesTouch(const Bubble* p, const Bubble* q) {
  return p->manhattanDistanceTo(q) < kContactSum && std::abs(q->x - p->x) <= kContactAxis &&
         std::abs(q->y - p->y) <= kContactAxis;
}

// Two touching bubbles start a match across their bunches when their colours (a compound
// part's is its root's) are one matchable colour.
// Departure: both sides must be matchable and neither may have a pop pending: an indestructible
// bubble took part in the count, and a match that touches again on the frames before its pops
// was scored again on each.
bool StartsMatch(const Bubble* p, const Bubble* q) {
  const Bubble* P = p->parent ? p->parent : p;
  const Bubble* Q = q->parent ? q->parent : q;
  if (!P->isMatchable() || !Q->isMatchable() || P->colour != Q->colour) return false;
  return p->popTimer < 0 && q->popTimer < 0 && P->popTimer < 0 && Q->popTimer < 0;
}

enum class PairEnd { kGoOn, kMatch, kMerged };

struct Match {
  Bubble* p = nullptr;
  Bubble* q = nullptr;
};

// Bunches i (A) and j (B) with contact bits f = [i][j], g = [j][i]: A's bubbles from the last,
// each against B's ropes and then B's bubbles from the last against A's ropes and by contact.
// The first contact found is the pair's one push (or a falling row's merge, which ends the
// pass); a touching pair of one colour ends it with a match.
PairEnd CollidePair(int32_t i, int32_t j, int8_t f, int8_t g, Match* match) {
  Bunch* a = cGame::getBunch(i);
  Bunch* b = cGame::getBunch(j);
  const bool aRope = (f & kOwnRope) != 0, bRope = (g & kOwnRope) != 0;
  const bool boxes = (f & kBoxes) != 0;
  const bool falling = a->type == kFallingRow || b->type == kFallingRow;
  bool handled = false;
  int32_t r = 0;
  for (int32_t pi = cGame::bunchMemberCount(a) - 1; pi >= 0; pi--) {
    Bubble* p = Member(a, pi);
    if (!p) continue;
    if (bRope && !handled && OnRope(b, p, &r)) {
      p->flags |= kTouched;
      cGame::resolveBunchCollision(i, j, b->centreX - p->x + r, b->centreY - p->y);
      handled = true;
    }
    for (int32_t qi = cGame::bunchMemberCount(b) - 1; qi >= 0; qi--) {
      Bubble* q = Member(b, qi);
      if (!q) continue;
      if (aRope && !handled && OnRope(a, q, &r)) {
        q->flags |= kTouched;
        cGame::resolveBunchCollision(i, j, q->x - r - a->centreX, q->y - a->centreY);
        handled = true;
      }
      if (!boxes || !BubblesTouch(p, q)) continue;
      p->flags |= kTouched;
      q->flags |= kTouched;
      if (!handled) {
        handled = true;
        if (a->type == kFallingRow) {
          cGame::mergeBunch(i, j);
          return PairEnd::kMerged;
        }
        if (b->type == kFallingRow) {
          cGame::mergeBunch(j, i);
          return PairEnd::kMerged;
        }
        cGame::resolveBunchCollision(i, j, q->x - p->x, q->y - p->y);
      }
      if (!falling && StartsMatch(p, q)) {
        *match = {p, q};
        return PairEnd::kMatch;
      }
    }
  }
  return PairEnd::kGoOn;
}

// The match floods one colour from each of the two bubbles, each flood ordered from 0 so both
// sides pop outward from the contact; three or more pop and score.
void ScoreCrossMatch(const Match& match) {
  GameStatics* s = S();
  Bubble::clearVisitedAll();
  s->cGame_floodSerial = 0;
  int32_t n = cGame::floodCount(match.p, kOneColour, 0, match.p->colour);
  s->cGame_floodSerial = 0;
  n += cGame::floodCount(match.q, kOneColour, 0, match.q->colour);
  if (n >= kMatch) cGame::scoreMatch(n);
}

}  // namespace

// ---- Collisions -----------------------------------------------------------------------------

void cGame::collideBubbleBunches() {
  if (S()->cGame_levelType == kTrackLevel || countBunches(true) < 2) return;
  if (!ContactTableReady()) {
    DebugLog("bunchContacts: no table of 10 x 10, no collisions");
    return;
  }
  for (int32_t i = 0; i < kSlots; i++) std::fill_n(ContactRow(i), kSlots, int8_t{0});
  if (FindContacts() == 0) return;
  Match match;
  for (int32_t i = kSlots - 1; i >= 1; i--) {
    if (bunchMemberCount(getBunch(i)) < 1 || Contact(i, i) == 0) continue;
    for (int32_t j = i - 1; j >= 0; j--) {
      const int8_t f = Contact(i, j);
      if (bunchMemberCount(getBunch(j)) < 1 || f == 0) continue;
      const PairEnd end = CollidePair(i, j, f, Contact(j, i), &match);
      if (end == PairEnd::kMerged) return;
      if (end == PairEnd::kMatch) {
        ScoreCrossMatch(match);
        return;
      }
    }
  }
}

// ---- The anchor's cut -----------------------------------------------------------------------

// R, the anchor's rectangle 0 (whole pixels), cuts each bunch of two or more bubbles (not a
// lock) whose box, 18 px wider than its members, overlaps it: the last member within R grown by
// 18 px leaves, and what then hangs on nothing drops.
void cGame::cutBunchesWithAnchor(int32_t c) {
  Bunch* cutter = getBunch(c);
  IntArray* rect = S()->cGame_rectScratch;
  if (!cutter || !cActor::getFrameRect(cutter->anchor, 0, rect)) return;
  const int32_t* e = rect->elements();
  const int32_t rx = e[0], ry = e[1], rw = e[2], rh = e[3];
  const Box cut{rx, rx + rw, ry, ry + rh};
  for (int32_t b = 0; b < kSlots; b++) {
    Bunch* bunch = getBunch(b);
    if (!bunch || !bunch->inUse || bunch->type == kLock || bunchMemberCount(bunch) < 2) continue;
    const Box box{((bunch->centreX + bunch->minX) >> 16) - kCutMargin,
                  ((bunch->centreX + bunch->maxX) >> 16) + kCutMargin,
                  ((bunch->centreY + bunch->minY) >> 16) - kCutMargin,
                  ((bunch->centreY + bunch->maxY) >> 16) + kCutMargin};
    if (!box.overlaps(cut)) continue;
    for (int32_t i = bunchMemberCount(bunch) - 1; i >= 0; i--) {
      Bubble* bubble = Member(bunch, i);
      if (!bubble || !bubble->isInRect(rx, ry, rw, rh)) continue;
      releaseBubbleFromBunch(bubble);
      releaseBunch(b);
      break;
    }
  }
}
