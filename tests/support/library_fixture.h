// Class-library tests: a runtime started as the game starts it, so messages built from string
// constants read as the game shows them; the pending exception read back; objects that record
// when the collector frees them.
#pragma once

#include <string>
#include <vector>

#include "runtime/application.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"
#include "tests/support/started_runtime_fixture.h"
#include "tests/support/string_text.h"

// An object that records its id when the collector frees it.
class Tracked : public Object {
 public:
  static constexpr int16_t kClassId = cid::Object;
  explicit Tracked(int32_t trackedId) : id(trackedId) {}
  void finalize() override { freedIds().push_back(id); }
  static std::vector<int32_t>& freedIds() {
    static std::vector<int32_t> ids;
    return ids;
  }

  int32_t id;
};

class LibraryTest : public StartedRuntimeTest {
 protected:
  void SetUp() override {
    StartedRuntimeTest::SetUp();
    Tracked::freedIds().clear();
  }

  static void CollectNow() { GetApplication()->getObjectManager()->gc(kGcForced); }

  // The pending exception's class id and message, cleared; class 0 when none is pending.
  struct Raised {
    int32_t classId = 0;
    std::string message;
  };
  static Raised TakePending() {
    auto* pending = static_cast<java_lang_Throwable*>(GetPendingException());
    ClearPendingException();
    if (!pending) return {};
    return {pending->classId, TextOf(pending->message)};
  }
};
