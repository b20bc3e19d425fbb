// Counts that a long run by hand can raise through the environment (PLIMORA_STRESS_SECONDS,
// PLIMORA_KILL_ROUNDS): the variable's whole number when it is positive, else the default.
#pragma once

#include <cstdlib>

inline int EnvCount(const char* name, int fallback) {
  const char* setting = std::getenv(name);
  const int value = setting ? std::atoi(setting) : 0;
  return value > 0 ? value : fallback;
}
