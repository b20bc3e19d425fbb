// The program's entry point: brings the runtime up, reports it, and shuts it down.
#include "runtime/application_impl.h"
#include "runtime/static_class.h"
#include "runtime/trace.h"

int main() {
  ApplicationImpl context;
  context.init();
  const bool started = context.application->getStaticClass()->initialize();
  if (started) DebugLog("Plimora: runtime started");
  context.close();
  return started ? 0 : 1;
}
