// cGame's text table: tables read from bytes and from the data set's text pack, empty texts,
// the encodings, and tables whose count or offsets are bad.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/byte_array_input_stream.h"
#include "javame/resource_input_stream.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/game_texts.h"
#include "tools/databuild/little_endian.h"
#include "tools/databuild/pack_writer.h"
#include "tools/databuild/text_table_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int32_t kUtf8 = 270;

class TextTableTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    Statics<GameStatics>()->cGame_textEncoding = GetConstantString(kUtf8);
  }
  // The table read from bytes, then the cache built; the bytes consumed.
  static int32_t Load(const Bytes& bytes) {
    cGame::freeTextTable();
    return cGame::readTextTable(NewObject<java_io_ByteArrayInputStream>(ManagedBytes(bytes)));
  }
  // Text i as UTF-8, or "<null>".
  static std::string Text(int32_t i) {
    String* text = cGame::getString(i);
    if (!text) return "<null>";
    std::string out;
    for (const char16_t unit : UnitsOf(text)) {
      if (unit < 0x80) {
        out += static_cast<char>(unit);
      } else {
        out += "U+" + std::to_string(unit);
      }
    }
    return out;
  }
};

Bytes Table(const std::vector<int32_t>& ends, const std::string& data, int32_t count) {
  Bytes bytes;
  databuild::PutU32(bytes, static_cast<uint32_t>(count));
  for (const int32_t end : ends) databuild::PutU32(bytes, static_cast<uint32_t>(end));
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

TEST_F(TextTableTest, EndsThreeThreeSevenGiveAbcNullDefg) {
  const Bytes table = Table({3, 3, 7}, "abcdefg", 3);
  EXPECT_EQ(Load(table), 4 * 4 + 7);
  for (int pass = 0; pass < 2; pass++) {  // from the offsets, then from the cache
    SCOPED_TRACE(pass);
    EXPECT_EQ(Text(0), "abc");
    EXPECT_EQ(Text(1), "<null>");
    EXPECT_EQ(Text(2), "defg");
    cGame::buildStringCache();
    EXPECT_EQ(Statics<GameStatics>()->cGame_textOffsets, nullptr);
  }
}

TEST_F(TextTableTest, TheEncodingDecidesHowBytesBecomeCharacters) {
  Load(databuild::WriteTextTable(std::vector<std::string>{"caf\xC3\xA9"}));
  EXPECT_EQ(Text(0), "cafU+233");
  Statics<GameStatics>()->cGame_textEncoding =
      nullptr;  // not yet set by the boot state: one unit a byte
  EXPECT_EQ(Text(0), "cafU+195U+169");
}

TEST_F(TextTableTest, BadTablesAndIndexesGiveNull) {
  struct Bad {
    const char* what;
    Bytes table;
    std::vector<std::string> texts;  // texts 0.. as read
    const char* line;
  };
  const Bad kCases[] = {
      {"negative count",
       Table({3}, "abc", -1),
       {},
       "cGame::readTextTable: the text count -1 does not fit the table's 11 bytes; no texts"},
      {"count beyond the bytes",
       Table({3}, "abc", 9),
       {},
       "cGame::readTextTable: the text count 9 does not fit the table's 11 bytes; no texts"},
      {"cut count",
       {1, 0},
       {},
       "cGame::readTextTable: the table ends before its text count; no texts"},
      {"decreasing end",
       Table({3, 2, 5}, "abcde", 3),
       {"abc", "<null>", "<null>"},
       "cGame::readTextTable: text 1 ends at 2, outside 3..5; it and the texts after it read as "
       "null"},
      {"end past the data",
       Table({2, 9}, "abcde", 2),
       {"ab", "<null>"},
       "cGame::readTextTable: text 1 ends at 9, outside 2..5; it and the texts after it read as "
       "null"},
  };
  for (const Bad& bad : kCases) {
    SCOPED_TRACE(bad.what);
    TraceCapture trace;
    Load(bad.table);
    for (size_t i = 0; i < bad.texts.size(); i++)
      EXPECT_EQ(Text(static_cast<int32_t>(i)), bad.texts[i]);
    EXPECT_EQ(trace.lines(), std::vector<std::string>{bad.line});
  }
  TraceCapture trace;
  Load(Table({1}, "a", 1));
  EXPECT_EQ(Text(1), "<null>");
  EXPECT_EQ(Text(-1), "<null>");
  EXPECT_EQ(trace.lines().size(), 2u);
}

// A stream that claims more bytes than it holds: the offsets end early. The parse stops there
// with one line, and no exception is left for the caller.
TEST_F(TextTableTest, OffsetsThatEndEarlyEndTheParse) {
  const Bytes table = Table({0}, "", 2);  // two texts counted, one end written
  auto* in = NewObject<javax_microedition_io_ResourceInputStream>(
      NewObject<java_io_ByteArrayInputStream>(ManagedBytes(table)), 64);
  cGame::freeTextTable();
  TraceCapture trace;
  cGame::readTextTable(in);
  EXPECT_EQ(TakePending().classId, 0);
  EXPECT_EQ(trace.lines(),
            std::vector<std::string>{
                "cGame::readTextTable: the table ends inside the end of text 1; it and the texts "
                "after it read as null"});
  EXPECT_EQ(Statics<GameStatics>()->cGame_textCount, 2);
  EXPECT_EQ(Text(1), "<null>");
}

TEST_F(TextTableTest, TheDataSetsTextPackLoadsWhole) {
  const std::vector<std::string> texts = databuild::GameTexts();
  const databuild::Pack pack{
      "text", {databuild::PackEntry::Lzma(0, databuild::WriteTextTable(texts))}, {0}};
  for (const databuild::ArchiveEntry& file : databuild::WritePack(pack)) {
    PlantArchiveEntry(file.name, file.bytes);
  }
  TraceCapture trace;
  cGame::loadTextPack(GetConstantString(273), 0);
  EXPECT_TRUE(trace.lines().empty());
  EXPECT_EQ(Statics<GameStatics>()->cGame_textCount, static_cast<int32_t>(texts.size()));
  EXPECT_GT(Statics<GameStatics>()->cGame_textCount, 761);
  EXPECT_EQ(Statics<GameStatics>()->cGame_textData, nullptr);  // only the cache stays
  EXPECT_EQ(Statics<GameStatics>()->cGame_packStream, nullptr);
  for (const int32_t id : {0, 38, 201, 485, 637, 720, 761}) EXPECT_EQ(Text(id), texts[id]) << id;
  // Loading again replaces the table; a pack that does not open leaves none.
  cGame::loadTextPack(NewJavaString("no such pack"), 0);
  EXPECT_EQ(Statics<GameStatics>()->cGame_textCache, nullptr);
  EXPECT_EQ(Text(0), "<null>");
}

}  // namespace
