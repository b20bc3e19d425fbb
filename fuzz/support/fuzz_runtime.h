// What every fuzz target shares: the check that turns a broken invariant into a finding, and
// one runtime made for the whole run.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "runtime/application_impl.h"
#include "runtime/application.h"
#include "runtime/trace.h"

// A broken invariant is a finding: abort so libFuzzer keeps the input.
inline void FuzzCheck(bool holds) {
  if (!holds) std::abort();
}

// Brings a runtime up once and never closes it; trace lines are counted into *traceLines (or
// dropped when it is null), since the targets feed inputs whose faults are expected. A small
// data heap keeps each run short.
inline Application* StartFuzzRuntime(int32_t dataHeapSize, int* traceLines) {
  static ApplicationImpl& context = *new ApplicationImpl();
  SetTraceSink([](const char*, void* user) {
    if (user) ++*static_cast<int*>(user);
  }, traceLines);
  context.init(kObjectHeapSize, dataHeapSize);
  return context.application;
}
