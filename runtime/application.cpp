// The application record's start-up, shut-down and stack-trace services.
#include "runtime/application.h"

#include <cstring>

#include "runtime/memory_manager.h"
#include "runtime/object_manager.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "runtime/trace.h"

void Application::init(int32_t objectHeapSize, int32_t dataHeapSize) {
  memset(static_cast<void*>(this), 0, sizeof *this);
  DebugLog("new MemoryManagers");
  objectHeap = new MemoryManager(objectHeapSize, false);
  dataHeap = new MemoryManager(dataHeapSize, true);
  DebugLog("new ObjectManager");
  objectManager = new ObjectManager(this);
  DebugLog("new StaticClass");
  staticClass = NewStaticClass();
  DebugLog("Application::init");
  staticClass->initializeCore(objectManager);
}

void Application::close() {
  DebugLog("Application::close");
  destoryMIDlet();
  m_midlet = nullptr;
  currentDisplayable = nullptr;
  screenImage = nullptr;
  m_screenGraphics = nullptr;
  sharedStringBuffer = nullptr;
  // Every object goes before the static block, so finalisers still find the class table.
  if (objectManager) objectManager->gc(kGcReleaseAll);
  Class::freeAllReferenceFields();
  delete staticClass;
  staticClass = nullptr;
  delete objectManager;
  objectManager = nullptr;
  delete objectHeap;
  objectHeap = nullptr;
  delete dataHeap;
  dataHeap = nullptr;
}

void Application::logStackTrace() {
  PrintStackTrace();
}

String* Application::getStackTraceString() {
  char text[kStackTraceTextSize];
  FormatStackTrace(text, sizeof text);
  return NewJavaString(text);
}
