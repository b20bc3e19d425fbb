// java.util.Calendar: converts between a time (milliseconds since 1970-01-01 00:00 UTC) and
// its date and time of day in a time zone, the fields packed into two words. The Gregorian
// calendar holds from the cutover (15 October 1582), the Julian one before it; day numbers
// are split by floor division throughout. isTimeSet says time matches the fields,
// areFieldsSet and a non-zero dayOfWeek that the fields match time.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class String;
class java_util_Date;
class java_util_TimeZone;

class java_util_Calendar : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_Calendar;

  // Field numbers of get and set.
  static constexpr int32_t YEAR = 1;
  static constexpr int32_t MONTH = 2;  // 0 = January
  static constexpr int32_t DATE = 5;   // day of the month
  static constexpr int32_t DAY_OF_WEEK = 7;
  static constexpr int32_t AM_PM = 9;  // 0 AM, 1 PM
  static constexpr int32_t HOUR = 10;  // 1 .. 12
  static constexpr int32_t HOUR_OF_DAY = 11;
  static constexpr int32_t MINUTE = 12;
  static constexpr int32_t SECOND = 13;
  static constexpr int32_t MILLISECOND = 14;

  static constexpr int64_t kMillisPerDay = 86400000;
  static constexpr int64_t kCutover = -12219292800000;  // 1582-10-15 00:00 UTC
  static constexpr int64_t kEpochJulianDay = 2440588;   // 1970-01-01

  // ---- Construction, fields and time: javame/calendar.cpp
  // The default zone, the calendar clock's now (WallClockMillis), the fields computed.
  java_util_Calendar();
  // The one Calendar the program shares, made by the first call.
  static java_util_Calendar* getInstance();
  // The shared Calendar in that zone, as setTimeZone does.
  static java_util_Calendar* getInstance(java_util_TimeZone* zone);

  // A field as it is stored (DAY_OF_WEEK brings stale fields up to date first). Any other
  // field number throws java_lang_ArrayIndexOutOfBoundsException and gives 0.
  int32_t get(int32_t field);
  // Stores a field without range checks, truncated to its bits; the time becomes stale. An
  // hour given through HOUR while AM_PM is unknown (or the reverse) waits for the other.
  // Any other field number throws java_lang_ArrayIndexOutOfBoundsException.
  void set(int32_t field, int32_t value);
  int64_t getTimeInMillis();
  void setTimeInMillis(int64_t ms);
  // The Date of this Calendar's time: one Date, made by the first call, set anew each time.
  java_util_Date* getTime();
  void setTime(java_util_Date* date);
  // The time is kept (computed from the fields first when stale) and the fields follow it.
  void setTimeZone(java_util_TimeZone* newZone);
  java_util_TimeZone* getTimeZone();

  // True for a Calendar (of any subclass) of the same time whose zone this zone's equals
  // accepts.
  bool equals(Object* other) override;
  // Whether other is a Calendar and this time is earlier, respectively later.
  bool before(Object* other);
  bool after(Object* other);

  // ---- Conversions: javame/calendar_fields.cpp
  // Writes the date fields and the day of week of a local time (the zone's offsets added).
  virtual void timeToFields(int64_t localMillis);
  // The Julian day number of the stored month and day in year (months from 12 on carry
  // into the year), in the Gregorian or the Julian calendar.
  virtual int64_t calculateJulianDay(bool gregorian, int64_t year);
  // time from the fields in the zone, the Julian calendar used for dates before the cutover.
  void computeTime();
  // The fields from time in the zone, daylight saving included.
  void computeFields();
  // Brings stale fields up to date (computing the time first when that is stale too).
  void completeFields();

  // ---- Texts: javame/calendar_text.cpp
  // "Thu Jan 01 00:00:00 1970": day, month, day of month, time, the zone's ID and a space
  // when it has one, then the year. A null calendar gives "null" (string constant 335).
  static String* toText(java_util_Calendar* calendar);
  // "1970 01 01 00 00 00 +0000": year, month 1..12, day, hour, minute, second, then the raw
  // offset's sign, hours and minutes. A null calendar gives "null" (string constant 355).
  static String* toFieldText(java_util_Calendar* calendar);

  // ---- The packed fields
  int32_t year() const { return packedDate >> 9; }
  int32_t month() const { return (packedDate >> 5) & 0xF; }
  int32_t dayOfMonth() const { return packedDate & 0x1F; }
  int32_t hourOfDay() const { return (packedTime >> 22) & 0x1F; }
  int32_t minute() const { return (packedTime >> 16) & 0x3F; }
  int32_t second() const { return (packedTime >> 10) & 0x3F; }
  int32_t millisecond() const { return packedTime & 0x3FF; }

  int32_t packedTime;  // bits 0-9 millisecond, 10-15 second, 16-21 minute, 22-26 hour of day
  int32_t packedDate;  // bits 0-4 day of month, 5-8 month, 9-31 year (signed)
  int32_t dayOfWeek;   // 1 Sunday .. 7 Saturday; 0 when not computed
  int32_t dstOffset;   // daylight offset in force for the fields, ms
  int32_t areFieldsSet;
  int64_t time;
  uint8_t isTimeSet;
  java_util_TimeZone* zone;
  java_util_Date* cachedDate;  // the Date getTime hands out
  int32_t pendingHour;         // an HOUR given while AM_PM is unknown; -1 none
  int32_t pendingAmPm;         // an AM_PM given while the HOUR is unknown; -1 none

 private:
  void setHourOfDay(int32_t hour);
  void setHour(int32_t value);
  void setAmPm(int32_t value);
};
