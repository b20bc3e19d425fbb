// Level type 8's looping track: single-bubble bunches ride in a chain along a closed track of
// straight cells and quarter turns, one third of a cell apart, and a bunch emptied by the
// player leaves a gap that closes once the chain behind it has caught up. Matching on the
// track floods by distance instead of by hexagonal links. Once no bunch holds bubbles the
// level is won.
#include <cstdlib>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kCell = 1 << 16;          // track units per straight cell
constexpr int32_t kQuarter = 51471;         // a quarter circle: pi / 4 of a cell
constexpr int32_t kEntrySpacing = 21845;    // a third of a cell between chain entries
constexpr int32_t kCellPx = 111;            // a cell's side in pixels
constexpr int32_t kQuarterTurn = 256;       // 1024 units per full turn
constexpr int32_t kFullDegrees = 360 << 8;  // 8.8 degrees
constexpr int32_t kTrackLevel = 8;
constexpr int32_t kWon = 50;
constexpr int32_t kFloodReach = 50;         // px on either axis
constexpr int32_t kFloodReachSquared = 2402;

// Where a segment kind takes the cell position (in cells, 16.16) and how it turns.
struct SegmentShape {
  int32_t dx, dy, turn;
};

SegmentShape ShapeOf(int32_t kind) {
  constexpr int32_t h = kCell / 2;
  switch (kind) {
    case 0: return {kCell, 0, 0};
    case 1: return {0, kCell, 0};
    case 2: return {-kCell, 0, 0};
    case 3: return {0, -kCell, 0};
    case 4: return {h, -h, kQuarterTurn};
    case 10: return {h, -h, -kQuarterTurn};
    case 5: return {h, h, kQuarterTurn};
    case 9: return {h, h, -kQuarterTurn};
    case 6: return {-h, h, kQuarterTurn};
    case 8: return {-h, h, -kQuarterTurn};
    case 7: return {-h, -h, kQuarterTurn};
    case 11: return {-h, -h, -kQuarterTurn};
    default: return {0, 0, 0};  // an unknown kind has a length but goes nowhere
  }
}

// The reader's rule: kinds from 4 up are quarter turns.
int32_t LengthOf(int32_t kind) {
  return kind >= 4 ? kQuarter : kCell;
}

// The walk along the segments: the cell position and accumulated turn at the start of the
// current segment, and where that segment starts and how long it is.
struct TrackWalk {
  ByteArray* segments;
  int32_t count;
  int32_t index = 0;
  int32_t kind = 0;
  int32_t cellX = 0, cellY = 0, turn = 0;
  int32_t start = 0, length = 0;

  explicit TrackWalk(ByteArray* list) : segments(list), count(list ? list->length : 0) {
    Enter(0);
  }
  void Enter(int32_t i) {
    index = i;
    kind = ByteArray::get(segments, i);
    length = LengthOf(kind);
  }
  // Steps on to the segment that holds d; past the last segment the walk starts the loop
  // again at distance 0, so d loses a track length. Position and turn start again too: on a
  // closed track they are back where they started, and a scroll of one whole track lays the
  // chain out exactly as a scroll of 0.
  void Reach(int32_t& d, int32_t trackLength) {
    while (start + length <= d) {
      const SegmentShape shape = ShapeOf(kind);
      cellX += shape.dx;
      cellY += shape.dy;
      turn += shape.turn;
      start += length;
      if (index + 1 < count) {
        Enter(index + 1);
        continue;
      }
      Enter(0);
      start = cellX = cellY = turn = 0;
      d -= trackLength;
    }
  }
};

// A pixel coordinate in 16.16 from a position in cells (16.16) and the track origin.
int32_t TrackPixel(int32_t cells, int32_t origin) {
  return static_cast<int32_t>(static_cast<int64_t>(cells) * kCellPx + origin);
}

// The bunch's angle in 8.8 degrees from a turn in 1024 units, with its sine and cosine.
void SetBunchAngle(cGame_CBubbleBunch* bunch, int32_t turn) {
  int32_t angle = static_cast<int32_t>(static_cast<int64_t>(turn) * 360 / 1024 * 256 % kFullDegrees);
  if (angle < 0) angle += kFullDegrees;
  bunch->angle = angle;
  bunch->sin = cGame::fixCos(64 - angle / 360);
  bunch->cos = cGame::fixCos(angle / 360);
}

bool EntryHoldsBubbles(int32_t entry) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t b = IntArray::get(s->cGame_chainEntryBunch, entry);
  return cGame::bunchMemberCount(cGame::getBunch(b)) > 0;
}

