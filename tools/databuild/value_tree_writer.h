// Writer of value trees, the nested arrays that pack entries serialise.
#pragma once

#include <cstdint>
#include <vector>

namespace databuild {

struct ValueNode {
  enum class Kind { kBytes, kShorts, kInts, kObjects };

  static ValueNode Bytes(std::vector<int32_t> values) {
    return {Kind::kBytes, std::move(values), {}};
  }
  static ValueNode Shorts(std::vector<int32_t> values) {
    return {Kind::kShorts, std::move(values), {}};
  }
  static ValueNode Ints(std::vector<int32_t> values) {
    return {Kind::kInts, std::move(values), {}};
  }
  static ValueNode Objects(std::vector<ValueNode> children) {
    return {Kind::kObjects, {}, std::move(children)};
  }

  Kind kind;
  std::vector<int32_t> values;      // byte[]: -128..255; short[]: -32768..65535
  std::vector<ValueNode> children;  // Object[]
};

// Node: header byte h (kind in bits 0-2: 0 byte[], 1 short[], 2 int[], 3 Object[]; bit 3: a
// u16 count, else u8; bits 4-7: element width w), the count, the elements little-endian. The
// narrowest form is chosen: w = 0 one signed byte each, w = 1 16 bits, w = 2 32 bits (int[]).
// A count above 65535, a value outside its kind or nesting deeper than 16 levels (the root
// being level 1) is a BuildError.
std::vector<uint8_t> WriteValueTree(const ValueNode& root);

}  // namespace databuild
