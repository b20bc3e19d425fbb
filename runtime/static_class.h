// The static block: the static fields of all classes, the collector's table of reference
// statics, the string-constant pool and the class table, in one native block. This class is
// the runtime's part of it. The floors above declare the static fields, each floor's class of
// statics deriving from the one below (javame/device_statics.h, then game/game_statics.h),
// and the registry makes the whole block (registry/static_fields.h), so the runtime names no
// class above its floor. The statics are zero when the block is made; the class records keep
// the headers the block gave them.
#pragma once

#include <cstdint>

#include "runtime/class.h"
#include "runtime/class_ids.h"
#include "runtime/static_ref.h"

class ObjectArray;
class ObjectManager;

class StaticClass {
 public:
  virtual ~StaticClass() = default;
  StaticClass(const StaticClass&) = delete;
  StaticClass& operator=(const StaticClass&) = delete;

  // The runtime's part of start-up, once, when the heaps and the object manager exist: the
  // class table filled, the root table and the pool slot registered with the manager. Needs
  // no data, so the runtime can start without the game.
  void initializeCore(ObjectManager* manager);

  // The rest of start-up, once, after initializeCore: loads the string-constant pool, then
  // runs every class initialiser in order. False when the pool's resource is missing: the
  // cause is traced and start-up must stop.
  bool initialize();

  // The whole block's size in bytes, every floor's statics included.
  virtual int32_t blockBytes() const = 0;

  // The string-constant pool: String constant n is element n. Its slot is a root of its own,
  // registered before anything is loaded into it.
  StaticRef<ObjectArray> constantPool;
  Object** constantPoolRoot;

  Class classes[kClassCount];

 protected:
  // Gives each class record the header of a Class object (not collectable, marked).
  StaticClass();

 private:
  // The address of every reference static of the whole block, and their count.
  virtual Object** const* staticRootSlots(int32_t* count) const = 0;

  // Name, id and superclass id of every class, in class-id order.
  void fillClassTable();
};

// A new whole static block, every floor's statics zero. Defined by the registry, which
// knows every floor's statics (registry/static_fields.cpp).
StaticClass* NewStaticClass();

// The static block of the current application.
StaticClass* Statics();

// The same block as a floor above the runtime sees it: Floor is that floor's class of
// statics (DeviceStatics, GameStatics), from which the registry's block derives.
template <class Floor>
Floor* Statics() {
  return static_cast<Floor*>(Statics());
}
