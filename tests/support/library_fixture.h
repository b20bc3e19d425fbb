// Class-library tests: a runtime whose string-constant pool is the data builder's own table,
// so messages built from string constants read as the game shows them, and objects that
// record when the collector frees them.
#pragma once

#include <string>
#include <vector>

#include "runtime/application.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"
#include "runtime/static_class.h"
#include "tests/support/runtime_data_fixture.h"
#include "tests/support/string_text.h"
#include "tools/databuild/string_constants.h"

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

class LibraryTest : public RuntimeWithDataTest {
 protected:
  void SetUp() override {
    RuntimeWithDataTest::SetUp();
    std::vector<std::u16string> texts;
    for (const databuild::StringConstant& constant : databuild::StringConstantTable()) {
      texts.emplace_back(constant.text);
    }
    PlantPool(texts);
    ASSERT_TRUE(LoadConstantPool(Statics()));
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
