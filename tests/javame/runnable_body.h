// A Runnable for the class-library thread tests: its run calls a test function, and it can
// hold one object for that function through a reference field.
#pragma once

#include <atomic>

#include "runtime/class.h"
#include "runtime/interfaces.h"
#include "tests/support/test_class_ids.h"

class RunnableBody : public Object, public java_lang_Runnable {
 public:
  static constexpr int16_t kClassId = test_class_id::kRunnableBody;
  using Body = void (*)(RunnableBody* self);
  explicit RunnableBody(Body runBody) : body(runBody) { RegisterReferenceFields(this, &held); }
  void* getInterface(int32_t interfaceId) override {
    return interfaceId == cid::java_lang_Runnable ? static_cast<java_lang_Runnable*>(this)
                                                  : nullptr;
  }
  void run() override {
    runs++;
    body(this);
  }

  Body body;
  Object* held;               // whatever the body works on
  std::atomic<int32_t> runs;  // calls of run so far
  std::atomic<int64_t> seen;  // what the body observed, for the test to check
};
