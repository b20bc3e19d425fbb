// The one application record: the managed heaps, the object manager and the static block,
// the current objects the collector keeps alive, and the lifecycle flags.
#pragma once

#include <cstdint>

class MemoryManager;
class ObjectManager;
class StaticClass;
class String;
class StringBuffer;
class javax_microedition_midlet_MIDlet;
class javax_microedition_lcdui_Displayable;
class javax_microedition_lcdui_Image;
class javax_microedition_lcdui_Graphics;

// Arena sizes of the two managed heaps (bytes): objects, and bodies (array elements, string
// and string-buffer characters).
constexpr int32_t kObjectHeapSize = 4 * 1024 * 1024;
constexpr int32_t kDataHeapSize = 16 * 1024 * 1024;

class Application {
 public:
  // Makes the heaps, the object manager and the static block, and runs the block's core
  // start-up (StaticClass::initializeCore). The runtime context (ApplicationImpl) calls it
  // after registering the calling thread as the main Java thread.
  void init(int32_t objectHeapSize = kObjectHeapSize, int32_t dataHeapSize = kDataHeapSize);
  // Frees every object, then releases everything init made.
  void close();

  StaticClass* getStaticClass() { return staticClass; }
  ObjectManager* getObjectManager() { return objectManager; }

  // Writes the calling thread's stack trace with DebugLog.
  void logStackTrace();
  // The same text as a new String.
  String* getStackTraceString();

  // The current objects, roots of every collection.
  javax_microedition_midlet_MIDlet* m_midlet;
  javax_microedition_lcdui_Displayable* currentDisplayable;
  javax_microedition_lcdui_Image* screenImage;
  javax_microedition_lcdui_Graphics* m_screenGraphics;
  StringBuffer* sharedStringBuffer;  // the decoding buffer of String's byte constructors

  StaticClass* staticClass;
  ObjectManager* objectManager;
  MemoryManager* objectHeap;
  MemoryManager* dataHeap;

  uint8_t collectionForced;  // the next paint asks for a forced collection
  uint8_t paused;            // 1 while paused through Application::pause
};

// The current context's application (runtime/application_impl.cpp); null before one exists.
Application* GetApplication();
