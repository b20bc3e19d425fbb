#include "javame/print_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "javame/boxed.h"
#include "javame/console_output_stream.h"
#include "javame/exception_classes.h"
#include "runtime/string.h"
#include "tests/javame/stream_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class PrintStreamTest : public StreamTest {
 protected:
  void SetUp() override {
    StreamTest::SetUp();
    sink_ = NewObject<RecordingStream>();
    out_ = NewObject<java_io_PrintStream>(sink_);
  }
  std::string Printed() {
    const std::vector<uint8_t> bytes = sink_->bytes();
    return std::string(bytes.begin(), bytes.end());
  }

  RecordingStream* sink_ = nullptr;
  java_io_PrintStream* out_ = nullptr;
};

TEST_F(PrintStreamTest, ValuesPrintAsTheirTexts) {
  out_->print(NewJavaString("ab"));
  out_->print(true);
  out_->print(false);
  out_->print(int32_t{-12});
  out_->print((int64_t{1} << 32) + 7);  // the low 32 bits
  out_->print(u'c');
  CharArray* chars = NewCharArray(2);
  chars->elements()[0] = u'd';
  chars->elements()[1] = u'e';
  out_->print(chars);
  out_->print(static_cast<Object*>(NewObject<java_lang_Integer>(5)));
  EXPECT_EQ(Printed(), "abtruefalse-127cde5");
}

TEST_F(PrintStreamTest, NullPrintsAsNull) {
  out_->print(static_cast<String*>(nullptr));
  out_->print(static_cast<Object*>(nullptr));
  out_->println(static_cast<Object*>(nullptr));
  EXPECT_EQ(Printed(), "nullnullnull\n");
}

TEST_F(PrintStreamTest, EachCharacterKeepsItsLowByte) {
  String* euro = String::valueOf(u'\u20AC');
  out_->print(euro);
  out_->print(u'\u20AC');
  EXPECT_EQ(sink_->bytes(), (std::vector<uint8_t>{0xAC, 0xAC}));
}

TEST_F(PrintStreamTest, LinesEndWithTheSingleByteTen) {
  out_->println();
  out_->println(NewJavaString("s"));
  out_->println(u'c');
  out_->println(true);
  out_->println(int32_t{42});
  out_->println(static_cast<Object*>(NewObject<java_lang_Integer>(-3)));
  EXPECT_EQ(Printed(), "\ns\nc\ntrue\n42\n-3\n");
}

TEST_F(PrintStreamTest, IOExceptionsAreDroppedForTheTextAndTheLineEndAlike) {
  sink_->failWith = NewObject<java_io_EOFException>();
  out_->println(NewJavaString("lost"));
  EXPECT_EQ(GetPendingException(), nullptr);
  EXPECT_EQ(sink_->writes, 2);  // the text, then the line end
  out_->print(NewCharArray(3));
  EXPECT_EQ(GetPendingException(), nullptr);
  EXPECT_EQ(sink_->writes, 3);  // a char array stops at its first failure
}

TEST_F(PrintStreamTest, OtherExceptionsPassThroughAndEndTheLine) {
  sink_->failWith = NewObject<java_lang_IllegalStateException>();
  out_->println(int32_t{1});
  EXPECT_EQ(TakePending().classId, cid::java_lang_IllegalStateException);
  EXPECT_EQ(sink_->writes, 1);  // no line end after the failed text
}

TEST_F(PrintStreamTest, StreamOperationsAreForwarded) {
  out_->write(0x141);
  out_->write(Bytes({1, 2, 3}), 1, 2);
  out_->write(Bytes({4}));
  out_->flush();
  out_->close();
  EXPECT_EQ(sink_->bytes(), (std::vector<uint8_t>{0x41, 2, 3, 4}));
  EXPECT_EQ(sink_->flushes, 1);
  EXPECT_EQ(sink_->closes, 1);
}

TEST_F(PrintStreamTest, OverTheConsoleEverythingGoesNowhere) {
  auto* console = NewObject<java_io_PrintStream>(NewObject<java_io_ConsoleOutputStream>());
  TraceCapture trace;
  console->println(NewJavaString("hidden"));
  console->print(int32_t{5});
  console->write(Bytes({1, 2}));
  EXPECT_TRUE(trace.lines().empty());
  EXPECT_EQ(GetPendingException(), nullptr);
}

}  // namespace
