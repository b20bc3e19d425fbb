#include "runtime/exceptions.h"

#include <gtest/gtest.h>

#include <thread>

#include "runtime/string.h"
#include "runtime/thread_state.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

class ExceptionsTest : public RuntimeTest {
 protected:
  // An exception object of the given class (the exception classes have one layout).
  java_lang_Throwable* Make(int32_t classId) {
    auto* e = NewObject<java_lang_Throwable>();
    Object::initHeader(e, classId);
    return e;
  }
};

TEST_F(ExceptionsTest, NothingPendingLeavesTheCatchSiteAlone) {
  CurrentThreadState().catchSite = 42;
  EXPECT_EQ(TestPendingException(7), 0);
  EXPECT_EQ(CurrentThreadState().catchSite, 42);
}

TEST_F(ExceptionsTest, ThrowMakesPendingAndFillsTheTraceText) {
  auto* e = Make(cid::java_io_IOException);
  ThrowException(e);
  EXPECT_EQ(GetPendingException(), e);
  EXPECT_EQ(TextOf(e->stackTrace), "stacktrace:\n");
  EXPECT_EQ(TestPendingException(7), 1);
  EXPECT_EQ(CurrentThreadState().catchSite, 7);

  // A later throw replaces it.
  auto* f = Make(cid::java_lang_RuntimeException);
  ThrowException(f);
  EXPECT_EQ(GetPendingException(), f);
}

TEST_F(ExceptionsTest, TraceTextListsTheMethodsNewestFirst) {
  MethodTraceScope outer("Outer::run()");
  MethodTraceScope inner("Inner::step()");
  auto* e = Make(cid::java_lang_Exception);
  ThrowException(e);
  EXPECT_EQ(TextOf(e->stackTrace), "stacktrace:\nInner::step()\nOuter::run()\n");
}

struct CatchCase {
  const char* name;
  std::vector<CatchTable> table;  // without the terminator
  int32_t thrownClass;
  int32_t site;
  int32_t expected;
};

TEST_F(ExceptionsTest, CatchTableSelection) {
  const int32_t kException = cid::java_lang_Exception, kIO = cid::java_io_IOException;
  const CatchCase cases[] = {
      {"covered site, superclass entry", {{kException, 2, 5}}, cid::java_io_IOException, 2, 0},
      {"last covered site", {{kException, 2, 5}}, kIO, 4, 0},
      {"end site is exclusive", {{kException, 2, 5}}, kIO, 5, -1},
      {"before first site", {{kException, 2, 5}}, kIO, 1, -1},
      {"first match wins", {{kException, 0, 9}, {kIO, 0, 9}}, kIO, 3, 0},
      {"skips an entry that does not cover", {{kIO, 0, 2}, {kException, 2, 9}}, kIO, 3, 1},
      {"subclass entry does not catch superclass", {{kIO, 0, 9}}, kException, 3, -1},
      {"deep chain",
       {{cid::java_lang_Throwable, 0, 9}},
       cid::java_lang_ArrayIndexOutOfBoundsException,
       1,
       0},
      {"unrelated class", {{cid::java_lang_RuntimeException, 0, 9}}, kIO, 1, -1},
      {"empty table", {}, kIO, 1, -1},
  };
  for (const CatchCase& c : cases) {
    std::vector<CatchTable> table = c.table;
    table.push_back({0, 0, 0});
    auto* e = Make(c.thrownClass);
    ThrowException(e);
    ASSERT_EQ(TestPendingException(c.site), 1);
    EXPECT_EQ(FindCatchHandler(table.data()), c.expected) << c.name;
    EXPECT_EQ(GetPendingException(), c.expected >= 0 ? nullptr : e) << c.name;
    ClearPendingException();
  }
}

// An exception object answering an interface id is caught by an entry for that interface.
class RunnableException : public java_lang_Throwable {
 public:
  static constexpr int16_t kClassId = cid::java_lang_RuntimeException;
  void* getInterface(int32_t id) override { return id == cid::java_lang_Runnable ? this : nullptr; }
};

TEST_F(ExceptionsTest, CatchByInterface) {
  ThrowException(NewObject<RunnableException>());
  TestPendingException(1);
  const CatchTable table[] = {
      {cid::java_util_Enumeration, 0, 9}, {cid::java_lang_Runnable, 0, 9}, {0, 0, 0}};
  EXPECT_EQ(FindCatchHandler(table), 1);
}

TEST_F(ExceptionsTest, PendingExceptionBelongsToItsThread) {
  auto* e = Make(cid::java_io_IOException);
  ThrowException(e);
  Object* seenByOther = e;
  std::thread other([&] { seenByOther = GetPendingException(); });
  other.join();
  EXPECT_EQ(seenByOther, nullptr);
  EXPECT_EQ(GetPendingException(), e);
}

TEST_F(ExceptionsTest, NullCheckTracesAndExecutionGoesOn) {
  TraceCapture trace;
  MethodTraceScope scope("cGame::paint()");
  Object* object = nullptr;
  int32_t value = 5;
  if (NullCheck(object)) value = object->hashCode();
  EXPECT_EQ(value, 5);
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{"NullPointer", "stacktrace:\ncGame::paint()\n"}));
  EXPECT_EQ(GetPendingException(), nullptr);
  EXPECT_TRUE(NullCheck(&value));
}

}  // namespace
