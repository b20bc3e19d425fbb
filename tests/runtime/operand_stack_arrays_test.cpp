#include <gtest/gtest.h>

#include <climits>

#include "runtime/array.h"
#include "runtime/operand_stack.h"
#include "runtime/string.h"
#include "tests/support/runtime_fixture.h"

namespace {

using OperandStackArraysTest = RuntimeTest;

TEST_F(OperandStackArraysTest, StoresAndLoadsKeepJavaWidths) {
  IntArray* ints = NewIntArray(3);
  CharArray* chars = NewCharArray(3);
  OperandStackFrame<4> stack;
  stack.pushRef(ints);
  stack.pushInt(2);
  stack.pushInt(INT_MIN);
  stack.intArrayStore();
  stack.pushRef(chars);
  stack.pushInt(1);
  stack.pushInt(0x1FFFF);  // the low 16 bits are stored
  stack.charArrayStore();
  EXPECT_EQ(stack.size(), 0);
  EXPECT_EQ(ints->elements()[2], INT_MIN);
  EXPECT_EQ(chars->elements()[1], 0xFFFF);

  ShortArray* shorts = NewShortArray(1);
  shorts->elements()[0] = -2;
  ByteArray* bytes = NewByteArray(1);
  bytes->elements()[0] = -1;
  BoolArray* bools = NewBoolArray(1);
  bools->elements()[0] = 1;
  struct Row {
    Object* array;
    void (OperandStack::*load)();
    int32_t index;
    int32_t value;
  };
  const Row rows[] = {{ints, &OperandStack::intArrayLoad, 2, INT_MIN},
                      {shorts, &OperandStack::shortArrayLoad, 0, -2},
                      {chars, &OperandStack::charArrayLoad, 1, 0xFFFF},
                      {bytes, &OperandStack::byteArrayLoad, 0, -1},
                      {bools, &OperandStack::byteArrayLoad, 0, 1}};
  for (const Row& row : rows) {
    stack.pushRef(row.array);
    stack.pushInt(row.index);
    (stack.*row.load)();
    EXPECT_EQ(stack.size(), 1);
    EXPECT_EQ(stack.tagAt(0), kPrimitiveTag);
    EXPECT_EQ(stack.popInt(), row.value) << row.array->classId;
  }
}

TEST_F(OperandStackArraysTest, ObjectArrayLoadPushesAReference) {
  String* text = NewJavaString("text");
  ObjectArray* objects = NewObjectArray(cid::String, 2);
  objects->elements()[1] = text;
  OperandStackFrame<3> stack;
  for (int32_t index : {1, 0}) {
    stack.pushRef(objects);
    stack.pushInt(index);
    stack.objectArrayLoad();
  }
  EXPECT_EQ(stack.tagAt(0), kReferenceTag);
  EXPECT_EQ(stack.tagAt(1), kPrimitiveTag);
  EXPECT_EQ(stack.popRef(), nullptr);
  EXPECT_EQ(stack.popRef(), text);
}

// A null array, an index outside the array or an array of another kind: one report, a zero
// pushed for a load, nothing stored.
TEST_F(OperandStackArraysTest, BadAccessesAreReportedAndHarmless) {
  IntArray* ints = NewIntArray(2);
  ints->elements()[1] = 5;
  ByteArray* bytes = NewByteArray(4);
  OperandStackFrame<3> stack;
  struct Row {
    Object* array;
    int32_t index;
    const char* report;
  };
  const Row rows[] = {{nullptr, 0, "NullPointer"},
                      {ints, 2, "OperandStack::intArrayLoad: index 2 out of range (length 2)"},
                      {ints, -1, "OperandStack::intArrayLoad: index -1 out of range (length 2)"},
                      {bytes, 0,
                       "OperandStack::intArrayLoad: an object of class 6 is not an array of this "
                       "kind"}};
  for (const Row& row : rows) {
    TraceCapture trace;
    stack.pushRef(row.array);
    stack.pushInt(row.index);
    stack.intArrayLoad();
    EXPECT_EQ(stack.popInt(), 0);
    stack.pushRef(row.array);
    stack.pushInt(row.index);
    stack.pushInt(9);
    stack.intArrayStore();
    EXPECT_EQ(stack.size(), 0);
    ASSERT_FALSE(trace.lines().empty());
    EXPECT_EQ(trace.lines()[0], row.report);
  }
  EXPECT_EQ(ints->elements()[0], 0);
  EXPECT_EQ(ints->elements()[1], 5);
}

TEST_F(OperandStackArraysTest, ArrayLengthOfAnArrayAndOfWhatIsNone) {
  OperandStackFrame<1> stack;
  stack.pushRef(NewDoubleArray(5));
  stack.arrayLength();
  EXPECT_EQ(stack.popInt(), 5);
  TraceCapture trace;
  stack.pushRef(nullptr);
  stack.arrayLength();
  EXPECT_EQ(stack.popInt(), 0);
  stack.pushRef(NewJavaString("text"));
  stack.arrayLength();
  EXPECT_EQ(stack.popInt(), 0);
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{"NullPointer", "stacktrace:\n",
                                      "OperandStack::arrayLength: an object of class 2 is not an "
                                      "array"}));
}

