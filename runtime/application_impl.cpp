// The runtime context's life (construction, init, close) and its thread-table operations.
#include "runtime/application_impl.h"

#include <cstdlib>

#include "host/clock.h"
#include "host/thread.h"
#include "runtime/monitor.h"
#include "runtime/object_manager.h"
#include "runtime/safe_region.h"
#include "runtime/thread_table.h"

namespace {

std::atomic<ApplicationImpl*> currentContext{nullptr};

// Tables that threads left parked by a close still use: never freed, and kept reachable
// here for the life of the process.
struct KeptTables {
  ThreadTable* threads;
  MonitorTable* monitors;
  KeptTables* next;
};
KeptTables* keptTables = nullptr;

}  // namespace

ApplicationImpl* GetApplicationImpl() {
  return currentContext.load(std::memory_order_acquire);
}

Application* GetApplication() {
  ApplicationImpl* context = GetApplicationImpl();
  return context ? context->application : nullptr;
}

// ---------------------------------------------------------------------------------------
// Life

ApplicationImpl::ApplicationImpl()
    : application(new Application()),
      display(nullptr),
      backBuffer(nullptr),
      pocketPC(0),
      running(1),
      paintState(0),
      paintingEnabled(false),
      threads_(new ThreadTable()),
      monitors_(new MonitorTable()),
      mainThread_(nullptr),
      closed_(false) {
  currentContext.store(this, std::memory_order_release);
}

ApplicationImpl::~ApplicationImpl() {
  close();
  ApplicationImpl* self = this;
  currentContext.compare_exchange_strong(self, nullptr);
}

int32_t ApplicationImpl::init(int32_t objectHeapSize, int32_t dataHeapSize) {
  mainThread_ = MakeMainThread();
  bool added;
  const int32_t slot = threads_->registerThread(mainThread_, &added);
  threads_->attach(slot);
  threads_->unpark(slot);
  application->init(objectHeapSize, dataHeapSize);
  // The screen image, its graphics and the MIDlet's start follow in initApplication, once the
  // static block can start (it needs the game's data).
  return 1;
}

// The stop is never resumed: the threads it parks stay parked until the process ends. The
// final collection inside Application::close nests in it, and its finalisers still find the
// monitor table they release records into.
void ApplicationImpl::close() {
  if (closed_.exchange(true)) return;
  running = 0;
  if (mainThread_) {
    stopTheWorld();
    application->close();
    const int32_t slot = threads_->findThread(mainThread_);
    if (slot >= 0) threads_->freeSlot(slot);
    free(mainThread_);
    mainThread_ = nullptr;
  }
  delete application;
  application = nullptr;
  // The screen image over the back buffer went with the objects; the buffer may go now.
  closeDisplay();
  backBuffer = nullptr;
  releaseTables();
}

void ApplicationImpl::releaseTables() {
  if (threads_->hasOtherThreads(host::CurrentThreadId())) {
    keptTables = new KeptTables{threads_, monitors_, keptTables};
  } else {
    delete threads_;
    delete monitors_;
  }
  threads_ = nullptr;
  monitors_ = nullptr;
}

// ---------------------------------------------------------------------------------------
// Threads

int32_t ApplicationImpl::registerThread(java_lang_Thread* thread, bool* added) {
  *added = false;
  return threads_ ? threads_->registerThread(thread, added) : -1;
}

int32_t ApplicationImpl::findThread(const java_lang_Thread* thread) {
  return threads_ ? threads_->findThread(thread) : -1;
}

int32_t ApplicationImpl::findThreadById(uint32_t threadId) {
  return threads_ ? threads_->findThreadById(threadId) : -1;
}

void ApplicationImpl::stopTheWorld() {
  if (!threads_) return;
  SafeRegion waiting;  // while another thread's stop is in force
  threads_->stopTheWorld();
}

void ApplicationImpl::resumeTheWorld() {
  if (threads_) threads_->resumeTheWorld();
}

void ApplicationImpl::scanThreadStacks(ObjectManager* manager, const void* callerStackTop) {
  ThreadStack stacks[kThreadSlotCount];
  const int32_t count = threads_->threadStacks(stacks, callerStackTop);
  // A thread object is a managed object whose header starts the reference.
  for (int32_t i = 0; i < count; i++) {
    manager->mark(reinterpret_cast<Object*>(stacks[i].thread));
    if (stacks[i].low) manager->scanRange(stacks[i].low, stacks[i].high);
  }
}
