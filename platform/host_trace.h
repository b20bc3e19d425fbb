// The host layer's trace lines (host/log.h) joined to ours: code that calls a host service
// that may trace (media graphs, the system font) routes them first, so they reach the trace
// and whatever captures it.
#pragma once

#include "host/log.h"
#include "runtime/trace.h"

inline void RouteHostTrace() {
  host::SetLogSink([](const char* line) { DebugLog("%s", line); });
}
