// Trace output of the Java arithmetic helpers.
#include "runtime/java_arith.h"

#include "runtime/trace.h"

void ReportDivisionByZero() {
  DebugLog("ArithmeticException: / by zero");
  PrintStackTrace();
}
