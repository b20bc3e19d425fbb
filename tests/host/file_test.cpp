#include "host/file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <memory>
#include <string>

#include "host/file_system.h"
#include "tests/support/file_roots_fixture.h"

namespace {

using host::FileResult;
using host::SeekFrom;
using host::WriteMode;

class FileTest : public FileRootsTest {
 protected:
  std::unique_ptr<host::File> OpenPlanted(const std::string& contents) {
    Plant(data_, "res/text.bin", contents);
    return host::OpenForRead("\\RES\\Text.bin");
  }
  static std::string ReadSome(host::File& file, size_t count) {
    std::string text(count, '\0');
    int64_t n = file.read(text.data(), count);
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return text;
  }
};

TEST_F(FileTest, ReadsInPiecesThenGivesZeroAtTheEnd) {
  std::unique_ptr<host::File> file = OpenPlanted("hello world");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->size(), 11);
  EXPECT_EQ(ReadSome(*file, 5), "hello");
  EXPECT_EQ(file->position(), 5);
  EXPECT_FALSE(file->atEnd());
  EXPECT_EQ(ReadSome(*file, 100), " world");  // a short read only at the end
  EXPECT_TRUE(file->atEnd());
  char byte;
  EXPECT_EQ(file->read(&byte, 1), 0);
  EXPECT_EQ(file->read(&byte, 1), 0);
}

TEST_F(FileTest, EmptyFileIsAtItsEnd) {
  std::unique_ptr<host::File> file = OpenPlanted("");
  ASSERT_TRUE(file);
  char byte;
  EXPECT_EQ(file->size(), 0);
  EXPECT_TRUE(file->atEnd());
  EXPECT_EQ(file->read(&byte, 1), 0);
}

TEST_F(FileTest, SeekMovesTheRealFilePosition) {
  std::unique_ptr<host::File> file = OpenPlanted("0123456789");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->seek(6, SeekFrom::kStart), 6);
  EXPECT_EQ(ReadSome(*file, 2), "67");
  EXPECT_EQ(file->seek(-5, SeekFrom::kCurrent), 3);
  EXPECT_EQ(ReadSome(*file, 1), "3");
  EXPECT_EQ(file->seek(-2, SeekFrom::kEnd), 8);
  EXPECT_EQ(ReadSome(*file, 5), "89");
  EXPECT_EQ(file->seek(-1, SeekFrom::kStart), -1);  // refused, position kept
  EXPECT_EQ(file->position(), 10);
  EXPECT_EQ(file->seek(50, SeekFrom::kStart), 50);  // past the end reads as the end
  EXPECT_TRUE(file->atEnd());
  EXPECT_EQ(ReadSome(*file, 1), "");
}

TEST_F(FileTest, SkipNeverPassesTheEnd) {
  struct Case {
    int64_t from, count, skipped;
  };
  const Case cases[] = {{3, 4, 4}, {3, 100, 7}, {3, 0, 0}, {3, -5, 0}, {10, 1, 0}, {12, 3, 0}};
  std::unique_ptr<host::File> file = OpenPlanted("0123456789");
  ASSERT_TRUE(file);
  for (const Case& c : cases) {
    file->seek(c.from, SeekFrom::kStart);
    EXPECT_EQ(file->skip(c.count), c.skipped) << c.from << " + " << c.count;
    EXPECT_EQ(file->position(), c.from + c.skipped) << c.from << " + " << c.count;
  }
}

