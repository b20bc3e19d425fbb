// java.lang.Thread: a Java thread object; runnable itself, or running its target. The class
// side (construction, run, priority, join, toString) is javame/thread.cpp; the natives that
// start, identify and pause threads over the runtime's thread table are
// javame/thread_natives.cpp.
#pragma once

#include "runtime/class.h"
#include "runtime/interfaces.h"
#include "runtime/object.h"

class String;

class java_lang_Thread : public Object, public java_lang_Runnable {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Thread;
  static constexpr int32_t kMinPriority = 1;
  static constexpr int32_t kNormPriority = 5;
  static constexpr int32_t kMaxPriority = 10;

  // ---- Construction, run and text: javame/thread.cpp
  // Priority: the calling thread's (kNormPriority on a thread that is not a Java thread),
  // applied through setPriority. No target: the thread runs its own run.
  java_lang_Thread();
  // The same, running target's run; target is a java_lang_Runnable or null.
  explicit java_lang_Thread(Object* target);
  // The main thread's object, made on the native heap before the class table exists; its
  // target stays null, so it has no field to register.
  struct MainThread {};
  explicit java_lang_Thread(MainThread) {}

  void* getInterface(int32_t interfaceId) override;
  // "Thread[" (string constant 357), the hashCode in decimal, "," (307), the priority in
  // decimal, "]" (61).
  String* toString() override;
  // The target's run through its Runnable interface; nothing without a target (a target that
  // is not a Runnable writes a trace line).
  void run() override;

  // ---- Natives: javame/thread_natives.cpp
  // Starts the thread (Java's start): registers it and makes its system thread, which runs
  // run0. Returns its slot, the slot it already has when it runs, or -1 (with a trace line)
  // when every slot is taken or the system refuses the thread.
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

  // ---- Priority and join: javame/thread.cpp
  virtual int32_t getPriority();
  // 1..10 sets priority and the system priority; any other value throws
  // java_lang_IllegalArgumentException and changes nothing.
  void setPriority(int32_t newPriority);
  // Waits, yielding, until the thread is no longer alive; returns at once on the calling
  // thread itself and on a thread that is not running.
  void join();

  int32_t priority;  // kMinPriority .. kMaxPriority
  Object* target;    // the Runnable it runs, or null: it runs its own run
};
