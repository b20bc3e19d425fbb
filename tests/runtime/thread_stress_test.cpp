// Three Java threads pass parcels round a ring of mailboxes through monitors, allocating as
// they go, while the main thread forces a collection every few milliseconds. Every parcel
// carries its sender, a sequence number, a payload and its checksum, and a text; the
// receiver checks all of them. Runs 30 s; PLIMORA_STRESS_SECONDS sets another length.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>

#include "host/clock.h"
#include "runtime/array.h"
#include "runtime/monitor.h"
#include "runtime/string.h"
#include "runtime/trace.h"
#include "tests/runtime/thread_fixture.h"
#include "tests/support/env_count.h"
#include "tests/support/test_class_ids.h"

namespace {

constexpr int32_t kWorkers = 3;
constexpr int32_t kDefaultSeconds = 30;
constexpr int32_t kCollectionPauseMs = 3;
// Small heaps, so the workers' own allocations fill them and collect and compact too.
constexpr int32_t kStressObjectHeapSize = 512 * 1024;
constexpr int32_t kStressDataHeapSize = 1024 * 1024;

class Parcel : public Object {
 public:
  static constexpr int16_t kClassId = test_class_id::kParcel;
  Parcel() { RegisterReferenceFields(this, &payload, &text); }
  IntArray* payload;
  String* text;
  int32_t sender;
  int32_t sequence;
  uint32_t checksum;
};

// One parcel at a time; its monitor guards the slot.
class Mailbox : public Object {
 public:
  static constexpr int16_t kClassId = test_class_id::kMailbox;
  Mailbox() { RegisterReferenceFields(this, &slot); }
  Parcel* slot;
};

std::atomic<bool> stopping{false};
std::atomic<int64_t> failures{0};
std::mutex firstFailureLock;
std::string firstFailure;

void Fail(const char* what, int32_t worker, int32_t sequence) {
  if (failures++ > 0) return;
  std::lock_guard<std::mutex> guard(firstFailureLock);
  firstFailure = std::string(what) + " (worker " + std::to_string(worker) + ", parcel " +
                 std::to_string(sequence) + ")";
}

int32_t PayloadLength(int32_t sequence) {
  return 1 + sequence * 37 % 300;
}

int32_t PayloadValue(int32_t sender, int32_t sequence, int32_t i) {
  return sequence * 7919 + i * 31 + sender;
}

std::string ParcelText(int32_t sender, int32_t sequence) {
  return "parcel " + std::to_string(sender) + "/" + std::to_string(sequence);
}

uint32_t Checksum(IntArray* payload) {
  uint32_t sum = 0;
  const int32_t* values = payload->elements();
  for (int32_t i = 0; i < payload->length; i++) sum = sum * 33 + static_cast<uint32_t>(values[i]);
  return sum;
}

// A parcel and some garbage beside it; null when the heap could not give it (a failure).
Parcel* MakeParcel(int32_t sender, int32_t sequence) {
  for (int32_t i = 0; i < 3; i++) NewIntArray(PayloadLength(sequence + i));
  Parcel* parcel = NewObject<Parcel>();
  IntArray* payload = NewIntArray(PayloadLength(sequence));
  String* text = NewJavaString(ParcelText(sender, sequence).c_str());
  if (!parcel || !payload || !text) return nullptr;
  for (int32_t i = 0; i < payload->length; i++)
    payload->elements()[i] = PayloadValue(sender, sequence, i);
  parcel->payload = payload;
  parcel->text = text;
  parcel->sender = sender;
  parcel->sequence = sequence;
  parcel->checksum = Checksum(payload);
  return parcel;
}

void Check(Parcel* parcel, int32_t receiver, int32_t sender, int32_t sequence) {
  if (parcel->classId != Parcel::kClassId)
    return Fail("received a released or foreign object", receiver, sequence);
  if (parcel->sender != sender || parcel->sequence != sequence)
    return Fail("out of order", receiver, sequence);
  IntArray* payload = parcel->payload;
  if (!payload || payload->classId != cid::IntArray || payload->length != PayloadLength(sequence)) {
    return Fail("payload lost", receiver, sequence);
  }
  if (Checksum(payload) != parcel->checksum) return Fail("payload changed", receiver, sequence);
  for (int32_t i = 0; i < payload->length; i++) {
    if (payload->elements()[i] != PayloadValue(sender, sequence, i))
      return Fail("payload value", receiver, sequence);
  }
  String* text = parcel->text;
  if (!text || text->classId != cid::String) return Fail("text lost", receiver, sequence);
  if (!text->equalsChars(ParcelText(sender, sequence).c_str())) {
    return Fail("text changed", receiver, sequence);
  }
}

// False when stopping.
bool Put(Mailbox* box, Parcel* parcel) {
  MonitorScope scope(box);
  while (box->slot && !stopping) Monitor::wait(box, 0);
  if (stopping) return false;
  box->slot = parcel;
  Monitor::notifyAll(box);
  return true;
}

Parcel* Take(Mailbox* box) {
  MonitorScope scope(box);
  while (!box->slot && !stopping) Monitor::wait(box, 0);
  Parcel* parcel = box->slot;
  box->slot = nullptr;
  Monitor::notifyAll(box);
  return parcel;
}

class Worker : public java_lang_Thread {
 public:
  static constexpr int16_t kClassId = cid::java_util_TimerThread;
  Worker(int32_t workerIndex, Mailbox* in, Mailbox* out)
      : inbox(in), outbox(out), index(workerIndex) {
    RegisterReferenceFields(this, &inbox, &outbox);
  }

