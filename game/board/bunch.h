// cGame_CBubbleBunch: one of the ten reusable bunches, a cluster of bubbles on a hexagonal cell
// grid of its own that moves, swings and turns as one body around its centre. Members are
// entries 0 .. count - 1 of bubbles; a slot is live while inUse is set.
#pragma once

#include <cstdint>

#include "runtime/class.h"
#include "runtime/object.h"

class Bubble;
class IntArray;
class ObjectArray;
class cActor;

class cGame_CBubbleBunch : public Object {
 public:
  static constexpr int16_t kClassId = cid::cGame_CBubbleBunch;
  static constexpr int32_t kSlots = 10;        // the bunch table's size
  static constexpr int32_t kMaxMembers = 180;  // the length of bubbles
  static constexpr int32_t kOne = 256;         // 8.8 fixed point: cos of angle 0

  cGame_CBubbleBunch() {
    RegisterReferenceFields(this, &bubbles, &core, &anchor, &topActor, &decorations, &handles);
  }

  // Fields, in the class's order. Positions and velocities are 16.16 pixels (per second).
  int32_t type;     // 0..15, 0 after clearing
  int32_t partner;  // the linked bunch of a pair, -1 none
  int32_t colourA;  // the two colour slots; 0 and 1 when made, kept by clearing
  int32_t colourB;
  int32_t cfgDuration;  // the layout record's period in ms; 1000 when made, kept by clearing
  int32_t facing;       // the layout record's orientation 0..2, kept by clearing
  int32_t phase;        // the type's phase
  int32_t ropeLength;   // rope to the anchor in pixels, -1 none; types 2 and 5 reuse it
  int32_t pushSteps;    // type 5: 74-px steps driven out past the screen edge
  int32_t easeFromX;    // type 5: the anchor's x when pushSteps last changed
  int32_t timer;        // ms toward the next 100 ms damping step
  int32_t timer2;       // type-specific times in ms
  int32_t timer3;
  int32_t counter;              // type-specific count in ms or steps
  int8_t inUse;                 // the slot holds a live bunch
  ObjectArray* bubbles;         // Bubble[180], the members
  int16_t count;                // number of members
  int16_t prevCount;            // count at the end of the last frame
  Bubble* core;                 // the core bubble, null none
  int16_t indestructibleCount;  // members with the indestructible flag
  int16_t attachedTotal;        // bubbles attached in play (no reader)
  int16_t landedCount;          // bubbles attached in play that started no match
  int16_t prevLandedCount;      // landedCount at the end of the last frame
  int32_t centreX, centreY;
  int32_t restX, restY;  // the point the bunch is set to and pushed back to
  int32_t vx, vy;
  int8_t skipSpin;                 // the next off-centre spin step is skipped
  int32_t variant;                 // the anchor actor's variant; type 0: the drop warning 0..3
  cActor* anchor;                  // the rope's fixed end, or the main decoration
  cActor* topActor;                // type 7: the lock's upper actor
  ObjectArray* decorations;        // cActor[]: handles (type 0), spokes (type 2), the lock (type 7)
  int32_t fallSpeed;               // type 0: 16.16 px/s; type 13: whole px/s
  int8_t dropPending;              // type 0: one drop step is due
  int32_t angle;                   // degrees in 8.8, 0..92160 once normalised
  int32_t sin, cos;                // of angle, 8.8
  int32_t spin;                    // 8.8 degrees per second, within -46080..46080
  int32_t stretch;                 // rope stretch in pixels at the last swing step
  int32_t handleCount;             // side handles of a type-0 bunch
  IntArray* handles;               // int[]: each side handle's column offset (37-px columns)
  int8_t hadHandles;               // a handle bubble was attached since the last clearing
  int32_t minX, maxX, minY, maxY;  // members' extreme offsets from the centre, 16.16
};
