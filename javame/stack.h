// java.util.Stack: a Vector whose last element is the top of the stack.
#pragma once

#include "javame/vector.h"

class java_util_Stack : public java_util_Vector {
 public:
  static constexpr int16_t kClassId = cid::java_util_Stack;

  // As java_util_Vector(): capacity 10, doubling.
  java_util_Stack() = default;

  // addElement; returns the item.
  Object* push(Object* item);
  // Locked. Removes and returns the top; an empty stack throws java_util_EmptyStackException.
  Object* pop();
  // Locked. The top; an empty stack throws java_util_EmptyStackException.
  Object* peek();
  bool empty();
  // Locked. The distance of the topmost match from the top (1 for the top), or -1.
  int32_t search(Object* object);
};
