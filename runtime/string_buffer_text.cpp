// StringBuffer's typed inserts and appends: each value becomes its text (numbers in the C
// formats of the device, through runtime/number_format.h), inserted as one unit per byte.
#include "runtime/number_format.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"

StringBuffer* StringBuffer::insert(int32_t position, String* text) {
  if (!text) return insertCString(position, "null");
  return insertUnits(position, text->characters, text->length());
}

StringBuffer* StringBuffer::insert(int32_t position, Object* object) {
  if (!object) return insertCString(position, "null");
  return insert(position, object->toString());
}

StringBuffer* StringBuffer::insert(int32_t position, bool value) {
  return insertCString(position, value ? "true" : "false");
}

StringBuffer* StringBuffer::insert(int32_t position, char16_t unit) {
  return insertUnits(position, &unit, 1);
}

StringBuffer* StringBuffer::insert(int32_t position, int32_t value) {
  return insertCString(position, FormatDecimal(value).text);
}

StringBuffer* StringBuffer::insert(int32_t position, int64_t value) {
  return insertCString(position, FormatLong(value).text);
}

StringBuffer* StringBuffer::insert(int32_t position, float value) {
  return insertCString(position, FormatFixed(value).text);
}

StringBuffer* StringBuffer::insert(int32_t position, double value) {
  return insertCString(position, FormatFixed(value).text);
}

StringBuffer* StringBuffer::append(String* text) {
  return insert(count, text);
}

StringBuffer* StringBuffer::append(Object* object) {
  return insert(count, object);
}

StringBuffer* StringBuffer::append(bool value) {
  return insert(count, value);
}

StringBuffer* StringBuffer::append(char16_t unit) {
  return insert(count, unit);
}

StringBuffer* StringBuffer::append(int32_t value) {
  return insert(count, value);
}

StringBuffer* StringBuffer::append(int64_t value) {
  return insert(count, value);
}

StringBuffer* StringBuffer::append(float value) {
  return insert(count, value);
}

StringBuffer* StringBuffer::append(double value) {
  return insert(count, value);
}
