// Interfaces the runtime calls through. An interface is a data-less abstract base; its
// sub-object inside an implementing object is what Object::getInterface returns.
#pragma once

#include "runtime/class_ids.h"

class java_lang_Runnable {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Runnable;
  virtual void run() = 0;

 protected:
  ~java_lang_Runnable() = default;
};
