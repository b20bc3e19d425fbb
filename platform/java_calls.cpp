// Dropping what a call from native code left pending.
#include "platform/java_calls.h"

#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/trace.h"

void DropPendingExceptionOf(const char* call) {
  Object* pending = GetPendingException();
  if (!pending) return;
  DebugLog("%s: %s still pending when the call returned; dropped", call, Class::nameOf(pending));
  ClearPendingException();
}
