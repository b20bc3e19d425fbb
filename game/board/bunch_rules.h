// The per-frame rules of the bunch types, shared by the files of the bunch update: the
// dispatcher (game/board/bunch_update.cpp) calls one rule per bunch in use, then the common
// tail. Each rule takes the slot and its bunch (never null) and may burst or clear it.
#pragma once

#include <cstdint>

class cActor;
class cGame_CBubbleBunch;

namespace bunch_rules {

constexpr int32_t kPx = 1 << 16;  // one pixel in 16.16

// The frame time in ms, and a bunch's period with a period of 0 or less taken as 1000 ms
// (the period the bunch is made with), so the rules that divide by it never divide by 0.
int32_t FrameTime();
int32_t Period(const cGame_CBubbleBunch* bunch);
// Entry i of the level's parameters; 0 when absent.
int32_t LevelParam(int32_t i);
// Bursts bunch b by its rule ("bunch B burst" on the trace).
void Burst(int32_t b);

// The corner of frame rectangle r of the actor's current animation frame, in screen pixels
// (the actor's place plus the rectangle's offset), into x and y; false, both untouched,
// without an actor or a sprite.
bool FrameRectCorner(cActor* actor, int32_t r, int32_t* x, int32_t* y);
// The same rectangle's left and right edges as offsets from the actor's x.
bool FrameRectSpan(cActor* actor, int32_t r, int32_t* left, int32_t* right);

// Hanging and paired bunches (game/board/bunch_update.cpp).
void HangingRule(int32_t b, cGame_CBubbleBunch* bunch);  // type 0
void PairRule(int32_t b, cGame_CBubbleBunch* bunch);     // type 1

// Bunches carried by their animated anchors (game/board/bunch_update_carried.cpp).
void HubRule(int32_t b, cGame_CBubbleBunch* bunch);      // type 2
void HolderRule(int32_t b, cGame_CBubbleBunch* bunch);   // type 3
void CarrierRule(int32_t b, cGame_CBubbleBunch* bunch);  // type 5

// Turning, timed and falling bunches (game/board/bunch_update_motion.cpp).
void PressedRule(int32_t b, cGame_CBubbleBunch* bunch);   // type 4
void LockRule(int32_t b, cGame_CBubbleBunch* bunch);      // type 7
void SpinnerRule(int32_t b, cGame_CBubbleBunch* bunch);   // type 8
void PendulumRule(int32_t b, cGame_CBubbleBunch* bunch);  // type 9
void SinkerRule(int32_t b, cGame_CBubbleBunch* bunch);    // type 13
void FallerRule(int32_t b, cGame_CBubbleBunch* bunch);    // type 15

}  // namespace bunch_rules
