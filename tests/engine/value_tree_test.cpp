// cGame::readResourceObject: every kind and width of node, nesting, and trees that end early,
// count more than they hold or nest too deep.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/byte_array_input_stream.h"
#include "runtime/array.h"
#include "tests/support/array_values.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/value_tree_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;
using databuild::ValueNode;

class ValueTreeTest : public LibraryTest {
 protected:
  static Object* Parse(const Bytes& bytes) {
    ByteArray* array = ManagedBytes(bytes);
    Statics<GameStatics>()->cGame_streamReadCount = 0;
    return cGame::readResourceObject(NewObject<java_io_ByteArrayInputStream>(array));
  }
};

TEST_F(ValueTreeTest, EveryKindAndWidthReads) {
  struct Case {
    const char* what;
    Bytes bytes;
    int16_t classId;
    std::vector<int32_t> values;
  };
  const Case kCases[] = {
      {"int[], 16-bit count, bytes", {0x0A, 2, 0, 0xFF, 0x01}, cid::IntArray, {-1, 1}},
      {"byte[]", {0x00, 3, 1, 0x80, 0xFF}, cid::ByteArray, {1, -128, -1}},
      {"short[] of bytes", {0x01, 2, 0xFE, 0x05}, cid::ShortArray, {-2, 5}},
      {"short[] of 16 bits", {0x11, 1, 0x00, 0x80}, cid::ShortArray, {-32768}},
      {"int[] of 16 bits", {0x12, 1, 0xFF, 0xFF}, cid::IntArray, {-1}},
      {"int[] of 32 bits", {0x22, 1, 0x78, 0x56, 0x34, 0x12}, cid::IntArray, {0x12345678}},
      {"int[], width 15 is 32 bits", {0xF2, 1, 0, 0, 0, 0x80}, cid::IntArray, {INT32_MIN}},
      {"empty int[]", {0x02, 0}, cid::IntArray, {}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Object* node = Parse(c.bytes);
    ASSERT_NE(node, nullptr);
    ASSERT_EQ(node->classId, c.classId);
    const std::vector<int32_t> values = c.classId == cid::ByteArray    ? ValuesOf<ByteArray>(node)
                                        : c.classId == cid::ShortArray ? ValuesOf<ShortArray>(node)
                                                                       : ValuesOf<IntArray>(node);
    EXPECT_EQ(values, c.values);
    EXPECT_EQ(Statics<GameStatics>()->cGame_streamReadCount, static_cast<int32_t>(c.bytes.size()));
  }
}

TEST_F(ValueTreeTest, NestedArraysRoundTripThroughTheWriter) {
  std::vector<int32_t> many(300);
  for (int i = 0; i < 300; i++) many[i] = i * 1000 - 150000;
  const ValueNode tree =
      ValueNode::Objects({ValueNode::Objects({ValueNode::Ints(many)}),
                          ValueNode::Shorts({1, 2, 40000}), ValueNode::Objects({})});
  auto* root = static_cast<ObjectArray*>(Parse(databuild::WriteValueTree(tree)));
  ASSERT_NE(root, nullptr);
  ASSERT_EQ(root->length, 3);
  auto* first = static_cast<ObjectArray*>(root->elements()[0]);
  EXPECT_EQ(ValuesOf<IntArray>(first->elements()[0]), many);
  EXPECT_EQ(ValuesOf<ShortArray>(root->elements()[1]), (std::vector<int32_t>{1, 2, 40000 - 65536}));
  EXPECT_EQ(static_cast<ObjectArray*>(root->elements()[2])->length, 0);
}

// Object[] of one child, nested to the given number of levels around an empty byte[].
Bytes Nested(int levels) {
  Bytes bytes;
  for (int i = 1; i < levels; i++) bytes.insert(bytes.end(), {0x03, 1});
  bytes.insert(bytes.end(), {0x00, 0});
  return bytes;
}

TEST_F(ValueTreeTest, BadTreesGiveNullWithOneLine) {
  EXPECT_NE(Parse(Nested(16)), nullptr);
  struct Bad {
    const char* what;
    Bytes bytes;
    const char* fault;
  };
  const Bad kCases[] = {
      {"no bytes", {}, "the bytes end before a node's header"},
      {"no count", {0x08, 1}, "the bytes end inside a node, or the stream raised an exception"},
      {"count beyond the bytes",
       {0x00, 5, 1, 2},
       "a node counts more elements than the bytes left can hold"},
      {"16-bit elements beyond the bytes",
       {0x11, 2, 1, 2, 3},
       "a node counts more elements than the bytes left can hold"},
      {"children beyond the bytes",
       {0x0B, 0xFF, 0xFF, 0, 0},
       "a node counts more elements than the bytes left can hold"},
      {"a child cut off",
       {0x03, 2, 0x00, 0, 0x08, 1},
       "the bytes end inside a node, or the stream raised an exception"},
      {"17 levels", Nested(17), "the tree nests deeper than 16 levels"},
  };
  for (const Bad& bad : kCases) {
    SCOPED_TRACE(bad.what);
    TraceCapture trace;
    EXPECT_EQ(Parse(bad.bytes), nullptr);
    EXPECT_EQ(trace.lines(),
              std::vector<std::string>{std::string("cGame::readResourceObject: value tree: ") +
                                       bad.fault});
  }
}

}  // namespace