// ---- multianewarray -------------------------------------------------------------------------

// The class id and length of every array at each level, outermost first, as one text:
// "4:3 [9:4 9:4 9:4]".
std::string Shape(Object* object) {
  if (!object) return "null";
  auto* array = static_cast<Array*>(object);
  std::string text = std::to_string(array->classId) + ":" + std::to_string(array->length);
  if (array->classId != cid::ObjectArray || array->length == 0) return text;
  text += " [";
  auto* objects = static_cast<ObjectArray*>(array);
  for (int32_t i = 0; i < array->length; i++) {
    text += (i ? " " : "") + Shape(objects->elements()[i]);
  }
  return text + "]";
}

Object* MultiANewArray(const char* descriptor, std::vector<int32_t> lengths) {
  OperandStackFrame<8> stack;
  stack.pushInt(-99);  // below the lengths: must stay
  for (int32_t length : lengths) stack.pushInt(length);
  stack.multiANewArray(descriptor, static_cast<int32_t>(lengths.size()));
  EXPECT_EQ(stack.size(), 2);
  Object* array = stack.popRef();
  EXPECT_EQ(stack.popInt(), -99);
  return array;
}

TEST_F(OperandStackArraysTest, MultiANewArrayBuildsEveryLevel) {
  struct Row {
    const char* descriptor;
    std::vector<int32_t> lengths;
    const char* shape;
  };
  const Row rows[] = {
      {"[[I", {3, 4}, "4:3 [9:4 9:4 9:4]"},
      {"[[[B", {2, 0, 5}, "4:2 [4:0 4:0]"},
      {"[[[B", {1, 2, 3}, "4:1 [4:2 [6:3 6:3]]"},
      {"[[[I", {2, 3}, "4:2 [4:3 [null null null] 4:3 [null null null]]"},
      {"[[Ljavax/microedition/lcdui/Image;", {1, 2}, "4:1 [4:2 [null null]]"},
      {"[[B", {1, 1}, "4:1 [6:1]"},
      {"[[C", {1, 1}, "4:1 [7:1]"},
      {"[[D", {1, 1}, "4:1 [12:1]"},
      {"[[F", {1, 1}, "4:1 [11:1]"},
      {"[[J", {1, 1}, "4:1 [10:1]"},
      {"[[S", {1, 1}, "4:1 [8:1]"},
      {"[[Z", {1, 1}, "4:1 [5:1]"},
      {"[I", {4}, "9:4"},
      {"[[I", {0, 4}, "4:0"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.descriptor);
    Object* array = MultiANewArray(row.descriptor, row.lengths);
    EXPECT_EQ(Shape(array), row.shape);
  }
  auto* ints = static_cast<ObjectArray*>(MultiANewArray("[[I", {3, 4}));
  for (int32_t i = 0; i < 3; i++) {
    auto* inner = static_cast<IntArray*>(ints->elements()[i]);
    EXPECT_EQ(std::vector<int32_t>(inner->elements(), inner->elements() + 4),
              (std::vector<int32_t>{0, 0, 0, 0}));
  }
}

TEST_F(OperandStackArraysTest, MultiANewArrayRefusesDimensionsItsTypeDoesNotHave) {
  TraceCapture trace;
  EXPECT_EQ(MultiANewArray("[I", {2, 3}), nullptr);
  EXPECT_EQ(MultiANewArray("I", {2}), nullptr);
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{
                               "OperandStack::multiANewArray: 2 dimensions for the type \"[I\"",
                               "OperandStack::multiANewArray: 1 dimensions for the type \"I\""}));
  trace.clear();
  EXPECT_EQ(Shape(MultiANewArray("[[I", {2, -1})), "4:2 [9:0 9:0]");
  EXPECT_TRUE(trace.contains("length of array should be >= 0"));
}

}  // namespace
