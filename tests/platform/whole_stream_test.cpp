// Whole-stream reads: everything the stream has, in 512-byte reads while it says more is
// available, ending on a read that gives nothing even when available says otherwise.
#include "platform/whole_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "javame/exception_classes.h"
#include "javame/input_stream.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

// A stream of `total` bytes of value 7 that claims `claimed` more bytes than it has left and
// gives at most `perRead` bytes per array read; it raises java_io_IOException once `failAt`
// bytes have been read (never when failAt < 0).
class ScriptedStream : public java_io_InputStream {
 public:
  ScriptedStream(int32_t total, int32_t claimed, int32_t perRead, int32_t failAt)
      : total(total), claimed(claimed), perRead(perRead), failAt(failAt) {}
  int32_t read(ByteArray* b, int32_t off, int32_t len) override {
    reads++;
    if (failAt >= 0 && given >= failAt) {
      ThrowException(NewObject<java_io_IOException>());
      return -1;
    }
    const int32_t n = std::min({len, perRead, total - given});
    for (int32_t i = 0; i < n; i++) b->elements()[off + i] = 7;
    given += n;
    return n;  // 0, not -1, at the end, as the device's file stream did
  }
  using java_io_InputStream::read;
  int32_t read() override { return -1; }
  int64_t skip(int64_t) override { return 0; }
  int32_t available() override { return total - given + claimed; }

  int32_t total, claimed, perRead, failAt;
  int32_t given = 0;
  int32_t reads = 0;
};

class WholeStreamTest : public LibraryTest {};

TEST_F(WholeStreamTest, ReadsEverythingInChunksAndStopsOnAnEmptyRead) {
  struct Case {
    int32_t total, claimed, perRead;
    int32_t reads;  // array reads made
  };
  const Case cases[] = {
      {0, 0, 512, 0},     {1, 0, 512, 1},  {512, 0, 512, 1}, {513, 0, 512, 2},
      {1300, 0, 100, 13}, {10, 5, 512, 2},  // available overstates: the read of 0 ends it
      {5, 1000000, 1, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.total);
    auto* in = NewObject<ScriptedStream>(c.total, c.claimed, c.perRead, -1);
    ByteArray* bytes = ReadWholeStream(in);
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes->length, c.total);
    EXPECT_EQ(in->reads, c.reads);
    for (int32_t i = 0; i < bytes->length; i++) ASSERT_EQ(bytes->elements()[i], 7);
  }
}

TEST_F(WholeStreamTest, AnExceptionOfTheStreamGivesNullAndStaysPending) {
  auto* in = NewObject<ScriptedStream>(2000, 0, 512, 1024);
  EXPECT_EQ(ReadWholeStream(in), nullptr);
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
  EXPECT_EQ(ReadWholeStream(nullptr), nullptr);
}

TEST_F(WholeStreamTest, AWholeFileIsReadByItsPath) {
  const std::string contents(1500, 'q');
  Plant(save_, "saved/progress.dat", contents);
  ByteArray* bytes = ReadWholeFile(NewJavaString("\\Saved\\PROGRESS.DAT"));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes->elements()), 1500), contents);
  EXPECT_EQ(ReadWholeFile(NewJavaString("\\saved\\missing.dat")), nullptr);
  Plant(save_, "empty.dat", "");
  ByteArray* empty = ReadWholeFile(NewJavaString("empty.dat"));
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->length, 0);
}

}  // namespace
