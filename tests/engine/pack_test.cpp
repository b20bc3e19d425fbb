// cGame's resource packs over packs written by the data builder: entries read in every order
// across part files, plain and LZMA types, empty entries, value trees, and packs whose header,
// tables or files are bad.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/input_stream.h"
#include "runtime/array.h"
#include "runtime/string.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/pack_writer.h"
#include "tools/databuild/value_tree_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;
using databuild::PackEntry;

Bytes Text(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

// Eight entries over three parts (0-2, 3-4, 5-7) of every kind.
struct Fixture {
  std::vector<Bytes> payloads;
  databuild::Pack pack;
};

Fixture EightEntries() {
  Fixture f;
  f.pack.name = "pk";
  f.pack.partFirstEntries = {0, 3, 5};
  const auto plain = [&](int type, const std::string& text) {
    f.payloads.push_back(Text(text));
    f.pack.entries.push_back(PackEntry::Plain(type, Text(text)));
  };
  const auto lzma = [&](int type, const std::string& text) {
    f.payloads.push_back(Text(text));
    f.pack.entries.push_back(PackEntry::Lzma(type, Text(text)));
  };
  plain(5, "entry zero, plain");
  lzma(3, std::string(3000, 'z') + "entry one, LZMA");
  f.payloads.push_back({});
  f.pack.entries.push_back(PackEntry::Empty());
  plain(126, "entry three, type byte 126 is plain");
  lzma(0, "entry four, type byte 127 is LZMA of type 0");
  plain(0, "five");
  lzma(128, "entry six, type byte 255");
  plain(1, "");  // a type byte and nothing after it
  return f;
}

class PackTest : public LibraryTest {
 protected:
  static std::optional<Bytes> Read(int32_t e) {
    ByteArray* bytes = cGame::readPackEntry(e);
    if (!bytes) return std::nullopt;
    return BytesOf(bytes);
  }
  static void Open(const char* name) { cGame::openPack(NewJavaString(name)); }
};

TEST_F(PackTest, EntriesReadInEveryOrderAcrossParts) {
  const Fixture f = EightEntries();
  PlantPack(f.pack);
  Open("pk");
  std::vector<int32_t> order = {0, 1, 2, 3, 4, 5, 6, 7, 7, 6, 5, 4, 3, 2,
                                1, 0, 6, 0, 7, 3, 1, 5, 2, 4, 4, 0, 0, 7};
  TraceCapture trace;
  for (const int32_t e : order) EXPECT_EQ(Read(e), f.payloads[e]) << "entry " << e;
  EXPECT_TRUE(trace.lines().empty());
}

TEST_F(PackTest, PartFilesAreNamedByThePackNameConstant306AndTheNumber) {
  const Fixture f = EightEntries();
  const std::vector<databuild::ArchiveEntry> files = databuild::WritePack(f.pack);
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[1].name, "pk.1");
  EXPECT_EQ(files[2].name, "pk.2");
  PlantPack(f.pack);
  Open("pk");
  EXPECT_EQ(Read(6), f.payloads[6]);
  EXPECT_EQ(Statics<GameStatics>()->cGame_packPart, 2);
  EXPECT_EQ(Read(0), f.payloads[0]);  // part 0: the base file's header is read again
  EXPECT_EQ(Statics<GameStatics>()->cGame_packPart, 0);
  EXPECT_EQ(Statics<GameStatics>()->cGame_packPartCount, 3);
}

TEST_F(PackTest, TypeBytesAndEmptyEntries) {
  PlantPack(EightEntries().pack);
  Open("pk");
  struct Case {
    int32_t entry;
    int32_t size;
    bool compressed;
  };
  // Sizes are the stored payloads' (LZMA ones with their 13-byte header).
  const Case kCases[] = {
      {0, 17, false}, {2, 0, false}, {3, 35, false}, {5, 4, false}, {7, 0, false}};
  for (const Case& c : kCases) {
    EXPECT_EQ(cGame::seekPackEntry(c.entry), c.size) << c.entry;
    EXPECT_EQ(Statics<GameStatics>()->cGame_packEntryCompressed, c.compressed) << c.entry;
  }
  for (const int32_t e : {1, 4, 6}) {
    EXPECT_GT(cGame::seekPackEntry(e), 13) << e;
    EXPECT_TRUE(Statics<GameStatics>()->cGame_packEntryCompressed) << e;
  }
  // The empty entry reads no type byte: the stream stays where the entry starts.
  EXPECT_EQ(cGame::seekPackEntry(2), 0);
  EXPECT_EQ(Statics<GameStatics>()->cGame_packPosition,
            Statics<GameStatics>()->cGame_packPartOffsets->elements()[2]);
  EXPECT_EQ(Read(2), Bytes{});
}

