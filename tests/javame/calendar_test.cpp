#include "javame/calendar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "javame/date.h"
#include "javame/time_zone.h"
#include "runtime/instance_factory.h"
#include "runtime/system.h"
#include "tests/support/library_fixture.h"

namespace {

using Calendar = java_util_Calendar;

// The fields a Calendar shows, read once they are up to date.
struct Fields {
  int32_t year, month, day, dayOfWeek, hour, minute, second, millisecond;
  bool operator==(const Fields&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Fields& f) {
  return out << f.year << "-" << f.month + 1 << "-" << f.day << " (" << f.dayOfWeek << ") "
             << f.hour << ":" << f.minute << ":" << f.second << "." << f.millisecond;
}

class CalendarTest : public LibraryTest {
 protected:
  static Fields Read(Calendar* c) {
    const int32_t dayOfWeek = c->get(Calendar::DAY_OF_WEEK);  // brings stale fields up to date
    return {c->get(Calendar::YEAR),        c->get(Calendar::MONTH),
            c->get(Calendar::DATE),        dayOfWeek,
            c->get(Calendar::HOUR_OF_DAY), c->get(Calendar::MINUTE),
            c->get(Calendar::SECOND),      c->get(Calendar::MILLISECOND)};
  }
  // A new Calendar set to the date at midnight.
  static Calendar* At(int32_t year, int32_t month, int32_t day) {
    auto* c = NewObject<Calendar>();
    const int32_t fields[][2] = {{Calendar::YEAR, year},    {Calendar::MONTH, month},
                                 {Calendar::DATE, day},     {Calendar::HOUR_OF_DAY, 0},
                                 {Calendar::MINUTE, 0},     {Calendar::SECOND, 0},
                                 {Calendar::MILLISECOND, 0}};
    for (const auto& field : fields) c->set(field[0], field[1]);
    return c;
  }
};

// ---- Time to fields -----------------------------------------------------------------------

TEST_F(CalendarTest, ATimeReadsAsItsDateInTheGregorianOrJulianCalendar) {
  struct Row {
    int64_t time;
    Fields fields;
  };
  const Row rows[] = {
      {0, {1970, 0, 1, 5, 0, 0, 0, 0}},
      {-1, {1969, 11, 31, 4, 23, 59, 59, 999}},
      {Calendar::kCutover, {1582, 9, 15, 6, 0, 0, 0, 0}},
      {Calendar::kCutover - Calendar::kMillisPerDay, {1582, 9, 4, 5, 0, 0, 0, 0}},
      {-62135769600000, {1, 0, 1, 7, 0, 0, 0, 0}},
      {951782400000, {2000, 1, 29, 3, 0, 0, 0, 0}},   // a leap day of a 400-year leap
      {978220800000, {2000, 11, 31, 1, 0, 0, 0, 0}},  // the last day of a 400-year cycle
      {1230681600000 + 45296789, {2008, 11, 31, 4, 12, 34, 56, 789}},
  };
  auto* c = NewObject<Calendar>();
  for (const Row& row : rows) {
    c->setTimeInMillis(row.time);
    EXPECT_EQ(Read(c), row.fields) << row.time;
  }
}

TEST_F(CalendarTest, TheHourFieldsReadTwelveHourAndAmPm) {
  struct Row {
    int64_t time;
    int32_t hour;  // field 10
    int32_t amPm;  // field 9
  };
  const Row rows[] = {{0, 12, 0}, {3600000, 1, 0}, {12 * 3600000, 12, 1}, {23 * 3600000, 11, 1}};
  auto* c = NewObject<Calendar>();
  for (const Row& row : rows) {
    c->setTimeInMillis(row.time);
    EXPECT_EQ(c->get(Calendar::HOUR), row.hour) << row.time;
    EXPECT_EQ(c->get(Calendar::AM_PM), row.amPm) << row.time;
  }
}

// ---- Fields to time -----------------------------------------------------------------------

// Fields out of their ranges carry over; the time never raises, before 1970 either.
TEST_F(CalendarTest, FieldsGiveTheirTimeAndReadBackCarriedOver) {
  struct Row {
    int32_t year, month, day;
    int64_t time;
    Fields back;
  };
  const Row rows[] = {
      {1970, 0, 1, 0, {1970, 0, 1, 5, 0, 0, 0, 0}},
      {1582, 9, 10, -12218860800000, {1582, 9, 20, 4, 0, 0, 0, 0}},  // in the gap: Julian
      {1582, 9, 4, Calendar::kCutover - Calendar::kMillisPerDay, {1582, 9, 4, 5, 0, 0, 0, 0}},
      {1900, 1, 29, -2203891200000, {1900, 2, 1, 5, 0, 0, 0, 0}},
      {2008, 13, 1, 1233446400000, {2009, 1, 1, 1, 0, 0, 0, 0}},
      {2009, 2, 0, 1235779200000, {2009, 1, 28, 7, 0, 0, 0, 0}},
      {2009, 1, 31, 1236038400000, {2009, 2, 3, 3, 0, 0, 0, 0}},
      {1, 0, 1, -62135769600000, {1, 0, 1, 7, 0, 0, 0, 0}},
  };
  for (const Row& row : rows) {
    Calendar* c = At(row.year, row.month, row.day);
    EXPECT_EQ(c->getTimeInMillis(), row.time) << row.year << "," << row.month << "," << row.day;
    EXPECT_EQ(Read(c), row.back) << row.year << "," << row.month << "," << row.day;
    EXPECT_EQ(TakePending().classId, 0);
  }
}

TEST_F(CalendarTest, HourAndAmPmWaitForEachOther) {
  struct Step {
    int32_t field, value;
  };
  struct Row {
    std::vector<Step> steps;
    int32_t hourOfDay;
  };
  const Row rows[] = {
      {{{Calendar::HOUR, 3}}, 3},
      {{{Calendar::HOUR, 3}, {Calendar::AM_PM, 1}}, 15},
      {{{Calendar::HOUR, 12}, {Calendar::AM_PM, 0}}, 0},
      {{{Calendar::AM_PM, 1}, {Calendar::HOUR, 12}}, 12},
      {{{Calendar::AM_PM, 0}, {Calendar::HOUR, 12}}, 0},
      {{{Calendar::AM_PM, 1}, {Calendar::HOUR, 4}}, 16},
      {{{Calendar::AM_PM, 1}, {Calendar::HOUR_OF_DAY, 5}, {Calendar::HOUR, 4}}, 4},
      {{{Calendar::HOUR_OF_DAY, 25}}, 1},
      {{{Calendar::HOUR, 30}}, 12},
  };
  for (const Row& row : rows) {
    auto* c = NewObject<Calendar>();
    c->setTimeInMillis(0);
    for (const Step& step : row.steps) c->set(step.field, step.value);
    EXPECT_EQ(c->get(Calendar::HOUR_OF_DAY), row.hourOfDay) << row.steps.size();
  }
}

TEST_F(CalendarTest, ValuesAreTruncatedIntoTheirBits) {
  auto* c = NewObject<Calendar>();
  c->setTimeInMillis(0);
  c->set(Calendar::MONTH, 17);          // 4 bits
  c->set(Calendar::DATE, 33);           // 5 bits
  c->set(Calendar::MILLISECOND, 1025);  // 10 bits
  c->set(Calendar::YEAR, -3);
  EXPECT_EQ(c->get(Calendar::MONTH), 1);
  EXPECT_EQ(c->get(Calendar::DATE), 1);
  EXPECT_EQ(c->get(Calendar::MILLISECOND), 1);
  EXPECT_EQ(c->get(Calendar::YEAR), -3);
}

TEST_F(CalendarTest, FieldsOutsideTheAcceptedSetRaiseAndStoreNothing) {
  auto* c = NewObject<Calendar>();
  c->setTimeInMillis(0);
  for (int32_t field : {0, 3, 4, 6, 8, 15, -1}) {
    EXPECT_EQ(c->get(field), 0);
    EXPECT_EQ(TakePending().classId, cid::java_lang_ArrayIndexOutOfBoundsException) << field;
    c->set(field, 99);
    EXPECT_EQ(TakePending().classId, cid::java_lang_ArrayIndexOutOfBoundsException) << field;
  }
  EXPECT_EQ(c->get(Calendar::DAY_OF_WEEK), 5);  // 7 may be read, not set
  c->set(Calendar::DAY_OF_WEEK, 1);
  EXPECT_EQ(TakePending().classId, cid::java_lang_ArrayIndexOutOfBoundsException);
  EXPECT_EQ(Read(c), (Fields{1970, 0, 1, 5, 0, 0, 0, 0}));
  EXPECT_EQ(c->getTimeInMillis(), 0);
}

// Every day of years 1 to 9999, through the fields and back, comes back to itself.
TEST_F(CalendarTest, EveryDayOfYearsOneToNineThousandRoundTrips) {
  auto* c = NewObject<Calendar>();
  const int64_t first = -62135769600000 / Calendar::kMillisPerDay;  // 0001-01-01
  const int64_t last = 253402214400000 / Calendar::kMillisPerDay;   // 9999-12-31
  int64_t failures = 0;
  for (int64_t day = first; day <= last && failures < 5; day++) {
    const int64_t t = day * Calendar::kMillisPerDay;
    c->setTimeInMillis(t);
    c->set(Calendar::YEAR, c->get(Calendar::YEAR));
    if (c->getTimeInMillis() != t) {
      ADD_FAILURE() << "day " << day << " came back as " << c->getTimeInMillis();
      failures++;
    }
  }
  c->setTimeInMillis(last * Calendar::kMillisPerDay);
  EXPECT_EQ(Read(c), (Fields{9999, 11, 31, 6, 0, 0, 0, 0}));
}

// ---- The shared Calendar, the Date and the zone -------------------------------------------

TEST_F(CalendarTest, GetInstanceSharesOneCalendarAndTheZoneFormMovesItsFields) {
  Calendar* shared = Calendar::getInstance();
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(Calendar::getInstance(), shared);
  EXPECT_EQ(shared->getTimeZone(), java_util_TimeZone::getDefault());
  shared->setTimeInMillis(0);
  auto* plusTwo = NewObject<java_util_TimeZoneImpl>(2 * 3600000, nullptr);
  EXPECT_EQ(Calendar::getInstance(plusTwo), shared);
  EXPECT_EQ(shared->getTimeZone(), plusTwo);
  EXPECT_EQ(shared->getTimeInMillis(), 0);
  EXPECT_EQ(Read(shared), (Fields{1970, 0, 1, 5, 2, 0, 0, 0}));
}

// A stale time is computed in the new zone first: the fields stay, the time moves.
TEST_F(CalendarTest, SetTimeZoneKeepsAValidTimeAndComputesAStaleOne) {
  auto* plusOne = NewObject<java_util_TimeZoneImpl>(3600000, nullptr);
  auto* c = NewObject<Calendar>();
  c->setTimeInMillis(0);
  c->setTimeZone(plusOne);
  EXPECT_EQ(c->getTimeInMillis(), 0);
  EXPECT_EQ(c->get(Calendar::HOUR_OF_DAY), 1);
  c->set(Calendar::MINUTE, 30);  // 01:30, read in the zone that comes next
  c->setTimeZone(java_util_TimeZone::getDefault());
  EXPECT_EQ(c->getTimeInMillis(), 90 * 60000);
  EXPECT_EQ(c->get(Calendar::HOUR_OF_DAY), 1);
  EXPECT_EQ(c->get(Calendar::MINUTE), 30);
}

TEST_F(CalendarTest, GetTimeHandsOutOneDateSetToEachTime) {
  auto* c = NewObject<Calendar>();
  c->setTimeInMillis(1000);
  java_util_Date* date = c->getTime();
  ASSERT_NE(date, nullptr);
  EXPECT_EQ(date->getTime(), 1000);
  c->set(Calendar::SECOND, 5);
  EXPECT_EQ(c->getTime(), date);
  EXPECT_EQ(date->getTime(), 5000);
  auto* other = NewObject<Calendar>();
  other->setTime(NewObject<java_util_Date>(int64_t{-86400000}));
  EXPECT_EQ(Read(other), (Fields{1969, 11, 31, 4, 0, 0, 0, 0}));
}

// A Calendar subclass (class id 54) compares like a Calendar; anything else does not.
class CalendarImpl : public java_util_Calendar {
 public:
  static constexpr int16_t kClassId = cid::java_util_CalendarImpl;
};

TEST_F(CalendarTest, EqualsBeforeAndAfterTakeAnyCalendarAndRefuseOtherObjects) {
  auto* a = NewObject<Calendar>();
  auto* b = NewObject<CalendarImpl>();
  a->setTimeInMillis(5000);
  b->setTimeInMillis(5000);
  EXPECT_TRUE(a->equals(a));
  EXPECT_TRUE(a->equals(b));
  EXPECT_TRUE(b->equals(a));
  EXPECT_FALSE(a->before(b));
  EXPECT_FALSE(a->after(b));
  b->set(Calendar::SECOND, 6);  // stale: computed before comparing
  EXPECT_FALSE(a->equals(b));
  EXPECT_TRUE(a->before(b));
  EXPECT_TRUE(b->after(a));
  Object* date = NewObject<java_util_Date>(int64_t{5000});
  EXPECT_FALSE(a->equals(date));
  EXPECT_FALSE(a->before(date));
  EXPECT_FALSE(a->after(nullptr));
  b->setTimeInMillis(5000);
  b->setTimeZone(NewObject<java_util_TimeZoneImpl>(0, nullptr));  // same offset, other zone
  EXPECT_FALSE(a->equals(b));
}

TEST_F(CalendarTest, TheFactoryMakesCalendarsInTheDefaultZoneAtTheCalendarClocksNow) {
  const int64_t before = WallClockMillis();
  auto* c = static_cast<Calendar*>(NewInstanceFactory::newInstance(cid::java_util_Calendar));
  const int64_t after = WallClockMillis();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->classId, cid::java_util_Calendar);
  EXPECT_GE(c->getTimeInMillis(), before);
  EXPECT_LE(c->getTimeInMillis(), after);
  EXPECT_EQ(c->getTimeZone(), java_util_TimeZone::getDefault());
  EXPECT_NE(c->get(Calendar::DAY_OF_WEEK), 0);
}

// ---- Texts --------------------------------------------------------------------------------

TEST_F(CalendarTest, TheTextsShowTheFieldsTheZoneAndTheYear) {
  struct Row {
    int64_t time;
    int32_t offset;
    const char* id;  // null: no ID
    const char* text;
    const char* fieldText;
  };
  const Row rows[] = {
      {0, 0, nullptr, "Thu Jan 01 00:00:00 1970", "1970 01 01 00 00 00 +0000"},
      {1230768000000 - 1, 0, "GMT", "Wed Dec 31 23:59:59 GMT 2008", "2008 12 31 23 59 59 +0000"},
      {-61788182400000 + 3723000, -(5 * 3600000 + 30 * 60000), "X", "Wed Jan 06 19:32:03 X 0012",
       "0012 01 06 19 32 03 -0530"},
      {-62198928000000, 3600000, "", "Wed Jan 01 01:00:00 -1", "-1 01 01 01 00 00 +0100"},
  };
  for (const Row& row : rows) {
    String* id = row.id ? NewJavaString(row.id) : nullptr;
    auto* c = NewObject<Calendar>();
    c->setTimeZone(NewObject<java_util_TimeZoneImpl>(row.offset, id));
    c->setTimeInMillis(row.time);
    EXPECT_EQ(TextOf(Calendar::toText(c)), row.text);
    EXPECT_EQ(TextOf(Calendar::toFieldText(c)), row.fieldText);
  }
  EXPECT_EQ(TextOf(Calendar::toText(nullptr)), "null");
  EXPECT_EQ(TextOf(Calendar::toFieldText(nullptr)), "null");
}

// After set the day of week is 0 and the month may be 12 to 15: the texts bring the fields
// up to date instead of reading names outside their tables.
TEST_F(CalendarTest, TheTextsOfStaleFieldsShowTheCarriedOverDate) {
  auto* c = NewObject<Calendar>();
  c->setTimeInMillis(0);
  c->set(Calendar::MONTH, 14);
  c->set(Calendar::DATE, 31);
  EXPECT_EQ(TextOf(Calendar::toText(c)), "Wed Mar 31 00:00:00 1971");
  c->set(Calendar::HOUR_OF_DAY, 13);
  EXPECT_EQ(TextOf(Calendar::toFieldText(c)), "1971 03 31 13 00 00 +0000");
}

}  // namespace
