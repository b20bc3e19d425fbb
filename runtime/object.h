// The object header every managed object starts with, Object's six operations, and the
// way objects are made. The C++ table of virtual functions is the operation table: slots
// 0 to 5 are Object's, a class's own operations follow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>

#include "runtime/class_ids.h"
#include "runtime/object_manager.h"

class String;

constexpr uint8_t kMarkMask = 0x0F;           // low nibble of the flags byte; non-zero = marked
constexpr uint8_t kMonitorFlag = 0x10;        // bit 4: the object owns a monitor record
constexpr uint8_t kSharedMonitorFlag = 0x20;  // bit 5: its monitor is the shared record

// Managed objects live in the object heap, are freed as raw memory by the collector, and
// hold no members with C++ destructors: finalize() is their only clean-up. Every stored
// reference is the start of an object, never an interface or interior pointer.
class Object {
 public:
  static constexpr int16_t kClassId = cid::Object;

  virtual void finalize();                          // 0: release native resources
  virtual bool equals(Object* other);               // 1: identity
  virtual Object* clone();                          // 2: not supported
  virtual String* toString();                       // 3: "Object_id=%d @0x%x"
  virtual int32_t hashCode();                       // 4: the stable address
  virtual void* getInterface(int32_t interfaceId);  // 5: interface sub-object, or null

  // Header written for a new object: class id, collectable (0 only for java_lang_Thread),
  // born marked so a collection before its first use cannot release it.
  static Object* initHeader(Object* object, int32_t classId);

  bool marked() const { return (flags & kMarkMask) != 0; }
  void setMarked() { flags = static_cast<uint8_t>((flags & ~kMarkMask) | 1); }
  void clearMark() { flags = static_cast<uint8_t>(flags & ~kMarkMask); }

  int16_t classId;
  uint8_t collectable;  // 1: the collector may release it when unreachable
  uint8_t flags;        // bits 0-3 mark nibble; bits 4-5 monitor; marking keeps bits 4-7
};
static_assert(sizeof(Object) == 2 * sizeof(void*), "the object header is two pointers wide");

// Writes the header fields into a fresh zero-filled block before its constructor runs, so a
// collection started from inside the constructor already sees the object's class.
void WriteHeaderInPlace(void* memory, int32_t classId);

// Makes an object of class T on the object heap: zero-filled, registered with the object
// manager, header written, then T's constructor. Null when the heap cannot give the block.
template <class T, class... Args>
T* NewObject(Args&&... args) {
  void* memory = AllocObjectMemory(sizeof(T), 0);
  if (!memory) return nullptr;
  WriteHeaderInPlace(memory, T::kClassId);
  if constexpr (sizeof...(Args) == 0) {
    return new (memory) T;  // default-initialisation: no zeroing over the written header
  } else {
    return new (memory) T(std::forward<Args>(args)...);
  }
}