TEST_F(PackTest, OpeningTheOpenPackKeepsItsStreamAndPosition) {
  PlantPack(EightEntries().pack);
  Open("pk");
  cGame::seekPackEntry(1);
  java_io_InputStream* stream = Statics<GameStatics>()->cGame_packStream;
  const int32_t position = Statics<GameStatics>()->cGame_packPosition;
  Open("pk");
  EXPECT_EQ(Statics<GameStatics>()->cGame_packStream, stream);
  EXPECT_EQ(Statics<GameStatics>()->cGame_packPosition, position);
  // Closing the stream keeps the pack open by name; the next read opens it again.
  cGame::closeResourceStream();
  EXPECT_EQ(Statics<GameStatics>()->cGame_packStream, nullptr);
  EXPECT_EQ(TextOf(Statics<GameStatics>()->cGame_packName), "pk");
  EXPECT_EQ(Read(5), Text("five"));
}

TEST_F(PackTest, ValueTreesReadFromPlainAndLzmaEntries) {
  using databuild::ValueNode;
  const ValueNode tree = ValueNode::Objects(
      {ValueNode::Bytes({1, -2, 255}), ValueNode::Shorts({-1, 300}),
       ValueNode::Objects({ValueNode::Ints({70000, -5}), ValueNode::Objects({})})});
  const Bytes bytes = databuild::WriteValueTree(tree);
  databuild::Pack pack{"trees", {PackEntry::Plain(0, bytes), PackEntry::Lzma(0, bytes)}, {0}};
  PlantPack(pack);
  Open("trees");
  for (const int32_t e : {0, 1, 0}) {
    auto* root = static_cast<ObjectArray*>(cGame::readPackEntryObject(e));
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(root->length, 3);
    auto* b = static_cast<ByteArray*>(root->elements()[0]);
    EXPECT_EQ(std::vector<int8_t>(b->elements(), b->elements() + 3),
              (std::vector<int8_t>{1, -2, -1}));
    auto* s = static_cast<ShortArray*>(root->elements()[1]);
    EXPECT_EQ(std::vector<int16_t>(s->elements(), s->elements() + 2),
              (std::vector<int16_t>{-1, 300}));
    auto* inner = static_cast<ObjectArray*>(root->elements()[2]);
    auto* i = static_cast<IntArray*>(inner->elements()[0]);
    EXPECT_EQ(std::vector<int32_t>(i->elements(), i->elements() + 2),
              (std::vector<int32_t>{70000, -5}));
    EXPECT_EQ(static_cast<ObjectArray*>(inner->elements()[1])->length, 0);
  }
}

// ---- Bad packs ----------------------------------------------------------------------------

void PutU16(Bytes& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(Bytes& bytes, size_t at, uint32_t value) {
  PutU16(bytes, at, static_cast<uint16_t>(value));
  PutU16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

TEST_F(PackTest, BadHeadersAndTablesLeaveNoPackOpen) {
  // A one-part pack of two entries, "ab" and "cde" behind their type bytes: header 6 bytes,
  // table 12, entries at 18 and 21, the end at 25.
  const databuild::Pack good{
      "bad", {PackEntry::Plain(0, Text("ab")), PackEntry::Plain(0, Text("cde"))}, {0}};
  const Bytes base = databuild::WritePack(good)[0].bytes;
  struct Bad {
    const char* what;
    Bytes file;
    const char* fault;
  };
  const auto with = [&](auto change) {
    Bytes file = base;
    change(file);
    return file;
  };
  const Bad kCases[] = {
      {"cut in the header", Bytes(base.begin(), base.begin() + 3), "the header is cut short"},
      {"no parts", with([](Bytes& b) { PutU16(b, 2, 0); }), "the part count 0 is not positive"},
      {"part 0 not at entry 0", with([](Bytes& b) { PutU16(b, 4, 1); }),
       "part 0 starts at entry 1"},
      {"cut in the table", Bytes(base.begin(), base.begin() + 12),
       "the offset table of part 0 is cut short"},
      {"offset inside the table", with([](Bytes& b) { PutU32(b, 6, 10); }),
       "offset 0 of part 0 (10) is not between 18"},
      {"offsets decreasing", with([](Bytes& b) { PutU32(b, 10, 17); }),
       "offset 1 of part 0 (17) is not between 18"},
      {"offset past the end", with([](Bytes& b) { PutU32(b, 14, 100); }),
       "offset 2 of part 0 (100) is not between 21 and the file's end 25"},
      {"offset of 2^31 and more", with([](Bytes& b) { PutU32(b, 14, 0x80000000u); }),
       "offset 2 of part 0 (-2147483648)"},
  };
  for (const Bad& bad : kCases) {
    SCOPED_TRACE(bad.what);
    PlantArchiveEntry("bad", bad.file);
    Statics<GameStatics>()->cGame_packName = nullptr;
    TraceCapture trace;
    Open("bad");
    EXPECT_EQ(Statics<GameStatics>()->cGame_packName, nullptr);
    EXPECT_EQ(Read(0), std::nullopt);
    ASSERT_EQ(trace.lines().size(), 2u);
    EXPECT_EQ(trace.lines()[0].rfind(std::string("pack \"bad\": ") + bad.fault, 0), 0u)
        << trace.lines()[0];
    EXPECT_EQ(trace.lines()[1], "cGame::seekPackEntry: entry 0: no pack is open");
  }
}

TEST_F(PackTest, BadEntriesGiveNullOrMinusOneNamingThePackAndTheEntry) {
  const Fixture f = EightEntries();
  PlantPack(f.pack);
  Open("pk");
  TraceCapture trace;
  EXPECT_EQ(cGame::seekPackEntry(8), -1);
  EXPECT_EQ(cGame::seekPackEntry(-1), -1);
  EXPECT_EQ(Read(8), std::nullopt);
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{"pack \"pk\" entry 8: not one of the pack's 8 entries",
                                      "pack \"pk\" entry -1: not one of the pack's 8 entries",
                                      "pack \"pk\" entry 8: not one of the pack's 8 entries"}));
  trace.clear();
  Open("missing");
  EXPECT_EQ(trace.lines(), std::vector<std::string>{"pack \"missing\": the pack does not open"});
  EXPECT_EQ(Statics<GameStatics>()->cGame_packName, nullptr);
}

