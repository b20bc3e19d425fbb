// The application record's start-up, shut-down and stack-trace services.
#include "runtime/application.h"

#include <cstring>

#include "runtime/static_class.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {
Application* currentApplication = nullptr;
}

Application* GetApplication() { return currentApplication; }

void SetApplication(Application* application) { currentApplication = application; }

void Application::init() {
  memset(static_cast<void*>(this), 0, sizeof *this);
  DebugLog("new StaticClass");
  staticClass = new StaticClass();
  DebugLog("Application::init");
  staticClass->fillClassTable();
}

void Application::close() {
  DebugLog("Application::close");
  m_midlet = nullptr;
  currentDisplayable = nullptr;
  screenImage = nullptr;
  m_screenGraphics = nullptr;
  sharedStringBuffer = nullptr;
  Class::freeAllReferenceFields();
  delete staticClass;
  staticClass = nullptr;
}

void Application::logStackTrace() { PrintStackTrace(); }

String* Application::getStackTraceString() {
  char text[kStackTraceTextSize];
  FormatStackTrace(text, sizeof text);
  return NewJavaString(text);
}
