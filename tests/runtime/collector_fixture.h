// Collector tests: a runtime on a test clock, a node class that records its finalisation,
// and a way to make objects whose addresses are left on no scanned part of the stack.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "host/clock.h"
#include "runtime/application_impl.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"
#include "tests/support/test_class_ids.h"

// Ids of the nodes finalised so far, in order.
inline std::vector<int32_t> finalizedIds;

// A small object with two reference fields; finalize records its id.
class Node : public Object {
 public:
  static constexpr int16_t kClassId = test_class_id::kNode;
  explicit Node(int32_t nodeId) : id(nodeId) { RegisterReferenceFields(this, &next, &other); }
  void finalize() override { finalizedIds.push_back(id); }

  Node* next;
  Object* other;
  int32_t id;
};

inline Node* NewNode(int32_t id) {
  return NewObject<Node>(id);
}

template <class Make>
__attribute__((noinline)) void RunInOwnFrame(Make& make) {
  make();
}

// Runs make in frames far below the caller's (under a frame of padding), so whatever
// addresses it leaves in dead stack slots lie deeper than a later collection's own frames
// and are never scanned.
template <class Make>
__attribute__((noinline)) void Deep(Make make) {
  volatile char pad[48 * 1024];
  pad[0] = 0;
  RunInOwnFrame(make);
  pad[sizeof pad - 1] = 0;
}

inline std::vector<int32_t> Sorted(std::vector<int32_t> ids) {
  std::sort(ids.begin(), ids.end());
  return ids;
}

// A runtime brought up on a manual clock, with heaps of the given sizes.
class CollectorFixture : public ::testing::Test {
 protected:
  explicit CollectorFixture(int32_t objectHeapSize = kObjectHeapSize,
                            int32_t dataHeapSize = kDataHeapSize)
      : objectHeapSize_(objectHeapSize), dataHeapSize_(dataHeapSize) {}

  void SetUp() override {
    finalizedIds.clear();
    host::UseClock(&clock_);
    context_.init(objectHeapSize_, dataHeapSize_);
  }
  void TearDown() override {
    ClearPendingException();
    context_.close();
    host::UseClock(nullptr);
  }

  ObjectManager* manager() { return application_.objectManager; }

  host::ManualClock clock_{100000};
  ApplicationImpl context_;
  Application& application_ = *context_.application;

 private:
  int32_t objectHeapSize_;
  int32_t dataHeapSize_;
};
