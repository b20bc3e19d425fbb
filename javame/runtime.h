// java.lang.Runtime: the one runtime object and its memory figures (runtime/runtime_memory.cpp).
#pragma once

#include <cstdint>

#include "runtime/object.h"

class java_lang_Runtime : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Runtime;

  // runtime/runtime_memory.cpp
  // The machine's free and total physical memory in bytes, as the system reports them.
  static int64_t freeMemory();
  static int64_t totalMemory();
};
