// java.lang.Runtime: the one runtime object, made by the class initialiser into a static
// field, and its memory figures (javame/runtime_memory.cpp).
#pragma once

#include <cstdint>

#include "runtime/object.h"

class java_lang_Runtime : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Runtime;

  // javame/runtime.cpp
  // The class initialiser: makes the one instance, kept in the static field currentRuntime.
  static void clinit();
  static java_lang_Runtime* getRuntime();

  // javame/runtime_memory.cpp
  // Bytes free in the managed heaps (the object and the data heap together), and their total
  // size: what the program can still allocate, which is what its callers ask about.
  static int64_t freeMemory();
  static int64_t totalMemory();
};
