#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "javame/timer.h"
#include "runtime/array.h"
#include "runtime/instance_factory.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class PlainTask : public java_util_TimerTask {
 public:
  void run() override {}
};

class TaskQueueTest : public LibraryTest {
 protected:
  static java_util_TimerTask* TaskAt(int64_t time) {
    auto* task = NewObject<PlainTask>();
    task->nextExecutionTime = time;
    return task;
  }
  // Every position's task is due no later than its children; position 0 and those past the
  // size are empty.
  static bool HeapOrdered(java_util_TaskQueue* q) {
    Object** slots = q->queue->elements();
    if (slots[0]) return false;
    for (int32_t k = 1; k <= q->size; k++) {
      auto* task = static_cast<java_util_TimerTask*>(slots[k]);
      if (!task) return false;
      for (int32_t child : {2 * k, 2 * k + 1}) {
        if (child <= q->size && static_cast<java_util_TimerTask*>(slots[child])->nextExecutionTime <
                                    task->nextExecutionTime) {
          return false;
        }
      }
    }
    for (int32_t k = q->size + 1; k < q->queue->length; k++) {
      if (slots[k]) return false;
    }
    return true;
  }
};

// Position 0 stays empty, so the fourth task's size reaches the length of four.
TEST_F(TaskQueueTest, TheFourthTaskGrowsTheArrayFromFourToEight) {
  auto* q = NewObject<java_util_TaskQueue>();
  ASSERT_EQ(q->queue->length, java_util_TaskQueue::kInitialLength);
  std::vector<int32_t> lengths;
  for (int64_t time : {40, 30, 20, 10, 50, 60, 70, 80}) {
    ASSERT_TRUE(q->add(TaskAt(time)));
    lengths.push_back(q->queue->length);
  }
  EXPECT_EQ(lengths, (std::vector<int32_t>{4, 4, 4, 8, 8, 8, 8, 16}));
  EXPECT_EQ(q->size, 8);
  EXPECT_EQ(q->getMin()->nextExecutionTime, 10);
  EXPECT_TRUE(HeapOrdered(q));
}

TEST_F(TaskQueueTest, RemoveMinGivesTheTasksInTimeOrderWhateverTheOrderOfAdding) {
  std::mt19937 random(48);
  std::vector<int64_t> times;
  for (int32_t i = 0; i < 200; i++) times.push_back(random() % 50 - 10);  // repeats, negatives
  auto* q = NewObject<java_util_TaskQueue>();
  for (int64_t time : times) {
    ASSERT_TRUE(q->add(TaskAt(time)));
    ASSERT_TRUE(HeapOrdered(q));
  }
  std::sort(times.begin(), times.end());
  std::vector<int64_t> taken;
  while (!q->isEmpty()) {
    taken.push_back(q->getMin()->nextExecutionTime);
    q->removeMin();
    ASSERT_TRUE(HeapOrdered(q));
  }
  EXPECT_EQ(taken, times);
}

TEST_F(TaskQueueTest, RescheduleMinMovesTheFirstTaskToItsNewPlace) {
  auto* q = NewObject<java_util_TaskQueue>();
  java_util_TimerTask* first = TaskAt(10);
  for (java_util_TimerTask* task : {first, TaskAt(20), TaskAt(30), TaskAt(40)}) q->add(task);
  q->rescheduleMin(35);
  EXPECT_TRUE(HeapOrdered(q));
  EXPECT_EQ(q->getMin()->nextExecutionTime, 20);
  EXPECT_EQ(first->nextExecutionTime, 35);
  q->removeMin();
  q->removeMin();
  EXPECT_EQ(q->getMin(), first);
}

TEST_F(TaskQueueTest, ClearForgetsEveryTask) {
  auto* q = NewObject<java_util_TaskQueue>();
  for (int64_t time : {3, 1, 2, 5, 4}) q->add(TaskAt(time));
  q->clear();
  EXPECT_TRUE(q->isEmpty());
  EXPECT_TRUE(HeapOrdered(q));  // every position empty
  q->add(TaskAt(7));
  EXPECT_EQ(q->getMin()->nextExecutionTime, 7);
}

// A queue keeps its tasks alive; a removed task is free to go.
TEST_F(TaskQueueTest, QueuedTasksSurviveACollection) {
  auto* q = NewObject<java_util_TaskQueue>();
  for (int64_t time : {2, 1, 3, 4, 5}) q->add(TaskAt(time));
  CollectNow();
  std::vector<int64_t> taken;
  for (; !q->isEmpty(); q->removeMin()) taken.push_back(q->getMin()->nextExecutionTime);
  EXPECT_EQ(taken, (std::vector<int64_t>{1, 2, 3, 4, 5}));
}

TEST_F(TaskQueueTest, TheFactoryMakesAnEmptyQueueAndAThreadWithoutOne) {
  auto* q =
      static_cast<java_util_TaskQueue*>(NewInstanceFactory::newInstance(cid::java_util_TaskQueue));
  ASSERT_NE(q, nullptr);
  EXPECT_TRUE(q->isEmpty());
  EXPECT_EQ(q->queue->length, java_util_TaskQueue::kInitialLength);
  auto* thread = static_cast<java_util_TimerThread*>(
      NewInstanceFactory::newInstance(cid::java_util_TimerThread));
  ASSERT_NE(thread, nullptr);
  EXPECT_EQ(thread->queue, nullptr);
  EXPECT_EQ(thread->newTasksMayBeScheduled, 1);
  TraceCapture trace;
  thread->run();  // no queue: the null check, then the thread ends
  EXPECT_TRUE(trace.contains("NullPointer"));
}

// The task's state and times under its lock.
TEST_F(TaskQueueTest, ATaskCancelsOnceAndReportsItsPlannedTime) {
  struct Row {
    int32_t state;
    bool cancelled;
  };
  const Row rows[] = {{java_util_TimerTask::kVirgin, false},
                      {java_util_TimerTask::kScheduled, true},
                      {java_util_TimerTask::kExecuted, false},
                      {java_util_TimerTask::kCancelled, false}};
  for (const Row& row : rows) {
    auto* task = NewObject<PlainTask>();
    task->state = row.state;
    EXPECT_EQ(task->cancel(), row.cancelled) << row.state;
    EXPECT_EQ(task->state, java_util_TimerTask::kCancelled);
  }
  auto* task = TaskAt(1000);
  EXPECT_EQ(task->scheduledExecutionTime(), 1000);  // one-shot
  task->period = 100;                               // fixed rate: planned one period back
  EXPECT_EQ(task->scheduledExecutionTime(), 900);
  task->period = -100;  // fixed delay: the next run is one period after the last began
  EXPECT_EQ(task->scheduledExecutionTime(), 900);
  EXPECT_TRUE(InstanceOf(task, cid::java_lang_Runnable));
}

}  // namespace
