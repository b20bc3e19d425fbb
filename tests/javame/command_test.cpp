// Command: the type is checked before anything is stored, then the label.
#include "javame/command.h"

#include <gtest/gtest.h>

#include "runtime/string.h"
#include "tests/support/library_fixture.h"

namespace {

using Command = javax_microedition_lcdui_Command;

class CommandTest : public LibraryTest {};

TEST_F(CommandTest, TheTypeMustBeOneToEightAndIsCheckedBeforeTheLabel) {
  struct Case {
    int32_t type;
    bool withLabel;
    int32_t raised;  // class id, 0 for none
    int32_t storedType;
  };
  const Case cases[] = {
      {1, true, 0, 1},
      {8, true, 0, 8},
      {0, true, cid::java_lang_IllegalArgumentException, 0},
      {9, true, cid::java_lang_IllegalArgumentException, 0},
      {-3, true, cid::java_lang_IllegalArgumentException, 0},
      // A null label raises the NullPointerException after type and priority are stored...
      {4, false, cid::java_lang_NullPointerException, 4},
      // ...unless the type is bad too.
      {9, false, cid::java_lang_IllegalArgumentException, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << (c.withLabel ? "" : ", no label"));
    String* label = c.withLabel ? NewJavaString("Back") : nullptr;
    auto* command = NewObject<Command>(label, c.type, 7);
    ASSERT_NE(command, nullptr);
    const Raised raised = TakePending();
    EXPECT_EQ(raised.classId, c.raised);
    EXPECT_EQ(raised.message, "");
    EXPECT_EQ(command->commandType, c.storedType);
    EXPECT_EQ(command->priority, c.storedType ? 7 : 0);
    EXPECT_EQ(command->label, c.raised ? nullptr : label);
    EXPECT_EQ(command->longLabel, nullptr);
  }
}

TEST_F(CommandTest, TheLongFormKeepsBothLabels) {
  String* label = NewJavaString("Back");
  String* longLabel = NewJavaString("Back to the menu");
  auto* command = NewObject<Command>(label, longLabel, 2, 1);
  EXPECT_EQ(TakePending().classId, 0);
  EXPECT_EQ(command->label, label);
  EXPECT_EQ(command->longLabel, longLabel);
  EXPECT_EQ(command->commandType, 2);
  EXPECT_EQ(command->priority, 1);
}

}  // namespace
