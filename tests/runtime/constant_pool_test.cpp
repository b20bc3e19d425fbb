#include "runtime/constant_pool.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/array.h"
#include "runtime/object_manager.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/runtime_data_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

class ConstantPoolTest : public RuntimeWithDataTest {
 protected:
  StaticClass* block() { return application_.getStaticClass(); }
  ObjectArray* pool() { return block()->constantPool; }

  // Every element of the pool is a never-collected String holding texts[n].
  void ExpectPool(const std::vector<std::u16string>& texts) {
    ASSERT_NE(pool(), nullptr);
    ASSERT_EQ(pool()->length, static_cast<int32_t>(texts.size()));
    for (size_t n = 0; n < texts.size(); n++) {
      String* text = GetConstantString(static_cast<int32_t>(n));
      ASSERT_NE(text, nullptr) << n;
      EXPECT_EQ(text->classId, cid::String) << n;
      EXPECT_EQ(text->collectable, 0) << n;
      EXPECT_EQ(UnitsOf(text), texts[n]) << n;
    }
  }
};

TEST_F(ConstantPoolTest, FixturePoolsLoadEachStringAsTheConstantOfItsNumber) {
  const std::vector<std::vector<std::u16string>> pools = {
      {},
      {u""},
      {u"levels0", u"\u20AC 5", std::u16string(u"a\0b", 3), u"\\", u":"},
      {std::u16string(300, u'x'), u"\u007F\u0080\u07FF\u0800\uFFFF", u"\U0001F600"},
  };
  for (const std::vector<std::u16string>& texts : pools) {
    SCOPED_TRACE(texts.size());
    PlantPool(texts);
    TraceCapture trace;
    ASSERT_TRUE(LoadConstantPool(block()));
    ExpectPool(texts);
    EXPECT_TRUE(trace.lines().empty());
  }
}

TEST_F(ConstantPoolTest, PoolStringsOutliveEveryOtherReference) {
  PlantPool({u"kept", u"kept too"});
  ObjectManager* manager = application_.objectManager;
  // Addresses kept inverted, so no word on the stack refers to the strings.
  uintptr_t hidden[2];
  Deep([&] {
    ASSERT_TRUE(LoadConstantPool(block()));
    for (int32_t n = 0; n < 2; n++) hidden[n] = ~reinterpret_cast<uintptr_t>(GetConstantString(n));
  });
  manager->gc(kGcForced);  // the loader's garbage goes
  ExpectPool({u"kept", u"kept too"});

  const int32_t listed = manager->objectCount();
  Deep([&] { block()->constantPool = nullptr; });
  manager->gc(kGcForced);
  EXPECT_EQ(manager->objectCount(), listed - 1);  // the array alone
  EXPECT_EQ(UnitsOf(reinterpret_cast<String*>(~hidden[0])), u"kept");
  EXPECT_EQ(UnitsOf(reinterpret_cast<String*>(~hidden[1])), u"kept too");
}

TEST_F(ConstantPoolTest, AMissingResourceStopsStartUpWithOneLine) {
  PlantArchiveEntry("app.jad", "an archive without the pool");
  TraceCapture trace;
  EXPECT_FALSE(LoadConstantPool(block()));
  EXPECT_EQ(trace.lines(), std::vector<std::string>{
                               "LoadConstantPool: \"/constants.bin\" is missing; start-up stops"});
  EXPECT_EQ(pool(), nullptr);
}

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t size) {
  bytes.resize(size);
  return bytes;
}

std::vector<uint8_t> WithCount(std::vector<uint8_t> bytes, uint32_t count) {
  for (int i = 0; i < 4; i++) bytes[i] = static_cast<uint8_t>(count >> (24 - 8 * i));
  return bytes;
}

std::vector<uint8_t> Joined(std::vector<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> bytes;
  for (const std::vector<uint8_t>& part : parts)
    bytes.insert(bytes.end(), part.begin(), part.end());
  return bytes;
}

TEST_F(ConstantPoolTest, ShortAndCorruptFilesKeepTheStringsBeforeTheFault) {
  // 00000003 | 0003 "one" | 0003 "two" | 0005 "three": 21 bytes.
  const std::vector<uint8_t> three = PoolBytes({u"one", u"two", u"three"});
  ASSERT_EQ(three.size(), 21u);
  const std::vector<uint8_t> oneString = Cut(three, 9);  // its count still says 3
  struct Row {
    const char* name;
    std::vector<uint8_t> bytes;
    std::vector<std::u16string> loaded;
    std::string line;  // the one trace line; empty for none
  };
  const std::string file = "LoadConstantPool: \"/constants.bin\": ";
  const Row rows[] = {
      {"empty file", {}, {}, file + "the string count is cut off; no strings"},
      {"cut inside the count", Cut(three, 2), {}, file + "the string count is cut off; no strings"},
      {"cut inside a length",
       Cut(three, 15),
       {u"one", u"two"},
       file + "string 2 of 3 is cut off; the pool keeps the 2 before it"},
      {"cut inside a text",
       Cut(three, 19),
       {u"one", u"two"},
       file + "string 2 of 3 is cut off; the pool keeps the 2 before it"},
      {"negative count",
       WithCount(three, 0xFFFFFFFE),
       {},
       file + "the string count -2 is negative; no strings"},
      {"count beyond what the bytes can hold",
       WithCount(three, 0x7FFFFFFF),
       {u"one", u"two", u"three"},
       file + "string 3 of 2147483647 is cut off; the pool keeps the 3 before it"},
      {"a continuation byte that is not one",
       Joined({oneString, {0x00, 0x02, 0xC3, 0x28}, {0x00, 0x00}}),
       {u"one"},
       file + "string 1 of 3 is malformed; the pool keeps the 1 before it"},
      {"a lead byte that starts nothing",
       Joined({oneString, {0x00, 0x01, 0x80}}),
       {u"one"},
       file + "string 1 of 3 is malformed; the pool keeps the 1 before it"},
      {"a three-byte unit cut by its length",
       Joined({oneString, {0x00, 0x02, 0xE2, 0x82, 0xAC}}),
       {u"one"},
       file + "string 1 of 3 is malformed; the pool keeps the 1 before it"},
      {"a single zero byte",
       Joined({WithCount(oneString, 2), {0x00, 0x01, 0x00}}),
       {u"one", std::u16string(1, u'\0')},
       ""},
      {"bytes after the last string",
       Joined({three, {0xFF, 0xFF, 0xFF}}),
       {u"one", u"two", u"three"},
       ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PlantPoolBytes(row.bytes);
    TraceCapture trace;
    ASSERT_TRUE(LoadConstantPool(block()));
    ExpectPool(row.loaded);
    std::vector<std::string> expected;
    if (!row.line.empty()) expected.push_back(row.line);
    EXPECT_EQ(trace.lines(), expected);
  }
}

TEST_F(ConstantPoolTest, ANumberOutsideThePoolGivesAnEmptyStringAndOneLine) {
  PlantPool({u"only"});
  ASSERT_TRUE(LoadConstantPool(block()));
  for (int32_t n : {-1, 1, INT_MAX}) {
    TraceCapture trace;
    String* text = GetConstantString(n);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->length(), 0);
    EXPECT_EQ(trace.lines(),
              std::vector<std::string>{"GetConstantString: index " + std::to_string(n) +
                                       " out of range (length 1)"});
  }
}

TEST_F(ConstantPoolTest, WithoutAPoolEveryNumberGivesAnEmptyStringAfterTheNullCheck) {
  TraceCapture trace;
  String* text = GetConstantString(0);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->length(), 0);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

}  // namespace
