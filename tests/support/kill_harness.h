// Crash tests by SIGKILL: a forked child repeats a save until it is killed at a random moment,
// and after each kill the parent checks what the store holds.
#pragma once

#include <functional>
#include <set>

// The child's loop: saves again and again and never returns (it _exits when a save fails).
using SaveForever = void (*)();
// What the store holds after a kill: one of the states the saves alternate between (0 or 1),
// or -1 for anything else.
using StoredState = std::function<int()>;

// Kills kills children, each after a random wait of 0 to longestWaitMicros drawn from seed,
// and reads the store after each; then, on a loaded machine where every save outlasted those
// waits, kills after longer waits until both states have been seen. A child that did not die
// by the kill, or a store in neither state, fails the test at once. Returns the states seen.
std::set<int> KillAtRandomMoments(SaveForever save, const StoredState& stored, unsigned seed,
                                  int kills, int longestWaitMicros);
