#include "runtime/static_class.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "registry/static_fields.h"
#include "runtime/array.h"
#include "runtime/class_table_data.h"
#include "runtime/constant_pool.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/runtime_data_fixture.h"
#include "tests/support/string_text.h"

namespace {

using StaticClassTest = CollectorFixture;

// Whether every static of the block reads zero (null for a reference).
bool EveryStaticIsZero(const StaticBlock& block) {
  bool zero = true;
#define PLIMORA_ZERO_REF(owner, type, name) zero = zero && block.owner##_##name.object == nullptr;
#define PLIMORA_ZERO_VALUE(owner, type, name) zero = zero && block.owner##_##name == type{};
  PLIMORA_STATIC_FIELDS(PLIMORA_ZERO_REF, PLIMORA_ZERO_VALUE)
#undef PLIMORA_ZERO_REF
#undef PLIMORA_ZERO_VALUE
  return zero;
}

TEST_F(StaticClassTest, CoreStartUpZeroesTheStaticsAndKeepsTheClassRecordHeaders) {
  // A block over memory full of a non-zero pattern; it lives to the end of the process, as
  // the manager keeps its root table.
  alignas(StaticBlock) static unsigned char storage[sizeof(StaticBlock)];
  memset(storage, 0xAB, sizeof storage);
  auto* block = new (storage) StaticBlock();
  block->initializeCore(manager());

  EXPECT_TRUE(EveryStaticIsZero(*block));
  EXPECT_EQ(block->constantPool.object, nullptr);
  EXPECT_EQ(block->blockBytes(), static_cast<int32_t>(sizeof(StaticBlock)));
  for (int32_t i = 0; i < kClassCount; i++) {
    const Class& record = block->classes[i];
    EXPECT_EQ(record.classId, cid::Class) << i;
    EXPECT_EQ(record.collectable, 0) << i;
    EXPECT_TRUE(record.marked()) << i;
    EXPECT_EQ(record.id, i);
    EXPECT_STREQ(record.name, kClassNames[i]);
  }
}

// The root table holds the slot of every reference static of every floor, each once, and an
// object held by nothing but a static lives exactly as long as the static holds it.
TEST_F(StaticClassTest, EveryReferenceStaticIsARoot) {
  auto* block = static_cast<StaticBlock*>(application_.getStaticClass());
  std::vector<Object**> slots;
#define PLIMORA_SLOT_OF(owner, type, name) slots.push_back(&block->owner##_##name.object);
  PLIMORA_STATIC_FIELDS(PLIMORA_SLOT_OF, PLIMORA_SKIP_STATIC)
#undef PLIMORA_SLOT_OF
  EXPECT_EQ(std::vector<Object**>(block->staticRoots, block->staticRoots + kStaticRootCount),
            slots);
  std::sort(slots.begin(), slots.end());
  EXPECT_EQ(std::adjacent_find(slots.begin(), slots.end()), slots.end());
  // Statics of the device floor and of the game are both in the table.
  EXPECT_NE(std::find(slots.begin(), slots.end(), &block->java_lang_System_out.object),
            slots.end());
  EXPECT_NE(std::find(slots.begin(), slots.end(), &block->cGame_lzmaOutput.object), slots.end());

  std::vector<int32_t> ids;
  for (int32_t i = 0; i < kStaticRootCount; i++) ids.push_back(i);
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
  auto* block = static_cast<StaticBlock*>(application_.getStaticClass());
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
  auto* block = static_cast<StaticBlock*>(application_.getStaticClass());
  EXPECT_FALSE(block->initialize());
  EXPECT_EQ(block->cGame_canvasWidth, 0);
  EXPECT_EQ(block->Bubble_collisionGrid.object, nullptr);
}

}  // namespace
