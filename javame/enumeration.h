// java.util.Enumeration: the interface of element enumerators.
#pragma once

#include "runtime/class_ids.h"

class Object;

class java_util_Enumeration {
 public:
  static constexpr int16_t kClassId = cid::java_util_Enumeration;
  virtual bool hasMoreElements() = 0;
  virtual Object* nextElement() = 0;

 protected:
  ~java_util_Enumeration() = default;
};
