// java.util.TimeZoneImpl's daylight-saving rules: checking and decoding a rule, finding the
// day a rule names in a month, and the offset at a date. Weekday arithmetic is floor modulo
// 7 throughout, so a rule weekday before the given one never yields a negative distance.
#include "javame/exception_classes.h"
#include "javame/time_arith.h"
#include "javame/time_zone.h"
#include "runtime/array.h"

namespace {

using TimeZoneImpl = java_util_TimeZoneImpl;

constexpr int32_t kMillisPerDay = 86400000;
constexpr int32_t kEmptyText = 46;
constexpr int32_t kIllegalMonthText = 312;

// The messages of a rule's faults, each followed by the bad value.
struct RuleTexts {
  int32_t month;
  int32_t time;
  int32_t dayOfWeek;
  int32_t weekInMonth;
  int32_t dayOfMonth;
};
constexpr RuleTexts kStartTexts = {314, 315, 316, 317, 318};
constexpr RuleTexts kEndTexts = {319, 320, 321, 322, 323};

// A date and standard time of day, as getOffset compares it with the rules.
struct RuleDate {
  int32_t month;  // 0 .. 11, or 12 once moved past 31 December
  int32_t monthLength;
  int32_t day;
  int32_t dayOfWeek;
  int64_t millis;
};

// The weekday of day d of the month that holds day `day` of weekday dayOfWeek.
int32_t WeekdayOf(int32_t d, int32_t day, int32_t dayOfWeek) {
  return static_cast<int32_t>(FloorMod(int64_t{dayOfWeek} - 1 + d - day, 7)) + 1;
}

// The distance in days from weekday `from` forward to weekday `to`, 0 .. 6.
int32_t DaysForward(int32_t from, int32_t to) {
  return static_cast<int32_t>(FloorMod(int64_t{to} - from, 7));
}

}  // namespace

// ---- Decoding -----------------------------------------------------------------------------

namespace {

// Throws for a bad rule value; always false.
bool Refuse(int32_t text, int32_t value) {
  ThrowIllegalArgument(text, value);
  return false;
}

// Checks one rule and sets its mode. The day of week's sign selects the mode: 0 an exact
// day, positive the n-th weekday, negative a weekday on or after the day (a positive day) or
// on or before it (a negative day, which is turned positive too).
bool DecodeRule(ByteArray* monthLength, int32_t month, int32_t& day, int32_t& dayOfWeek,
                int32_t time, int32_t& mode, const RuleTexts& texts) {
  if (month < 0 || month > 11) return Refuse(texts.month, month);
  if (time < 0 || time > kMillisPerDay) return Refuse(texts.time, time);
  if (dayOfWeek == 0) {
    mode = TimeZoneImpl::DOM_MODE;
  } else if (dayOfWeek > 0) {
    mode = TimeZoneImpl::DOW_IN_MONTH_MODE;
  } else {
    dayOfWeek = -dayOfWeek;
    if (day > 0) {
      mode = TimeZoneImpl::DOW_GE_DOM_MODE;
    } else {
      day = -day;
      mode = TimeZoneImpl::DOW_LE_DOM_MODE;
    }
  }
  if (dayOfWeek > 7 || dayOfWeek < 0) return Refuse(texts.dayOfWeek, dayOfWeek);  // < 0: -INT_MIN
  if (mode == TimeZoneImpl::DOW_IN_MONTH_MODE) {
    if (day < -5 || day > 5) return Refuse(texts.weekInMonth, day);
  } else if (day > ByteArray::get(monthLength, month)) {
    return Refuse(texts.dayOfMonth, day);
  }
  return true;
}

}  // namespace

bool TimeZoneImpl::decodeStartRule() {
  useDaylight = startDay != 0 && endDay != 0;
  return startDay == 0 || DecodeRule(monthLength, startMonth, startDay, startDayOfWeek, startTime,
                                     startMode, kStartTexts);
}

bool TimeZoneImpl::decodeEndRule() {
  useDaylight = startDay != 0 && endDay != 0;
  return endDay == 0 ||
         DecodeRule(monthLength, endMonth, endDay, endDayOfWeek, endTime, endMode, kEndTexts);
}