  // Sends to the next worker, receives from the one before, passing a safe point now and
  // then (as the game's loops sleep every frame).
  void run() override {
    const int32_t from = (index + kWorkers - 1) % kWorkers;
    for (int32_t sequence = 0; !stopping; sequence++) {
      Parcel* parcel = MakeParcel(index, sequence);
      if (!parcel) return Fail("allocation failed", index, sequence);
      if (!Put(outbox, parcel)) return;
      Parcel* incoming = Take(inbox);
      if (!incoming) return;
      Check(incoming, index, from, sequence);
      received++;
      if (sequence % 16 == 0) java_lang_Thread::yield();
    }
  }

  Mailbox* inbox;
  Mailbox* outbox;
  int32_t index;
  std::atomic<int64_t> received;
};

// Keeps the trace lines that are not the expected ones (sleepers parking, heaps filling).
class UnexpectedTrace {
 public:
  UnexpectedTrace() { SetTraceSink(&UnexpectedTrace::Receive, this); }
  ~UnexpectedTrace() { SetTraceSink(nullptr, nullptr); }
  std::vector<std::string> lines;

 private:
  static void Receive(const char* line, void* user) {
    const std::string text = line;
    if (text.rfind("java_lang_Thread::sleep(): thread ", 0) == 0) return;
    auto* self = static_cast<UnexpectedTrace*>(user);
    if (self->lines.size() < 20) self->lines.push_back(text);
  }
};

int32_t StressSeconds() {
  return EnvCount("PLIMORA_STRESS_SECONDS", kDefaultSeconds);
}

TEST(ThreadStressTest, ParcelsPassIntactThroughMonitorsWhileCollectionsRun) {
  ApplicationImpl context;
  context.init(kStressObjectHeapSize, kStressDataHeapSize);
  UnexpectedTrace trace;
  Mailbox* boxes[kWorkers];
  Worker* workers[kWorkers];
  for (Mailbox*& box : boxes) box = NewObject<Mailbox>();
  for (int32_t i = 0; i < kWorkers; i++)
    workers[i] = NewObject<Worker>(i, boxes[i], boxes[(i + 1) % kWorkers]);
  for (Worker* worker : workers) ASSERT_GE(worker->nativeStart(), 0);

  ObjectManager* manager = context.application->objectManager;
  const uint32_t end = host::RealTickCount() + static_cast<uint32_t>(StressSeconds()) * 1000;
  int64_t collections = 0;
  while (static_cast<int32_t>(end - host::RealTickCount()) > 0 && failures == 0) {
    manager->gc(kGcForced);
    collections++;
    java_lang_Thread::sleep(kCollectionPauseMs);
  }
  stopping = true;
  for (Mailbox* box : boxes) {
    MonitorScope scope(box);
    Monitor::notifyAll(box);
  }
  WaitForActiveCount(1);

  EXPECT_EQ(failures.load(), 0) << firstFailure;
  EXPECT_TRUE(trace.lines.empty()) << trace.lines.front();
  for (Worker* worker : workers) EXPECT_GT(worker->received.load(), 0);
  EXPECT_GT(collections, 0);
  printf("%lld forced collections; parcels received: %lld, %lld, %lld\n",
         static_cast<long long>(collections), static_cast<long long>(workers[0]->received.load()),
         static_cast<long long>(workers[1]->received.load()),
         static_cast<long long>(workers[2]->received.load()));
  context.close();
}

}  // namespace
