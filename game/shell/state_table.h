// The state dispatcher's table: the handler of each game state, 1..32. Tests put recording
// handlers in it to see what each frame sends.
#pragma once

#include <cstdint>

// A state's handler, given the message enter, update, paint or exit.
using StateHandler = void (*)(int32_t message);

// The handler of state s; null when s has none or lies outside 1..32.
StateHandler StateHandlerOf(int32_t s);

// Tests: state s (1..32) gets handler until RestoreStateHandlers; the game thread must not be
// dispatching meanwhile.
void ReplaceStateHandler(int32_t s, StateHandler handler);
void RestoreStateHandlers();
