// Object's operations and the header initialiser.
#include "runtime/object.h"

#include <cstdio>
#include <cstring>

#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

// The header fields as they lie after the table pointer; checked against a real Object by
// the runtime tests.
struct HeaderFields {
  int16_t classId;
  uint8_t collectable;
  uint8_t flags;
};

}  // namespace

Object* Object::initHeader(Object* object, int32_t classId) {
  object->classId = static_cast<int16_t>(classId);
  object->collectable = classId == cid::java_lang_Thread ? 0 : 1;
  object->flags = 1;
  return object;
}

void WriteHeaderInPlace(void* memory, int32_t classId) {
  HeaderFields header{static_cast<int16_t>(classId),
                      static_cast<uint8_t>(classId == cid::java_lang_Thread ? 0 : 1), 1};
  std::memcpy(static_cast<char*>(memory) + sizeof(void*), &header, sizeof header);
}

void Object::finalize() {}

bool Object::equals(Object* other) {
  return this == other;
}

Object* Object::clone() {
  DebugLog("clone");
  PrintStackTrace();
  return nullptr;
}

String* Object::toString() {
  char text[64];
  snprintf(text, sizeof text, "Object_id=%d @0x%x", classId, ObjectAddress32(this));
  return NewJavaString(text);
}

int32_t Object::hashCode() {
  return static_cast<int32_t>(ObjectAddress32(this));
}

void* Object::getInterface(int32_t) {
  return nullptr;
}
