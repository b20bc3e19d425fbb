// StringBuffer: the growable character buffer. Its characters live in a body block owned by
// the characters field; while the length is below the capacity, the unit at the length is 0.
// Every reader goes by the length, since a buffer filled to its capacity has no terminator.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class CharArray;
class String;

class StringBuffer : public Object {
 public:
  static constexpr int16_t kClassId = cid::StringBuffer;

  // ---- Storage and edits: runtime/string_buffer.cpp ----
  StringBuffer() = default;  // as the class factory makes it: capacity 0, no block
  explicit StringBuffer(int32_t initialCapacity);
  // The text's characters, in a block of its length + 1.
  explicit StringBuffer(String* text);

  void finalize() override;  // frees the block
  String* toString() override;

  int32_t length() const { return count; }
  // Grows by the growth rule when the capacity is below minimum: the new capacity is the
  // larger of minimum and twice the old one; the old characters are copied over.
  void ensureCapacity(int32_t minimum);
  // A shorter length ends the text there; a longer one grows the buffer when needed and keeps
  // whatever units lie between the old and the new length.
  void setLength(int32_t newLength);
  // Copies units begin .. end - 1 into destination from destinationBegin.
  void getChars(int32_t begin, int32_t end, CharArray* destination, int32_t destinationBegin);
  // Inserts unitCount units at position (clamped into the text), moving the rest up. The
  // units may belong to any string or buffer, this one included.
  StringBuffer* insertUnits(int32_t position, const char16_t* units, int32_t unitCount);
  // Inserts a zero-terminated 8-bit text, one unit per byte.
  StringBuffer* insertCString(int32_t position, const char* text);
  // Removes units start .. end - 1; end is cut to the length. Named for Java's delete, which
  // is a C++ keyword.
  StringBuffer* delete_(int32_t start, int32_t end);
  StringBuffer* deleteCharAt(int32_t index);
  // Reverses the units in place, each 16-bit unit whole.
  StringBuffer* reverse();

  // ---- Typed inserts and appends: runtime/string_buffer_text.cpp ----
  // Texts: "null" for a null string or object, an object's toString, "true" or "false",
  // "%d", "%ld" of the low 32 bits, "%f" for float and double.
  StringBuffer* insert(int32_t position, String* text);
  StringBuffer* insert(int32_t position, Object* object);
  StringBuffer* insert(int32_t position, bool value);
  StringBuffer* insert(int32_t position, char16_t unit);
  StringBuffer* insert(int32_t position, int32_t value);
  StringBuffer* insert(int32_t position, int64_t value);
  StringBuffer* insert(int32_t position, float value);
  StringBuffer* insert(int32_t position, double value);
  StringBuffer* append(String* text);
  StringBuffer* append(Object* object);
  StringBuffer* append(bool value);
  StringBuffer* append(char16_t unit);
  StringBuffer* append(int32_t value);
  StringBuffer* append(int64_t value);
  StringBuffer* append(float value);
  StringBuffer* append(double value);
  // An 8-bit text would otherwise convert to bool: insertCString is the way to add one.
  StringBuffer* insert(int32_t position, const char* text) = delete;
  StringBuffer* append(const char* text) = delete;

  char16_t* characters;  // a body block owned by this field; null while the capacity is 0
  int32_t capacity;      // units the block holds
  int32_t count;         // units in use

 private:
  // The growth rule; false (nothing changed) when the block cannot be had.
  bool grow(int64_t minimum);
  // Makes room for unitCount units at position (already inside the text) and moves the rest
  // up; the length grows by unitCount. Returns where the new units go, or null (nothing
  // changed) when the room cannot be had. Allocates: any other body may move.
  char16_t* openGap(int32_t position, int32_t unitCount);
  // The position clamped into [0, length], with a trace line naming operation when it was not.
  int32_t clampedPosition(const char* operation, int32_t position) const;
};
