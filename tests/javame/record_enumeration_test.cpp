// RecordEnumerationImpl over a real store: walking forward and back, the exceptions at both
// ends with the cursor left in place, and a live view of records added and deleted later.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "javame/record_enumeration.h"
#include "tests/javame/record_store_fixture.h"

namespace {

constexpr int32_t kInvalidId = cid::javax_microedition_rms_InvalidRecordIDException;

class RecordEnumerationTest : public RecordStoreTest {
 protected:
  using Enumeration = javax_microedition_rms_RecordEnumeration;

  // A store holding records "r1".."rN" under ids 1..N, and an enumeration over it.
  Enumeration* Over(int32_t records) {
    store_ = Open("e", true);
    for (int32_t id = 1; id <= records; id++) {
      const std::string text = "r" + std::to_string(id);
      store_->addRecord(Bytes(text), 0, static_cast<int32_t>(text.size()));
    }
    return store_->enumerateRecords(nullptr, nullptr, true);
  }

  Store* store_ = nullptr;
};

TEST_F(RecordEnumerationTest, IsTheInterfaceOfItsObject) {
  Enumeration* enumeration = Over(0);
  ASSERT_NE(enumeration, nullptr);
  auto* object = static_cast<javax_microedition_rms_RecordEnumerationImpl*>(enumeration);
  EXPECT_EQ(object->getInterface(cid::javax_microedition_rms_RecordEnumeration), enumeration);
  EXPECT_EQ(object->getInterface(cid::java_util_Enumeration), nullptr);
  EXPECT_FALSE(enumeration->isKeptUpdated());
}

TEST_F(RecordEnumerationTest, AnEmptyStoreHasNothingEitherWay) {
  Enumeration* enumeration = Over(0);
  EXPECT_FALSE(enumeration->hasNextElement());
  EXPECT_FALSE(enumeration->hasPreviousElement());
  EXPECT_EQ(enumeration->nextRecord(), nullptr);
  const Raised next = TakePending();
  EXPECT_EQ(next.classId, kInvalidId);
  EXPECT_EQ(next.message, "0");
  EXPECT_EQ(enumeration->previousRecordId(), 0);
  const Raised previous = TakePending();
  EXPECT_EQ(previous.classId, kInvalidId);
  EXPECT_EQ(previous.message, "-1");
}

TEST_F(RecordEnumerationTest, WalksForwardThenBackThroughTheSameRecords) {
  Enumeration* enumeration = Over(3);
  EXPECT_EQ(enumeration->numRecords(), 3);
  std::vector<std::string> forward;
  while (enumeration->hasNextElement()) forward.push_back(Text(enumeration->nextRecord()));
  EXPECT_EQ(forward, (std::vector<std::string>{"r1", "r2", "r3"}));

  // Past the last record: the cursor stays at the count.
  EXPECT_EQ(enumeration->nextRecordId(), 0);
  EXPECT_EQ(TakePending().message, "3");

  std::vector<std::string> back;
  while (enumeration->hasPreviousElement()) back.push_back(Text(enumeration->previousRecord()));
  EXPECT_EQ(back, (std::vector<std::string>{"r3", "r2", "r1"}));
  EXPECT_EQ(TakePending().classId, 0);

  EXPECT_EQ(enumeration->nextRecordId(), 1);
  EXPECT_EQ(enumeration->nextRecordId(), 2);
  EXPECT_EQ(enumeration->previousRecordId(), 2);
  enumeration->reset();
  EXPECT_FALSE(enumeration->hasPreviousElement());
  EXPECT_EQ(enumeration->nextRecordId(), 1);
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(RecordEnumerationTest, SeesRecordsAddedAndDeletedAfterItWasMade) {
  Enumeration* enumeration = Over(3);
  EXPECT_EQ(Text(enumeration->nextRecord()), "r1");
  store_->deleteRecord(2);  // the record at the cursor: the cursor moves to the one after
  EXPECT_EQ(Text(enumeration->nextRecord()), "r3");
  store_->addRecord(Bytes("r4"), 0, 2);
  EXPECT_EQ(enumeration->numRecords(), 3);
  EXPECT_TRUE(enumeration->hasNextElement());
  EXPECT_EQ(Text(enumeration->nextRecord()), "r4");
  EXPECT_FALSE(enumeration->hasNextElement());
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(RecordEnumerationTest, ARecordWhoseFileIsMissingReadsAsNullAndIsPassed) {
  Enumeration* enumeration = Over(2);
  std::filesystem::remove(save_ / RecordName("e", 1));
  EXPECT_EQ(enumeration->nextRecord(), nullptr);
  EXPECT_EQ(Text(enumeration->nextRecord()), "r2");
  EXPECT_EQ(TakePending().classId, 0);
}

}  // namespace
