// javax.microedition.io.File's own side: the path is lower-cased once when the File is made,
// so names that differ only in the case of 'A'..'Z' are one file.
#include "javame/file.h"

#include <gtest/gtest.h>

#include "runtime/string.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class FileClassTest : public LibraryTest {};

TEST_F(FileClassTest, ThePathIsLowerCasedInItsAsciiLettersOnly) {
  String* name = NewJavaString("\\Program Files\\Marquent\\RS_Progress.RMS");
  name->characters[1] = u'\u00C0';  // kept: only 'A'..'Z' change
  auto* file = NewObject<javax_microedition_io_File>(name);
  EXPECT_EQ(UnitsOf(file->path), u"\\\u00C0rogram files\\marquent\\rs_progress.rms");
  EXPECT_EQ(TextOf(name), "\\\xC0rogram Files\\Marquent\\RS_Progress.RMS");  // unchanged
}

TEST_F(FileClassTest, NamesDifferingInCaseAreOneFile) {
  auto* upper = NewObject<javax_microedition_io_File>(NewJavaString("\\RS_GAME.RMS"));
  auto* lower = NewObject<javax_microedition_io_File>(NewJavaString("\\rs_game.rms"));
  ASSERT_TRUE(upper->create());
  EXPECT_TRUE(lower->exists());
  EXPECT_TRUE(upper->path->equals(lower->path));
}

TEST_F(FileClassTest, ANullNameLeavesNoPath) {
  TraceCapture trace;
  auto* file = NewObject<javax_microedition_io_File>(static_cast<String*>(nullptr));
  EXPECT_EQ(file->path, nullptr);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

}  // namespace
