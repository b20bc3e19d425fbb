#include "javame/exception_classes.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

#include "javame/device_statics.h"
#include "javame/print_stream.h"
#include "runtime/class.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"
#include "runtime/trace.h"
#include "tests/javame/stream_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/started_runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

// One throwable class: its id, its superclass as the class table should give it, and makers
// for both constructors.
struct ExceptionClass {
  int32_t id;
  int32_t superclassId;
  java_lang_Throwable* (*make)();
  java_lang_Throwable* (*makeWithText)(String*);
};

// The C++ base of T must be its superclass in the class table, so typed code and the instance
// test agree.
template <class T, class Base>
ExceptionClass Row() {
  static_assert(std::is_base_of_v<Base, T>);
  return {T::kClassId, Base::kClassId, []() -> java_lang_Throwable* { return NewObject<T>(); },
          [](String* text) -> java_lang_Throwable* { return NewObject<T>(text); }};
}

std::vector<ExceptionClass> AllClasses() {
  return {
      Row<java_lang_Exception, java_lang_Throwable>(),
      Row<java_lang_Error, java_lang_Throwable>(),
      Row<java_lang_RuntimeException, java_lang_Exception>(),
      Row<java_io_IOException, java_lang_Exception>(),
      Row<java_io_EOFException, java_io_IOException>(),
      Row<java_io_UTFDataFormatException, java_io_IOException>(),
      Row<javax_microedition_io_ConnectionNotFoundException, java_io_IOException>(),
      Row<java_lang_IllegalArgumentException, java_lang_RuntimeException>(),
      Row<java_lang_NumberFormatException, java_lang_IllegalArgumentException>(),
      Row<java_lang_IllegalStateException, java_lang_RuntimeException>(),
      Row<java_lang_IndexOutOfBoundsException, java_lang_RuntimeException>(),
      Row<java_lang_ArrayIndexOutOfBoundsException, java_lang_IndexOutOfBoundsException>(),
      Row<java_lang_NullPointerException, java_lang_RuntimeException>(),
      Row<java_lang_ArithmeticException, java_lang_RuntimeException>(),
      Row<java_lang_ArrayStoreException, java_lang_RuntimeException>(),
      Row<java_util_EmptyStackException, java_lang_RuntimeException>(),
      Row<java_util_NoSuchElementException, java_lang_RuntimeException>(),
      Row<java_lang_ClassNotFoundException, java_lang_Exception>(),
      Row<java_lang_InterruptedException, java_lang_Exception>(),
      Row<javax_microedition_media_MediaException, java_lang_Exception>(),
      Row<javax_microedition_rms_RecordStoreException, java_lang_Exception>(),
      Row<javax_microedition_rms_RecordStoreFullException,
          javax_microedition_rms_RecordStoreException>(),
      Row<javax_microedition_rms_RecordStoreNotFoundException,
          javax_microedition_rms_RecordStoreException>(),
      Row<javax_microedition_rms_RecordStoreNotOpenException,
          javax_microedition_rms_RecordStoreException>(),
      Row<javax_microedition_rms_InvalidRecordIDException,
          javax_microedition_rms_RecordStoreException>(),
  };
}

using ExceptionClassesTest = StartedRuntimeTest;

TEST_F(ExceptionClassesTest, EveryClassSitsOnItsSuperclassAndDerivesFromThrowable) {
  const std::vector<ExceptionClass> classes = AllClasses();
  ASSERT_EQ(classes.size(), 25u);
  for (const ExceptionClass& row : classes) {
    SCOPED_TRACE(Class::findById(row.id)->name);
    EXPECT_EQ(Class::findById(row.id)->superclassId, row.superclassId);
    java_lang_Throwable* e = row.make();
    EXPECT_EQ(e->classId, row.id);
    EXPECT_TRUE(InstanceOf(e, row.superclassId));
    EXPECT_TRUE(InstanceOf(e, cid::java_lang_Throwable));
    EXPECT_FALSE(InstanceOf(e, cid::String));
  }
}

