// FileInputStream over real files in temporary roots: the input-stream contract (-1 at the
// end, skips clamped at the end, available never negative), mark and reset, and reads that
// cross the reader's buffer.
#include "platform/file_input_stream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "platform/buffered_file_reader.h"
#include "runtime/array.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class FileInputStreamTest : public LibraryTest {
 protected:
  // A file of n bytes whose byte i is i * 7 + i / 256 (mod 256), so an offset read wrongly
  // shows.
  static std::string Pattern(size_t n) {
    std::string bytes(n, '\0');
    for (size_t i = 0; i < n; i++) bytes[i] = static_cast<char>(i * 7 + i / 256);
    return bytes;
  }
  static int32_t PatternByte(int64_t i) { return static_cast<uint8_t>(i * 7 + i / 256); }
  static size_t OpenDescriptors() {
    auto entries = std::filesystem::directory_iterator("/proc/self/fd");
    return static_cast<size_t>(std::distance(begin(entries), end(entries)));
  }
};

TEST_F(FileInputStreamTest, ReadsToTheEndThenGivesMinusOneFromEveryRead) {
  Plant(data_, "f.bin", "\x0A\x14\x1E\x28\x32");
  FileInputStream* in = FileInputStream::open("\\F.BIN");
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(in->available(), 5);
  EXPECT_EQ(in->read(), 0x0A);
  ByteArray* b = NewByteArray(8);
  EXPECT_EQ(in->read(b, 1, 7), 4);
  EXPECT_EQ(ByteArray::get(b, 1), 0x14);
  EXPECT_EQ(ByteArray::get(b, 4), 0x32);
  EXPECT_EQ(in->available(), 0);
  EXPECT_EQ(in->read(), -1);
  EXPECT_EQ(in->read(b, 0, 8), -1);
  EXPECT_EQ(in->read(b), -1);
  EXPECT_EQ(in->read(b, 0, 0), 0);  // asking for nothing is not the end
}

TEST_F(FileInputStreamTest, ARangeOutsideTheArrayReadsNothing) {
  Plant(data_, "f.bin", "abc");
  FileInputStream* in = FileInputStream::open("f.bin");
  ByteArray* b = NewByteArray(4);
  TraceCapture trace;
  struct Range {
    int32_t off, len;
  };
  for (const Range r :
       {Range{1, 4}, Range{-1, 1}, Range{0, -1}, Range{5, 0}, Range{2, INT32_MAX}}) {
    EXPECT_EQ(in->read(b, r.off, r.len), 0) << r.off << " + " << r.len;
  }
  EXPECT_EQ(trace.lines().size(), 5u);
  EXPECT_EQ(in->read(nullptr, 0, 1), -1);
  EXPECT_EQ(in->available(), 3);  // nothing was consumed
}

TEST_F(FileInputStreamTest, SkipStopsAtTheEndAndNeverGoesBack) {
  Plant(data_, "f.bin", "0123456789");
  FileInputStream* in = FileInputStream::open("f.bin");
  struct Step {
    int64_t ask, skipped;
    int32_t next;  // read() after the skip
  };
  const Step steps[] = {{2, 2, '2'}, {-5, 0, '3'}, {0, 0, '4'},
                        {3, 3, '8'}, {100, 1, -1}, {1, 0, -1}};
  for (const Step& s : steps) {
    EXPECT_EQ(in->skip(s.ask), s.skipped) << s.ask;
    EXPECT_EQ(in->read(), s.next) << s.ask;
    EXPECT_GE(in->available(), 0);
  }
}

TEST_F(FileInputStreamTest, ResetReturnsToTheMarkWithinAndBeyondTheBuffer) {
  const std::string bytes = Pattern(3 * BufferedFileReader::kBufferSize + 100);
  Plant(data_, "big.bin", bytes);
  FileInputStream* in = FileInputStream::open("big.bin");
  ASSERT_TRUE(in->markSupported());
  EXPECT_EQ(in->skip(10), 10);
  in->mark(0);  // the read limit is ignored
  EXPECT_EQ(in->read(), PatternByte(10));
  EXPECT_EQ(in->read(), PatternByte(11));
  in->reset();
  EXPECT_EQ(in->read(), PatternByte(10));
  // Far past the buffered bytes, then back.
  EXPECT_EQ(in->skip(2 * BufferedFileReader::kBufferSize), 2 * BufferedFileReader::kBufferSize);
  in->reset();
  EXPECT_EQ(in->available(), static_cast<int32_t>(bytes.size()) - 10);
  EXPECT_EQ(in->read(), PatternByte(10));
}

TEST_F(FileInputStreamTest, MixedReadsAcrossBufferBoundariesGiveTheFileInOrder) {
  const int32_t size = 3 * BufferedFileReader::kBufferSize + 17;
  Plant(data_, "big.bin", Pattern(static_cast<size_t>(size)));
  FileInputStream* in = FileInputStream::open("big.bin");
  ByteArray* b = NewByteArray(2 * BufferedFileReader::kBufferSize);
  // Single bytes, small and large array reads and skips, each straddling a buffer edge.
  const int32_t chunks[] = {1, 4090, 10, 5000, -3000, 1, 8192};  // the last one ends short
  int64_t at = 0;
  for (int32_t chunk : chunks) {
    SCOPED_TRACE(chunk);
    if (chunk < 0) {
      at += in->skip(-chunk);
    } else if (chunk == 1) {
      EXPECT_EQ(in->read(), PatternByte(at));
      at++;
    } else {
      const int32_t n = in->read(b, 0, chunk);
      ASSERT_GT(n, 0);
      for (int32_t i = 0; i < n; i++) ASSERT_EQ(ByteArray::get(b, i) & 0xFF, PatternByte(at + i));
      at += n;
    }
    EXPECT_EQ(in->available(), size - at);
  }
  EXPECT_EQ(at, size);
  EXPECT_EQ(in->read(), -1);
}

TEST_F(FileInputStreamTest, AClosedStreamIsEmptyAndCloseTwiceIsHarmless) {
  Plant(data_, "f.bin", "abc");
  FileInputStream* in = FileInputStream::open("f.bin");
  in->close();
  in->close();
  EXPECT_EQ(in->read(), -1);
  EXPECT_EQ(in->read(NewByteArray(2)), -1);
  EXPECT_EQ(in->skip(1), 0);
  EXPECT_EQ(in->available(), 0);
  in->reset();
}

TEST_F(FileInputStreamTest, TheCollectorClosesAForgottenStream) {
  Plant(data_, "f.bin", "abc");
  const size_t before = OpenDescriptors();
  Deep([] { ASSERT_NE(FileInputStream::open("f.bin"), nullptr); });
  EXPECT_EQ(OpenDescriptors(), before + 1);
  CollectNow();
  EXPECT_EQ(OpenDescriptors(), before);
}

TEST_F(FileInputStreamTest, OnlyRegularFilesOpen) {
  Plant(data_, "folder/inside.bin", "x");
  TraceCapture trace;
  EXPECT_EQ(FileInputStream::open("missing.bin"), nullptr);
  EXPECT_EQ(FileInputStream::open("folder"), nullptr);
  EXPECT_EQ(FileInputStream::open("..\\data\\folder\\inside.bin"), nullptr);
  EXPECT_TRUE(trace.lines().empty());
  EXPECT_NE(FileInputStream::open("FOLDER/Inside.bin"), nullptr);
}

}  // namespace
