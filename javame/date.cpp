// java.util.Date: its time, comparison, hash and text.
#include "javame/date.h"

#include "javame/calendar.h"
#include "runtime/class.h"
#include "runtime/monitor.h"
#include "runtime/system.h"

// Departure: the device's Date() took the tick count; a Date is calendar time, as a new
// Calendar's time is.
java_util_Date::java_util_Date() : java_util_Date(WallClockMillis()) {}

// Departure: the device's Dates all read and set the one shared Calendar, so each reported
// the time last given to any; here each keeps its own.
java_util_Date::java_util_Date(int64_t ms) {
  RegisterReferenceFields(this, &calendar);
  millis = ms;
}

int64_t java_util_Date::getTime() {
  return millis;
}

void java_util_Date::setTime(int64_t ms) {
  millis = ms;
}

bool java_util_Date::equals(Object* other) {
  return other && other->classId == kClassId &&
         static_cast<java_util_Date*>(other)->getTime() == getTime();
}

int32_t java_util_Date::hashCode() {
  const auto t = static_cast<uint64_t>(getTime());
  return static_cast<int32_t>(static_cast<uint32_t>(t >> 32) ^ static_cast<uint32_t>(t));
}

// The Date's monitor guards the making of its Calendar, the Calendar's own monitor its use.
String* java_util_Date::toString() {
  MonitorScope lock(this);
  if (!calendar) calendar = NewObject<java_util_Calendar>();
  if (!calendar) return java_util_Calendar::toText(nullptr);
  MonitorScope calendarLock(calendar);
  calendar->setTimeInMillis(millis);
  return java_util_Calendar::toText(calendar);
}
