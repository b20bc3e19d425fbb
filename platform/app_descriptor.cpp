// "app.jad": read whole as ISO-8859-1 text, then parsed line by line into the property table.
// Lines are "key: value", ended by '\n' or '\r\n'.
#include "platform/app_descriptor.h"

#include "javame/hashtable.h"
#include "javame/input_stream.h"
#include "platform/whole_stream.h"
#include "runtime/application_impl.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

constexpr const char* kMissingProperty = "PROPERTY VALUE EMPTY";

// The units of [begin, end) of text without those <= 32 at either end, as String::trim.
String* TrimmedPart(String* text, int32_t begin, int32_t end) {
  while (begin < end && text->characters[begin] <= u' ') begin++;
  while (end > begin && text->characters[end - 1] <= u' ') end--;
  return text->substring(begin, end);
}

// The index of the first unit in [begin, end) equal to unit, or end.
int32_t FindUnit(String* text, int32_t begin, int32_t end, char16_t unit) {
  while (begin < end && text->characters[begin] != unit) begin++;
  return begin;
}

bool IsBlank(String* text, int32_t begin, int32_t end) {
  while (begin < end && text->characters[begin] <= u' ') begin++;
  return begin == end;
}

// Puts the property of the line [begin, end), whose ':' is at colon. False when the strings
// cannot be made or the table refuses them.
bool PutProperty(java_util_Hashtable* properties, String* text, int32_t begin, int32_t colon,
                 int32_t end) {
  String* key = TrimmedPart(text, begin, colon);
  String* value = key ? TrimmedPart(text, colon + 1, end) : nullptr;
  if (!value) return false;
  properties->put(key, value);
  return !GetPendingException();
}

}  // namespace

void ParseAppDescriptor(String* text, java_util_Hashtable* properties) {
  if (!text || !NullCheck(properties)) return;
  const int32_t length = text->length();
  for (int32_t p = 0, line = 1; p < length; line++) {
    const int32_t end = FindUnit(text, p, length, u'\n');
    const int32_t colon = FindUnit(text, p, end, u':');
    if (colon == end) {
      if (!IsBlank(text, p, end)) DebugLog("app.jad: line %d has no ':'; skipped", line);
    } else if (!PutProperty(properties, text, p, colon, end)) {
      DebugLog("app.jad: line %d could not be stored; the rest is left out", line);
      return;
    }
    p = end + 1;
  }
}

String* GetAppProperty(java_util_Hashtable* properties, String* key) {
  Object* value = NullCheck(properties) ? properties->get(key) : nullptr;
  if (value) return CheckCast<String>(value);
  return NewJavaString(kMissingProperty);
}

String* ApplicationImpl::readAppDescriptor() {
  java_io_InputStream* in = Class::getResourceAsStream(NewJavaString("app.jad"));
  if (!in) return nullptr;
  ByteArray* bytes = ReadWholeStream(in);
  in->close();
  return bytes ? NewObject<String>(bytes) : nullptr;
}
