// The application's MIDP lifecycle: starting the MIDlet, pause and resume, destroying it, and
// key delivery to the current Displayable. Called on the main thread.
#include "javame/displayable.h"
#include "javame/midlet.h"
#include "platform/application_class.h"
#include "platform/java_calls.h"
#include "runtime/application.h"
#include "runtime/application_impl.h"
#include "runtime/trace.h"

void Application::startApp() {
  m_midlet = NewApplicationObject();
  DebugLog("Application::startApp");
  if (!m_midlet) {
    DebugLog("Application::startApp(): no memory for the application object");
    return;
  }
  m_midlet->startApp();
  DropPendingExceptionOf("Application::startApp");
}

void Application::pause() {
  if (paused || !m_midlet || !currentDisplayable) return;
  m_midlet->pauseApp();
  DropPendingExceptionOf("Application::pause: pauseApp");
  currentDisplayable->hideNotify();
  DropPendingExceptionOf("Application::pause: hideNotify");
  paused = 1;
}

void Application::resume() {
  if (!paused || !m_midlet || !currentDisplayable) return;
  m_midlet->startApp();
  DropPendingExceptionOf("Application::resume: startApp");
  currentDisplayable->showNotify();
  DropPendingExceptionOf("Application::resume: showNotify");
  paused = 0;
}

void Application::destoryMIDlet() {
  DebugLog("Application::destoryMIDlet");
  if (!m_midlet) {
    DebugLog("m_midlet is already NULL.");
    return;
  }
  m_midlet->destroyApp(true);
  DropPendingExceptionOf("Application::destoryMIDlet");
}

void Application::keyPressed(int32_t code) {
  if (!currentDisplayable) return;
  currentDisplayable->keyPressed(code);
  DropPendingExceptionOf("Application::keyPressed");
}

void Application::keyReleased(int32_t code) {
  if (!currentDisplayable) return;
  currentDisplayable->keyReleased(code);
  DropPendingExceptionOf("Application::keyReleased");
}

void ApplicationImpl::noop1(Object*) {}

void ApplicationImpl::noop2() {}

void EmptyNative(void*, void*) {}
