// ApplicationImpl: the one runtime context of the process. It holds the Application, the
// thread table and the monitor table, and stops the world for the collector. Its members
// are defined in the file of their concern, named beside each group.
#pragma once

#include <atomic>
#include <cstdint>

#include "runtime/application.h"

class MonitorTable;
class ObjectManager;
class ThreadTable;
class java_lang_Thread;

// The main thread's priority on the Java scale: 9 minus the device's normal priority 3.
constexpr int32_t kMainThreadPriority = 6;

class ApplicationImpl {
 public:
  // runtime/application_impl.cpp
  // Becomes the current context, with empty thread and monitor tables and an Application
  // record still to initialise; running := 1.
  ApplicationImpl();
  // Closes the context when that has not happened yet.
  ~ApplicationImpl();
  ApplicationImpl(const ApplicationImpl&) = delete;
  ApplicationImpl& operator=(const ApplicationImpl&) = delete;

  // Registers the calling thread as the main thread (slot 0), then initialises the
  // Application with heaps of the given sizes. Returns 1.
  int32_t init(int32_t objectHeapSize = kObjectHeapSize, int32_t dataHeapSize = kDataHeapSize);
  // Stops the world for good, closes the Application (its final collection frees every
  // object), then releases the tables. Runs once; later calls do nothing.
  void close();

  // runtime/thread_table.cpp's table, run through these:
  // The slot of the thread object (its first free slot for a new one), or -1 when all are
  // taken; *added says whether it was new.
  int32_t registerThread(java_lang_Thread* thread, bool* added);
  int32_t findThread(const java_lang_Thread* thread);
  int32_t findThreadById(uint32_t threadId);
  // Stops every other Java thread (parking the caller while another stop is in force) and
  // ends that stop; nested pairs only count.
  void stopTheWorld();
  void resumeTheWorld();
  // Marks each registered thread's object and scans its stack: a parked thread's from its
  // saved stack pointer to its base, the calling thread's from callerStackTop.
  void scanThreadStacks(ObjectManager* manager, const void* callerStackTop);

  ThreadTable* threadTable() { return threads_; }
  MonitorTable* monitorTable() { return monitors_; }
  java_lang_Thread* mainThread() { return mainThread_; }

  Application* application;  // made with the context, initialised by init, deleted by close
  uint16_t* backBuffer;      // the display's RGB565 back buffer; null until a display exists
  uint8_t running;           // 1 from construction until close

 private:
  void releaseTables();

  ThreadTable* threads_;    // both tables live apart from the context: threads that close
  MonitorTable* monitors_;  // leaves parked go on using them until the process ends
  java_lang_Thread* mainThread_;
  std::atomic<bool> closed_;
};

// The current context, or null.
ApplicationImpl* GetApplicationImpl();
