#include "runtime/operand_stack.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <limits>

#include "javame/boxed.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using OperandStackTest = RuntimeTest;

std::vector<uint8_t> TagsOf(const OperandStack& stack) {
  std::vector<uint8_t> tags;
  for (int32_t i = 0; i < stack.size(); i++) tags.push_back(stack.tagAt(i));
  return tags;
}

using Tags = std::vector<uint8_t>;

TEST_F(OperandStackTest, EveryPushTagsItsSlot) {
  String* text = NewJavaString("text");
  OperandStackFrame<16> stack;
  EXPECT_EQ(stack.size(), 0);
  stack.pushRef(nullptr);
  stack.pushRef(text);
  stack.pushInt(-1);
  stack.pushWide(-1);
  EXPECT_EQ(TagsOf(stack), (Tags{0, 1, 0, 2, 2}));
  stack.pushNewRef(text);
  stack.pushNewInt(9);
  stack.pushNewRef(nullptr);
  EXPECT_EQ(TagsOf(stack), (Tags{0, 1, 0, 2, 2, 1, 1, 0, 0, 0, 0}));
  stack.popNPushRef(text, 4);
  stack.popNPushInt(3, 0);
  EXPECT_EQ(TagsOf(stack), (Tags{0, 1, 0, 2, 2, 1, 1, 1, 0}));
  EXPECT_EQ(stack.popInt(), 3);
  EXPECT_EQ(stack.popRef(), text);
  EXPECT_EQ(stack.popRef(), text);
  EXPECT_EQ(stack.popRef(), text);
}

TEST_F(OperandStackTest, PushNewInstanceMakesTheClassByItsId) {
  OperandStackFrame<2> stack;
  stack.pushNewInstance(cid::StringBuffer);
  stack.pushNewInstance(cid::java_io_IOException);  // not made by id: null
  EXPECT_EQ(TagsOf(stack), (Tags{1, 0}));
  EXPECT_EQ(stack.popRef(), nullptr);
  Object* made = stack.popRef();
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->classId, cid::StringBuffer);
}

TEST_F(OperandStackTest, ShufflesMoveTagsWithValues) {
  String* text = NewJavaString("text");
  OperandStackFrame<8> stack;
  stack.pushInt(1);
  stack.pushRef(text);
  stack.dup2();  // 1 t -> 1 t 1 t
  EXPECT_EQ(TagsOf(stack), (Tags{0, 1, 0, 1}));
  EXPECT_EQ(stack.popRef(), text);
  EXPECT_EQ(stack.popInt(), 1);

  stack.pushInt(3);  // c b a = 1 t 3 -> 3 1 t 3
  stack.dupX2();
  EXPECT_EQ(TagsOf(stack), (Tags{0, 0, 1, 0}));
  EXPECT_EQ(stack.popInt(), 3);
  EXPECT_EQ(stack.popRef(), text);
  EXPECT_EQ(stack.popInt(), 1);
  EXPECT_EQ(stack.popInt(), 3);
}

TEST_F(OperandStackTest, PeekWideReadsALongWholeAndAnIntSignExtended) {
  OperandStackFrame<8> stack;
  stack.pushInt(7);
  stack.pushWide(0x123456789ABCDEF0);
  stack.pushWide(-2);
  stack.pushInt(-3);
  EXPECT_EQ(stack.peekWide(0), -3);
  EXPECT_EQ(stack.peekWide(1), -2);
  EXPECT_EQ(stack.peekWide(3), 0x123456789ABCDEF0);
  EXPECT_EQ(stack.peekWide(5), 7);  // the bottom slot: nothing below it
  EXPECT_EQ(stack.size(), 6);

  TraceCapture trace;
  EXPECT_EQ(stack.peekWide(6), 0);  // below the bottom
  EXPECT_EQ(trace.lines().size(), 1u);
}

TEST_F(OperandStackTest, IdivIsJavaDivision) {
  struct Row {
    int32_t a;
    int32_t b;
    int32_t quotient;
  };
  const Row rows[] = {{7, 2, 3}, {-7, 2, -3}, {7, -2, -3}, {INT_MIN, -1, INT_MIN}, {5, 0, 0}};
  for (const Row& row : rows) {
    OperandStackFrame<2> stack;
    stack.pushInt(row.a);
    stack.pushInt(row.b);
    TraceCapture trace;
    stack.idiv();
    EXPECT_EQ(stack.popInt(), row.quotient);
    EXPECT_EQ(stack.size(), 0);
    EXPECT_EQ(trace.contains("ArithmeticException: / by zero"), row.b == 0);
  }
}

