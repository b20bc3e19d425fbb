// The program's entry point: brings the runtime up, reports it, and shuts it down.
#include "runtime/application.h"
#include "runtime/static_class.h"
#include "runtime/trace.h"

int main() {
  Application application;
  SetApplication(&application);
  application.init();
  const bool started = application.getStaticClass()->initialize();
  if (started) DebugLog("Plimora: runtime started");
  application.close();
  SetApplication(nullptr);
  return started ? 0 : 1;
}
