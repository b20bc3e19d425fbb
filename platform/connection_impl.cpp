// The lock of the connections' client leases, and the exception their operations raise.
#include "platform/connection_impl.h"

#include "javame/exception_classes.h"
#include "runtime/string.h"

std::mutex& ConnectionLeaseLock() {
  static std::mutex lock;
  return lock;
}

void ThrowIOException(const char* text) {
  ThrowException(NewObject<java_io_IOException>(NewJavaString(text)));
}
