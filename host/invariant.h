// PLIMORA_ASSERT(condition): a check of an invariant that a header states, where checking is
// cheap. Active where PLIMORA_ASSERTS is set (the sanitizer and fuzz builds, and the tests'
// own code); in the optimised build the condition is compiled but never evaluated. A broken
// invariant writes one line to the standard error and ends the process.
#pragma once

#if PLIMORA_ASSERTS
#define PLIMORA_ASSERT(condition) \
  ((condition) ? static_cast<void>(0) : host::AssertionFailed(#condition, __FILE__, __LINE__))
#else
#define PLIMORA_ASSERT(condition) static_cast<void>(sizeof(!(condition)))
#endif

namespace host {

// "FILE:LINE: invariant broken: CONDITION" on the standard error, then abort.
[[noreturn]] void AssertionFailed(const char* condition, const char* file, int line);

}  // namespace host
