// cGame's archive index: lookups by name (one leading "/", ASCII case, whole names, first
// match), entries bounded to their size, and indexes that are cut, negative or lie.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/file.h"
#include "javame/input_stream.h"
#include "platform/whole_stream.h"
#include "runtime/array.h"
#include "runtime/memory_manager.h"
#include "runtime/object_manager.h"
#include "runtime/string.h"
#include "runtime/trace.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/archive_writer.h"
#include "tools/databuild/big_endian_writer.h"
#include "tools/databuild/modified_utf8.h"

namespace {

struct RawRecord {
  std::u16string name;
  int32_t offset;
  int32_t size;
};

// An index written field by field, as no builder would write it, then data.
std::vector<uint8_t> RawArchive(int16_t count, const std::vector<RawRecord>& records,
                                const std::string& data) {
  databuild::BigEndianWriter out;
  out.writeU16(static_cast<uint16_t>(count));
  for (const RawRecord& record : records) {
    databuild::WriteUtf(out, record.name);
    out.writeI32(record.offset);
    out.writeI32(record.size);
  }
  out.writeBytes(std::vector<uint8_t>(data.begin(), data.end()));
  return out.take();
}

class ArchiveTest : public LibraryTest {
 protected:
  void PlantRaw(const std::vector<uint8_t>& bytes) {
    Plant(data_, databuild::kArchivePath, std::string(bytes.begin(), bytes.end()));
    Statics<GameStatics>()->cGame_archiveFile = nullptr;
  }
  // The whole entry, or "<none>".
  static std::string Entry(const char* name) {
    java_io_InputStream* in = cGame::findArchiveEntry(NewJavaString(name));
    if (!in) return "<none>";
    ByteArray* bytes = ReadWholeStream(in);
    in->close();
    return std::string(reinterpret_cast<const char*>(bytes->elements()), bytes->length);
  }
};

TEST_F(ArchiveTest, NamesMatchWholeWithOneLeadingSlashAndAnyAsciiCase) {
  PlantArchiveEntry("x", "the x entry");
  PlantArchiveEntry("abc/Def.bin", "a longer name");
  struct Case {
    const char* name;
    const char* entry;
  };
  const Case kCases[] = {
      {"/x", "the x entry"},
      {"x", "the x entry"},
      {"X", "the x entry"},
      {"//x", "<none>"},
      {"", "<none>"},
      {"/", "<none>"},
      {"abc/def.BIN", "a longer name"},
      {"/ABC/DEF.BIN", "a longer name"},
      {"abc/def.bi", "<none>"},    // a prefix of the entry name
      {"abc/def.bins", "<none>"},  // the entry name is a prefix of it
      {"abc", "<none>"},
  };
  for (const Case& c : kCases) EXPECT_EQ(Entry(c.name), c.entry) << c.name;
}

TEST_F(ArchiveTest, TheFirstOfTwoNamesDifferingInCaseWins) {
  const int32_t dataStart =
      static_cast<int32_t>(RawArchive(2, {{u"Same", 0, 0}, {u"same", 0, 0}}, "").size());
  PlantRaw(RawArchive(2, {{u"Same", dataStart, 5}, {u"same", dataStart + 5, 6}}, "firstsecond"));
  for (const char* name : {"same", "SAME", "/Same"}) EXPECT_EQ(Entry(name), "first") << name;
}

TEST_F(ArchiveTest, ReadingStopsAtTheEntrysEnd) {
  PlantArchiveEntry("a", "AAAA");
  PlantArchiveEntry("b", "BBBBBB");
  EXPECT_EQ(Entry("a"), "AAAA");
  EXPECT_EQ(Entry("b"), "BBBBBB");
  java_io_InputStream* in = cGame::findArchiveEntry(NewJavaString("a"));
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(in->available(), 4);
  EXPECT_EQ(in->skip(100), 4);
  EXPECT_EQ(in->read(), -1);
  in->close();
}

TEST_F(ArchiveTest, ACountOfZeroFindsNothingWithoutOpeningTheArchiveAgain) {
  PlantRaw(RawArchive(0, {}, "data nobody indexes"));
  EXPECT_EQ(Entry("constants.bin"), "<none>");
  std::filesystem::remove(data_ / databuild::kArchivePath);
  TraceCapture trace;
  EXPECT_EQ(Entry("anything"), "<none>");
  EXPECT_TRUE(trace.lines().empty());
}

TEST_F(ArchiveTest, BadIndexesKeepWhatReadsWholeAndSayWhatWasWrong) {
  const std::vector<uint8_t> whole = RawArchive(2, {{u"one", 0, 0}, {u"two", 0, 0}}, "");
  struct Bad {
    const char* what;
    std::vector<uint8_t> archive;
    std::string line;
    const char* stillFound;  // an entry that reads whole, or null
  };
  const Bad kCases[] = {
      {"negative count", RawArchive(-3, {{u"one", 0, 0}}, ""),
       "data.bar: the entry count -3 is negative; no entries", nullptr},
      {"no count", {0x00}, "data.bar: the index ends before its entry count; no entries", nullptr},
      {"cut inside the second record", std::vector<uint8_t>(whole.begin(), whole.end() - 3),
       "data.bar: the index ends inside entry 1 of 2; the 1 before it are kept", "one"},
      {"more records counted than written", RawArchive(5, {{u"one", 0, 0}}, ""),
       "data.bar: the index ends inside entry 1 of 5; the 1 before it are kept", "one"},
  };
  for (const Bad& bad : kCases) {
    SCOPED_TRACE(bad.what);
    TraceCapture trace;
    PlantRaw(bad.archive);
    EXPECT_EQ(Entry("two"), "<none>");
    if (bad.stillFound) {
      EXPECT_EQ(Entry(bad.stillFound), "");
    }
    EXPECT_EQ(trace.lines(), std::vector<std::string>{bad.line});
  }
}

TEST_F(ArchiveTest, EntriesOutsideTheFileGiveNoStream) {
  const int32_t start = static_cast<int32_t>(
      RawArchive(3, {{u"past", 0, 0}, {u"negative", 0, 0}, {u"huge", 0, 0}}, "").size());
  PlantRaw(
      RawArchive(3, {{u"past", start + 2, 10}, {u"negative", -1, 2}, {u"huge", start, 0x7FFFFFFF}},
                 "0123456789"));
  for (const char* name : {"past", "negative", "huge"}) {
    TraceCapture trace;
    EXPECT_EQ(Entry(name), "<none>") << name;
    ASSERT_EQ(trace.lines().size(), 1u) << name;
    EXPECT_NE(trace.lines()[0].find("lies outside the archive's"), std::string::npos);
  }
}

TEST_F(ArchiveTest, AMissingArchiveIsAnEmptyIndex) {
  std::filesystem::remove(data_ / databuild::kArchivePath);
  Statics<GameStatics>()->cGame_archiveFile = nullptr;
  TraceCapture trace;
  EXPECT_EQ(Entry("constants.bin"), "<none>");
  EXPECT_EQ(Entry("constants.bin"), "<none>");  // read once only
  EXPECT_EQ(trace.lines(),
            std::vector<std::string>{"data.bar: the archive does not open; no entries"});
}

// The sanitizers' allocators end the process when memory runs out instead of returning null.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kAllocatorReturnsNull = false;
#else
constexpr bool kAllocatorReturnsNull = true;
#endif

bool sawNoMemoryLine = false;

// From here on no new mapping can be made, so the native heap cannot grow, and the room it
// has left is taken in 64 KB blocks: a request of 128 KB or more fails from then on.
bool StarveTheNativeHeap() {
  unsigned long pages = 0;
  FILE* statm = std::fopen("/proc/self/statm", "r");
  const bool read = statm && std::fscanf(statm, "%lu", &pages) == 1;
  if (statm) std::fclose(statm);
  const rlim_t size = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
  const rlimit limit{size, size};
  if (!read || setrlimit(RLIMIT_AS, &limit) != 0) return false;
  while (std::malloc(64 * 1024)) {
  }
  return std::malloc(128 * 1024) == nullptr;
}

// Notes the line without allocating: the child process below has no memory to spare.
void WatchForNoMemory(const char* line, void*) {
  if (std::strstr(line, "data.bar: no memory for an index of 32767 entries; no entries")) {
    sawNoMemoryLine = true;
  }
}

// With the data heap full and the native heap refusing to grow, the index arrays come back
// empty: the index reads as having no entries instead of being written through empty bodies.
// Run in a child process, whose memory limit ends with it.
TEST_F(ArchiveTest, AnIndexWithNoMemoryForItsArraysHasNoEntries) {
  if (!kAllocatorReturnsNull) GTEST_SKIP() << "the sanitizers' allocators never return null";
  PlantRaw(RawArchive(32767, {{u"one", 0, 0}}, ""));
  MemoryManager* heap = application_.dataHeap;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    static Object* filler;  // a root: the collection of a failed allocation must keep it
    static Object** const slots[] = {&filler};
    application_.objectManager->registerRootSlots(slots, 1);
    filler = NewByteArray(heap->heapSize() - heap->usedBytes() - 64 * 1024);
    const bool limited =
        filler && static_cast<ByteArray*>(filler)->length > 0 && StarveTheNativeHeap();
    SetTraceSink(WatchForNoMemory, nullptr);
    const bool found = limited && cGame::findArchiveEntry(NewJavaString("one")) != nullptr;
    _exit(!limited ? 3 : found ? 2 : sawNoMemoryLine ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: no trace line, 2: an entry found, 3: no limit set";
}

}  // namespace
