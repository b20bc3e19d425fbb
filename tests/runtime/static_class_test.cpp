#include "runtime/static_class.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "runtime/array.h"
#include "runtime/class_table_data.h"
#include "runtime/constant_pool.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/runtime_data_fixture.h"
#include "tests/support/string_text.h"

namespace {

using StaticClassTest = CollectorFixture;

TEST_F(StaticClassTest, CoreStartUpZeroesTheStaticsAndKeepsTheClassRecordHeaders) {
  // A block over memory full of a non-zero pattern; it lives to the end of the process, as
  // the manager keeps its root table.
  alignas(StaticClass) static unsigned char storage[sizeof(StaticClass)];
  memset(storage, 0xAB, sizeof storage);
  auto* block = new (storage) StaticClass();
  block->initializeCore(manager());

  const auto* statics = reinterpret_cast<const unsigned char*>(static_cast<StaticFields*>(block));
  EXPECT_TRUE(
      std::all_of(statics, statics + sizeof(StaticFields), [](unsigned char b) { return b == 0; }));
  EXPECT_EQ(block->constantPool.object, nullptr);
  for (int32_t i = 0; i < kClassCount; i++) {
    const Class& record = block->classes[i];
    EXPECT_EQ(record.classId, cid::Class) << i;
    EXPECT_EQ(record.collectable, 0) << i;
    EXPECT_TRUE(record.marked()) << i;
    EXPECT_EQ(record.id, i);
    EXPECT_STREQ(record.name, kClassNames[i]);
  }
}

// Every slot of the root table lies in the statics area, and an object held by nothing but
// a static lives exactly as long as the static holds it.
TEST_F(StaticClassTest, EveryReferenceStaticIsARoot) {
  StaticClass* block = application_.getStaticClass();
  const auto* first = reinterpret_cast<const char*>(static_cast<StaticFields*>(block));
  std::vector<int32_t> ids;
  for (int32_t i = 0; i < kStaticRootCount; i++) {
    const auto* slot = reinterpret_cast<const char*>(block->staticRoots[i]);
    ASSERT_TRUE(slot >= first && slot + sizeof(Object*) <= first + sizeof(StaticFields)) << i;
    ids.push_back(i);
  }
  Deep([&] {
    for (int32_t i = 0; i < kStaticRootCount; i++) *block->staticRoots[i] = NewNode(i);
  });
  manager()->gc(kGcForced);
  EXPECT_TRUE(finalizedIds.empty());
  for (int32_t i = 0; i < kStaticRootCount; i++) *block->staticRoots[i] = nullptr;
  manager()->gc(kGcForced);
  EXPECT_EQ(Sorted(finalizedIds), ids);
}

using StaticStartUpTest = RuntimeWithDataTest;

TEST_F(StaticStartUpTest, LoadsThePoolThenRunsTheInitialisersInTheirOrder) {
  PlantPool({u"first", u"second"});
  StaticClass* block = application_.getStaticClass();
  ASSERT_TRUE(block->initialize());
  EXPECT_EQ(UnitsOf(GetConstantString(1)), u"second");
  // Bubble::staticInit sizes the collision grid from the canvas that cGame::clinitTables set
  // before it: 480 / 8 + 1 by 800 / 8 + 1 cells.
  EXPECT_EQ(block->Bubble_gridColumns, 61);
  EXPECT_EQ(block->Bubble_gridRows, 101);
  ObjectArray* grid = block->Bubble_collisionGrid;
  ASSERT_EQ(grid->length, 61);
  for (int32_t column = 0; column < grid->length; column++) {
    EXPECT_EQ(static_cast<ObjectArray*>(grid->elements()[column])->length, 101) << column;
  }
  EXPECT_EQ(block->cActor_actorPool->length, 300);
}

TEST_F(StaticStartUpTest, AMissingPoolStopsStartUpBeforeAnyInitialiser) {
  StaticClass* block = application_.getStaticClass();
  EXPECT_FALSE(block->initialize());
  EXPECT_EQ(block->cGame_canvasWidth, 0);
  EXPECT_EQ(block->Bubble_collisionGrid.object, nullptr);
}

}  // namespace
