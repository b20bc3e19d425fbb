// The memory dump read back: its header, the class names, one record per listed object with
// the body of each string and array, and both heaps' free lists; a dump that cannot be
// written leaves the old one.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "host/file_faults.h"
#include "runtime/application.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/object_manager.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

// A reader over the dump's bytes: big-endian where the file is written with writeInt and
// writeShort, little-endian inside the raw records.
class DumpReader {
 public:
  explicit DumpReader(std::string bytes) : bytes_(std::move(bytes)) {}
  int32_t bigInt() { return static_cast<int32_t>(take(4, true)); }
  int32_t bigShort() { return static_cast<int32_t>(take(2, true)); }
  int32_t word() { return static_cast<int32_t>(take(4, false)); }
  uint8_t byte() { return static_cast<uint8_t>(take(1, true)); }
  std::string text(size_t n) {
    std::string out = bytes_.substr(at_, n);
    at_ += n;
    return out;
  }
  bool atEnd() const { return at_ == bytes_.size(); }

 private:
  uint32_t take(size_t n, bool bigEndian) {
    EXPECT_LE(at_ + n, bytes_.size());
    uint32_t value = 0;
    for (size_t i = 0; i < n && at_ < bytes_.size(); i++, at_++) {
      const uint32_t b = static_cast<uint8_t>(bytes_[at_]);
      value = bigEndian ? value << 8 | b : value | b << (8 * i);
    }
    return value;
  }

  std::string bytes_;
  size_t at_ = 0;
};

struct ObjectRecord {
  int32_t classId, address, blockSize, zero, hasBody;
  int32_t bodyAddress = 0, bodyBlockSize = 0, bodyBytes = 0;
};

struct Dump {
  std::vector<std::string> classNames;
  std::vector<ObjectRecord> objects;
  std::vector<std::pair<int32_t, int32_t>> objectFree, dataFree;
};

class MemoryDumpTest : public LibraryTest {
 protected:
  ObjectManager* manager() { return application_.getObjectManager(); }

  Dump ReadDump() {
    std::optional<std::string> bytes = Contents(save_, "memdump.dat");
    EXPECT_TRUE(bytes.has_value());
    DumpReader in(bytes.value_or(""));
    Dump dump;
    EXPECT_EQ(in.byte(), 1);
    EXPECT_EQ(in.text(3), std::string(3, '\0'));
    const int32_t classes = in.bigInt();
    for (int32_t i = 0; i < classes; i++) dump.classNames.push_back(in.text(in.bigShort()));
    const int32_t objects = in.bigInt();
    for (int32_t i = 0; i < objects; i++) {
      ObjectRecord r{in.word(), in.word(), in.word(), in.word(), in.word()};
      if (r.hasBody) {
        r.bodyAddress = in.word();
        r.bodyBlockSize = in.word();
        r.bodyBytes = in.word();
      }
      dump.objects.push_back(r);
    }
    for (auto* list : {&dump.objectFree, &dump.dataFree}) {
      const int32_t n = in.bigInt();
      for (int32_t i = 0; i < n; i++) {
        const int32_t address = in.word();
        list->emplace_back(address, in.word());
      }
    }
    EXPECT_TRUE(in.atEnd());
    return dump;
  }
  // The record of the object at a dumped address, or null.
  static const ObjectRecord* Find(const Dump& dump, int32_t address) {
    for (const ObjectRecord& r : dump.objects) {
      if (r.address == address) return &r;
    }
    return nullptr;
  }
  static const ObjectRecord* Find(const Dump& dump, const void* object) {
    return Find(dump, static_cast<int32_t>(ObjectAddress32(object)));
  }
};

TEST_F(MemoryDumpTest, EveryObjectAndFreeBlockIsListed) {
  ByteArray* bytes = NewByteArray(10);
  IntArray* ints = NewIntArray(3);
  String* shortText = NewJavaString("short");
  String* longText = NewJavaString("a text too long for the inline buffer");
  Object* plain = NewObject<Object>();
  const int32_t listed = manager()->objectCount();
  const int32_t objectFree = application_.objectHeap->freeCount();
  const int32_t dataFree = application_.dataHeap->freeCount();
  const int32_t dataFreeBytes = application_.dataHeap->freeBytes();
  manager()->dumpMemory();

  const Dump dump = ReadDump();
  ASSERT_EQ(dump.classNames.size(), static_cast<size_t>(kClassCount));
  EXPECT_EQ(dump.classNames[cid::java_util_Vector], "java_util_Vector");
  EXPECT_EQ(dump.classNames[cid::MarqPLIM], "MarqPLIM");
  EXPECT_EQ(static_cast<int32_t>(dump.objects.size()), listed);
  EXPECT_EQ(static_cast<int32_t>(dump.objectFree.size()), objectFree);
  EXPECT_EQ(static_cast<int32_t>(dump.dataFree.size()), dataFree);

  MemoryManager* objectHeap = application_.objectHeap;
  MemoryManager* dataHeap = application_.dataHeap;
  struct Expected {
    Object* object;
    int32_t classId;
    const void* body;  // null: no body record
    int32_t bodyBytes;
  };
  const Expected expected[] = {
      {bytes, cid::ByteArray, bytes->body, 10},
      {ints, cid::IntArray, ints->body, 12},
      {shortText, cid::String, nullptr, 0},
      {longText, cid::String, longText->characters, 2 * longText->length()},
      {plain, cid::Object, nullptr, 0},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.classId);
    const ObjectRecord* r = Find(dump, e.object);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->classId, e.classId);
    EXPECT_EQ(r->blockSize, objectHeap->GetBlockSize(e.object) + objectHeap->headerSize());
    EXPECT_EQ(r->zero, 0);
    EXPECT_EQ(r->hasBody, e.body ? 1 : 0);
    if (!e.body) continue;
    EXPECT_EQ(r->bodyBytes, e.bodyBytes);
    EXPECT_EQ(r->bodyBlockSize, dataHeap->GetBlockSize(e.body) + dataHeap->headerSize());
  }
  // Body addresses are distinct and clear of every object's.
  EXPECT_NE(Find(dump, bytes)->bodyAddress, Find(dump, ints)->bodyAddress);
  for (const ObjectRecord& r : dump.objects) {
    if (r.hasBody) {
      EXPECT_EQ(Find(dump, r.bodyAddress), nullptr);
    }
  }
  int64_t freeBytes = 0;
  for (const auto& [address, size] : dump.dataFree) freeBytes += size;
  EXPECT_EQ(freeBytes, dataFreeBytes);  // sizes include the block headers
}

TEST_F(MemoryDumpTest, ADumpThatCannotBeWrittenLeavesTheOldOne) {
  Plant(save_, "memdump.dat", "old dump");
  TraceCapture trace;
  host::ArmFileFault(host::kFaultWrite, 3);
  manager()->dumpMemory();
  host::DisarmFileFaults();
  EXPECT_EQ(Contents(save_, "memdump.dat"), "old dump");
  EXPECT_EQ(GetPendingException(), nullptr);
  EXPECT_FALSE(trace.lines().empty());
  manager()->dumpMemory();
  EXPECT_NE(Contents(save_, "memdump.dat"), "old dump");
}

}  // namespace
