// The world update's step table: updateWorld runs these twenty steps in their order. Tests
// put recording steps in it to see the order; the game thread must not be updating meanwhile.
#pragma once

#include <cstdint>

using WorldStep = void (*)();

constexpr int32_t kWorldStepCount = 20;

// Step i (0..19) as updateWorld runs it; null outside the table.
WorldStep WorldStepAt(int32_t i);

// Tests: step i runs `step` until RestoreWorldSteps.
void ReplaceWorldStep(int32_t i, WorldStep step);
void RestoreWorldSteps();
