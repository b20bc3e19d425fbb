// FileOutputStream over the atomic replace: the file changes only when close makes the
// replace, every failure is raised as java_io_IOException and leaves the old contents, and a
// write never reaches the data root.
#include "platform/file_output_stream.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "host/file_faults.h"
#include "javame/data_output_stream.h"
#include "runtime/array.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

constexpr const char* kDevice = "\\Program Files\\Marquent\\Plimora\\RS_Progress.RMS";
constexpr const char* kHostName = "program files/marquent/plimora/rs_progress.rms";

class FileOutputStreamTest : public LibraryTest {
 protected:
  static ByteArray* Bytes(const std::string& text) {
    ByteArray* array = NewByteArray(static_cast<int32_t>(text.size()));
    for (size_t i = 0; i < text.size(); i++) array->elements()[i] = static_cast<int8_t>(text[i]);
    return array;
  }
  // Writes text through a DataOutputStream as the record store writes its files, then
  // closes; the class id of the exception raised on the way, 0 when none.
  static int32_t Save(const std::string& text) {
    FileOutputStream* stream = FileOutputStream::open(kDevice);
    if (!stream) return -1;
    auto* out = NewObject<java_io_DataOutputStream>(stream);
    out->writeByte(text[0]);
    if (!GetPendingException()) out->write(Bytes(text), 1, static_cast<int32_t>(text.size()) - 1);
    if (!GetPendingException()) out->close();
    return TakePending().classId;
  }
};

TEST_F(FileOutputStreamTest, TheFileChangesWhenTheStreamCloses) {
  Plant(save_, kHostName, "old contents");
  FileOutputStream* out = FileOutputStream::open(kDevice);
  ASSERT_NE(out, nullptr);
  out->write('n');
  out->write(Bytes("ew!"), 0, 2);
  out->flush();
  EXPECT_EQ(Contents(save_, kHostName), "old contents");
  out->close();
  EXPECT_EQ(TakePending().classId, 0);
  EXPECT_EQ(Contents(save_, kHostName), "new");
  out->close();  // only the first close does anything
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(FileOutputStreamTest, AStreamClosedAtOnceLeavesAnEmptyFile) {
  Plant(save_, kHostName, "old contents");
  FileOutputStream::open(kDevice)->close();
  EXPECT_EQ(Contents(save_, kHostName), "");
}

TEST_F(FileOutputStreamTest, WritesGoToTheSaveRootAndShadowTheShippedFile) {
  Plant(data_, kHostName, "shipped");
  FileOutputStream* out = FileOutputStream::open(kDevice);
  out->write(Bytes("saved"));
  out->close();
  EXPECT_EQ(Contents(data_, kHostName), "shipped");
  EXPECT_EQ(Contents(save_, kHostName), "saved");
}

TEST_F(FileOutputStreamTest, EveryFailingStepIsRaisedAndLeavesTheOldOrTheNewFile) {
  const std::string oldText(264, 'o');
  const std::string newText(264, 'n');
  Plant(save_, kHostName, oldText);
  host::ArmFileFault(host::kFaultAny, 0);
  ASSERT_EQ(Save(newText), 0);
  const int steps = host::CountedFileOps();
  ASSERT_GE(steps, 5);  // the byte, the rest, the file sync, the rename, the folder sync
  for (int k = 1; k <= steps; k++) {
    SCOPED_TRACE(k);
    Plant(save_, kHostName, oldText);
    TraceCapture trace;
    host::ArmFileFault(host::kFaultAny, k);
    const int32_t raised = Save(newText);
    host::DisarmFileFaults();
    EXPECT_EQ(raised, cid::java_io_IOException);
    EXPECT_EQ(trace.lines().size(), 1u);
    // Only the folder sync comes after the rename.
    EXPECT_EQ(Contents(save_, kHostName), k < steps ? oldText : newText);
  }
}

TEST_F(FileOutputStreamTest, AFailedWriteIsNeverMadeGoodByLaterOnes) {
  Plant(save_, kHostName, "old");
  FileOutputStream* out = FileOutputStream::open(kDevice);
  host::ArmFileFault(host::kFaultWrite, 1);
  out->write(Bytes("half of this"));
  host::DisarmFileFaults();
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
  out->write(Bytes("more"));
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
  out->close();
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
  EXPECT_EQ(Contents(save_, kHostName), "old");
}

TEST_F(FileOutputStreamTest, WritingAfterCloseRaises) {
  FileOutputStream* out = FileOutputStream::open(kDevice);
  out->close();
  out->write(1);
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
  out->write(Bytes("x"), 0, 1);
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
  EXPECT_EQ(Contents(save_, kHostName), "");
}

TEST_F(FileOutputStreamTest, ARangeOutsideTheArrayWritesNothing) {
  FileOutputStream* out = FileOutputStream::open(kDevice);
  TraceCapture trace;
  out->write(Bytes("abc"), 2, 2);
  out->write(Bytes("abc"), -1, 1);
  EXPECT_EQ(trace.lines().size(), 2u);
  out->write(Bytes("abc"), 1, 2);
  out->close();
  EXPECT_EQ(TakePending().classId, 0);
  EXPECT_EQ(Contents(save_, kHostName), "bc");
}

TEST_F(FileOutputStreamTest, TheCollectorCommitsAForgottenStream) {
  Deep([] { FileOutputStream::open(kDevice)->write(Bytes("kept")); });
  CollectNow();
  EXPECT_EQ(Contents(save_, kHostName), "kept");
}

TEST_F(FileOutputStreamTest, AFileThatCannotBeWrittenGivesNoStream) {
  Plant(save_, "program files/marquent/plimora/rs_progress.rms/inside", "a folder in the way");
  TraceCapture trace;
  EXPECT_EQ(FileOutputStream::open(kDevice), nullptr);
  EXPECT_EQ(FileOutputStream::open("\\..\\escape.rms"), nullptr);
  EXPECT_EQ(trace.lines().size(), 2u);
}

}  // namespace