TEST_F(FileTest, FoldersAreNotFiles) {
  std::filesystem::create_directories(data_ / "program files/marquent");
  host::FileStatus status;
  EXPECT_FALSE(host::OpenForRead("\\Program Files\\Marquent", &status));
  EXPECT_EQ(status.result, FileResult::kNotAFile);
  EXPECT_FALSE(host::OpenForRead("\\", &status));
  EXPECT_EQ(status.result, FileResult::kNotAFile);
  EXPECT_FALSE(host::OpenForWrite("\\Program Files", WriteMode::kReplace, &status));
  EXPECT_EQ(status.result, FileResult::kNotAFile);  // a folder of the data root

  std::filesystem::create_directories(save_ / "program files/marquent");
  EXPECT_FALSE(host::OpenForWrite("\\Program Files\\Marquent", WriteMode::kReplace, &status));
  EXPECT_EQ(status.result, FileResult::kNotAFile);
  Plant(save_, "blocker", "a file where a folder is wanted");
  EXPECT_FALSE(host::OpenForWrite("\\blocker\\x.dat", WriteMode::kTruncate, &status));
  EXPECT_EQ(status.result, FileResult::kNotAFile);
}

TEST_F(FileTest, ExistsAndSizeMeanARegularFileThatOpens) {
  Plant(data_, "a/shipped.bin", "12345");
  Plant(save_, "a/saved.bin", "");
  std::filesystem::create_directories(save_ / "a/folder");
  struct Case {
    const char* device;
    bool exists;
    int64_t size;
  };
  const Case cases[] = {
      {"\\A\\Shipped.bin", true, 5}, {"a/saved.bin", true, 0},
      {"\\a\\folder", false, -1},    {"\\a", false, -1},
      {"\\a\\missing", false, -1},   {"\\a\\..\\a\\saved.bin", false, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(host::FileExists(c.device), c.exists) << c.device;
    EXPECT_EQ(host::FileSize(c.device), c.size) << c.device;
  }
}

TEST_F(FileTest, TruncateEmptiesAtOnceAndWritesInPlace) {
  Plant(save_, "log.txt", "old contents");
  std::unique_ptr<host::File> file = host::OpenForWrite("LOG.TXT", WriteMode::kTruncate);
  ASSERT_TRUE(file);
  EXPECT_EQ(Contents(save_, "log.txt"), "");
  ASSERT_TRUE(file->write("new", 3));
  EXPECT_EQ(file->size(), 3);
  EXPECT_TRUE(file->close().ok());
  EXPECT_EQ(Contents(save_, "log.txt"), "new");
}

TEST_F(FileTest, ReplaceKeepsTheOldFileUntilClosed) {
  Plant(save_, "program files/marquent/plimora/rms_progress.dat", "old");
  const char* device = "\\Program Files\\Marquent\\Plimora\\rms_progress.dat";
  std::unique_ptr<host::File> file = host::OpenForWrite(device, WriteMode::kReplace);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->write("new ", 4));
  ASSERT_TRUE(file->write("contents", 8));
  EXPECT_EQ(Contents(save_, "program files/marquent/plimora/rms_progress.dat"), "old");
  EXPECT_TRUE(file->close().ok());
  EXPECT_TRUE(file->close().ok());  // a second close repeats the result
  EXPECT_EQ(Contents(save_, "program files/marquent/plimora/rms_progress.dat"), "new contents");
  char byte;
  EXPECT_EQ(file->read(&byte, 1), -1);
  EXPECT_FALSE(file->write("x", 1));

  file = host::OpenForWrite(device, WriteMode::kReplace);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->write("abandoned", 9));
  file.reset();  // never closed: the replace is abandoned
  EXPECT_EQ(Contents(save_, "program files/marquent/plimora/rms_progress.dat"), "new contents");
  EXPECT_EQ(
      std::distance(std::filesystem::directory_iterator(save_ / "program files/marquent/plimora"),
                    std::filesystem::directory_iterator()),
      1);
}

TEST_F(FileTest, WriteCreatesTheFoldersOnTheWay) {
  ASSERT_TRUE(host::WriteFileAtomically("\\A\\B\\C\\new.dat", "xyz", 3).ok());
  EXPECT_EQ(Contents(save_, "a/b/c/new.dat"), "xyz");
  EXPECT_FALSE(std::filesystem::exists(data_ / "a"));
}

}  // namespace
