// The natives of javax.microedition.io.File over temporary save and data roots: how device
// paths find files (case, both slashes, the save root first, escapes refused), and each
// native's answer for present, missing and refused files.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "host/file_faults.h"
#include "javame/file.h"
#include "javame/vector.h"
#include "platform/file_input_stream.h"
#include "platform/file_output_stream.h"
#include "platform/whole_stream.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class FileNativesTest : public LibraryTest {
 protected:
  static javax_microedition_io_File* File(const char* path) {
    return NewObject<javax_microedition_io_File>(NewJavaString(path));
  }
  static std::string Read(javax_microedition_io_File* file) {
    FileInputStream* in = file->openInputStream();
    if (!in) return "<none>";
    ByteArray* bytes = ReadWholeStream(in);
    in->close();
    return std::string(reinterpret_cast<const char*>(bytes->elements()),
                       static_cast<size_t>(bytes->length));
  }
};

TEST_F(FileNativesTest, DevicePathsFindTheirFiles) {
  Plant(data_, "program files/marquent/plimora/data.bar", "archive");
  Plant(data_, "memdump.dat", "in the data root");
  Plant(data_, "both.dat", "shipped");
  Plant(save_, "both.dat", "saved");
  Plant(data_, "folder/a.txt", "a");
  struct Case {
    const char* path;
    const char* contents;  // "<none>": no file
  };
  const Case cases[] = {
      {"\\Program Files\\Marquent\\Plimora\\DATA.BAR", "archive"},
      {"/program files/marquent/plimora/data.bar", "archive"},
      {"\\Program Files/Marquent\\\\Plimora/./data.bar", "archive"},
      {"memdump.dat", "in the data root"},  // no leading slash: from the root
      {"\\both.dat", "saved"},              // the save root shadows the data root
      {"\\folder\\..\\both.dat", "<none>"},
      {"..\\data\\memdump.dat", "<none>"},
      {"C:\\memdump.dat", "<none>"},
      {"\\\\server\\memdump.dat", "<none>"},
      {"\\folder", "<none>"},  // a folder is not a file
      {"\\missing.dat", "<none>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    javax_microedition_io_File* file = File(c.path);
    EXPECT_EQ(Read(file), c.contents);
    const bool present = std::string(c.contents) != "<none>";
    EXPECT_EQ(file->exists(), present);
    EXPECT_EQ(file->fileSize(), present ? static_cast<int32_t>(strlen(c.contents)) : 0);
  }
}

TEST_F(FileNativesTest, ARefusedPathIsTracedAndAnsweredAsNoFile) {
  Plant(data_, "secret.dat", "x");
  javax_microedition_io_File* file = File("\\a\\..\\secret.dat");
  TraceCapture trace;
  EXPECT_FALSE(file->exists());
  EXPECT_EQ(file->fileSize(), 0);
  EXPECT_EQ(file->openInputStream(), nullptr);
  EXPECT_EQ(file->openOutputStream(), nullptr);
  EXPECT_FALSE(file->create());
  EXPECT_FALSE(file->deleteFile());
  ASSERT_EQ(trace.lines().size(), 6u);
  EXPECT_NE(trace.lines()[0].find("\\a\\..\\secret.dat"), std::string::npos);
  // A unit whose low byte is '\' would alias a separator; it is refused, not narrowed.
  String* wide = NewJavaString("a_b.dat");
  wide->characters[1] = u'\u015C';
  EXPECT_FALSE(NewObject<javax_microedition_io_File>(wide)->exists());
  EXPECT_EQ(trace.lines().size(), 7u);
}

TEST_F(FileNativesTest, MissingFilesAreAnsweredQuietly) {
  javax_microedition_io_File* file = File("\\nothing.dat");
  TraceCapture trace;
  EXPECT_FALSE(file->exists());
  EXPECT_EQ(file->fileSize(), 0);
  EXPECT_EQ(file->openInputStream(), nullptr);
  EXPECT_FALSE(file->deleteFile());
  EXPECT_TRUE(trace.lines().empty());
}

TEST_F(FileNativesTest, OutputCreatesOrReplacesInTheSaveRootOnly) {
  Plant(data_, "rs_game.rms", "shipped");
  javax_microedition_io_File* file = File("\\RS_Game.rms");
  FileOutputStream* out = file->openOutputStream();
  ASSERT_NE(out, nullptr);
  out->write(NewByteArray(3));
  out->close();
  EXPECT_EQ(Contents(data_, "rs_game.rms"), "shipped");
  EXPECT_EQ(Contents(save_, "rs_game.rms"), std::string(3, '\0'));
  EXPECT_EQ(file->fileSize(), 3);
  // A new file in new folders.
  javax_microedition_io_File* deep = File("\\Program Files\\Marquent\\Plimora\\rs_new.rms");
  EXPECT_FALSE(deep->exists());
  deep->openOutputStream()->close();
  EXPECT_TRUE(deep->exists());
  EXPECT_EQ(Contents(save_, "program files/marquent/plimora/rs_new.rms"), "");
}

TEST_F(FileNativesTest, CreateEmptiesAnExistingFileWhichStillExists) {
  Plant(save_, "rs_game_rec1.rms", "record bytes");
  javax_microedition_io_File* file = File("\\rs_game_rec1.rms");
  EXPECT_TRUE(file->create());
  EXPECT_TRUE(file->exists());
  EXPECT_EQ(file->fileSize(), 0);
  EXPECT_EQ(Contents(save_, "rs_game_rec1.rms"), "");
  EXPECT_TRUE(File("\\brand_new.rms")->create());
  EXPECT_EQ(Contents(save_, "brand_new.rms"), "");
}

TEST_F(FileNativesTest, AFailedCreateKeepsTheOldFileAndSaysSo) {
  Plant(save_, "rs_game.rms", "keep me");
  TraceCapture trace;
  host::ArmFileFault(host::kFaultRename, 1);
  EXPECT_FALSE(File("\\rs_game.rms")->create());
  host::DisarmFileFaults();
  EXPECT_EQ(trace.lines().size(), 1u);
  EXPECT_EQ(Contents(save_, "rs_game.rms"), "keep me");
}

TEST_F(FileNativesTest, DeleteRemovesOnlyTheSavedCopy) {
  Plant(save_, "saved.rms", "s");
  Plant(data_, "shadowed.rms", "shipped");
  Plant(save_, "shadowed.rms", "saved");
  Plant(data_, "shipped.rms", "shipped");
  EXPECT_TRUE(File("\\saved.rms")->deleteFile());
  EXPECT_FALSE(File("\\saved.rms")->exists());
  EXPECT_TRUE(File("\\shadowed.rms")->deleteFile());
  EXPECT_EQ(Read(File("\\shadowed.rms")), "shipped");
  TraceCapture trace;
  EXPECT_FALSE(File("\\shipped.rms")->deleteFile());
  EXPECT_EQ(trace.lines().size(), 1u);
  EXPECT_EQ(Contents(data_, "shipped.rms"), "shipped");
}

TEST_F(FileNativesTest, ListIsAlwaysEmptyAndTheFreeSpaceAlwaysTheMost) {
  Plant(save_, "folder/rs_a.rms", "a");
  javax_microedition_io_File* folder = File("\\folder");
  java_util_Vector* names = folder->list();
  ASSERT_NE(names, nullptr);
  EXPECT_EQ(names->size(), 0);
  EXPECT_NE(File("\\folder")->list(), names);  // a new Vector each time
  EXPECT_EQ(folder->availableSize(), INT_MAX);
}

TEST_F(FileNativesTest, AFileWithoutAPathAnswersAsNoFile) {
  auto* file = NewObject<javax_microedition_io_File>();
  TraceCapture trace;
  EXPECT_FALSE(file->exists());
  EXPECT_EQ(file->openInputStream(), nullptr);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

}  // namespace
