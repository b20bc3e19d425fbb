// StringBuffer: the growable character buffer. Its characters live in a body block owned by
// the characters field; while the length is below the capacity, the unit at the length is 0.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class String;

class StringBuffer : public Object {
 public:
  static constexpr int16_t kClassId = cid::StringBuffer;

  StringBuffer() = default;  // as the class factory makes it: capacity 0, no block
  explicit StringBuffer(int32_t initialCapacity);

  void finalize() override;  // frees the block
  String* toString() override;

  int32_t length() const { return count; }
  // Grows by the growth rule when the capacity is below minimum: the new capacity is the
  // larger of minimum and twice the old one; the old characters are copied over.
  void ensureCapacity(int32_t minimum);
  // A shorter length ends the text there; a longer one grows the buffer when needed and keeps
  // whatever units lie between the old and the new length.
  void setLength(int32_t newLength);
  // Inserts unitCount units at position (clamped into the text), moving the rest up. The
  // units may belong to any string or buffer, this one included.
  StringBuffer* insertUnits(int32_t position, const char16_t* units, int32_t unitCount);
  StringBuffer* append(char16_t unit);

  char16_t* characters;  // a body block owned by this field; null while the capacity is 0
  int32_t capacity;      // units the block holds
  int32_t count;         // units in use

 private:
  // The growth rule; false (nothing changed) when the block cannot be had.
  bool grow(int64_t minimum);
};
