#include "javame/time_zone.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "javame/device_statics.h"
#include "runtime/array.h"
#include "runtime/instance_factory.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using Zone = java_util_TimeZoneImpl;

constexpr int32_t kHour = 3600000;
constexpr int32_t kDay = 24 * kHour;

// A rule: month, day, day of week (its sign selects the mode), time of day.
struct Rule {
  int32_t month, day, dayOfWeek, time;
};

class TimeZoneTest : public LibraryTest {
 protected:
  static Zone* With(int32_t raw, Rule start, Rule end, int32_t savings = kHour) {
    return NewObject<Zone>(raw, nullptr, start.month, start.day, start.dayOfWeek, start.time,
                           end.month, end.day, end.dayOfWeek, end.time, savings);
  }
};

// Sundays on or after 8 March and 1 November at 02:00, five hours behind.
const Rule kUsStart = {2, 8, -1, 2 * kHour};
const Rule kUsEnd = {10, 1, -1, 2 * kHour};
// The last Sundays of March and October at 01:00, one hour ahead.
const Rule kLastSundayMarch = {2, -1, 1, kHour};
const Rule kLastSundayOctober = {9, -1, 1, kHour};
// The first Sundays of October and April, ten hours ahead: daylight over the turn of the year.
const Rule kFirstSundayOctober = {9, 1, 1, 2 * kHour};
const Rule kFirstSundayApril = {3, 1, 1, 3 * kHour};

// ---- Offsets at dates of 2009 -------------------------------------------------------------

TEST_F(TimeZoneTest, TheRulesSwitchAtTheirMomentsInEachMode) {
  struct Row {
    const char* name;
    int32_t raw;
    Rule start, end;
    int32_t month, day, dayOfWeek, millis;
    int32_t offset;
  };
  const Row rows[] = {
      {"US start, a millisecond before", -5 * kHour, kUsStart, kUsEnd, 2, 8, 1, 2 * kHour - 1,
       -5 * kHour},
      {"US start", -5 * kHour, kUsStart, kUsEnd, 2, 8, 1, 2 * kHour, -4 * kHour},
      {"US summer, a Tuesday", -5 * kHour, kUsStart, kUsEnd, 6, 14, 3, 0, -4 * kHour},
      {"US end, a millisecond before", -5 * kHour, kUsStart, kUsEnd, 10, 1, 1, kHour - 1,
       -4 * kHour},
      {"US end", -5 * kHour, kUsStart, kUsEnd, 10, 1, 1, kHour, -5 * kHour},
      {"US, the last half hour of the year", -5 * kHour, kUsStart, kUsEnd, 11, 31, 5,
       kDay - kHour / 2, -5 * kHour},
      {"last Sunday, a millisecond before", kHour, kLastSundayMarch, kLastSundayOctober, 2, 29, 1,
       kHour - 1, kHour},
      {"last Sunday", kHour, kLastSundayMarch, kLastSundayOctober, 2, 29, 1, kHour, 2 * kHour},
      {"last Sunday, the Saturday before", kHour, kLastSundayMarch, kLastSundayOctober, 2, 28, 7,
       23 * kHour, kHour},
      {"last Sunday of October, the hour before the end", kHour, kLastSundayMarch,
       kLastSundayOctober, 9, 24, 7, 23 * kHour, 2 * kHour},
      {"last Sunday of October, the end", kHour, kLastSundayMarch, kLastSundayOctober, 9, 25, 1, 0,
       kHour},
      {"southern, January", 10 * kHour, kFirstSundayOctober, kFirstSundayApril, 0, 15, 5, 0,
       11 * kHour},
      {"southern, July", 10 * kHour, kFirstSundayOctober, kFirstSundayApril, 6, 15, 4, 0,
       10 * kHour},
      {"southern, the day before the start", 10 * kHour, kFirstSundayOctober, kFirstSundayApril, 9,
       3, 7, 12 * kHour, 10 * kHour},
      {"Sunday on or after 10 March, the Saturday 14th",
       -5 * kHour,
       {2, 10, -1, 2 * kHour},
       kUsEnd,
       2,
       14,
       7,
       12 * kHour,
       -5 * kHour},
      {"Sunday on or after 10 March, the 15th",
       -5 * kHour,
       {2, 10, -1, 2 * kHour},
       kUsEnd,
       2,
       15,
       1,
       2 * kHour,
       -4 * kHour},
      {"southern, the start", 10 * kHour, kFirstSundayOctober, kFirstSundayApril, 9, 4, 1,
       2 * kHour, 11 * kHour},
      {"southern, the end", 10 * kHour, kFirstSundayOctober, kFirstSundayApril, 3, 5, 1, 2 * kHour,
       10 * kHour},
      {"Sunday on or before 25 October", 0, {2, 1, 0, 0}, {9, -25, -1, 0}, 9, 25, 1, 0, 0},
      {"Sunday on or before 25 October, the day before",
       0,
       {2, 1, 0, 0},
       {9, -25, -1, 0},
       9,
       24,
       7,
       0,
       kHour},
  };
  for (const Row& row : rows) {
    Zone* zone = With(row.raw, row.start, row.end);
    ASSERT_EQ(TakePending().classId, 0) << row.name;
    EXPECT_TRUE(zone->useDaylightTime());
    EXPECT_EQ(zone->getOffset(1, 2009, row.month, row.day, row.dayOfWeek, row.millis), row.offset)
        << row.name;
    EXPECT_EQ(zone->getOffset(0, 2009, row.month, row.day, row.dayOfWeek, row.millis), row.raw)
        << row.name << " (era 0: no daylight saving)";
  }
}

