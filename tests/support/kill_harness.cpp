// fork, sleep, SIGKILL, waitpid; then the parent's look at the store.
#include "tests/support/kill_harness.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

constexpr int kLongestLongWaitMicros = 4000000;

// Starts a saving child, kills it after waitMicros; false when it did not die by the kill.
bool KillAfter(SaveForever save, int waitMicros) {
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    save();
    _exit(4);  // a save loop never ends by itself
  }
  std::this_thread::sleep_for(std::chrono::microseconds(waitMicros));
  int status = 0;
  if (::kill(child, SIGKILL) != 0 || waitpid(child, &status, 0) != child) return false;
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

}  // namespace

std::set<int> KillAtRandomMoments(SaveForever save, const StoredState& stored, unsigned seed,
                                  int kills, int longestWaitMicros) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> wait(0, longestWaitMicros);
  std::set<int> seen;
  auto killAndRead = [&](int waitMicros) {
    if (!KillAfter(save, waitMicros)) {
      ADD_FAILURE() << "the saving child did not die by the kill after " << waitMicros << " us";
      return false;
    }
    const int state = stored();
    if (state == -1) {
      ADD_FAILURE() << "after a kill at " << waitMicros << " us the store holds neither state";
      return false;
    }
    seen.insert(state);
    return true;
  };
  for (int kill = 0; kill < kills; kill++) {
    if (!killAndRead(wait(random))) return seen;
  }
  for (int longWait = 4 * longestWaitMicros; seen.size() < 2 && longWait < kLongestLongWaitMicros;
       longWait *= 2) {
    if (!killAndRead(longWait)) return seen;
  }
  return seen;
}
