// String: the immutable text of the system. Characters are 16-bit units followed by one zero
// unit; up to 14 characters live inside the object, longer texts in a body block whose
// owner is the characters field. Native code re-reads characters after any allocation.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/object.h"

class ByteArray;
class CharArray;
class StringBuffer;

class String : public Object {
 public:
  static constexpr int16_t kClassId = cid::String;
  static constexpr int32_t kInlineUnits = 16;  // count < 16 (length <= 14) stays inline

  // ---- Construction: runtime/string.cpp ----
  // The empty string; every other constructor starts from it, so a string whose text cannot
  // be had (a null argument, no memory) is empty.
  String() {
    characters = inlineChars;
    count = 1;
  }
  // A copy of other, always in a body block, even when it is short.
  explicit String(String* other);
  // Units offset .. offset + length - 1 of the array (a range outside it is clamped).
  String(CharArray* chars, int32_t offset, int32_t length);
  explicit String(CharArray* chars);
  // The buffer's current characters.
  explicit String(StringBuffer* buffer);

  // Prepares room for length units and the terminator, inline or in a body block, giving
  // back any body the string held. When no block can be had the string stays empty and the
  // result is false.
  bool allocChars(int32_t length);
  // Copies units offset .. offset + length - 1 of a native text. The units must not lie in a
  // body block: making room may move such a block.
  void initFromUnits(const char16_t* units, int32_t offset, int32_t length);

  // Makes room for length units, then fill(characters) writes them and the terminator is
  // set. fill runs after the last allocation, so it may read other bodies directly.
  template <class Fill>
  void initFilled(int32_t length, Fill fill) {
    if (!allocChars(length)) return;
    fill(characters);
    characters[length] = 0;
  }
  // A new string filled the same way; null when the object cannot be made.
  template <class Fill>
  static String* newFilled(int32_t length, Fill fill) {
    String* string = NewObject<String>();
    if (string) string->initFilled(length, fill);
    return string;
  }

  void finalize() override;
  bool equals(Object* other) override;
  String* toString() override { return this; }
  int32_t hashCode() override;

  // ---- Construction from bytes: runtime/string_encoding.cpp ----
  // Each byte of bytes[offset .. offset + length - 1] becomes one unit (ISO-8859-1).
  String(ByteArray* bytes, int32_t offset, int32_t length);
  explicit String(ByteArray* bytes);
  // Decoded by the named encoding: null or "ISO-8859-1" one unit per byte, "UTF-8" or "UTF8"
  // (any letter case) UTF-8, "SJIS" the raw double-byte codes. Names are prefix tests (see
  // equalsChars). An unknown name gives the empty string and a trace line.
  String(ByteArray* bytes, int32_t offset, int32_t length, String* encoding);
  String(ByteArray* bytes, String* encoding);

  // ---- Queries: runtime/string_query.cpp ----
  int32_t length() const { return count - 1; }
  // The unit at index, or 0 with a trace line when the index is outside the text.
  char16_t charAt(int32_t index);
  // Unit by unit over both terminators: the first difference, else count - other's count.
  int32_t compareTo(String* other);
  // Equal lengths and equal units with A-Z taken as a-z.
  bool equalsIgnoreCase(String* other);
  // True when the string is empty or every unit matches the 8-bit text, which may go on
  // (a prefix test, as encoding-name comparisons rely on).
  bool equalsChars(const char* text);
  // True when the string is exactly the 8-bit text: its length, and every unit matching.
  bool equalsText(const char* text);
  // The same with A-Z taken as a-z on both sides.
  bool equalsIgnoreCaseChars(const char* text);
  // Compares length units from offset with other's from otherOffset; false when either
  // region passes its string's end (terminator included) or an offset is outside.
  bool regionMatches(bool ignoreCase, int32_t offset, String* other, int32_t otherOffset,
                     int32_t length);
  bool startsWith(String* prefix, int32_t offset);
  bool startsWith(String* prefix);
  bool endsWith(String* suffix);
  // First index >= from holding the unit, or -1.
  int32_t indexOf(int32_t unit, int32_t from);
  // Last index <= min(from, count - 1) holding the unit (the terminator's index included).
  int32_t lastIndexOf(int32_t unit, int32_t from);
  int32_t lastIndexOf(int32_t unit);
  // First index >= from where text occurs, or -1.
  int32_t indexOf(String* text, int32_t from);
  int32_t indexOf(String* text);
  // Copies units begin .. end - 1 into destination from destinationBegin.
  void getChars(int32_t begin, int32_t end, CharArray* destination, int32_t destinationBegin);
  CharArray* toCharArray();

  // ---- Derived strings: runtime/string_derive.cpp ----
  String* substring(int32_t begin, int32_t end);
  String* substring(int32_t begin);
  // This string itself when other is empty.
  String* concat(String* other);
  // The string itself when old == new or old does not occur, else a copy with each
  // occurrence of old replaced.
  String* replace(char16_t oldUnit, char16_t newUnit);
  String* toLowerCase();  // A-Z only
  String* toUpperCase();  // a-z only
  // Without the leading and trailing units <= 32; always a new string.
  String* trim();
  static String* valueOf(Object* object);  // its toString; "null" for null
  static String* valueOf(bool value);      // "true" or "false"
  static String* valueOf(char16_t unit);
  static String* valueOf(int32_t value);  // "%d"
  static String* valueOf(int64_t value);  // "%d" of the low 32 bits, as the device printed longs
  static String* valueOf(float value);    // "%f"
  static String* valueOf(double value);   // "%f"

  // ---- Encodings: runtime/string_encoding.cpp ----
  // Each unit's low 8 bits.
  ByteArray* getBytes();
  // "UTF-8" or "UTF8" (any letter case, prefix test): the UTF-8 bytes, the zero unit as
  // C0 80. Any other name gives null.
  ByteArray* getBytes(String* encoding);

  char16_t inlineChars[kInlineUnits];
  char16_t* characters;  // inlineChars, or a body block owned by this field
  int32_t count;         // units including the terminating zero

 private:
  // Copies the buffer's characters into this (empty) string.
  void initFromBuffer(StringBuffer* buffer);
};

// A-Z to a-z and a-z to A-Z; every other unit unchanged.
constexpr char16_t AsciiLower(char16_t unit) {
  return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit;
}
constexpr char16_t AsciiUpper(char16_t unit) {
  return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 32) : unit;
}

// Fills a string from a zero-terminated 8-bit text, one unit per byte (ISO-8859-1).
void MakeStringFromChars(String* string, const char* text);
// Fills a string from a zero-terminated text of 16-bit units.
void MakeStringFromWide(String* string, const char16_t* text);

// A new string from a zero-terminated 8-bit text; null when the object cannot be made.
String* NewJavaString(const char* text);

// The string as a native 8-bit text: each unit's low 8 bits (a zero unit stays a zero byte).
// It is the caller's own copy, so no allocation can move or free it. Empty for null, after
// the null check's trace.
std::string StringToCString(String* string);
