#include "javame/date.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>

#include "javame/calendar.h"
#include "runtime/instance_factory.h"
#include "tests/support/library_fixture.h"

namespace {

using DateTest = LibraryTest;

TEST_F(DateTest, TheTextIsTheCalendarTextOfTheTimeInTheDefaultZone) {
  struct Row {
    int64_t time;
    const char* text;
  };
  const Row rows[] = {
      {0, "Thu Jan 01 00:00:00 1970"},
      {-1, "Wed Dec 31 23:59:59 1969"},
      {1234567890123, "Fri Feb 13 23:31:30 2009"},
      {java_util_Calendar::kCutover - 1, "Thu Oct 04 23:59:59 1582"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TextOf(NewObject<java_util_Date>(row.time)->toString()), row.text);
  }
  EXPECT_EQ(TextOf(java_util_Calendar::toText(nullptr)), "null");
}

// Each Date keeps its own time; the shared Calendar is left as it was.
TEST_F(DateTest, TwoDatesKeepTheirOwnTimes) {
  java_util_Calendar* shared = java_util_Calendar::getInstance();
  shared->setTimeInMillis(777);
  auto* first = NewObject<java_util_Date>(int64_t{1000});
  auto* second = NewObject<java_util_Date>(int64_t{2000});
  EXPECT_EQ(first->getTime(), 1000);
  EXPECT_EQ(second->getTime(), 2000);
  first->setTime(86400000);
  EXPECT_EQ(second->getTime(), 2000);
  EXPECT_EQ(TextOf(first->toString()), "Fri Jan 02 00:00:00 1970");
  EXPECT_EQ(TextOf(second->toString()), "Thu Jan 01 00:00:02 1970");
  EXPECT_NE(first->calendar, second->calendar);
  EXPECT_EQ(shared->getTimeInMillis(), 777);
}

TEST_F(DateTest, EqualsTakesDatesOfTheSameTimeOnly) {
  auto* date = NewObject<java_util_Date>(int64_t{5000});
  EXPECT_TRUE(date->equals(NewObject<java_util_Date>(int64_t{5000})));
  EXPECT_FALSE(date->equals(NewObject<java_util_Date>(int64_t{5001})));
  auto* calendar = NewObject<java_util_Calendar>();
  calendar->setTimeInMillis(5000);
  EXPECT_FALSE(date->equals(calendar));
  EXPECT_FALSE(date->equals(nullptr));
}

TEST_F(DateTest, TheHashIsTheHighWordXorTheLowWord) {
  struct Row {
    int64_t time;
    int32_t hash;
  };
  const Row rows[] = {
      {0, 0},  {0x12345678, 0x12345678}, {0x0000000100000003, 2},
      {-1, 0}, {int64_t{-2}, 1},         {0x7FFFFFFF00000000, 0x7FFFFFFF},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(NewObject<java_util_Date>(row.time)->hashCode(), row.hash) << row.time;
  }
}

// The calendar clock counts whole seconds.
TEST_F(DateTest, ANewDateIsTheCalendarClocksNow) {
  const int64_t before = static_cast<int64_t>(time(nullptr)) * 1000;
  auto* date = NewObject<java_util_Date>();
  auto* made = static_cast<java_util_Date*>(NewInstanceFactory::newInstance(cid::java_util_Date));
  const int64_t after = static_cast<int64_t>(time(nullptr)) * 1000;
  ASSERT_NE(made, nullptr);
  for (java_util_Date* each : {date, made}) {
    EXPECT_GE(each->getTime(), before);
    EXPECT_LE(each->getTime(), after);
    EXPECT_EQ(each->getTime() % 1000, 0);
    EXPECT_EQ(each->calendar, nullptr);
  }
}

}  // namespace