TEST_F(TimeZoneTest, DecodingTurnsTheSignsIntoModes) {
  struct Row {
    Rule rule;
    int32_t mode, day, dayOfWeek;
  };
  const Row rows[] = {
      {{2, 8, 0, 0}, Zone::DOM_MODE, 8, 0},
      {{2, -1, 1, 0}, Zone::DOW_IN_MONTH_MODE, -1, 1},
      {{2, 8, -1, 0}, Zone::DOW_GE_DOM_MODE, 8, 1},
      {{2, -25, -7, 0}, Zone::DOW_LE_DOM_MODE, 25, 7},
  };
  for (const Row& row : rows) {
    Zone* zone = With(0, row.rule, row.rule);
    EXPECT_EQ(zone->startMode, row.mode);
    EXPECT_EQ(zone->startDay, row.day);
    EXPECT_EQ(zone->startDayOfWeek, row.dayOfWeek);
    EXPECT_EQ(zone->endMode, row.mode);
  }
  Zone* noEnd = With(0, kUsStart, {10, 0, 0, 0});  // an end day of 0: no daylight saving
  EXPECT_FALSE(noEnd->useDaylightTime());
  EXPECT_EQ(noEnd->getOffset(1, 2009, 6, 1, 2, 0), 0);
}

// Two days of savings move 30 and 31 December past the year's end: the moved date counts as
// after every rule month, and no month length beyond December is read.
TEST_F(TimeZoneTest, SavingsOfDaysMoveTheDatePastTheEndOfTheYear) {
  Zone* zone = With(0, {0, 1, 0, 0}, {11, 31, 0, 12 * kHour}, 2 * kDay);
  ASSERT_EQ(TakePending().classId, 0);
  TraceCapture trace;
  EXPECT_EQ(zone->getOffset(1, 2009, 11, 29, 3, 6 * kHour), 2 * kDay);  // moved to 31 December
  EXPECT_EQ(zone->getOffset(1, 2009, 11, 30, 4, 6 * kHour), 0);
  EXPECT_EQ(zone->getOffset(1, 2009, 11, 31, 5, 6 * kHour), 0);
  EXPECT_TRUE(trace.lines().empty());
}

// ---- Faults -------------------------------------------------------------------------------

