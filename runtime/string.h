// String: the immutable text of the system. Characters are 16-bit units followed by one zero
// unit; up to 14 characters live inside the object, longer texts in a body block whose
// owner is the characters field.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class String : public Object {
 public:
  static constexpr int16_t kClassId = cid::String;
  static constexpr int32_t kInlineUnits = 16;  // count < 16 (length <= 14) stays inline

  // The empty string.
  String() {
    characters = inlineChars;
    count = 1;
  }

  void finalize() override;
  bool equals(Object* other) override;
  String* toString() override { return this; }
  int32_t hashCode() override;

  int32_t length() const { return count - 1; }
  // The unit at index, or 0 with a trace line when the index is outside the text.
  char16_t charAt(int32_t index);

  // Prepares room for length units and the terminator, inline or in a body block. When no
  // block can be had the string stays empty and the result is false.
  bool allocChars(int32_t length);

  // The string itself when old == new or old does not occur, else a copy with each
  // occurrence of old replaced.
  String* replace(char16_t oldUnit, char16_t newUnit);

  // True when the string is empty or every unit matches the 8-bit text, which may go on
  // (a prefix test, as encoding-name comparisons rely on).
  bool equalsChars(const char* text);

  char16_t inlineChars[kInlineUnits];
  char16_t* characters;  // inlineChars, or a body block owned by this field
  int32_t count;         // units including the terminating zero
};

// Fills a new string from a zero-terminated 8-bit text, one unit per byte (ISO-8859-1).
void MakeStringFromChars(String* string, const char* text);

// A new string from a zero-terminated 8-bit text; null when the object cannot be made.
String* NewJavaString(const char* text);
