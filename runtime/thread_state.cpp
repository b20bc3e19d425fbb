// Per-thread runtime state and the registry that lets the collector reach all of them.
#include "runtime/thread_state.h"

#include <mutex>

namespace {

std::mutex registryLock;
JavaThreadState* registryHead = nullptr;

void Register(JavaThreadState* state) {
  std::lock_guard<std::mutex> guard(registryLock);
  state->next = registryHead;
  registryHead = state;
}

void Unregister(JavaThreadState* state) {
  std::lock_guard<std::mutex> guard(registryLock);
  for (JavaThreadState** link = &registryHead; *link; link = &(*link)->next) {
    if (*link == state) {
      *link = state->next;
      return;
    }
  }
}

// Owns the calling thread's state; registers it on construction and removes it when the
// thread ends.
struct ThreadStateHolder {
  JavaThreadState state{};
  ThreadStateHolder() { Register(&state); }
  ~ThreadStateHolder() { Unregister(&state); }
};

}  // namespace

JavaThreadState& CurrentThreadState() {
  thread_local ThreadStateHolder holder;
  return holder.state;
}

void ForEachThreadState(void (*visit)(JavaThreadState& state, void* user), void* user) {
  std::lock_guard<std::mutex> guard(registryLock);
  for (JavaThreadState* s = registryHead; s; s = s->next) visit(*s, user);
}