TEST_F(ExceptionClassesTest, MessageIsTheEmptyConstantOrTheGivenTextAndToStringIsTheMessage) {
  String* text = NewJavaString("Record store is full");
  for (const ExceptionClass& row : AllClasses()) {
    SCOPED_TRACE(Class::findById(row.id)->name);
    java_lang_Throwable* plain = row.make();
    EXPECT_EQ(plain->getMessage(), GetConstantString(46));
    EXPECT_EQ(plain->toString(), GetConstantString(46));
    EXPECT_EQ(plain->stackTrace, nullptr);
    java_lang_Throwable* given = row.makeWithText(text);
    EXPECT_EQ(given->getMessage(), text);
    EXPECT_EQ(given->toString(), text);
  }
}

TEST_F(ExceptionClassesTest, ArrayIndexOutOfBoundsMessageEndsWithTheIndex) {
  struct Case {
    int32_t index;
    const char* message;
  };
  const Case cases[] = {{7, "Array index out of range: 7"},
                        {-1, "Array index out of range: -1"},
                        {-2147483647 - 1, "Array index out of range: -2147483648"}};
  for (const Case& c : cases) {
    EXPECT_EQ(TextOf(NewObject<java_lang_ArrayIndexOutOfBoundsException>(c.index)->toString()),
              c.message);
  }
}

TEST_F(ExceptionClassesTest, HandlersCatchAlongTheClassChain) {
  struct Case {
    java_lang_Throwable* thrown;
    int32_t handlerClass;
    bool caught;
  };
  const Case cases[] = {
      {NewObject<javax_microedition_rms_RecordStoreFullException>(),
       cid::javax_microedition_rms_RecordStoreException, true},
      {NewObject<javax_microedition_rms_RecordStoreFullException>(), cid::java_lang_Exception,
       true},
      {NewObject<javax_microedition_rms_RecordStoreFullException>(),
       cid::java_lang_RuntimeException, false},
      {NewObject<java_lang_NumberFormatException>(), cid::java_lang_IllegalArgumentException, true},
      {NewObject<java_io_EOFException>(), cid::java_lang_Exception, true},
      {NewObject<java_lang_Error>(), cid::java_lang_Exception, false},
  };
  for (const Case& c : cases) {
    const CatchTable table[] = {{c.handlerClass, 0, 1}, {0, 0, 0}};
    ThrowException(c.thrown);
    ASSERT_EQ(TestPendingException(0), 1);
    EXPECT_EQ(FindCatchHandler(table), c.caught ? 0 : -1) << c.thrown->classId;
    ClearPendingException();
  }
}

TEST_F(ExceptionClassesTest, PrintStackTraceWritesTheTraceTextAndALineEndOnErr) {
  auto* e = NewObject<java_io_IOException>();
  {
    MethodTraceScope scope("Game::run()");
    ThrowException(e);
  }
  ClearPendingException();
  // The console under err discards the text.
  TraceCapture trace;
  e->printStackTrace();
  EXPECT_TRUE(trace.lines().empty());

  auto* sink = NewObject<RecordingStream>();
  Statics<DeviceStatics>()->java_lang_System_err = NewObject<java_io_PrintStream>(sink);
  e->printStackTrace();
  const std::vector<uint8_t> bytes = sink->bytes();
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "stacktrace:\nGame::run()\n\n");

  sink->failWith = NewObject<java_io_EOFException>();
  sink->writes = 0;
  e->printStackTrace();
  EXPECT_EQ(GetPendingException(), nullptr);
  EXPECT_EQ(sink->writes, 2);  // the text and the line end, each failing
}

// Before the pool is loaded (its loader's own read errors) there is no constant 46.
using ExceptionBeforeThePoolTest = RuntimeTest;

TEST_F(ExceptionBeforeThePoolTest, HasAnEmptyMessageAndWritesNoTrace) {
  TraceCapture trace;
  auto* e = NewObject<java_io_EOFException>();
  ASSERT_NE(e->getMessage(), nullptr);
  EXPECT_EQ(e->getMessage()->length(), 0);
  EXPECT_TRUE(trace.lines().empty());
}

}  // namespace
