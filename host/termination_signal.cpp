// Termination signals set one flag; nothing else is safe inside a signal handler.
#include "host/termination_signal.h"

#include <signal.h>

#include <atomic>

namespace host {
namespace {

// A lock-free atomic is safe to store from a signal handler and to read from any thread.
std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void Note(int) {
  requested.store(true, std::memory_order_relaxed);
}

}  // namespace

void CatchTerminationSignals() {
  for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
    struct sigaction action {};
    action.sa_handler = signal == SIGPIPE ? SIG_IGN : Note;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
  }
}

bool TerminationRequested() {
  return requested.load(std::memory_order_relaxed);
}

}  // namespace host
