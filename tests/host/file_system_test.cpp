#include "host/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/file_roots.h"
#include "tests/support/file_roots_fixture.h"

namespace {

using host::FileResult;
using Names = std::vector<std::string>;

class FileSystemTest : public FileRootsTest {
 protected:
  Names List(const char* folder, const char* pattern, FileResult expected = FileResult::kOk) {
    Names names{"stale"};
    EXPECT_EQ(host::ListFolder(folder, pattern, &names).result, expected)
        << folder << " " << pattern;
    return names;
  }
};

TEST_F(FileSystemTest, ListingMergesBothRootsAndShowsOnlyReachableFiles) {
  const char* folder = "program files/marquent/plimora/";
  for (const char* name : {"rms_progress.dat", "rms_settings.dat", "other.txt",
                           "RMS_Upper.dat",              // no device path reaches it
                           "rms_progress.dat.Tmp-7-1"})  // left by an interrupted replace
    Plant(save_, std::string(folder) + name, "x");
  std::filesystem::create_directories(save_ / folder / "rms_folder.dat");
  for (const char* name : {"rms_shipped.dat", "rms_progress.dat"})
    Plant(data_, std::string(folder) + name, "y");

  EXPECT_EQ(List("\\Program Files\\Marquent\\Plimora", "RMS_*.DAT"),
            (Names{"rms_progress.dat", "rms_settings.dat", "rms_shipped.dat"}));
  EXPECT_EQ(List("\\Program Files\\Marquent\\Plimora\\", "*"),
            (Names{"other.txt", "rms_progress.dat", "rms_settings.dat", "rms_shipped.dat"}));
}

TEST_F(FileSystemTest, PatternTable) {
  for (const char* name : {"a.dat", "ab.dat", "abc.txt", "b"}) Plant(save_, name, "");
  struct Case {
    const char* pattern;
    Names names;
  };
  const Case cases[] = {
      {"*", {"a.dat", "ab.dat", "abc.txt", "b"}},
      {"?.dat", {"a.dat"}},
      {"a*", {"a.dat", "ab.dat", "abc.txt"}},
      {"*.*", {"a.dat", "ab.dat", "abc.txt"}},
      {"a*t", {"a.dat", "ab.dat", "abc.txt"}},
      {"*b*", {"ab.dat", "abc.txt", "b"}},
      {"a**.dat", {"a.dat", "ab.dat"}},
      {"*c*", {"abc.txt"}},
      {"B", {"b"}},
      {"?", {"b"}},
      {"*.da", {}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(List("\\", c.pattern), c.names) << c.pattern;
}

TEST_F(FileSystemTest, ListingAMissingOrRefusedFolderGivesNothing) {
  EXPECT_EQ(List("\\nowhere", "*", FileResult::kNotFound), Names{});
  EXPECT_EQ(List("\\..", "*", FileResult::kParentInPath), Names{});
}

TEST_F(FileSystemTest, CreateEmptiesAnExistingFileAndMakesNewOnes) {
  Plant(save_, "a/full.dat", "contents");
  ASSERT_TRUE(host::CreateEmptyFile("\\A\\Full.dat").ok());
  EXPECT_EQ(Contents(save_, "a/full.dat"), "");
  EXPECT_TRUE(host::FileExists("\\a\\full.dat"));
  ASSERT_TRUE(host::CreateEmptyFile("\\b\\c\\new.dat").ok());
  EXPECT_EQ(Contents(save_, "b/c/new.dat"), "");

  Plant(data_, "shipped.dat", "shipped");
  ASSERT_TRUE(host::CreateEmptyFile("shipped.dat").ok());  // an empty copy shadows it
  EXPECT_EQ(host::FileSize("shipped.dat"), 0);
  EXPECT_EQ(Contents(data_, "shipped.dat"), "shipped");
}

TEST_F(FileSystemTest, RemoveTouchesOnlyTheSaveRoot) {
  Plant(save_, "saved.dat", "s");
  Plant(data_, "shipped.dat", "d");
  Plant(save_, "both.dat", "s");
  Plant(data_, "both.dat", "d");
  std::filesystem::create_directories(save_ / "folder");
  struct Case {
    const char* device;
    FileResult result;
    bool existsAfter;
  };
  const Case cases[] = {
      {"\\Saved.dat", FileResult::kOk, false},
      {"\\saved.dat", FileResult::kNotFound, false},
      {"\\shipped.dat", FileResult::kReadOnly, true},
      {"\\both.dat", FileResult::kOk, true},  // the data root's copy shows again
      {"\\folder", FileResult::kNotAFile, false},
      {"\\..\\saved.dat", FileResult::kParentInPath, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(host::RemoveFile(c.device).result, c.result) << c.device;
    EXPECT_EQ(host::FileExists(c.device), c.existsAfter) << c.device;
  }
  EXPECT_EQ(Contents(data_, "shipped.dat"), "d");
  EXPECT_EQ(Contents(data_, "both.dat"), "d");
}

TEST_F(FileSystemTest, AvailableSpaceOfTheSaveRoot) {
  EXPECT_GT(host::AvailableSpace(), 0);
  host::SetSaveRoot((save_ / "not/made/yet").string());  // measured on the folder above
  EXPECT_GT(host::AvailableSpace(), 0);
  host::SetSaveRoot("");
  EXPECT_EQ(host::AvailableSpace(), -1);
}

}  // namespace
