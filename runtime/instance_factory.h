// Makes an instance of a class from its id alone, for the classes that may be made that way.
// Defined by the registry, which knows every class (registry/instance_factory.cpp).
#pragma once

#include <cstdint>

class Object;

class NewInstanceFactory {
 public:
  // A new zero-filled instance with its header and table, or null when the class may not
  // be made this way (or is not built yet) or the heap is full.
  static Object* newInstance(int32_t classId);
};
