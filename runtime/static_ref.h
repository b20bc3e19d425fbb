// A reference static of the static block: one slot that the collector reads as an Object*
// (every slot of the root table is one of these), used by the code as a field of type T*.
#pragma once

#include "runtime/object.h"

// Trivial, so the block can be zero-filled: a zero slot is null.
template <class T>
struct StaticRef {
  Object* object;  // the root slot

  operator T*() const { return static_cast<T*>(object); }
  T* operator->() const { return static_cast<T*>(object); }
  StaticRef& operator=(T* value) {
    object = value;
    return *this;
  }
};
