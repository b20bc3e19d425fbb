// Bubble: one bubble of the board, taken from the fixed pool of 170 made once. Entries
// 0 .. activeBubbleCount - 1 of activeBubbles are the bubbles in play, the rest the free ones
// in the order they will be handed out; bubblePool keeps every bubble at its index. A bubble
// in a bunch is filed in at most one cell of the collision grid, whose entry is that bubble.
#pragma once

#include <cstdint>

#include "runtime/class.h"
#include "runtime/object.h"

class ObjectArray;
class cGame_CBubbleBunch;

class Bubble : public Object {
 public:
  static constexpr int16_t kClassId = cid::Bubble;
  static constexpr int32_t kPoolSize = 170;
  static constexpr int32_t kDirections = 6;
  static constexpr int32_t kPlainColours = 7;  // colours 0..6; the kinds from 7 up are specials
  static constexpr int32_t kJoker = 10;        // matches every colour
  static constexpr int32_t kNearBubbleCapacity = 25;

  // Values of bunch besides a bunch index 0..9.
  static constexpr int32_t kFlyingShot = -1;
  static constexpr int32_t kLoose = -2;  // released, falling or bounced off

  // Bits of flags.
  static constexpr int32_t kIndestructible = 0x1;
  static constexpr int32_t kHiddenColour = 0x2;
  static constexpr int32_t kNeverPops = 0x4;
  static constexpr int32_t kCompoundRoot = 0x8;  // its bunch neighbours go with it
  static constexpr int32_t kAttachment = 0x10;
  static constexpr int32_t kLive = 0x2000;  // taken from the pool
  static constexpr int32_t kKey = 0x4000;
  static constexpr int32_t kVisited = 0x8000;  // by the current flood
  static constexpr int32_t kDead = 0x10000;    // removed at the end of the frame
  static constexpr int32_t kMoved = 0x20000;
  static constexpr int32_t kNeedsRepaint = 0x40000;
  static constexpr int32_t kFreeFlyer = 0x80000;
  static constexpr int32_t kClearedOnCopy = 0x400000;
  static constexpr int32_t kColourMasked = 0x800000;
  static constexpr int32_t kWallBounceCounted = 0x1000000;

  // The cell step (dx = change of col, dy = change of row) of each direction: 0 right,
  // 1 down-right, 2 down-left, 3 left, 4 up-left, 5 up-right; and each one's opposite.
  static constexpr int32_t kNeighbourDx[kDirections] = {1, 1, 0, -1, -1, 0};
  static constexpr int32_t kNeighbourDy[kDirections] = {0, -1, -1, 0, 1, 1};
  static constexpr int32_t kOppositeDirection[kDirections] = {3, 4, 5, 0, 1, 2};
  // [dx + 1][dy + 1]: the direction of the step (dx, dy); -1 where no direction steps so.
  static constexpr int32_t kDirectionIndex[3][3] = {{-1, 3, 4}, {2, -1, 5}, {1, 0, -1}};

  // Every field zero, the three reference fields registered.
  Bubble() { RegisterReferenceFields(this, &parent, &neighbours, &chainNext); }
  // A pool bubble: its index, its six neighbour links, off the grid, then reset.
  explicit Bubble(int32_t poolIndex);

  // ---- Own operations after Object's six ----
  // Slot 6 (game/board/bubble_pool.cpp): back to the free state, off the grid, unlinked; the
  // shake, fly-off, flood and target fields keep their values.
  virtual void reset();
  // Slot 7 (game/board/shot_flight.cpp): one frame of the bubble: the shot's sub-steps, a free
  // flyer's fall, a bunch bubble's cell, the danger line, the pop timer and the pop by kind,
  // the appearance steps.
  virtual void update();
  // Slot 8: the bubble's picture (game/board/board_seams.cpp until bubble painting).
  virtual void paint();

  // ---- Class initialiser: game/board/bubble_static_init.cpp ----
  // Builds the direction, opposite and sector tables, the colour counters, the collision grid
  // sized from the canvas, the query list and the three pool lists.
  static void staticInit();

  // ---- The pool: game/board/bubble_pool.cpp ----
  // Makes the bubbles that the pool lacks (at their index in both lists); the count goes to 0.
  static void fillPool();
  // The next free bubble, flagged live, with shotLost cleared; null and nothing changed when
  // all 170 are in play.
  static Bubble* allocate();
  // Every bubble reset, none in play, the bunches and the grid cleared, the tracked actor
  // released.
  static void resetPool();
  // Swaps each bubble in play with one drawn by the game's generator (modulus count - 1).
  static void shuffleActive();
  // bubblePool[i]; null for i outside 0..169.
  static Bubble* getPooled(int32_t i);

