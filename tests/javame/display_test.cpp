// Display: a new handle on every request, and any handle (or none) makes a Displayable current.
#include "javame/display.h"

#include <gtest/gtest.h>

#include "javame/displayable.h"
#include "runtime/instance_factory.h"
#include "tests/support/library_fixture.h"

namespace {

using Display = javax_microedition_lcdui_Display;

class DisplayTest : public LibraryTest {};

TEST_F(DisplayTest, EveryRequestGivesANewDisplayAndAnyOfThemSetsTheCurrentDisplayable) {
  Display* first = Display::getDisplay(nullptr);
  Display* second = Display::getDisplay(nullptr);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  auto* canvas = NewObject<javax_microedition_lcdui_Canvas>();
  Display::setCurrent(first, canvas);
  EXPECT_EQ(GetApplication()->currentDisplayable, canvas);
  Display::setCurrent(second, nullptr);
  EXPECT_EQ(GetApplication()->currentDisplayable, nullptr);
  Object* made = NewInstanceFactory::newInstance(cid::javax_microedition_lcdui_Display);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->classId, cid::javax_microedition_lcdui_Display);
}

}  // namespace
