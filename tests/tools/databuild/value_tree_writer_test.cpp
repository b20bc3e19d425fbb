// The builder's value-tree writer: trees nested deeper than the reader's 16 levels are refused.
#include "tools/databuild/value_tree_writer.h"

#include <gtest/gtest.h>

#include "tools/databuild/build_error.h"

namespace databuild {
namespace {

// Object[] of one child, nested to the given number of levels around an empty byte[].
ValueNode Nested(int levels) {
  ValueNode node = ValueNode::Bytes({});
  for (int i = 1; i < levels; i++) node = ValueNode::Objects({node});
  return node;
}

TEST(ValueTreeWriterTest, RefusesTreesDeeperThanSixteenLevels) {
  EXPECT_EQ(WriteValueTree(Nested(16)).size(), 32u);
  EXPECT_THROW(WriteValueTree(Nested(17)), BuildError);
}

}  // namespace
}  // namespace databuild
