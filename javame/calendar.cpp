// java.util.Calendar: construction and the shared Calendar, get and set over the packed
// fields with the 12-hour rules, the time and Date accessors, the zone and the comparisons.
#include "javame/calendar.h"

#include "javame/date.h"
#include "javame/device_statics.h"
#include "javame/exception_classes.h"
#include "javame/time_zone.h"
#include "runtime/class.h"
#include "runtime/monitor.h"
#include "runtime/system.h"

namespace {

// Replaces bits shift .. shift + width - 1 of word with the low bits of value.
int32_t WithBits(int32_t word, int32_t shift, int32_t width, int32_t value) {
  const uint32_t mask = ((1u << width) - 1) << shift;
  return static_cast<int32_t>((static_cast<uint32_t>(word) & ~mask) |
                              ((static_cast<uint32_t>(value) << shift) & mask));
}

constexpr int32_t kNoPending = -1;

}  // namespace

// ---- Construction -------------------------------------------------------------------------

java_util_Calendar::java_util_Calendar() {
  RegisterReferenceFields(this, &zone, &cachedDate);
  pendingHour = kNoPending;
  pendingAmPm = kNoPending;
  zone = java_util_TimeZone::getDefault();
  time = WallClockMillis();
  isTimeSet = 1;
  dayOfWeek = 0;
  computeFields();
}

// Made under the class's monitor, so two threads asking first get one Calendar.
java_util_Calendar* java_util_Calendar::getInstance() {
  MonitorScope lock(Class::findById(kClassId));
  StaticRef<java_util_Calendar>& shared = Statics<DeviceStatics>()->java_util_Calendar_instance;
  if (!shared) shared = NewObject<java_util_Calendar>();
  return shared;
}

java_util_Calendar* java_util_Calendar::getInstance(java_util_TimeZone* newZone) {
  java_util_Calendar* shared = getInstance();
  if (shared) shared->setTimeZone(newZone);
  return shared;
}

// ---- get and set --------------------------------------------------------------------------

int32_t java_util_Calendar::get(int32_t field) {
  switch (field) {
    case YEAR:
      return year();
    case MONTH:
      return month();
    case DATE:
      return dayOfMonth();
    case DAY_OF_WEEK:
      if (dayOfWeek == 0) completeFields();
      return dayOfWeek;
    case AM_PM:
      return hourOfDay() >= 12 ? 1 : 0;
    case HOUR:
      return hourOfDay() % 12 == 0 ? 12 : hourOfDay() % 12;
    case HOUR_OF_DAY:
      return hourOfDay();
    case MINUTE:
      return minute();
    case SECOND:
      return second();
    case MILLISECOND:
      return millisecond();
  }
  ThrowException(NewObject<java_lang_ArrayIndexOutOfBoundsException>());
  return 0;
}

void java_util_Calendar::set(int32_t field, int32_t value) {
  isTimeSet = 0;
  dayOfWeek = 0;
  switch (field) {
    case YEAR:
      packedDate = WithBits(packedDate, 9, 23, value);
      break;
    case MONTH:
      packedDate = WithBits(packedDate, 5, 4, value);
      break;
    case DATE:
      packedDate = WithBits(packedDate, 0, 5, value);
      break;
    case AM_PM:
      setAmPm(value);
      break;
    case HOUR:
      setHour(value);
      break;
    case HOUR_OF_DAY:
      setHourOfDay(value - (value / 24) * 24);
      pendingHour = kNoPending;
      pendingAmPm = kNoPending;
      break;
    case MINUTE:
      packedTime = WithBits(packedTime, 16, 6, value);
      break;
    case SECOND:
      packedTime = WithBits(packedTime, 10, 6, value);
      break;
    case MILLISECOND:
      packedTime = WithBits(packedTime, 0, 10, value);
      break;
    default:
      ThrowException(NewObject<java_lang_ArrayIndexOutOfBoundsException>());
      return;
  }
  areFieldsSet = 0;
}

void java_util_Calendar::setHourOfDay(int32_t hour) {
  packedTime = WithBits(packedTime, 22, 5, hour);
}

// A 12-hour value: stored as it is and kept pending while AM/PM is unknown, else made an
// hour of day by the pending AM/PM (12 AM is hour 0, 12 PM hour 12).
void java_util_Calendar::setHour(int32_t value) {
  int32_t h = value < 12 ? value : 12;
  if (pendingAmPm == kNoPending) {
    setHourOfDay(h);
    pendingHour = h;
    return;
  }
  if (pendingAmPm == 1) {
    h = h == 12 ? 12 : h + 12;
  } else if (pendingAmPm == 0 && h == 12) {
    h = 0;
  }
  setHourOfDay(h);
  pendingHour = kNoPending;
  pendingAmPm = kNoPending;
}

// AM/PM: kept pending while no 12-hour value waits, else applied to the one that does.
void java_util_Calendar::setAmPm(int32_t value) {
  if (pendingHour == kNoPending) {
    pendingAmPm = value;
    return;
  }
  int32_t h = pendingHour;
  if (value != 1 && h == 12) h = 0;
  if (value == 1 && h != 12) h += 12;
  setHourOfDay(h);
  pendingHour = kNoPending;
  pendingAmPm = kNoPending;
}

// ---- Time and Date ------------------------------------------------------------------------

int64_t java_util_Calendar::getTimeInMillis() {
  if (!isTimeSet) computeTime();
  return time;
}

void java_util_Calendar::setTimeInMillis(int64_t ms) {
  time = ms;
  isTimeSet = 1;
  dayOfWeek = 0;
  computeFields();
}

java_util_Date* java_util_Calendar::getTime() {
  const int64_t ms = getTimeInMillis();
  if (!cachedDate) {
    cachedDate = NewObject<java_util_Date>(ms);
  } else {
    cachedDate->setTime(ms);
  }
  return cachedDate;
}

void java_util_Calendar::setTime(java_util_Date* date) {
  if (NullCheck(date)) setTimeInMillis(date->getTime());
}

void java_util_Calendar::setTimeZone(java_util_TimeZone* newZone) {
  zone = newZone;
  if (!isTimeSet) computeTime();
  computeFields();
}

java_util_TimeZone* java_util_Calendar::getTimeZone() {
  return zone;
}

// ---- Comparisons --------------------------------------------------------------------------

bool java_util_Calendar::equals(Object* other) {
  if (other == this) return true;
  if (!InstanceOf(other, kClassId)) return false;
  auto* calendar = static_cast<java_util_Calendar*>(other);
  if (getTimeInMillis() != calendar->getTimeInMillis()) return false;
  return NullCheck(zone) && zone->equals(calendar->zone);
}

bool java_util_Calendar::before(Object* other) {
  return InstanceOf(other, kClassId) &&
         getTimeInMillis() < static_cast<java_util_Calendar*>(other)->getTimeInMillis();
}

bool java_util_Calendar::after(Object* other) {
  return InstanceOf(other, kClassId) &&
         getTimeInMillis() > static_cast<java_util_Calendar*>(other)->getTimeInMillis();
}
