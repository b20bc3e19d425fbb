// Throwing, testing and catching pending exceptions.
#include "runtime/exceptions.h"

#include "runtime/application.h"
#include "runtime/class.h"
#include "runtime/thread_state.h"
#include "runtime/trace.h"

void ThrowException(java_lang_Throwable* exception) {
  if (exception) exception->stackTrace = GetApplication()->getStackTraceString();
  CurrentThreadState().pendingException = exception;
}

int32_t TestPendingException(int32_t site) {
  JavaThreadState& state = CurrentThreadState();
  if (!state.pendingException) return 0;
  state.catchSite = site;
  return 1;
}

Object* GetPendingException() {
  return CurrentThreadState().pendingException;
}

void ClearPendingException() {
  CurrentThreadState().pendingException = nullptr;
}

bool DiscardPendingException() {
  JavaThreadState& state = CurrentThreadState();
  if (!state.pendingException) return false;
  state.pendingException = nullptr;
  return true;
}

int32_t FindCatchHandler(const CatchTable* table) {
  JavaThreadState& state = CurrentThreadState();
  for (int32_t position = 0; table[position].caughtClassId != 0; position++) {
    const CatchTable& entry = table[position];
    if (state.catchSite < entry.firstSite || state.catchSite >= entry.endSite) continue;
    if (!state.pendingException) continue;
    if (InstanceOf(state.pendingException, entry.caughtClassId)) {
      state.pendingException = nullptr;
      return position;
    }
  }
  return -1;
}

void ReportNullPointer() {
  DebugLog("NullPointer");
  PrintStackTrace();
}
