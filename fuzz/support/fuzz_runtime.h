// What every fuzz target shares: the check that turns a broken invariant into a finding, and
// one runtime made for the whole run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "runtime/application.h"
#include "runtime/application_impl.h"
#include "runtime/array.h"
#include "runtime/trace.h"

// A broken invariant is a finding: abort so libFuzzer keeps the input.
inline void FuzzCheck(bool holds) {
  if (!holds) std::abort();
}

// The little-endian int32 at p: how targets take their arguments from the input.
inline int32_t FuzzInt32At(const uint8_t* p) {
  return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
}

// Brings a runtime up once and never closes it; trace lines are counted into *traceLines (or
// dropped when it is null), since the targets feed inputs whose faults are expected. A small
// data heap keeps each run short.
inline Application* StartFuzzRuntime(int32_t dataHeapSize, int* traceLines) {
  static ApplicationImpl& context = *new ApplicationImpl();
  SetTraceSink(
      [](const char*, void* user) {
        if (user) ++*static_cast<int*>(user);
      },
      traceLines);
  context.init(kObjectHeapSize, dataHeapSize);
  return context.application;
}

// The input as a managed byte array of the same length (the caller keeps it below the data
// heap's size).
inline ByteArray* FuzzBytes(const uint8_t* data, size_t size) {
  ByteArray* bytes = NewByteArray(static_cast<int32_t>(size));
  if (size > 0) std::memcpy(bytes->elements(), data, size);
  return bytes;
}
