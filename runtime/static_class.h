// The static block: the static fields of all classes, the collector's table of reference
// statics, the string-constant pool and the class table, in one native block.
#pragma once

#include "runtime/class.h"
#include "runtime/class_ids.h"

class StaticClass {
 public:
  // Gives each class record the header of a Class object (not collectable, marked).
  StaticClass();

  // Fills the class table: name, id and superclass id of every class, in class-id order.
  void fillClassTable();

  Class classes[kClassCount];
};