TEST_F(PackTest, AMissingPartFileIsReportedAndTheOtherPartsStillRead) {
  const Fixture f = EightEntries();
  for (const databuild::ArchiveEntry& file : databuild::WritePack(f.pack)) {
    if (file.name != "pk.1") PlantArchiveEntry(file.name, file.bytes);
  }
  Open("pk");
  TraceCapture trace;
  EXPECT_EQ(Read(3), std::nullopt);
  EXPECT_EQ(trace.lines(), std::vector<std::string>{"pack \"pk\": part file 1 does not open"});
  EXPECT_EQ(Read(6), f.payloads[6]);
  EXPECT_EQ(Read(0), f.payloads[0]);
}

// Part 0 holds one entry, part 1 four: a failed open of part 1 must not leave part 0's short
// table in place for the next seek into part 1.
TEST_F(PackTest, APartFileThatOpensOnlyLaterIsReadWithItsOwnTable) {
  databuild::Pack pack{"late", {PackEntry::Plain(0, Text("zero"))}, {0, 1}};
  for (const char* text : {"one", "two", "three", "four"}) {
    pack.entries.push_back(PackEntry::Plain(0, Text(text)));
  }
  const std::vector<databuild::ArchiveEntry> files = databuild::WritePack(pack);
  PlantArchiveEntry(files[0].name, files[0].bytes);
  Open("late");
  ASSERT_EQ(Read(0), Text("zero"));
  TraceCapture trace;
  EXPECT_EQ(Read(4), std::nullopt);
  EXPECT_EQ(trace.lines(), std::vector<std::string>{"pack \"late\": part file 1 does not open"});
  PlantArchiveEntry(files[1].name, files[1].bytes);
  EXPECT_EQ(Read(4), Text("four"));
  EXPECT_EQ(Read(1), Text("one"));
}

TEST_F(PackTest, AShortReadMarksTheStreamDeadAndTheNextSeekOpensItAgain) {
  const std::string big(5000, 'b');
  const databuild::Pack pack{
      "last", {PackEntry::Plain(0, Text("head")), PackEntry::Plain(0, Text(big))}, {0}};
  PlantPack(pack);  // the archive's last entry
  Open("last");
  ASSERT_EQ(Read(0), Text("head"));
  // The archive shrinks under the open stream: the next read comes up short.
  const std::filesystem::path archive = data_ / databuild::kArchivePath;
  std::filesystem::resize_file(archive, std::filesystem::file_size(archive) - 1000);
  TraceCapture trace;
  EXPECT_EQ(Read(1), std::nullopt);
  EXPECT_EQ(Statics<GameStatics>()->cGame_packStream, nullptr);
  ASSERT_EQ(trace.lines().size(), 1u);
  EXPECT_EQ(trace.lines()[0].rfind("pack \"last\" entry 1: the entry ends after ", 0), 0u)
      << trace.lines()[0];
  PlantPack(pack);  // whole again
  EXPECT_EQ(Read(1), Text(big));
}

TEST_F(PackTest, CorruptLzmaDataGivesNull) {
  databuild::PackEntry entry = PackEntry::Lzma(0, Text("some text to pack"));
  entry.bytes[1] = 230;  // the properties byte
  PlantPack({"lz", {entry}, {0}});
  Open("lz");
  TraceCapture trace;
  EXPECT_EQ(Read(0), std::nullopt);
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{"cGame::lzmaDecode(): properties byte 230 is not below 225",
                                      "pack \"lz\" entry 0: its LZMA data does not decode"}));
}

}  // namespace
