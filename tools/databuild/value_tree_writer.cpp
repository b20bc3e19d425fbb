// Value trees in their narrowest encoding, written depth first.
#include "tools/databuild/value_tree_writer.h"

#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/little_endian.h"

namespace databuild {

namespace {

constexpr uint8_t kWideCount = 8;
constexpr int kMaxDepth = 16;  // levels the reader takes, the root being level 1

bool AllWithin(const std::vector<int32_t>& values, int32_t low, int32_t high) {
  for (const int32_t v : values) {
    if (v < low || v > high) return false;
  }
  return true;
}

// The element width w of a short[] or int[] node.
int WidthOf(const ValueNode& node) {
  if (AllWithin(node.values, -128, 127)) return 0;
  if (node.kind == ValueNode::Kind::kShorts || AllWithin(node.values, -32768, 32767)) return 1;
  return 2;
}

void CheckValues(const ValueNode& node) {
  const bool fits = node.kind == ValueNode::Kind::kBytes    ? AllWithin(node.values, -128, 255)
                    : node.kind == ValueNode::Kind::kShorts ? AllWithin(node.values, -32768, 65535)
                                                            : true;
  if (!fits) throw BuildError("a value-tree node holds a value outside its kind");
}

void WriteNode(const ValueNode& node, int depth, std::vector<uint8_t>& out) {
  if (depth > kMaxDepth) {
    throw BuildError("a value tree nests deeper than " + std::to_string(kMaxDepth) + " levels");
  }
  CheckValues(node);
  const size_t count =
      node.kind == ValueNode::Kind::kObjects ? node.children.size() : node.values.size();
  if (count > 0xFFFF) {
    throw BuildError("a value-tree node of " + std::to_string(count) + " elements; 65535 at most");
  }
  const int w = node.kind == ValueNode::Kind::kShorts || node.kind == ValueNode::Kind::kInts
                    ? WidthOf(node)
                    : 0;
  const uint8_t kind = static_cast<uint8_t>(node.kind);
  const bool wide = count > 0xFF;
  out.push_back(static_cast<uint8_t>(w << 4 | (wide ? kWideCount : 0) | kind));
  PutLittleEndian(out, static_cast<uint32_t>(count), wide ? 2 : 1);
  if (node.kind == ValueNode::Kind::kObjects) {
    for (const ValueNode& child : node.children) WriteNode(child, depth + 1, out);
    return;
  }
  const int bytes = node.kind == ValueNode::Kind::kBytes ? 1 : w == 0 ? 1 : w == 1 ? 2 : 4;
  for (const int32_t v : node.values) PutLittleEndian(out, static_cast<uint32_t>(v), bytes);
}

}  // namespace

std::vector<uint8_t> WriteValueTree(const ValueNode& root) {
  std::vector<uint8_t> out;
  WriteNode(root, 1, out);
  return out;
}

}  // namespace databuild