TEST_F(OperandStackTest, IntegerComparisonsPopBothAndAnswer) {
  struct Row {
    int32_t a;
    int32_t b;
    bool ge, gt, le, eq, ne;
  };
  const Row rows[] = {{1, 2, false, false, true, false, true},
                      {2, 2, true, false, true, true, false},
                      {3, 2, true, true, false, false, true},
                      {INT_MIN, INT_MAX, false, false, true, false, true}};
  using Compare = bool (OperandStack::*)();
  for (const Row& row : rows) {
    const std::pair<Compare, bool> checks[] = {{&OperandStack::ifICmpGE, row.ge},
                                               {&OperandStack::ifICmpGT, row.gt},
                                               {&OperandStack::ifICmpLE, row.le},
                                               {&OperandStack::ifICmpEQ, row.eq},
                                               {&OperandStack::ifICmpNE, row.ne}};
    for (const auto& [compare, expected] : checks) {
      OperandStackFrame<2> stack;
      stack.pushInt(row.a);
      stack.pushInt(row.b);
      EXPECT_EQ((stack.*compare)(), expected) << row.a << " " << row.b;
      EXPECT_EQ(stack.size(), 0);
    }
  }
}

TEST_F(OperandStackTest, FcmpPushesTheOrderAndFlagsAnUnorderedPair) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  struct Row {
    float a;
    float b;
    int32_t pushed;
  };
  const Row rows[] = {{1.0f, kNaN, -1}, {kNaN, 1.0f, -1}, {2.0f, 1.0f, 1}, {1.0f, 2.0f, -1},
                      {1.5f, 1.5f, 0},  {-0.0f, 0.0f, 0}, {kInf, kInf, 0}, {-kInf, kInf, -1}};
  for (const Row& row : rows) {
    OperandStackFrame<2> stack;
    stack.pushFloat(row.a);
    stack.pushFloat(row.b);
    EXPECT_EQ(stack.fcmp(), row.pushed != -1) << row.a << " " << row.b;
    EXPECT_EQ(TagsOf(stack), Tags{0});
    EXPECT_EQ(stack.popInt(), row.pushed) << row.a << " " << row.b;
  }
}

TEST_F(OperandStackTest, FieldStoresNeedTheObjectAndStoreBooleansAsOneOrZero) {
  java_lang_Integer* boxed = NewObject<java_lang_Integer>(0);
  OperandStackFrame<4> stack;
  stack.pushRef(boxed);
  stack.pushInt(-5);
  stack.popToWord(&boxed->value);
  EXPECT_EQ(boxed->value, -5);
  EXPECT_EQ(stack.size(), 0);

  uint8_t flag = 7;
  for (int32_t value : {5, 0, INT_MIN}) {
    stack.pushRef(boxed);
    stack.pushInt(value);
    stack.popToBoolField(&flag);
    EXPECT_EQ(flag, value != 0 ? 1 : 0);
    stack.pushInt(value);
    flag = 7;
    stack.popToBool(&flag);
    EXPECT_EQ(flag, value != 0 ? 1 : 0);
  }

  TraceCapture trace;
  int32_t word = 3;
  flag = 7;
  stack.pushRef(nullptr);
  stack.pushInt(9);
  stack.popToWord(&word);
  stack.pushRef(nullptr);
  stack.pushInt(9);
  stack.popToBoolField(&flag);
  EXPECT_EQ(word, 3);
  EXPECT_EQ(flag, 7);
  EXPECT_EQ(stack.size(), 0);
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"NullPointer", "stacktrace:\n", "NullPointer",
                                                     "stacktrace:\n"}));
}

