// String queries: comparisons, searches and copies out of the text. None of them allocates
// except toCharArray, so they may read the characters directly.
#include <algorithm>
#include <cstring>

#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/string.h"
#include "runtime/trace.h"

char16_t String::charAt(int32_t index) {
  return IndexInRange("String::charAt", index, length()) ? characters[index] : 0;
}

int32_t String::compareTo(String* other) {
  if (!NullCheck(other)) return 0;
  int32_t n = std::min(count, other->count);
  for (int32_t i = 0; i < n; i++) {
    if (characters[i] != other->characters[i]) return characters[i] - other->characters[i];
  }
  return count - other->count;
}

bool String::equalsIgnoreCase(String* other) {
  if (!other || other->count != count) return false;
  for (int32_t i = 0; i < length(); i++) {
    if (AsciiLower(characters[i]) != AsciiLower(other->characters[i])) return false;
  }
  return true;
}

bool String::equalsChars(const char* text) {
  if (!text) text = "";
  for (int32_t i = 0; i < length(); i++) {
    if (text[i] == 0 || characters[i] != static_cast<unsigned char>(text[i])) return false;
  }
  return true;
}

bool String::equalsText(const char* text) {
  if (!text) text = "";
  return length() == static_cast<int32_t>(strlen(text)) && equalsChars(text);
}

bool String::equalsIgnoreCaseChars(const char* text) {
  if (!text) text = "";
  for (int32_t i = 0; i < length(); i++) {
    if (text[i] == 0 ||
        AsciiLower(characters[i]) != AsciiLower(static_cast<unsigned char>(text[i])))
      return false;
  }
  return true;
}

bool String::regionMatches(bool ignoreCase, int32_t offset, String* other, int32_t otherOffset,
                           int32_t length) {
  if (!NullCheck(other)) return false;
  if (offset < 0 || offset > count || otherOffset < 0 || otherOffset > other->count) {
    DebugLog("String::regionMatches: offsets %d and %d out of range (counts %d and %d)", offset,
             otherOffset, count, other->count);
    return false;
  }
  if (length <= 0) return true;
  if (length > count - offset || length > other->count - otherOffset) return false;
  for (int32_t i = 0; i < length; i++) {
    char16_t a = characters[offset + i];
    char16_t b = other->characters[otherOffset + i];
    if (a == b) continue;
    if (ignoreCase && (AsciiUpper(a) == AsciiUpper(b) || AsciiLower(a) == AsciiLower(b))) continue;
    return false;
  }
  return true;
}

bool String::startsWith(String* prefix, int32_t offset) {
  if (!prefix) return false;
  // The prefix must fit before the terminator: the device compared past the text's end.
  if (offset < 0 || offset > length() - prefix->length()) return false;
  return std::equal(prefix->characters, prefix->characters + prefix->length(), characters + offset);
}

bool String::startsWith(String* prefix) {
  return startsWith(prefix, 0);
}

bool String::endsWith(String* suffix) {
  if (!suffix) return false;
  return startsWith(suffix, length() - suffix->length());
}

int32_t String::indexOf(int32_t unit, int32_t from) {
  if (from < 0) {
    DebugLog("String::indexOf: start %d below 0", from);
    from = 0;
  }
  for (int32_t i = from; i < length(); i++) {
    if (characters[i] == unit) return i;
  }
  return -1;
}

int32_t String::lastIndexOf(int32_t unit, int32_t from) {
  for (int32_t i = std::min(from, count - 1); i >= 0; i--) {
    if (characters[i] == unit) return i;
  }
  return -1;
}

int32_t String::lastIndexOf(int32_t unit) {
  return lastIndexOf(unit, length() - 1);
}

int32_t String::indexOf(String* text, int32_t from) {
  if (!NullCheck(text)) return -1;
  int32_t n = text->length();
  if (n == 1) return indexOf(text->characters[0], from);
  if (from < 0) {
    DebugLog("String::indexOf: start %d below 0", from);
    from = 0;
  }
  if (from >= length()) return n == 0 ? length() : -1;
  for (int32_t i = from; i <= length() - n; i++) {
    if (std::equal(text->characters, text->characters + n, characters + i)) return i;
  }
  return -1;
}

int32_t String::indexOf(String* text) {
  return indexOf(text, 0);
}

void String::getChars(int32_t begin, int32_t end, CharArray* destination,
                      int32_t destinationBegin) {
  CopyUnitsInto("String::getChars", characters, length(), begin, end, destination,
                destinationBegin);
}

CharArray* String::toCharArray() {
  CharArray* array = NewCharArray(length());
  // Our characters are read after the array is made: making it may move them.
  if (array) std::copy_n(characters, array->length, array->elements());
  return array;
}
