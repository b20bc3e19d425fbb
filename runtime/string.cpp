// String storage, construction from strings, characters and buffers, the conversion to a
// native 8-bit text, and the Object operations of String.
#include "runtime/string.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/string_buffer.h"
#include "runtime/trace.h"

// ---- Storage ------------------------------------------------------------------------------

bool String::allocChars(int32_t length) {
  if (characters && characters != inlineChars) FreeDataMemory(characters);
  characters = inlineChars;
  count = 1;
  inlineChars[0] = 0;
  if (length < 0) length = 0;
  if (length + 1 < kInlineUnits) {
    count = length + 1;
    return true;
  }
  auto* body =
      static_cast<char16_t*>(AllocDataMemory(sizeof(char16_t) * (static_cast<size_t>(length) + 1)));
  if (!body) {
    DebugLog("String: no memory for %d characters", length);
    return false;
  }
  characters = body;
  RegisterDataOwner(body, &characters);
  count = length + 1;
  return true;
}

void String::finalize() {
  if (characters && characters != inlineChars) FreeDataMemory(characters);
  characters = nullptr;
}

// ---- Construction -------------------------------------------------------------------------

String::String(String* other) : String() {
  if (!NullCheck(other)) return;
  int32_t n = other->count;
  auto* body = static_cast<char16_t*>(AllocDataMemory(sizeof(char16_t) * static_cast<size_t>(n)));
  if (!body) {
    DebugLog("String: no memory for %d characters", n - 1);
    return;
  }
  characters = body;
  RegisterDataOwner(body, &characters);
  count = n;
  std::copy_n(other->characters, n, characters);  // other's body is read after the allocation
}

String::String(CharArray* chars, int32_t offset, int32_t length) : String() {
  if (!NullCheck(chars)) return;
  Span span = ClampRange("String(char[],int,int)", offset, static_cast<int64_t>(offset) + length,
                         chars->length);
  initFilled(span.size(),
             [&](char16_t* out) { std::copy_n(chars->elements() + span.begin, span.size(), out); });
}

String::String(CharArray* chars) : String(chars, 0, chars ? chars->length : 0) {}

String::String(StringBuffer* buffer) : String() {
  if (NullCheck(buffer)) initFromBuffer(buffer);
}

void String::initFromBuffer(StringBuffer* buffer) {
  initFilled(buffer->length(),
             [&](char16_t* out) { std::copy_n(buffer->characters, buffer->length(), out); });
}

void String::initFromUnits(const char16_t* units, int32_t offset, int32_t length) {
  if (length < 0) {
    DebugLog("String::initFromUnits: length %d below 0", length);
    length = 0;
  }
  if (length > 0 && !NullCheck(units)) length = 0;
  initFilled(length, [&](char16_t* out) {
    if (length > 0) std::copy_n(units + offset, length, out);
  });
}

void MakeStringFromChars(String* string, const char* text) {
  if (!NullCheck(string)) return;
  if (!text) text = "";
  auto n = static_cast<int32_t>(strlen(text));
  string->initFilled(n, [&](char16_t* out) {
    for (int32_t i = 0; i < n; i++) out[i] = static_cast<unsigned char>(text[i]);
  });
}

void MakeStringFromWide(String* string, const char16_t* text) {
  if (!NullCheck(string)) return;
  if (!text) text = u"";
  string->initFromUnits(text, 0, static_cast<int32_t>(std::char_traits<char16_t>::length(text)));
}

String* NewJavaString(const char* text) {
  String* string = NewObject<String>();
  if (string) MakeStringFromChars(string, text);
  return string;
}

std::string StringToCString(String* string) {
  if (!NullCheck(string)) return {};
  std::string text(static_cast<size_t>(string->length()), '\0');
  for (int32_t i = 0; i < string->length(); i++) text[i] = static_cast<char>(string->characters[i]);
  return text;
}

// ---- Object operations --------------------------------------------------------------------

bool String::equals(Object* other) {
  if (!other || other->classId != cid::String) return false;
  return other == this || compareTo(static_cast<String*>(other)) == 0;
}

int32_t String::hashCode() {
  // Over every unit including the terminator, so 31 times the usual Java string hash.
  int32_t h = 0;
  for (int32_t i = 0; i < count; i++) h = h * 31 + characters[i];
  return h;
}
