// java.lang.Thread: a Java thread object; runnable itself, or running its target. The
// natives that start, identify and pause threads are the runtime's (runtime/java_thread.cpp).
#pragma once

#include "runtime/class.h"
#include "runtime/interfaces.h"
#include "runtime/object.h"

class java_lang_Thread : public Object, public java_lang_Runnable {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Thread;

  java_lang_Thread() { RegisterReferenceFields(this, &target); }
  // The main thread's object, made on the native heap before the class table exists; its
  // target stays null, so it has no field to register.
  struct MainThread {};
  explicit java_lang_Thread(MainThread) {}

  void* getInterface(int32_t interfaceId) override {
    return interfaceId == cid::java_lang_Runnable ? static_cast<java_lang_Runnable*>(this)
                                                  : nullptr;
  }
  void run() override {}

  // runtime/java_thread.cpp
  // Starts the thread: registers it and makes its system thread, which runs run0. Returns
  // its slot, the slot it already has when it runs, or -1 (with a trace line) when every
  // slot is taken or the system refuses the thread.
  virtual int32_t nativeStart();
  // The system thread's entry; start is the thread's slot in the table it was started in.
  static void run0(void* start);
  // The calling thread's object, or null when it is not a Java thread.
  static java_lang_Thread* currentThread();
  // Sleeps ms milliseconds; a safe point where a collection may park the thread, and whose
  // parked time counts towards the sleep. A negative time returns at once.
  static void sleep(int64_t ms);
  static void yield();
  // The number of Java threads, the main thread included.
  static int32_t activeCount();
  bool isAlive();
  // Sets the system priority of a running thread from a Java priority (1..10).
  void nativeSetPriority(int32_t javaPriority);

  int32_t priority;  // 1 (lowest) .. 10 (highest); 5 is normal
  Object* target;    // the Runnable it runs, or null: it runs its own run
};
