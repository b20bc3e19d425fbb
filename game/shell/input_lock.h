// The input lock: the platform thread's key and stylus callbacks and the game thread's latches
// and readers exchange the key states and the pointer statics under it. It is held only for
// copies of those fields, never across an allocation or a safe point, so a collection that
// another thread starts never waits for a thread that holds it.
#pragma once

#include <mutex>

// Holds the input lock for its scope.
class InputGuard {
 public:
  InputGuard() : hold_(Lock()) {}

 private:
  static std::mutex& Lock() {
    static std::mutex lock;
    return lock;
  }
  std::lock_guard<std::mutex> hold_;
};
