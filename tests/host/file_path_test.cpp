#include "host/file_path.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "host/file.h"
#include "host/file_roots.h"
#include "tests/support/file_roots_fixture.h"

namespace {

using host::FileResult;

struct TranslationCase {
  std::string device;
  FileResult result;
  const char* relative;  // expected when result is kOk
};

TEST(FilePathTest, TranslationTable) {
  const TranslationCase cases[] = {
      {"\\Program Files\\Marquent\\Plimora\\DATA.BAR", FileResult::kOk,
       "program files/marquent/plimora/data.bar"},
      {"/Program Files/Marquent/Plimora/data.bar", FileResult::kOk,
       "program files/marquent/plimora/data.bar"},
      {"\\Program Files/Marquent\\\\Plimora//Data.Bar\\", FileResult::kOk,
       "program files/marquent/plimora/data.bar"},
      {"memdump.dat", FileResult::kOk, "memdump.dat"},
      {"Level1.BAR", FileResult::kOk, "level1.bar"},
      {"\\temp\\Sound1.OGG", FileResult::kOk, "temp/sound1.ogg"},
      {".\\a\\.\\b", FileResult::kOk, "a/b"},
      {"\\etc\\passwd", FileResult::kOk, "etc/passwd"},  // a host-absolute path stays inside
      {"\\...\\..a\\a..b", FileResult::kOk, ".../..a/a..b"},
      {"\xC4RGER\\\xE9t\xC9", FileResult::kOk, "\xC4rger/\xE9t\xC9"},  // only A..Z fold
      {"\\", FileResult::kOk, ""},
      {"", FileResult::kOk, ""},
      {"..", FileResult::kParentInPath, nullptr},
      {"\\..\\secret", FileResult::kParentInPath, nullptr},
      {"a/../../b", FileResult::kParentInPath, nullptr},
      {"\\Program Files\\..", FileResult::kParentInPath, nullptr},
      {std::string("a\0b", 3), FileResult::kNulInPath, nullptr},
      {std::string("data.bar\0", 9), FileResult::kNulInPath, nullptr},
      {"C:\\Windows\\win.ini", FileResult::kDriveInPath, nullptr},
      {"file:///etc/passwd", FileResult::kDriveInPath, nullptr},
      {"\\\\server\\share\\x", FileResult::kDriveInPath, nullptr},
      {"//server/share", FileResult::kDriveInPath, nullptr},
  };
  for (const TranslationCase& c : cases) {
    std::string relative = "unchanged";
    host::FileStatus status = host::TranslateDevicePath(c.device, &relative);
    EXPECT_EQ(status.result, c.result) << c.device;
    EXPECT_EQ(relative, c.result == FileResult::kOk ? c.relative : "unchanged") << c.device;
  }
}

TEST(FilePathTest, RefusalsReadAsTraceText) {
  std::string relative;
  EXPECT_EQ(host::TranslateDevicePath("\\..\\x", &relative).text(), "path holds a '..' component");
  EXPECT_EQ(host::TranslateDevicePath(std::string("a\0", 2), &relative).text(),
            "path holds a NUL character");
  EXPECT_EQ(host::SystemFailure("rename", 28).text(), "rename failed: No space left on device");
}

TEST(FilePathTest, ProgramFilesIsTheDeviceFolder) {
  EXPECT_EQ(host::SpecialFolderPath(host::SpecialFolder::kProgramFiles), "\\Program Files");
}

class FileResolveTest : public FileRootsTest {};

TEST_F(FileResolveTest, InstallFolderArchiveResolvesToTheLowerCasedFile) {
  std::string device =
      host::SpecialFolderPath(host::SpecialFolder::kProgramFiles) + "\\Marquent\\Plimora\\DATA.BAR";
  std::string hostPath;
  ASSERT_TRUE(host::ResolveForRead(device, &hostPath).ok());
  EXPECT_EQ(hostPath, (data_ / "program files/marquent/plimora/data.bar").string());
  ASSERT_TRUE(host::ResolveForWrite(device, &hostPath).ok());
  EXPECT_EQ(hostPath, (save_ / "program files/marquent/plimora/data.bar").string());
}

TEST_F(FileResolveTest, SaveRootFileShadowsTheDataRoot) {
  Plant(data_, "program files/marquent/plimora/data.bar", "shipped");
  std::string hostPath;
  ASSERT_TRUE(host::ResolveForRead("\\Program Files\\Marquent\\Plimora\\data.bar", &hostPath).ok());
  EXPECT_EQ(hostPath, (data_ / "program files/marquent/plimora/data.bar").string());

  // A folder of that name in the save root does not hide the data root's file.
  std::filesystem::create_directories(save_ / "program files/marquent/plimora/data.bar");
  ASSERT_TRUE(host::ResolveForRead("\\Program Files\\Marquent\\Plimora\\data.bar", &hostPath).ok());
  EXPECT_EQ(hostPath, (data_ / "program files/marquent/plimora/data.bar").string());
  std::filesystem::remove(save_ / "program files/marquent/plimora/data.bar");

  Plant(save_, "program files/marquent/plimora/data.bar", "saved");
  ASSERT_TRUE(host::ResolveForRead("\\PROGRAM FILES\\Marquent\\Plimora\\data.bar", &hostPath).ok());
  EXPECT_EQ(hostPath, (save_ / "program files/marquent/plimora/data.bar").string());
}

TEST_F(FileResolveTest, WriteNeverLandsInTheDataRoot) {
  Plant(data_, "program files/marquent/plimora/data.bar", "shipped");
  const char* device = "\\Program Files\\Marquent\\Plimora\\DATA.BAR";
  ASSERT_TRUE(host::WriteFileAtomically(device, "written", 7).ok());
  EXPECT_EQ(Contents(data_, "program files/marquent/plimora/data.bar"), "shipped");
  EXPECT_EQ(Contents(save_, "program files/marquent/plimora/data.bar"), "written");

  std::unique_ptr<host::File> file = host::OpenForRead(device);
  ASSERT_TRUE(file);
  char text[16] = {};
  EXPECT_EQ(file->read(text, sizeof text), 7);
  EXPECT_STREQ(text, "written");
}

TEST_F(FileResolveTest, RootRelativeNamesAndTemporaryFilesResolveUnderTheRoots) {
  ASSERT_TRUE(host::WriteFileAtomically("memdump.dat", "m", 1).ok());
  EXPECT_EQ(Contents(save_, "memdump.dat"), "m");
  std::string device = std::string(host::kTempFolderPath) + "\\Sound1.ogg";
  std::unique_ptr<host::File> file = host::OpenForWrite(device, host::WriteMode::kTruncate);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->write("ogg", 3));
  ASSERT_TRUE(file->close().ok());
  EXPECT_EQ(Contents(save_, "temp/sound1.ogg"), "ogg");
}