// Entries from..to - 1 leave the chain; the entries after them move down.
void RemoveChainEntries(int32_t from, int32_t to) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t gap = to - from;
  for (int32_t k = from; k + gap < s->cGame_chainCount; k++) {
    IntArray::set(s->cGame_chainEntryBunch, k, IntArray::get(s->cGame_chainEntryBunch, k + gap));
    IntArray::set(s->cGame_chainDistance, k, IntArray::get(s->cGame_chainDistance, k + gap));
  }
  s->cGame_chainCount -= gap;
}

// The gap that starts at entry k (now at distance d) closes once the next entry holding
// bubbles has come within this frame's step of it.
void CloseGap(int32_t k, int32_t d) {
  GameStatics* s = Statics<GameStatics>();
  int32_t j = k + 1;
  while (j < s->cGame_chainCount && !EntryHoldsBubbles(j)) j++;
  if (j >= s->cGame_chainCount) return;
  int32_t g = s->cGame_trackStep + d - IntArray::get(s->cGame_chainDistance, j);
  if (g > s->cGame_trackLength / 2) g -= s->cGame_trackLength;
  if (g >= 0) RemoveChainEntries(k, j);
}

}  // namespace

// ---- The chain on the track ---------------------------------------------------------------

// The scroll is kept in 0 .. trackLength - 1 by a floor modulo, so a backward track (a
// negative speed in the level's data) wraps as well as a forward one; 0 without a track.
void cGame::updateLevelType8() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelType != kTrackLevel) return;
  const auto step =
      static_cast<int32_t>(int64_t{s->cGame_frameTime} * s->cGame_trackSpeed / 1000);
  const int32_t length = s->cGame_trackLength;
  int32_t scroll = s->cGame_trackScroll + step;
  scroll = length > 0 ? ((scroll % length) + length) % length : 0;
  s->cGame_trackScroll = scroll;
  s->cGame_trackStep = step;
  layoutTrackBunches();
  if (!s->cGame_levelOver && countBunches(false) == 0) postEvent(kWon);
}

void cGame::layoutTrackBunches() {
  GameStatics* s = Statics<GameStatics>();
  // Without segments the walk would never find the segment of a distance.
  if (s->cGame_trackLength <= 0 || !s->cGame_trackSegments || s->cGame_trackSegments->length == 0)
    return;
  TrackWalk walk(s->cGame_trackSegments);
  int32_t d = s->cGame_trackScroll;
  bool placed = false;
  for (int32_t k = 0; k < s->cGame_chainCount; k++, d += kEntrySpacing) {
    walk.Reach(d, s->cGame_trackLength);
    if (!EntryHoldsBubbles(k)) {
      if (!placed) continue;
      CloseGap(k, d);
      return;
    }
    const int32_t b = IntArray::get(s->cGame_chainEntryBunch, k);
    cGame_CBubbleBunch* bunch = getBunch(b);
    const int32_t t = d - walk.start;
    const int32_t x = TrackPixel(easeValue(walk.kind, t) + walk.cellX, s->cGame_trackStartX);
    const int32_t y = TrackPixel(easeValueAlt(walk.kind, t) + walk.cellY, s->cGame_trackStartY);
    setBunchCentre(b, x, y);
    const int32_t sign = ShapeOf(walk.kind).turn / kQuarterTurn;
    SetBunchAngle(bunch, walk.turn + sign * (t * kQuarterTurn / kQuarter));
    IntArray::set(s->cGame_chainDistance, k, d);
    placed = true;
  }
}

// ---- The proximity flood ------------------------------------------------------------------

int32_t cGame::floodMarkBunch(Bubble* bubble, int32_t depth, int32_t kind) {
  GameStatics* s = Statics<GameStatics>();
  if (!bubble) return 0;
  bubble->flags |= Bubble::kVisited;
  bubble->floodDepth = depth;
  bubble->floodOrder = s->cGame_floodSerial++;
  int32_t count = 1;
  ObjectArray* active = s->Bubble_activeBubbles;
  const int32_t px = bubble->x >> 16;
  const int32_t py = bubble->y >> 16;
  for (int32_t i = 0; active && i < s->Bubble_activeBubbleCount && i < active->length; i++) {
    auto* other = static_cast<Bubble*>(active->elements()[i]);
    if (!other || (other->flags & (Bubble::kVisited | Bubble::kDead))) continue;
    if (other->colour != kind || other->isIndestructible()) continue;
    const int32_t dx = (other->x >> 16) - px;
    const int32_t dy = (other->y >> 16) - py;
    if (std::abs(dx) >= kFloodReach || std::abs(dy) >= kFloodReach) continue;
    if (dx * dx + dy * dy >= kFloodReachSquared) continue;
    count += floodMarkBunch(other, depth + 1, kind);
  }
  return count;
}
