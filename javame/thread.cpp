// java.lang.Thread, the class side: construction from the creator's priority, run over the
// target, the priority checks, join by polling and the text form. priority stays in 1..10.
#include "javame/thread.h"

#include "javame/exception_classes.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/string_buffer.h"
#include "runtime/trace.h"

namespace {

// String constants of the text form: "Thread[", ",", "]".
constexpr int32_t kOpenText = 357;
constexpr int32_t kSeparatorText = 307;
constexpr int32_t kCloseText = 61;

}  // namespace

// ---- Construction, run and text -----------------------------------------------------------

java_lang_Thread::java_lang_Thread() : java_lang_Thread(nullptr) {}

// A thread that is not a Java thread has no thread object to copy a priority from: its new
// threads start at the normal priority.
java_lang_Thread::java_lang_Thread(Object* runnable) {
  RegisterReferenceFields(this, &target);
  priority = kNormPriority;
  if (java_lang_Thread* creator = currentThread()) priority = creator->getPriority();
  target = runnable;
  setPriority(priority);
}

void* java_lang_Thread::getInterface(int32_t interfaceId) {
  return interfaceId == cid::java_lang_Runnable ? static_cast<java_lang_Runnable*>(this) : nullptr;
}

String* java_lang_Thread::toString() {
  auto* text = NewObject<StringBuffer>(GetConstantString(kOpenText));
  if (!text) return nullptr;
  text->append(hashCode());
  text->append(GetConstantString(kSeparatorText));
  text->append(priority);
  text->append(GetConstantString(kCloseText));
  return text->toString();
}

void java_lang_Thread::run() {
  if (!target) return;
  auto* runnable = static_cast<java_lang_Runnable*>(target->getInterface(cid::java_lang_Runnable));
  if (!runnable) {
    DebugLog("java_lang_Thread::run(): the target is a %s, not a Runnable", Class::nameOf(target));
    return;
  }
  runnable->run();
}

// ---- Priority and join --------------------------------------------------------------------

int32_t java_lang_Thread::getPriority() {
  return priority;
}

void java_lang_Thread::setPriority(int32_t newPriority) {
  if (newPriority < kMinPriority || newPriority > kMaxPriority) {
    ThrowException(NewObject<java_lang_IllegalArgumentException>());
    return;
  }
  priority = newPriority;
  nativeSetPriority(newPriority);
}

// Each yield is a safe point, so a collection never waits for a joining thread.
void java_lang_Thread::join() {
  if (this == currentThread()) return;
  while (isAlive()) yield();
}