TEST_F(OperandStackTest, InstanceOfPushesTheAnswer) {
  String* text = NewJavaString("text");
  struct Row {
    Object* object;
    int32_t classId;
    int32_t answer;
  };
  const Row rows[] = {{text, cid::String, 1},
                      {text, cid::Object, 1},
                      {text, cid::StringBuffer, 0},
                      {nullptr, cid::Object, 0}};
  for (const Row& row : rows) {
    OperandStackFrame<1> stack;
    stack.pushRef(row.object);
    stack.instanceOf(row.classId);
    EXPECT_EQ(TagsOf(stack), Tags{0});
    EXPECT_EQ(stack.popInt(), row.answer);
  }
}

TEST_F(OperandStackTest, AFailedCheckCastLeavesNullInPlace) {
  String* text = NewJavaString("text");
  OperandStackFrame<2> stack;
  TraceCapture trace;
  stack.pushRef(text);
  stack.checkCast(cid::Object);
  EXPECT_EQ(TagsOf(stack), Tags{1});
  stack.pushRef(nullptr);
  stack.checkCast(cid::StringBuffer);  // null passes, as in Java
  EXPECT_TRUE(trace.lines().empty());
  stack.popRef();
  stack.checkCast(cid::StringBuffer);
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"check cast", "stacktrace:\n"}));
  EXPECT_EQ(TagsOf(stack), Tags{0});
  EXPECT_EQ(stack.popRef(), nullptr);
}

TEST_F(OperandStackTest, AthrowMakesTheThrowablePending) {
  auto* exception = NewObject<java_lang_Throwable>();
  OperandStackFrame<2> stack;
  stack.pushRef(exception);
  stack.athrow();
  EXPECT_EQ(stack.size(), 0);
  EXPECT_EQ(GetPendingException(), exception);
  ClearPendingException();

  TraceCapture trace;
  stack.pushRef(nullptr);
  stack.athrow();
  stack.pushRef(NewJavaString("not throwable"));
  stack.athrow();
  EXPECT_EQ(GetPendingException(), nullptr);
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"NullPointer", "stacktrace:\n", "check cast",
                                                     "stacktrace:\n"}));
}

TEST_F(OperandStackTest, DumpListsTheSlotsFromTheTop) {
  String* text = NewJavaString("text");
  OperandStackFrame<8> stack;
  stack.pushInt(-1);
  stack.pushRef(text);
  stack.pushRef(nullptr);
  stack.pushWide(0x0000000500000004);
  TraceCapture trace;
  stack.dump();
  char reference[64];
  snprintf(reference, sizeof reference, "\t-4 value=0x%x class=String", ObjectAddress32(text));
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{"OperandStack dump:", "\t-1 value=0x5 class=?",
                                      "\t-2 value=0x4 class=?", "\t-3 value=0x0 class=?", reference,
                                      "\t-5 value=0xffffffff class=?"}));
}

TEST_F(OperandStackTest, PushingPastTheDepthOrPoppingNothingIsHarmless) {
  OperandStackFrame<2> stack;
  TraceCapture trace;
  EXPECT_EQ(stack.popInt(), 0);
  EXPECT_EQ(stack.popRef(), nullptr);
  stack.pushInt(1);
  stack.pushInt(2);
  stack.pushInt(3);
  EXPECT_EQ(stack.size(), 2);
  EXPECT_EQ(stack.popInt(), 2);
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"OperandStack: pop of an empty stack",
                                                     "OperandStack: pop of an empty stack",
                                                     "OperandStack: push beyond the depth of 2"}));
}

TEST_F(OperandStackTest, AnIntSlotIsNeverTakenAsAReference) {
  OperandStackFrame<1> stack;
  stack.pushInt(0x1234);
  TraceCapture trace;
  EXPECT_EQ(stack.popRef(), nullptr);
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{"OperandStack: slot tagged 0 taken as a reference"}));
}

// The stack lives in the method's native frame, so the collector's stack scan sees it.
using OperandStackCollectorTest = CollectorFixture;

TEST_F(OperandStackCollectorTest, AReferenceOnlyOnTheOperandStackSurvivesACollection) {
  OperandStackFrame<4> stack;
  Deep([&] {
    stack.pushRef(NewNode(1));
    NewNode(2);
  });
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{2});
  auto* kept = static_cast<Node*>(stack.popRef());
  EXPECT_EQ(kept->classId, Node::kClassId);
  EXPECT_EQ(kept->id, 1);
}

}  // namespace
