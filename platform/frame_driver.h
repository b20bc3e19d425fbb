// The frame driver: the passes of the game loop as the program options see them. The game
// loop reports the end of each pass; the driver counts it, moves a fixed clock on by one
// frame period, hands the replayed input stamped for it to the main thread and waits until
// the main thread has delivered it (so a replay reaches the game at the same frame on every
// run), and ends the game once the --frames count is reached.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/input_script.h"

namespace host {
class ManualClock;
}

constexpr uint32_t kFramePeriod = 40;  // ms: the game loop's frame budget

struct FrameDriverSettings {
  int64_t frameLimit = 0;                   // passes to run; 0 runs until the game ends
  host::ManualClock* fixedClock = nullptr;  // moved on kFramePeriod a pass, when set
  std::vector<ReplayEvent> script;          // in delivery order
};

// Before the game starts (and between tests).
void ConfigureFrameDriver(FrameDriverSettings settings);

// Game thread: the end of one pass of the game loop, paused or painted. When the frame limit
// is reached the game is ended the way the game ends itself: its MIDlet's destroyApp, or
// ApplicationImpl::exit when there is no MIDlet.
void EndOfGameLoopPass();
// Any thread: passes ended so far.
int64_t GameLoopPassCount();

// Main thread, at the start of a main-loop pass: puts the replayed events handed over (if
// any) into the window's queue, so this pass dispatches them.
void DeliverReplayedInput();
// Main thread, at the end of that pass: the game may go on.
void ReplayedInputDelivered();
// Main thread, when the main loop ends: a game thread waiting for a delivery goes on.
void StopFrameDriver();
