// Serialised value trees: nested byte[], short[], int[] and Object[] nodes, little-endian.
// Every count is checked against the bytes left before anything is allocated, and depth is
// limited, so a parse is bounded by its input.
#include "engine/value_tree.h"

#include <cstdint>

#include "game/cgame.h"
#include "javame/input_stream.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/trace.h"

// Node: a header byte h, a count, then count elements.
//   h & 7    kind: 0 byte[], 1 short[], 2 int[], 3..7 Object[]
//   h & 8    count: set = u16 little-endian, clear = u8
//   h >> 4   element width w: short[]: 0 = s8, else s16; int[]: 0 = s8, 1 = s16, 2.. = s32
//   Object[] elements are nodes, read recursively.

namespace {

constexpr int32_t kMaxDepth = 16;     // levels, the root being level 1
constexpr int32_t kSmallestNode = 2;  // a header and a one-byte count

enum Kind { kBytes = 0, kShorts = 1, kInts = 2 };

class TreeReader {
 public:
  explicit TreeReader(java_io_InputStream* in) : in_(in) {}

  Object* node(int32_t depth);
  const char* fault() const { return fault_; }

 private:
  // A value of count bytes, little-endian, sign-extended from its width; 0 on a fault.
  int32_t value(int32_t count);
  bool fail(const char* fault) {
    if (!fault_) fault_ = fault;
    return false;
  }
  bool failed() const { return fault_ != nullptr; }
  // Whether count elements of at least width bytes each can still be in the input.
  bool fits(int32_t count, int32_t width) {
    return static_cast<int64_t>(count) * width <= in_->available() ||
           fail("a node counts more elements than the bytes left can hold");
  }
  Object* bytes(int32_t count);
  Object* numbers(Kind kind, int32_t count, int32_t width);
  Object* children(int32_t count, int32_t depth);

  java_io_InputStream* in_;
  const char* fault_ = nullptr;
};

int32_t TreeReader::value(int32_t count) {
  if (failed()) return 0;
  const int32_t v = count == 1   ? static_cast<int8_t>(cGame::readStreamByteFrom(in_))
                    : count == 2 ? static_cast<int16_t>(cGame::readStreamShort(in_))
                                 : cGame::readStreamInt(in_);
  if (GetPendingException()) {
    ClearPendingException();
    fail("the bytes end inside a node, or the stream raised an exception");
    return 0;
  }
  return v;
}

Object* TreeReader::node(int32_t depth) {
  if (depth > kMaxDepth) {
    fail("the tree nests deeper than 16 levels");
    return nullptr;
  }
  const int32_t header = cGame::readStreamByteFrom(in_);
  if (GetPendingException() || header < 0) {
    ClearPendingException();
    fail("the bytes end before a node's header");
    return nullptr;
  }
  const int32_t count = header & 8 ? value(2) & 0xFFFF : value(1) & 0xFF;
  const int32_t kind = header & 7;
  const int32_t w = header >> 4;
  if (failed()) return nullptr;
  switch (kind) {
    case kBytes:
      return bytes(count);
    case kShorts:
      return numbers(kShorts, count, w == 0 ? 1 : 2);
    case kInts:
      return numbers(kInts, count, w == 0 ? 1 : w == 1 ? 2 : 4);
    default:
      return children(count, depth);
  }
}

Object* TreeReader::bytes(int32_t count) {
  if (!fits(count, 1)) return nullptr;
  ByteArray* array = NewByteArray(count);
  if (!array || array->length != count) return fail("no memory for a node"), nullptr;
  if (cGame::readStreamFullyFrom(in_, array, 0, count) < count) {
    return fail("the bytes end inside a node"), nullptr;
  }
  return array;
}

Object* TreeReader::numbers(Kind kind, int32_t count, int32_t width) {
  if (!fits(count, width)) return nullptr;
  Object* array = kind == kShorts ? static_cast<Object*>(NewShortArray(count))
                                  : static_cast<Object*>(NewIntArray(count));
  if (!array || static_cast<Array*>(array)->length != count) {
    return fail("no memory for a node"), nullptr;
  }
  for (int32_t i = 0; i < count && !failed(); i++) {
    const int32_t v = value(width);
    if (kind == kShorts) {
      static_cast<ShortArray*>(array)->elements()[i] = static_cast<int16_t>(v);
    } else {
      static_cast<IntArray*>(array)->elements()[i] = v;
    }
  }
  return failed() ? nullptr : array;
}

Object* TreeReader::children(int32_t count, int32_t depth) {
  if (!fits(count, kSmallestNode)) return nullptr;
  ObjectArray* array = NewObjectArray(cid::Object, count);
  if (!array || array->length != count) return fail("no memory for a node"), nullptr;
  for (int32_t i = 0; i < count; i++) {
    Object* child = node(depth + 1);
    if (failed()) return nullptr;
    array->elements()[i] = child;
  }
  return array;
}

}  // namespace

Object* ReadValueTree(java_io_InputStream* in, const std::string& resource) {
  if (!NullCheck(in)) return nullptr;
  TreeReader reader(in);
  Object* root = reader.node(1);
  if (!reader.fault()) return root;
  DebugLog("%s: value tree: %s", resource.c_str(), reader.fault());
  return nullptr;
}

Object* cGame::readResourceObject(java_io_InputStream* in) {
  return ReadValueTree(in, "cGame::readResourceObject");
}
