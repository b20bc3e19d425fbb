// java.util.Calendar's conversions between a time and its fields, through day numbers: day 0
// is 1970-01-01, Julian day 2440588. All day and millisecond arithmetic is 64-bit with floor
// division, so times before 1970 and fields out of their ranges convert like any other.
#include <cstdint>

#include "javame/calendar.h"
#include "javame/time_arith.h"
#include "javame/time_zone.h"
#include "runtime/exceptions.h"

namespace {

using Calendar = java_util_Calendar;

// The day of the year (from 0) on which each month starts.
constexpr int32_t kMonthStart[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr int32_t kLeapMonthStart[12] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};

constexpr int64_t kCutoverDay = Calendar::kCutover / Calendar::kMillisPerDay;  // exact
// Days from 1 January of year 1 to 1970-01-01, in the Gregorian and in the Julian calendar.
constexpr int64_t kGregorianDaysBeforeEpoch = 719162;
constexpr int64_t kJulianDaysBeforeEpoch = 719164;

// A date of the calendar in force on its day.
struct DayDate {
  int64_t year;
  int32_t month;      // 0 .. 11
  int32_t day;        // 1 .. 31
  int32_t dayOfWeek;  // 1 Sunday .. 7 Saturday
};

bool GregorianLeap(int64_t year) {
  return FloorMod(year, 4) == 0 && (FloorMod(year, 100) != 0 || FloorMod(year, 400) == 0);
}

// Splits a day number into its date: the Gregorian calendar from the cutover on, counted in
// cycles of 400, 100, 4 and 1 years from 1 January of year 1; the Julian one before it, in
// four-year cycles. The last day of a 400- or 4-year cycle ends its final (leap) year.
DayDate DateOfDay(int64_t dayNumber) {
  int64_t year;
  int64_t dayOfYear;
  int64_t weekBase;
  bool leap;
  if (dayNumber >= kCutoverDay) {
    const int64_t g = dayNumber + kGregorianDaysBeforeEpoch;
    int64_t rest = FloorMod(g, 146097);
    const int64_t c400 = FloorDiv(g, 146097);
    const int64_t c100 = rest / 36524;
    rest %= 36524;
    const int64_t c4 = rest / 1461;
    rest %= 1461;
    const int64_t c1 = rest / 365;
    year = 400 * c400 + 100 * c100 + 4 * c4 + c1;
    if (c100 == 4 || c1 == 4) {
      dayOfYear = 365;
    } else {
      year += 1;
      dayOfYear = rest % 365;
    }
    leap = GregorianLeap(year);
    weekBase = g + 1;
  } else {
    const int64_t j = dayNumber + kJulianDaysBeforeEpoch;
    year = FloorDiv(4 * j + 1464, 1461);
    dayOfYear = j - (365 * (year - 1) + FloorDiv(year - 1, 4));
    leap = FloorMod(year, 4) == 0;
    weekBase = j - 1;
  }
  const int64_t correction = dayOfYear >= (leap ? 60 : 59) ? (leap ? 1 : 2) : 0;
  const auto month = static_cast<int32_t>((12 * (dayOfYear + correction) + 6) / 367);
  const int32_t* starts = leap ? kLeapMonthStart : kMonthStart;
  return {year, month, static_cast<int32_t>(dayOfYear - starts[month] + 1),
          static_cast<int32_t>(FloorMod(weekBase, 7) + 1)};
}

// The zone's offsets; a null zone is reported and counts as offset 0.
int32_t RawOffsetOf(java_util_TimeZone* zone) {
  return NullCheck(zone) ? zone->getRawOffset() : 0;
}

int32_t OffsetOf(java_util_TimeZone* zone, const DayDate& date, int64_t millisOfDay) {
  if (!NullCheck(zone)) return 0;
  return zone->getOffset(1, static_cast<int32_t>(date.year), date.month, date.day, date.dayOfWeek,
                         static_cast<int32_t>(millisOfDay));
}

}  // namespace

// ---- Fields to time -----------------------------------------------------------------------

int64_t Calendar::calculateJulianDay(bool gregorian, int64_t y) {
  int32_t m = month();
  if (m >= 12) {
    y += m / 12;
    m %= 12;
  }
  const bool leap = gregorian ? GregorianLeap(y) : FloorMod(y, 4) == 0;
  int64_t jd = 365 * (y - 1) + FloorDiv(y - 1, 4) + 1721423;
  if (gregorian) jd += FloorDiv(y - 1, 400) - FloorDiv(y - 1, 100) + 2;
  return jd + (leap ? kLeapMonthStart : kMonthStart)[m] + dayOfMonth();
}

// Departure: the device gave the zone the packed fields as they stood and a C remainder of
// the time, so lenient fields and times before 1970 raised IllegalArgumentException.
// The Gregorian calendar is tried for years from 1582 on, the Julian one before; when the
// day found lies on the other side of the cutover, the other calendar gives it. The zone is
// asked about the local date and time of day that the fields denote once carried over
// (31 February is 3 March), so fields out of their ranges are never refused.
void Calendar::computeTime() {
  bool gregorian = year() >= 1582;
  int64_t jd = calculateJulianDay(gregorian, year());
  int64_t ms = (jd - kEpochJulianDay) * kMillisPerDay;
  if ((ms >= kCutover) != gregorian) {
    gregorian = !gregorian;
    jd = calculateJulianDay(gregorian, year());
    ms = (jd - kEpochJulianDay) * kMillisPerDay;
  }
  ms += ((int64_t{hourOfDay()} * 60 + minute()) * 60 + second()) * 1000 + millisecond();
  const int32_t raw = RawOffsetOf(zone);
  const DayDate local = DateOfDay(FloorDiv(ms, kMillisPerDay));
  const int32_t dst = OffsetOf(zone, local, FloorMod(ms, kMillisPerDay)) - raw;
  time = ms - raw - dst;
  dstOffset = dst;
  areFieldsSet = 1;
  isTimeSet = 1;
}

// ---- Time to fields -----------------------------------------------------------------------

void Calendar::timeToFields(int64_t localMillis) {
  const DayDate date = DateOfDay(FloorDiv(localMillis, kMillisPerDay));
  packedDate = static_cast<int32_t>((static_cast<uint32_t>(date.year) << 9) |
                                    static_cast<uint32_t>(date.month << 5 | date.day));
  dayOfWeek = date.dayOfWeek;
}

// The zone's daylight offset is found for the standard local time; when adding it moves the
// time of day past midnight, the date is that of the moved time.
void Calendar::computeFields() {
  const int32_t raw = RawOffsetOf(zone);
  const int64_t local = SaturatingAdd(time, raw);
  timeToFields(local);
  int64_t t = FloorMod(local, kMillisPerDay);
  const DayDate date = {year(), month(), dayOfMonth(), dayOfWeek};
  const int32_t dst = OffsetOf(zone, date, t) - raw;
  dstOffset = dst;
  areFieldsSet = 1;
  t += dst;
  if (t < 0 || t >= kMillisPerDay) {
    timeToFields(SaturatingAdd(local, dst));
    t = FloorMod(t, kMillisPerDay);
  }
  packedTime = static_cast<int32_t>((t / 3600000) << 22 | (t / 60000 % 60) << 16 |
                                    (t / 1000 % 60) << 10 | t % 1000);
}

void Calendar::completeFields() {
  if (areFieldsSet && dayOfWeek != 0) return;
  if (!isTimeSet) computeTime();
  computeFields();
}
