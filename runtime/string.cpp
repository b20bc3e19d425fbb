// String storage and the operations the runtime core needs of it.
#include "runtime/string.h"

#include <cstring>

#include "runtime/exceptions.h"
#include "runtime/trace.h"

bool String::allocChars(int32_t length) {
  if (length < 0) length = 0;
  characters = inlineChars;
  count = 1;
  if (length + 1 < kInlineUnits) {
    count = length + 1;
    return true;
  }
  auto* body = static_cast<char16_t*>(AllocDataMemory(sizeof(char16_t) * (static_cast<size_t>(length) + 1)));
  if (!body) return false;
  characters = body;
  RegisterDataOwner(body, &characters);
  count = length + 1;
  return true;
}

void String::finalize() {
  if (characters && characters != inlineChars) FreeDataMemory(characters);
  characters = nullptr;
}

bool String::equals(Object* other) {
  if (!other || other->classId != cid::String) return false;
  if (other == this) return true;
  auto* text = static_cast<String*>(other);
  return count == text->count && memcmp(characters, text->characters, sizeof(char16_t) * count) == 0;
}

int32_t String::hashCode() {
  // Over every unit including the terminator, so 31 times the usual Java string hash.
  int32_t h = 0;
  for (int32_t i = 0; i < count; i++) h = h * 31 + characters[i];
  return h;
}

char16_t String::charAt(int32_t index) {
  if (index < 0 || index >= length()) {
    DebugLog("String::charAt index %d out of range (length %d)", index, length());
    return 0;
  }
  return characters[index];
}

String* String::replace(char16_t oldUnit, char16_t newUnit) {
  if (oldUnit == newUnit) return this;
  int32_t n = length();
  int32_t first = 0;
  while (first < n && characters[first] != oldUnit) first++;
  if (first == n) return this;
  String* copy = NewObject<String>();
  if (!copy) return nullptr;
  if (!copy->allocChars(n)) return copy;
  // Re-read our characters: making the copy may have moved them.
  for (int32_t i = 0; i < n; i++) {
    char16_t unit = characters[i];
    copy->characters[i] = unit == oldUnit ? newUnit : unit;
  }
  return copy;
}

bool String::equalsChars(const char* text) {
  for (int32_t i = 0; i < length(); i++) {
    if (text[i] == 0 || characters[i] != static_cast<unsigned char>(text[i])) return false;
  }
  return true;
}

void MakeStringFromChars(String* string, const char* text) {
  if (!NullCheck(string)) return;
  int32_t n = static_cast<int32_t>(strlen(text));
  if (!string->allocChars(n)) return;
  for (int32_t i = 0; i < n; i++) string->characters[i] = static_cast<unsigned char>(text[i]);
  string->characters[n] = 0;
}

String* NewJavaString(const char* text) {
  String* string = NewObject<String>();
  if (string) MakeStringFromChars(string, text ? text : "");
  return string;
}
