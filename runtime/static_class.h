// The static block: the static fields of all classes, the collector's table of reference
// statics, the string-constant pool and the class table, in one native block. Only the
// statics area is ever zero-filled; the class records keep the headers the block gave them.
#pragma once

#include "runtime/class.h"
#include "runtime/class_ids.h"
#include "runtime/static_fields.h"

class ObjectArray;
class ObjectManager;

class StaticClass : public StaticFields {
 public:
  // Gives each class record the header of a Class object (not collectable, marked).
  StaticClass();

  // The runtime's part of start-up, once, when the heaps and the object manager exist: the
  // statics zeroed, the class table filled, the root table and the pool slot registered with
  // the manager. Needs no data, so the runtime can start without the game.
  void initializeCore(ObjectManager* manager);

  // The rest of start-up, once, after initializeCore: loads the string-constant pool, then
  // runs every class initialiser in order. False when the pool's resource is missing: the
  // cause is traced and start-up must stop.
  bool initialize();

  // The address of every reference static above, in declaration order.
  Object** staticRoots[kStaticRootCount];
  // The string-constant pool: String constant n is element n. Its slot is a root of its own,
  // registered before anything is loaded into it.
  StaticRef<ObjectArray> constantPool;
  Object** constantPoolRoot;

  Class classes[kClassCount];

 private:
  // Name, id and superclass id of every class, in class-id order.
  void fillClassTable();
  void fillRootTable();
};

// The static block of the current application.
StaticClass* Statics();
