#include "runtime/object_manager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "registry/static_fields.h"
#include "runtime/array.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"
#include "runtime/trace.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using ObjectManagerTest = CollectorFixture;

TEST(ApplicationHeapsTest, InitMakesTheHeapsThenTheManagerThenTheStaticBlock) {
  TraceCapture trace;
  ApplicationImpl context;
  context.init();
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"new MemoryManagers", "new ObjectManager",
                                                     "new StaticClass", "Application::init"}));
  Application& application = *context.application;
  EXPECT_EQ(application.objectHeap->heapSize(), kObjectHeapSize);
  EXPECT_FALSE(application.objectHeap->compacting());
  EXPECT_EQ(application.dataHeap->heapSize(), kDataHeapSize);
  EXPECT_TRUE(application.dataHeap->compacting());
  EXPECT_EQ(std::get_new_handler(), &OperatorNewFailed);
  context.close();
}

TEST_F(ObjectManagerTest, ObjectsComeZeroFilledFromTheObjectHeapAndAreListed) {
  const int32_t before = manager()->objectCount();
  auto* memory = static_cast<unsigned char*>(AllocObjectMemory(40, 0));
  ASSERT_NE(memory, nullptr);
  EXPECT_TRUE(application_.objectHeap->Contains(memory));
  for (int i = 0; i < 40; i++) ASSERT_EQ(memory[i], 0);
  EXPECT_EQ(manager()->objectCount(), before + 1);
  new (memory) Object;  // every listed block becomes an object before anything else runs
}

TEST_F(ObjectManagerTest, BodiesComeZeroFilledFromTheDataHeapAndAreNotListed) {
  const int32_t before = manager()->objectCount();
  for (void* body : {AllocDataMemory(24), AllocObjectMemory(24, 1)}) {
    ASSERT_NE(body, nullptr);
    EXPECT_TRUE(application_.dataHeap->Contains(body));
    EXPECT_EQ(memcmp(body, "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 24), 0);
    FreeDataMemory(body);
  }
  EXPECT_EQ(manager()->objectCount(), before);
  EXPECT_EQ(application_.dataHeap->usedBytes(), 0);
}

TEST_F(ObjectManagerTest, FreeDataMemoryRoutesEachBlockToItsHeap) {
  void* native = malloc(16);  // not from either heap: goes to the native heap's free
  FreeDataMemory(native);
  FreeDataMemory(nullptr);

  Node* volatile node = NewNode(1);
  TraceCapture trace;
  FreeDataMemory(node);  // objects are freed by the collector only
  ASSERT_EQ(trace.lines().size(), 1u);
  EXPECT_NE(trace.lines()[0].find("only the collector frees objects"), std::string::npos);
  EXPECT_EQ(node->id, 1);
  EXPECT_GT(application_.objectHeap->GetBlockSize(node), 0);
}

TEST_F(ObjectManagerTest, StableAddressesAreHeapOffsetsPlusABase) {
  Node* a = NewNode(1);
  Node* b = NewNode(2);
  EXPECT_GE(ObjectAddress32(a), 0x00100000u);
  EXPECT_EQ(ObjectAddress32(b) - ObjectAddress32(a),
            static_cast<uint32_t>(reinterpret_cast<char*>(b) - reinterpret_cast<char*>(a)));
  EXPECT_EQ(ObjectAddress32(a) - 0x00100000u,
            static_cast<uint32_t>(application_.objectHeap->offsetOf(a)));
}

TEST_F(ObjectManagerTest, OwnersRegisteredThroughTheEntryPointFollowACompaction) {
  struct Holder {
    void* body;
  } holder{AllocDataMemory(64)};
  memset(holder.body, 'x', 64);
  RegisterDataOwner(holder.body, &holder.body);
  void* before = holder.body;
  ForceDataHeapCompaction();
  EXPECT_NE(holder.body, before);
  EXPECT_EQ(static_cast<char*>(holder.body)[63], 'x');
  FreeDataMemory(holder.body);
}

// Per class: each object's block without its header plus the bytes of its body.
TEST_F(ObjectManagerTest, MemoryReportSumsBlocksAndBodiesPerClass) {
  Node* volatile nodes[2] = {NewNode(1), NewNode(2)};
  IntArray* volatile ints = NewIntArray(10);
  StringBuffer* volatile buffer = NewObject<StringBuffer>(8);
  buffer->append(u'a')->append(u'b');
  TraceCapture trace;
  manager()->memoryReport();

  auto block = [this](void* object) { return application_.objectHeap->GetBlockSize(object); };
  const int32_t nodeBytes = block(nodes[0]) + block(nodes[1]);
  const int32_t intBytes = block(ints) + 40;
  const int32_t bufferBytes = block(buffer) + 4;
  const int32_t staticBytes = static_cast<int32_t>(sizeof(StaticBlock));
  const std::vector<std::string> expected = {
      "Memory allocation:",
      "\tStringBuffer: " + std::to_string(bufferBytes) + " (1)",
      "\tIntArray: " + std::to_string(intBytes) + " (1)",
      "\tIBossMonkey: " + std::to_string(nodeBytes) + " (2)",
      "\tStaticClass: " + std::to_string(staticBytes),
      "\tTOTAL: " + std::to_string(nodeBytes + intBytes + bufferBytes + staticBytes) + " (4)",
  };
  EXPECT_EQ(trace.lines(), expected);
  EXPECT_EQ(block(nodes[0]), static_cast<int32_t>(sizeof(Node)));
}

TEST(OperatorNewFailedDeathTest, WritesItsLineAndEndsTheProcess) {
  EXPECT_DEATH(
      {
        SetTraceFile(stderr);
        OperatorNewFailed();
      },
      "ERROR: Operator new failed: out of store\\.");
}

}  // namespace
