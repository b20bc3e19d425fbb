#include "javame/stack.h"

#include <gtest/gtest.h>

#include "runtime/array.h"
#include "runtime/class.h"
#include "tests/support/library_fixture.h"

namespace {

using StackTest = LibraryTest;

TEST_F(StackTest, PushPopAndPeekWorkOnTheLastElement) {
  auto* s = NewObject<java_util_Stack>();
  EXPECT_EQ(s->capacity(), 10);
  EXPECT_TRUE(s->empty());
  String* a = NewJavaString("a");
  String* b = NewJavaString("b");
  EXPECT_EQ(s->push(a), a);
  EXPECT_EQ(s->push(b), b);
  EXPECT_EQ(s->push(a), a);
  EXPECT_EQ(s->search(NewJavaString("a")), 1);  // the top
  EXPECT_EQ(s->search(b), 2);
  EXPECT_EQ(s->search(NewJavaString("z")), -1);
  EXPECT_EQ(s->peek(), a);
  EXPECT_EQ(s->pop(), a);
  EXPECT_EQ(s->pop(), b);
  EXPECT_EQ(s->size(), 1);
  EXPECT_EQ(s->elementData->elements()[1], nullptr);
  EXPECT_EQ(s->pop(), a);
  EXPECT_TRUE(s->empty());
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(StackTest, AnEmptyStackThrowsOnPeekAndPop) {
  auto* s = NewObject<java_util_Stack>();
  EXPECT_EQ(s->peek(), nullptr);
  EXPECT_EQ(TakePending().classId, cid::java_util_EmptyStackException);
  EXPECT_EQ(s->pop(), nullptr);
  const Raised raised = TakePending();
  EXPECT_EQ(raised.classId, cid::java_util_EmptyStackException);
  EXPECT_EQ(raised.message, "");
  EXPECT_EQ(s->size(), 0);
  EXPECT_EQ(s->search(s), -1);
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(StackTest, AStackIsAVector) {
  Object* s = NewObject<java_util_Stack>();
  EXPECT_TRUE(InstanceOf(s, cid::java_util_Vector));
  EXPECT_TRUE(InstanceOf(s, cid::java_util_Stack));
}

}  // namespace
