// The wait indicator of an HTTP request: a host thread (never a Java thread: it touches no
// managed object) that lays one of five lines of dots over the screen at (75, 240) in the
// system font, the next every 300 ms, until it is stopped; stopping joins the thread and takes
// the dots away.
#pragma once

#include <atomic>
#include <cstdint>

#include "host/thread.h"

namespace host {
class DisplaySurface;
}

class WaitIndicator {
 public:
  static constexpr int32_t kX = 75;
  static constexpr int32_t kY = 240;
  static constexpr uint32_t kPhaseMs = 300;
  static constexpr int32_t kPhases = 5;

  // Starts showing on surface; shows nothing for a null surface or when no thread can start.
  explicit WaitIndicator(host::DisplaySurface* surface);
  // Stops the thread, joins it and clears the dots.
  ~WaitIndicator();
  WaitIndicator(const WaitIndicator&) = delete;
  WaitIndicator& operator=(const WaitIndicator&) = delete;

  // The dots and their RGB565 colour of a phase: phase 0 white, phases 1 to 4 red.
  static const char16_t* PhaseText(int32_t phase);
  static uint16_t PhaseColour(int32_t phase);

 private:
  static void Run(void* self);

  host::DisplaySurface* surface_;
  host::Thread thread_;
  host::AutoResetEvent wake_;
  std::atomic<bool> running_{true};
};
