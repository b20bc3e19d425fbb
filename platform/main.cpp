// The program's entry point: brings the runtime up, reports it, and shuts it down.
#include "runtime/application.h"
#include "runtime/trace.h"

int main() {
  Application application;
  SetApplication(&application);
  application.init();
  DebugLog("Plimora: runtime started");
  application.close();
  SetApplication(nullptr);
  return 0;
}
