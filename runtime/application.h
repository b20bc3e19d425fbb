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
  // Destroys the MIDlet, forgets the current objects, frees every object (finalisers still
  // find the static block), then releases everything init made.
  void close();

  // ---- Lifecycle: platform/application_lifecycle.cpp ----
  // Makes the application object, records it as the running MIDlet and starts it.
  void startApp();
  // Pause and resume through the MIDlet and the current Displayable; each only when both
  // exist and the paused flag says it has not happened yet.
  void pause();
  void resume();
  // Destroys the running MIDlet (destroyApp(true)); traced.
  void destoryMIDlet();
  // The current Displayable's keyPressed or keyReleased with a MIDP key code; dropped when
  // there is none.
  void keyPressed(int32_t code);
  void keyReleased(int32_t code);

  // ---- Frame paint: platform/application_paint.cpp ----
  // Takes the screen image and makes the screen graphics on it.
  void setScreenGraphics(javax_microedition_lcdui_Image* image);
  // One frame: resets the screen graphics (translation 0, 0, clip the whole screen, colour
  // white), paints the current Displayable with it and asks for a collection.
  void paint();

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
