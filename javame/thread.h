// java.lang.Thread: a Java thread object; runnable itself, or running its target.
#pragma once

#include "runtime/interfaces.h"
#include "runtime/object.h"

class java_lang_Thread : public Object, public java_lang_Runnable {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Thread;

  void* getInterface(int32_t interfaceId) override {
    return interfaceId == cid::java_lang_Runnable ? static_cast<java_lang_Runnable*>(this) : nullptr;
  }
  void run() override {}
};
