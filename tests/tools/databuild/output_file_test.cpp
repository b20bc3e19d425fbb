#include "tools/databuild/output_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/tools/databuild/scratch_dir.h"
#include "tools/databuild/build_error.h"

namespace databuild {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(OutputFileTest, CreatesFoldersAndReplacesChangedBytesWhole) {
  ScratchDir dir;
  const std::filesystem::path path = dir.path() / "a" / "b" / "file.bin";
  WriteOutputFile(path, Bytes{1, 2, 3, 4});
  EXPECT_EQ(ReadFile(path), (Bytes{1, 2, 3, 4}));
  WriteOutputFile(path, Bytes{9});
  EXPECT_EQ(ReadFile(path), Bytes{9});
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
}

TEST(OutputFileTest, LeavesAFileWithTheSameBytesUntouched) {
  ScratchDir dir;
  const std::filesystem::path path = dir.path() / "same.bin";
  WriteOutputFile(path, Bytes{5, 6});
  const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  std::filesystem::last_write_time(path, old);
  WriteOutputFile(path, Bytes{5, 6});
  EXPECT_EQ(std::filesystem::last_write_time(path), old);
  WriteOutputFile(path, Bytes{5, 7});  // same size, other bytes
  EXPECT_NE(std::filesystem::last_write_time(path), old);
  EXPECT_EQ(ReadFile(path), (Bytes{5, 7}));
}

TEST(OutputFileTest, AnUnwritablePathIsABuildErrorNamingIt) {
  ScratchDir dir;
  const std::filesystem::path blocker = dir.path() / "plain";
  WriteOutputFile(blocker, Bytes{1});
  try {
    WriteOutputFile(blocker / "inside.bin", Bytes{1});  // a file stands where a folder must be
    FAIL() << "no error";
  } catch (const BuildError& error) {
    EXPECT_NE(std::string(error.what()).find("inside.bin"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace databuild