TEST_F(FileResolveTest, RefusedOrRootlessPathsFailWithAReason) {
  host::FileStatus status;
  EXPECT_FALSE(host::OpenForRead("\\..\\..\\etc\\passwd", &status));
  EXPECT_EQ(status.result, FileResult::kParentInPath);
  EXPECT_FALSE(host::OpenForWrite("C:\\x", host::WriteMode::kReplace, &status));
  EXPECT_EQ(status.result, FileResult::kDriveInPath);
  EXPECT_FALSE(host::OpenForWrite("\\", host::WriteMode::kReplace, &status));
  EXPECT_EQ(status.result, FileResult::kEmptyPath);

  host::SetSaveRoot("");
  EXPECT_EQ(host::WriteFileAtomically("x.dat", "x", 1).result, FileResult::kNoRoot);
  host::SetDataRoot("");
  EXPECT_FALSE(host::OpenForRead("x.dat", &status));
  EXPECT_EQ(status.result, FileResult::kNoRoot);
}

TEST(FileRootsDefaultTest, SaveRootFollowsTheEnvironment) {
  setenv("XDG_DATA_HOME", "/xdg/data", 1);
  EXPECT_EQ(host::DefaultSaveRoot(), "/xdg/data/plimora");
  setenv("XDG_DATA_HOME", "relative/ignored", 1);  // the variable must be absolute to count
  setenv("HOME", "/home/player", 1);
  EXPECT_EQ(host::DefaultSaveRoot(), "/home/player/.local/share/plimora");
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(host::DefaultSaveRoot(), "/home/player/.local/share/plimora");
}

// The data set beside the executable, wherever it is started from: this test binary's own
// folder's data/.
TEST(FileRootsDefaultTest, DataRootIsTheDataFolderBesideTheExecutable) {
  const std::string folder = std::filesystem::canonical("/proc/self/exe").parent_path().string();
  EXPECT_EQ(host::DefaultDataRoot(), folder + "/data");
  EXPECT_EQ(host::DataRoot(), folder + "/data");
}

}  // namespace
