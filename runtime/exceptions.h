// Java exceptions as pending state: throwing stores the exception as the calling thread's
// pending exception, code tests for it after each call that may throw, and a method's catch
// table picks the handler. Also the null check that translated code makes before each use.
#pragma once

#include <cstdint>

#include "runtime/class.h"
#include "runtime/object.h"

// Every exception class derives from this layout and shares its operations: the message, then
// the stack-trace text that ThrowException fills in. The constructors and operations are in
// javame/exception_classes.cpp.
class java_lang_Throwable : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Throwable;
  // The message is string constant 46, the empty string.
  java_lang_Throwable();
  explicit java_lang_Throwable(String* text);

  // The message alone, without the class name.
  String* toString() override;
  String* getMessage() { return message; }
  // Prints the stack-trace text and a line end on java_lang_System's err, which discards
  // them; an IOException of that stream is dropped.
  void printStackTrace();

  String* message;     // may be null when made with a null text
  String* stackTrace;  // "stacktrace:\n..." at the moment of the throw; null until then
};

// One catch-table entry; a table is a sequence of them ended by caughtClassId 0. An entry
// covers the call sites firstSite <= site < endSite; its position selects the handler.
struct CatchTable {
  int32_t caughtClassId;
  int32_t firstSite;
  int32_t endSite;
};

// Makes the exception the calling thread's pending exception (replacing any earlier one)
// after storing the current stack-trace text in it.
void ThrowException(java_lang_Throwable* exception);

// 0 when nothing is pending; otherwise records site as the catch site and returns 1.
int32_t TestPendingException(int32_t site);

// The calling thread's pending exception, or null.
Object* GetPendingException();

// Clears the calling thread's pending exception (used where native code drops one).
void ClearPendingException();
// The same for a native that gives up on a call that failed and goes on: true when an
// exception was pending.
bool DiscardPendingException();

// The position of the entry that catches the pending exception at the recorded catch site,
// clearing it; -1 (the exception stays pending) when no entry matches.
int32_t FindCatchHandler(const CatchTable* table);

// Writes "NullPointer" and the method trace.
void ReportNullPointer();

// The null check of translated code: true when the reference may be used. For null it
// reports and returns false; the caller then skips the access (reads give 0 or null).
inline bool NullCheck(const void* reference) {
  if (reference) return true;
  ReportNullPointer();
  return false;
}
