// java.util.Stack: the stack operations over the Vector's elements, reaching the size
// through its virtual slot.
#include "javame/stack.h"

#include "javame/exception_classes.h"
#include "runtime/exceptions.h"
#include "runtime/monitor.h"

Object* java_util_Stack::push(Object* item) {
  addElement(item);
  return item;
}

Object* java_util_Stack::pop() {
  MonitorScope lock(this);
  const int32_t n = size();
  Object* top = peek();
  if (n == 0) return nullptr;
  removeElementAt(n - 1);
  return top;
}

Object* java_util_Stack::peek() {
  MonitorScope lock(this);
  const int32_t n = size();
  if (n == 0) {
    ThrowException(NewObject<java_util_EmptyStackException>());
    return nullptr;
  }
  return elementAt(n - 1);
}

bool java_util_Stack::empty() {
  return size() == 0;
}

int32_t java_util_Stack::search(Object* object) {
  MonitorScope lock(this);
  const int32_t p = lastIndexOf(object);
  return p >= 0 ? size() - p : -1;
}
