// java.util.Hashtable and its enumerator.
#pragma once

#include "javame/enumeration.h"
#include "runtime/object.h"

class java_util_Hashtable_HashtableEnumerator : public Object, public java_util_Enumeration {
 public:
  static constexpr int16_t kClassId = cid::java_util_Hashtable_HashtableEnumerator;

  void* getInterface(int32_t interfaceId) override {
    return interfaceId == cid::java_util_Enumeration ? static_cast<java_util_Enumeration*>(this) : nullptr;
  }
  bool hasMoreElements() override { return false; }
  Object* nextElement() override { return nullptr; }
};