TEST_F(TimeZoneTest, GetOffsetRefusesArgumentsOutOfTheirRanges) {
  struct Row {
    int32_t era, month, day, dayOfWeek, millis;
    const char* message;
  };
  const Row rows[] = {
      {1, 12, 1, 1, 0, "Illegal month 12"},
      {1, -1, 1, 1, 0, "Illegal month -1"},
      {2, 0, 1, 1, 0, ""},
      {1, 0, 0, 1, 0, ""},
      {1, 0, 32, 1, 0, ""},
      {1, 1, 30, 1, 0, ""},
      {1, 0, 1, 0, 0, ""},
      {1, 0, 1, 8, 0, ""},
      {1, 0, 1, 1, -1, ""},
      {1, 0, 1, 1, kDay, ""},
  };
  Zone* us = With(-5 * kHour, kUsStart, kUsEnd);
  for (Zone* zone : {static_cast<Zone*>(java_util_TimeZone::getDefault()), us}) {
    for (const Row& row : rows) {
      EXPECT_EQ(zone->getOffset(row.era, 2009, row.month, row.day, row.dayOfWeek, row.millis), 0);
      const Raised raised = TakePending();
      EXPECT_EQ(raised.classId, cid::java_lang_IllegalArgumentException) << row.message;
      EXPECT_EQ(raised.message, row.message);
    }
  }
  EXPECT_EQ(us->getOffset(1, 2009, 1, 29, 1, 0), -5 * kHour);  // February has 29 days
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(TimeZoneTest, EachBadRuleRaisesWithItsMessage) {
  struct Row {
    Rule start, end;
    int32_t savings;
    const char* message;
  };
  const Rule good = kUsStart;
  const Row rows[] = {
      {{12, 1, 0, 0}, good, kHour, "Illegal start month 12"},
      {{2, 1, 0, -1}, good, kHour, "Illegal start time -1"},
      {{2, 1, 0, kDay + 1}, good, kHour, "Illegal start time 86400001"},
      {{2, 1, 8, 0}, good, kHour, "Illegal start day of week 8"},
      {{2, 1, -8, 0}, good, kHour, "Illegal start day of week 8"},
      {{2, 6, 1, 0}, good, kHour, "Illegal start day of week in month 6"},
      {{2, -6, 1, 0}, good, kHour, "Illegal start day of week in month -6"},
      {{1, 30, 0, 0}, good, kHour, "Illegal start day of month 30"},
      {{3, -31, -1, 0}, good, kHour, "Illegal start day of month 31"},
      {good, {-1, 1, 0, 0}, kHour, "Illegal end month -1"},
      {good, {2, 1, 0, -5}, kHour, "Illegal end time -5"},
      {good, {2, 1, 9, 0}, kHour, "Illegal end day of week 9"},
      {good, {2, 7, 2, 0}, kHour, "Illegal end day of week in month 7"},
      {good, {8, 31, 0, 0}, kHour, "Illegal end day of month 31"},
      {good, kUsEnd, 0, "Illegal daylight saving amount"},
      {good, kUsEnd, -kHour, "Illegal daylight saving amount"},
  };
  for (const Row& row : rows) {
    With(0, row.start, row.end, row.savings);
    const Raised raised = TakePending();
    EXPECT_EQ(raised.classId, cid::java_lang_IllegalArgumentException) << row.message;
    EXPECT_EQ(raised.message, row.message);
  }
  With(0, {2, 1, 0, kDay}, {1, 29, 0, 0});  // the end of the day and 29 February are accepted
  EXPECT_EQ(TakePending().classId, 0);
}

// ---- Plain zones and the tables -----------------------------------------------------------

TEST_F(TimeZoneTest, TheDefaultZoneHasOffsetZeroNoIdAndNoDaylightSaving) {
  java_util_TimeZone* zone = java_util_TimeZone::getDefault();
  ASSERT_NE(zone, nullptr);
  EXPECT_EQ(java_util_TimeZone::getDefault(), zone);
  EXPECT_EQ(zone->classId, cid::java_util_TimeZoneImpl);
  EXPECT_EQ(zone->getID(), nullptr);
  EXPECT_EQ(zone->getRawOffset(), 0);
  EXPECT_FALSE(zone->useDaylightTime());
  for (int32_t month = 0; month < 12; month++) {
    EXPECT_EQ(zone->getOffset(1, 2009, month, 15, 3, kHour * month), 0);
  }
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(TimeZoneTest, AZoneOfOffsetAndIdHasAnHourOfSavingsButNoDaylightTime) {
  auto* zone = NewObject<Zone>(3 * kHour, NewJavaString("Here"));
  EXPECT_EQ(TextOf(zone->getID()), "Here");
  EXPECT_EQ(zone->dstSavings, kHour);
  EXPECT_FALSE(zone->useDaylightTime());
  EXPECT_EQ(zone->getOffset(1, 2009, 6, 15, 4, 0), 3 * kHour);
  EXPECT_FALSE(zone->equals(NewObject<Zone>(3 * kHour, NewJavaString("Here"))));
}

TEST_F(TimeZoneTest, ACustomIdIsGmtAndTheOffsetInHoursAndMinutes) {
  struct Row {
    int32_t raw;
    const char* id;
  };
  const Row rows[] = {{0, "GMT+00:00"},
                      {5 * kHour + 30 * 60000, "GMT+05:30"},
                      {-8 * kHour, "GMT-08:00"},
                      {-(9 * kHour + 45 * 60000), "GMT-09:45"}};
  for (const Row& row : rows) {
    auto* zone = NewObject<Zone>(row.raw, NewJavaString("ignored"));
    zone->customID = 1;
    EXPECT_EQ(TextOf(zone->getID()), row.id);
  }
}

TEST_F(TimeZoneTest, TheAvailableIdsAreGmtAndUtcInOneArray) {
  ObjectArray* ids = java_util_TimeZone::getAvailableIDs();
  ASSERT_NE(ids, nullptr);
  ASSERT_EQ(ids->length, 2);
  EXPECT_EQ(TextOf(static_cast<String*>(ids->elements()[0])), "GMT");
  EXPECT_EQ(TextOf(static_cast<String*>(ids->elements()[1])), "UTC");
  EXPECT_EQ(java_util_TimeZone::getAvailableIDs(), ids);
  CollectNow();
  EXPECT_EQ(java_util_TimeZone::getAvailableIDs(), ids);
  EXPECT_EQ(TextOf(static_cast<String*>(ids->elements()[1])), "UTC");
}

TEST_F(TimeZoneTest, TheFactoryMakesTheDefaultKindOfZoneOverTheSharedMonthLengths) {
  auto* zone = static_cast<Zone*>(NewInstanceFactory::newInstance(cid::java_util_TimeZoneImpl));
  ASSERT_NE(zone, nullptr);
  EXPECT_EQ(zone->getID(), nullptr);
  EXPECT_EQ(zone->rawOffset, 0);
  EXPECT_EQ(zone->monthLength, Statics<DeviceStatics>()->java_util_TimeZoneImpl_monthLength);
  ASSERT_NE(zone->monthLength, nullptr);
  const int32_t lengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int32_t m = 0; m < 12; m++) EXPECT_EQ(ByteArray::get(zone->monthLength, m), lengths[m]);
}

}  // namespace