bool TimeZoneImpl::decodeRules() {
  return decodeStartRule() && decodeEndRule();
}

// ---- Evaluation ---------------------------------------------------------------------------

int32_t TimeZoneImpl::lengthOfMonth(int32_t month) {
  return ByteArray::get(monthLength, month);
}

// Departure: the device's weekday distances were C remainders, negative for a rule weekday
// before the given one.
int32_t TimeZoneImpl::compareToRule(int32_t month, int32_t monthLength, int32_t day,
                                    int32_t dayOfWeek, int32_t millis, int32_t mode,
                                    int32_t ruleMonth, int32_t ruleDayOfWeek, int32_t ruleDay,
                                    int32_t ruleTime) {
  if (month != ruleMonth) return month < ruleMonth ? -1 : 1;
  int64_t ruleDayOfMonth = ruleDay;  // 64 bits: a rule day may be any int
  switch (mode) {
    case DOW_IN_MONTH_MODE:
      if (ruleDay > 0) {
        ruleDayOfMonth = 1 + DaysForward(WeekdayOf(1, day, dayOfWeek), ruleDayOfWeek) +
                         (int64_t{ruleDay} - 1) * 7;
      } else {
        ruleDayOfMonth = monthLength -
                         DaysForward(ruleDayOfWeek, WeekdayOf(monthLength, day, dayOfWeek)) +
                         (int64_t{ruleDay} + 1) * 7;
      }
      break;
    case DOW_GE_DOM_MODE:
      ruleDayOfMonth =
          int64_t{ruleDay} + DaysForward(WeekdayOf(ruleDay, day, dayOfWeek), ruleDayOfWeek);
      break;
    case DOW_LE_DOM_MODE:
      ruleDayOfMonth =
          int64_t{ruleDay} - DaysForward(ruleDayOfWeek, WeekdayOf(ruleDay, day, dayOfWeek));
      break;
  }
  if (day != ruleDayOfMonth) return day < ruleDayOfMonth ? -1 : 1;
  if (millis != ruleTime) return millis < ruleTime ? -1 : 1;
  return 0;
}

// The end rule is given in daylight time: the date is first moved forward by the savings.
// Departure: the device read the month-length table at month 12 once a date moved past
// 31 December; that month takes January's length and still compares after every rule month.
int32_t TimeZoneImpl::getOffset(int32_t era, int32_t year, int32_t month, int32_t day,
                                int32_t dayOfWeek, int32_t millis) {
  if (month < 0 || month > 11) {
    ThrowIllegalArgument(kIllegalMonthText, month);
    return 0;
  }
  const int32_t length = lengthOfMonth(month);
  if ((era != 0 && era != 1) || day < 1 || day > length || dayOfWeek < 1 || dayOfWeek > 7 ||
      millis < 0 || millis >= kMillisPerDay || length < 28 || length > 31) {
    ThrowIllegalArgument(kEmptyText);
    return 0;
  }
  if (!useDaylight || year < startYear || era == 0) return rawOffset;
  const bool southern = startMonth > endMonth;
  const int32_t s = compareToRule(month, length, day, dayOfWeek, millis, startMode, startMonth,
                                  startDayOfWeek, startDay, startTime);
  int32_t e = 0;
  if (southern != (s >= 0)) {
    RuleDate moved = {month, length, day, dayOfWeek, int64_t{millis} + dstSavings};
    for (; moved.millis >= kMillisPerDay; moved.millis -= kMillisPerDay) {
      moved.dayOfWeek = moved.dayOfWeek % 7 + 1;
      if (++moved.day <= moved.monthLength) continue;
      moved.day = 1;
      moved.month++;
      moved.monthLength = lengthOfMonth(moved.month % 12);
    }
    e = compareToRule(moved.month, moved.monthLength, moved.day, moved.dayOfWeek,
                      static_cast<int32_t>(moved.millis), endMode, endMonth, endDayOfWeek, endDay,
                      endTime);
  }
  const bool daylight = southern ? (s >= 0 || e < 0) : (s >= 0 && e < 0);
  return daylight ? rawOffset + dstSavings : rawOffset;
}