  // ---- State queries and positions: game/board/bubble_pool.cpp ----
  bool isIndestructible() const { return (flags & kIndestructible) != 0; }
  bool isMatchable() const { return colour < kPlainColours && !isIndestructible(); }
  static bool hasPendingEvents();            // a pop animation is still running
  void setPosition(int32_t px, int32_t py);  // whole pixels
  void syncPixelFromPosition();
  void syncPixelPosition();  // after a placement: pixel and previous pixel, needs repaint
  // Centres closer than the contact distance of 36 px.
  bool isTouching(int32_t px, int32_t py) const;
  // The pixel position within the rectangle widened by a bubble's radius (18 px), inclusive.
  bool isInRect(int32_t rx, int32_t ry, int32_t rw, int32_t rh) const;
  // |dx| + |dy| in 16.16, summed in 64 bits and saturated to the int range.
  int32_t manhattanDistanceTo(const Bubble* other) const;
  int32_t manhattanDistanceTo(int32_t px, int32_t py) const;
  static int32_t manhattanDistanceTo(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  // Clears both sides of every neighbour link.
  void unlinkNeighbours();
  // Starts the nine-step appearance change of the root bubble; bubblesChanged is set.
  void startAppearanceChange(int32_t delay);

  // ---- Cells: game/board/bubble_geometry.cpp ----
  // cellX, cellY := the 16.16 offset of cell (col, row), turned by the bunch's angle when
  // turn, whole pixels (toward minus infinity), plus the bunch centre when offset.
  static void cellPosition(cGame_CBubbleBunch* bunch, int32_t col, int32_t row, bool turn,
                           bool offset);
  // A bubble in a bunch moves to its cell's place; any other is left alone.
  void updateBunchPosition();
  // The direction of the step (dx, dy); -1 for (0, 0), the two other diagonals and any step
  // outside -1..1.
  static int32_t directionIndex(int32_t dx, int32_t dy);
  // The matchable neighbour (or neighbour with a matchable parent) nearest to direction, the
  // lower direction on a tie; its parent when it has one; null when none.
  Bubble* neighbourTowardDirection() const;

  // ---- The collision grid: game/board/bubble_grid.cpp ----
  static void clearGrid();
  // Files every bubble in play that belongs to a bunch; a later one takes a shared cell.
  static void rebuildGrid();
  // Off the grid; the recorded cell is emptied when it holds this bubble.
  void removeFromGrid();
  // Re-files the bubble at its position when it belongs to a bunch and lies in the grid.
  void updateGridCell();
  // nearBubbles := the filed bubbles of the size x size window of cells around (gx, gy),
  // column by column, at most 25; nearBubbleCount their number; true when there is one.
  static bool queryGrid(int32_t gx, int32_t gy, int32_t size);
  static bool queryGridAt(int32_t x, int32_t y, int32_t size);  // around a 16.16 point
  // Some bubble of the 4 x 4 window within radiusPx (Manhattan) of the 16.16 point.
  static bool isAnyNear(int32_t x, int32_t y, int32_t radiusPx);

  // ---- Floods: game/board/bunch_flood.cpp ----
  // The visited flag cleared on every bubble in play.
  static void clearVisitedAll();
  // Masks (mask) or unmasks the colours of the bubbles in play; silent changes the look at
  // once. Every bubble is marked for a repaint.
  static void setColourReveal(bool mask, bool silent);

  // ---- The shot's flight: game/board/shot_flight.cpp (pops: game/board/bubble_pops.cpp) ----
  // The swept hit test of the step from (x - dx, y - dy) to (x, y) (16.16): the first bunch
  // bubble touched on the walk, with its side, into hitBubble, hitSide, contactX, contactY.
  bool sweepCollide(int32_t x, int32_t y, int32_t dx, int32_t dy);
  // direction := the hexagonal direction nearest the velocity; vx = 0 takes a generator bit.
  void faceByVelocity();
  // Starts a shake toward direction (0..5), soft or strong; a compound part shakes its root.
  void startShake(int32_t direction, bool soft);
  // The bubble pops in n sixteenths of a second (an earlier deadline stays); stop halts it.
  void schedulePop(int32_t n, bool stop);
  // A paint bubble hit from (dx, dy) px recolours the five cells of that sector of its bunch.
  void hitFromDirection(int32_t dx, int32_t dy);
  // The update's parts: the shot's frame and one of its sub-steps (false: the update ends),
  // the appearance step (game/board/shot_flight.cpp); the pop by kind
  // (game/board/bubble_pops.cpp).
  bool flyShot(int32_t dt);
  bool shotSubStep(int32_t dt, int32_t n, int32_t* sx, int32_t* sy);
  void stepAppearance();
  void popNow();

  // ---- Pop effect: game/board/bubble_pop_effect.cpp ----
  // Posts 22, plays the pop's sound, and shows the pop (anim of sprite 35, mode 10, end event
  // 0x11A, counted in popAnimCount) with a particle burst in the bubble's colour; a compound
  // root pops its six neighbour cells too. Anim 2, the dull pop, once a level is lost.
  void popEffect(int32_t anim);

  // Fields, in the class's order. Positions are 16.16 pixels, velocities 16.16 px/s.
  int32_t index;  // in bubblePool, set once
  int32_t x, y;
  int32_t vx, vy;
  int32_t direction;         // facing direction 0..5, -1 none
  int32_t flyOffX, flyOffY;  // the direction of a hit, the fly-off of a release (16.16)
  int32_t pixelX, pixelY;    // integer parts of x, y
  int32_t prevPixelX, prevPixelY;
  int32_t shakeAngle;     // 1024 units per turn
  int32_t shakeStrength;  // pixels
  int32_t shakeFramesLeft, shakeFrames;
  int32_t gridCol, gridRow;  // the collision cell that holds it, -1 none
  int32_t colour;            // colour 0..6 or special kind
  int32_t appearance;        // what the last paint drew
  int32_t bunch;             // 0..9, kFlyingShot or kLoose
  int32_t bunchBefore;       // bunch at the start of the current update
  int32_t col, row;          // hexagonal cell in its bunch
  int32_t popTimer;          // ms until it pops, -1 not scheduled
  int32_t flags;
  int32_t floodDepth;
  int32_t floodOrder;
  int32_t targetAppearance;  // what an appearance change animates to
  int32_t changeSteps;       // steps of the appearance change left, 9 at its start
  int32_t changeDelay;       // frames before each step
  int32_t objectIndex;       // its level object or target slot, -1 none
  Bubble* parent;            // the root of a compound bubble
  ObjectArray* neighbours;   // Bubble[6], one link per direction
  Bubble* chainNext;         // the next of a chain; a path search's cell it came from
  int32_t markerValue;       // path length of the cell marker placed here
};
