// java.util.TimerTask's state under its lock, and java.util.TaskQueue's binary heap. Heap
// positions run from 1, so the children of k are 2k and 2k + 1 and its parent k / 2.
#include "javame/time_arith.h"
#include "javame/timer.h"
#include "runtime/array.h"
#include "runtime/monitor.h"
#include "runtime/system.h"
#include "runtime/trace.h"

// ---- Tasks --------------------------------------------------------------------------------

java_util_TimerTask::java_util_TimerTask() {
  RegisterReferenceFields(this, &lock);
  lock = NewObject<Object>();
}

void* java_util_TimerTask::getInterface(int32_t interfaceId) {
  return interfaceId == cid::java_lang_Runnable ? static_cast<java_lang_Runnable*>(this) : nullptr;
}

bool java_util_TimerTask::cancel() {
  MonitorScope guard(lock);
  const bool wasScheduled = state == kScheduled;
  state = kCancelled;
  return wasScheduled;
}

int64_t java_util_TimerTask::scheduledExecutionTime() {
  MonitorScope guard(lock);
  return period < 0 ? SaturatingAdd(nextExecutionTime, period)
                    : SaturatingSub(nextExecutionTime, period);
}

// ---- The heap -----------------------------------------------------------------------------

java_util_TaskQueue::java_util_TaskQueue() {
  RegisterReferenceFields(this, &queue);
  queue = NewObjectArray(cid::java_util_TimerTask, kInitialLength);
}

bool java_util_TaskQueue::isEmpty() {
  return size == 0;
}

void java_util_TaskQueue::clear() {
  for (int32_t k = 1; k <= size; k++) queue->elements()[k] = nullptr;
  size = 0;
}

java_util_TimerTask* java_util_TaskQueue::at(int32_t k) {
  return static_cast<java_util_TimerTask*>(queue->elements()[k]);
}

void java_util_TaskQueue::swap(int32_t a, int32_t b) {
  Object** slots = queue->elements();
  Object* held = slots[a];
  slots[a] = slots[b];
  slots[b] = held;
}

// A new size equal to the length would leave no room at position size: the array doubles
// first. The old array keeps the tasks until the new one holds them, so a failed growth
// loses nothing.
bool java_util_TaskQueue::add(java_util_TimerTask* task) {
  const int32_t length = queue ? queue->length : 0;
  if (size + 1 >= length) {
    const int64_t grown = length > 0 ? int64_t{length} * 2 : kInitialLength;
    ObjectArray* bigger =
        grown <= INT32_MAX ? NewObjectArray(cid::java_util_TimerTask, static_cast<int32_t>(grown))
                           : nullptr;
    if (!bigger || bigger->length != grown) {
      DebugLog("java_util_TaskQueue::add(): no memory for %lld task slots; the task is not queued",
               static_cast<long long>(grown));
      return false;
    }
    if (queue) java_lang_System::arraycopy(queue, 0, bigger, 0, size + 1);
    queue = bigger;
  }
  size++;
  queue->elements()[size] = task;
  fixUp(size);
  return true;
}

java_util_TimerTask* java_util_TaskQueue::getMin() {
  return at(1);
}

void java_util_TaskQueue::removeMin() {
  Object** slots = queue->elements();
  slots[1] = slots[size];
  slots[size] = nullptr;
  size--;
  fixDown(1);
}

void java_util_TaskQueue::rescheduleMin(int64_t time) {
  at(1)->nextExecutionTime = time;
  fixDown(1);
}

void java_util_TaskQueue::fixUp(int32_t k) {
  while (k > 1) {
    const int32_t j = k / 2;
    if (at(j)->nextExecutionTime <= at(k)->nextExecutionTime) break;
    swap(j, k);
    k = j;
  }
}

void java_util_TaskQueue::fixDown(int32_t k) {
  while (k <= size / 2) {  // k has a child; 2k cannot overflow
    int32_t j = 2 * k;
    if (j < size && at(j)->nextExecutionTime > at(j + 1)->nextExecutionTime) j++;
    if (at(k)->nextExecutionTime <= at(j)->nextExecutionTime) break;
    swap(k, j);
    k = j;
  }
}
