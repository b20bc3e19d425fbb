// The atomic replace under injected faults: every failing write, sync or rename leaves the
// target with its old or its new contents, is reported as a failure, and leaves no temporary.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/file.h"
#include "host/file_faults.h"
#include "host/file_system.h"
#include "tests/support/file_roots_fixture.h"

namespace {

constexpr const char* kDevice = "\\Program Files\\Marquent\\Plimora\\RMS_Progress_1.dat";
constexpr const char* kHostName = "program files/marquent/plimora/rms_progress_1.dat";

class FileReplaceTest : public FileRootsTest {
 protected:
  // Entries in the target's folder, so a leftover temporary file shows up.
  size_t EntriesBeside() {
    std::filesystem::path folder = (save_ / kHostName).parent_path();
    if (!std::filesystem::exists(folder)) return 0;
    auto entries = std::filesystem::directory_iterator(folder);
    return static_cast<size_t>(std::distance(begin(entries), end(entries)));
  }
  // Number of faultable operations one replace of `contents` makes.
  int OperationsOfOneReplace(const std::string& contents) {
    host::ArmFileFault(host::kFaultAny, 0);
    EXPECT_TRUE(host::WriteFileAtomically(kDevice, contents.data(), contents.size()).ok());
    int n = host::CountedFileOps();
    host::DisarmFileFaults();
    return n;
  }
};

TEST_F(FileReplaceTest, EveryFailingStepLeavesOldOrNewAndIsReported) {
  const std::string oldContents(264, 'o');
  const std::string newContents(264, 'n');
  ASSERT_TRUE(host::WriteFileAtomically(kDevice, oldContents.data(), oldContents.size()).ok());
  int steps = OperationsOfOneReplace(newContents);
  ASSERT_GE(steps, 4);  // write, sync the file, rename, sync the folder

  for (int k = 1; k <= steps; k++) {
    ASSERT_TRUE(host::WriteFileAtomically(kDevice, oldContents.data(), oldContents.size()).ok());
    host::ArmFileFault(host::kFaultAny, k);
    host::FileStatus status =
        host::WriteFileAtomically(kDevice, newContents.data(), newContents.size());
    host::DisarmFileFaults();
    EXPECT_FALSE(status.ok()) << "step " << k;
    EXPECT_EQ(status.result, host::FileResult::kSystemError) << "step " << k;
    // Only the last step, the folder sync, comes after the rename.
    EXPECT_EQ(Contents(save_, kHostName), k < steps ? oldContents : newContents) << "step " << k;
    EXPECT_EQ(EntriesBeside(), 1u) << "step " << k;  // no temporary left behind
  }
}

TEST_F(FileReplaceTest, EachKindOfFailureNamesItsStep) {
  struct Case {
    unsigned op;
    const char* operation;
  };
  const Case cases[] = {
      {host::kFaultWrite, "write"}, {host::kFaultSync, "sync"}, {host::kFaultRename, "rename"}};
  for (const Case& c : cases) {
    ASSERT_TRUE(host::WriteFileAtomically(kDevice, "old", 3).ok());
    host::ArmFileFault(c.op, 1);
    host::FileStatus status = host::WriteFileAtomically(kDevice, "new", 3);
    host::DisarmFileFaults();
    EXPECT_STREQ(status.operation, c.operation);
    EXPECT_EQ(Contents(save_, kHostName), "old") << c.operation;
  }
}

TEST_F(FileReplaceTest, FirstWriteIntoNewFoldersLeavesNothingOrTheNewFile) {
  const std::string contents = "first save";
  int steps = OperationsOfOneReplace(contents);
  ASSERT_GT(steps, 4);  // the new folders are synced into their parents too
  for (int k = 1; k <= steps; k++) {
    std::filesystem::remove_all(save_);
    host::ArmFileFault(host::kFaultAny, k);
    EXPECT_FALSE(host::WriteFileAtomically(kDevice, contents.data(), contents.size()).ok()) << k;
    host::DisarmFileFaults();
    std::optional<std::string> found = Contents(save_, kHostName);
    EXPECT_TRUE(!found || *found == contents) << "step " << k;
    EXPECT_LE(EntriesBeside(), 1u) << "step " << k;
    ASSERT_TRUE(host::WriteFileAtomically(kDevice, contents.data(), contents.size()).ok());
  }
}

TEST_F(FileReplaceTest, WriteFailingHalfWayFailsTheWholeReplace) {
  ASSERT_TRUE(host::WriteFileAtomically(kDevice, "old", 3).ok());
  std::unique_ptr<host::File> file = host::OpenForWrite(kDevice, host::WriteMode::kReplace);
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->write("first part, ", 12));
  host::ArmFileFault(host::kFaultWrite, 1);
  EXPECT_FALSE(file->write("second part", 11));  // half of it reaches the temporary file
  host::DisarmFileFaults();
  EXPECT_FALSE(file->write("third part", 10));  // the handle stays failed
  host::FileStatus status = file->close();
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(status.text(), "write failed: Input/output error");
  EXPECT_EQ(Contents(save_, kHostName), "old");
  EXPECT_EQ(EntriesBeside(), 1u);
}

TEST_F(FileReplaceTest, LeftoverTemporaryFilesAreInvisible) {
  ASSERT_TRUE(host::WriteFileAtomically(kDevice, "kept", 4).ok());
  std::string leftover = std::string(kHostName) + ".Tmp-99-1";
  Plant(save_, leftover, "half");
  EXPECT_TRUE(host::IsTemporaryName(std::filesystem::path(leftover).filename().string()));
  EXPECT_FALSE(host::FileExists(std::string(kDevice) + ".Tmp-99-1"));
  std::vector<std::string> names;
  ASSERT_TRUE(host::ListFolder("\\Program Files\\Marquent\\Plimora", "*", &names).ok());
  EXPECT_EQ(names, std::vector<std::string>{"rms_progress_1.dat"});
  ASSERT_TRUE(host::WriteFileAtomically(kDevice, "next", 4).ok());
  EXPECT_EQ(Contents(save_, kHostName), "next");
  EXPECT_EQ(Contents(save_, leftover), "half");
}

}  // namespace
