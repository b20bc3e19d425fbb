// ApplicationImpl: the one runtime context of the process. It holds the Application, the
// thread table and the monitor table, and stops the world for the collector. Its members
// are defined in the file of their concern, named beside each group.
#pragma once

#include <atomic>
#include <cstdint>

#include "runtime/application.h"

class MonitorTable;
class NativeDisplay;
class Object;
class ObjectManager;
class String;
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
  // object), closes and deletes the display back-end, then releases the tables. Runs once;
  // later calls do nothing.
  void close();

  // platform/application_startup.cpp
  // The rest of start-up, once init has run and a display is open: the static block's
  // initialisers, the screen image over the back buffer, the screen graphics, then
  // Application::startApp. 1, or 0 when the static block could not start (traced).
  int32_t initApplication();

  // platform/open_display.cpp
  // Opens the display back-end named by mode ("GDI", "DDRAW" or "AUTO") on the game window
  // and keeps it in display; 1 when one is open.
  int32_t openDisplay(const char* mode);
  // Closes and deletes the display back-end, if there is one; display is null afterwards.
  void closeDisplay();

  // platform/main_loop.cpp (main thread)
  // The main loop: runs until running is cleared, then shuts the runtime down.
  void run();
  // One pass of the main loop's body, then a sleep of ms milliseconds.
  void sleepPumping(int32_t ms);
  // Any thread: the main loop ends after its current pass.
  void exit();

  // platform/application_paint.cpp
  // Paints one frame and presents it, only while the window is active and in front and the
  // orientation guard shows no message; never two at once (a second one is skipped).
  void repaintNow();

  // platform/volume_keys.cpp
  // The master volume's channels one tenth of full up or down.
  void volumeUp();
  void volumeDown();

  // platform/application_lifecycle.cpp: natives with no effect.
  static void noop1(Object* argument);
  static void noop2();

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

  // platform/app_descriptor.cpp
  // The whole "app.jad" resource as text, one unit per byte (ISO-8859-1); null when there is
  // no such resource.
  static String* readAppDescriptor();

  ThreadTable* threadTable() { return threads_; }
  MonitorTable* monitorTable() { return monitors_; }
  java_lang_Thread* mainThread() { return mainThread_; }

  Application* application;      // made with the context, initialised by init, deleted by close
  NativeDisplay* display;        // the display back-end (openDisplay); closed and deleted by close
  uint16_t* backBuffer;          // the display's RGB565 back buffer; null until a display exists
  uint8_t pocketPC;              // 1 on a Pocket PC: never here
  std::atomic<uint8_t> running;  // 1 from construction until close or exit
  // Written by the main thread, read by the game thread before each paint: a stale value
  // costs at most one frame painted or skipped.
  std::atomic<int32_t> paintState;    // 1 while the orientation guard shows its message
  std::atomic<bool> paintingEnabled;  // the window is active

 private:
  void releaseTables();

  ThreadTable* threads_;    // both tables live apart from the context: threads that close
  MonitorTable* monitors_;  // leaves parked go on using them until the process ends
  java_lang_Thread* mainThread_;
  std::atomic<bool> closed_;
};

// The current context, or null.
ApplicationImpl* GetApplicationImpl();

// javame/thread_natives.cpp: the main thread's object, made on the native heap (init makes
// it before the heaps exist; close frees it with free), unmarked, at kMainThreadPriority.
java_lang_Thread* MakeMainThread();

// A native with no effect (platform/application_lifecycle.cpp).
void EmptyNative(void* a, void* b);
