// Class records and the type queries over them: superclass walk, instance tests, look-up
// by name, and the reference-field lists the collector follows.
#pragma once

#include <atomic>
#include <cstdint>

#include "runtime/object.h"

class java_io_InputStream;

// Byte offsets, from the start of an instance, of the fields that hold references. A list
// is never changed once published; a longer one replaces it and the old one is kept until
// shut-down, so a reader never sees a list being written.
struct ReferenceFieldList {
  ReferenceFieldList* previous;  // the list this one replaced
  int32_t count;
  int32_t offsets[1];  // count entries
};

class Class : public Object {
 public:
  static constexpr int16_t kClassId = cid::Class;

  const char* name;      // flattened class name, e.g. "java_util_Vector"
  int32_t id;            // the class id; equal to the record's index
  int32_t superclassId;  // kNoSuperclass for Object
  std::atomic<ReferenceFieldList*> referenceFields;  // null until the first constructor runs

  int32_t referenceFieldCount() const;
  const int32_t* referenceFieldOffsets() const;

  static Class* findById(int32_t classId);
  static Class* ofObject(Object* object);
  // The name of the object's class for trace lines; "?" when it has no class record.
  static const char* nameOf(Object* object);
  static bool isSubclassOf(Class* record, Class* other);
  static bool isInstance(Class* record, Object* object);
  static Class* forName(String* name);
  static String* getName(Class* record);
  // A stream over the resource of that name: a ".bar" name that opens as a file gives the
  // file, any other the archive entry (one leading "/" ignored); null when there is none
  // (platform/resources.cpp).
  static java_io_InputStream* getResourceAsStream(String* name);

  // Adds the given field addresses of a new instance, as offsets, to the list of the
  // instance's class. Each constructor in a class chain registers its own fields, so the
  // list of a class ends up holding its inherited and its own fields, whichever registers
  // first; offsets already listed are not added again.
  static void registerReferenceFields(Object* object, void* const* fieldAddresses, int32_t count);
  // Frees every class's lists (at shut-down).
  static void freeAllReferenceFields();
};

// Registers the reference fields of a new instance: RegisterReferenceFields(this, &a, &b).
template <class... Fields>
void RegisterReferenceFields(Object* object, Fields*... fields) {
  void* const addresses[] = {static_cast<void*>(fields)...};
  Class::registerReferenceFields(object, addresses, static_cast<int32_t>(sizeof...(fields)));
}

// The type test of translated code: false for null; true when the object answers the
// interface id, or its class is classId or derives from it.
bool InstanceOf(Object* object, int32_t classId);

// A checked reference conversion for typed code: the object itself when it is an instance of
// T (or null); otherwise the "check cast" trace and null, so no wrongly typed reference is used.
Object* CheckCastTo(Object* object, int32_t classId);
template <class T>
T* CheckCast(Object* object) {
  return static_cast<T*>(CheckCastTo(object, T::kClassId));
}
