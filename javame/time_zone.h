// java.util.TimeZone and its one implementation: a raw offset from UTC and an optional
// daylight-saving rule, a start rule and an end rule, each a month, a day chosen by one of
// four modes, and a time of day. The default zone has offset 0, no ID and no daylight saving;
// the zone table holds two zones of offset 0, "GMT" and "UTC". Shared tables are made once,
// under the monitor of TimeZone's class record.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class ByteArray;
class ObjectArray;
class String;

class java_util_TimeZone : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_TimeZone;

  // The offset from UTC in ms, daylight saving included, at a date and a standard local time
  // of day (era 1 is AD; month 0..11; day of week 1 Sunday .. 7).
  virtual int32_t getOffset(int32_t era, int32_t year, int32_t month, int32_t day,
                            int32_t dayOfWeek, int32_t millis) = 0;
  virtual int32_t getRawOffset() = 0;
  virtual bool useDaylightTime() = 0;
  virtual String* getID() = 0;

  // ---- javame/time_zone.cpp
  // The default zone, made by the first call.
  static java_util_TimeZone* getDefault();
  // The IDs of the zone table, in one array made by the first call.
  static ObjectArray* getAvailableIDs();
};

class java_util_TimeZoneImpl : public java_util_TimeZone {
 public:
  static constexpr int16_t kClassId = cid::java_util_TimeZoneImpl;
  // Rule modes.
  static constexpr int32_t DOM_MODE = 1;           // that day of the month
  static constexpr int32_t DOW_IN_MONTH_MODE = 2;  // the n-th weekday (n < 0: from the end)
  static constexpr int32_t DOW_GE_DOM_MODE = 3;    // the first weekday on or after the day
  static constexpr int32_t DOW_LE_DOM_MODE = 4;    // the last weekday on or before the day

  // ---- Construction and the tables: javame/time_zone.cpp
  // Offset 0, no ID, no daylight saving.
  java_util_TimeZoneImpl();
  // That offset and ID, no daylight saving (dstSavings 3600000 all the same).
  java_util_TimeZoneImpl(int32_t offset, String* id);
  // Daylight saving by dstSavings from the start rule to the end rule. A bad rule throws
  // java_lang_IllegalArgumentException naming what is wrong, and so does a dstSavings <= 0.
  java_util_TimeZoneImpl(int32_t offset, String* id, int32_t ruleStartMonth, int32_t ruleStartDay,
                         int32_t ruleStartDayOfWeek, int32_t ruleStartTime, int32_t ruleEndMonth,
                         int32_t ruleEndDay, int32_t ruleEndDayOfWeek, int32_t ruleEndTime,
                         int32_t savings);

  int32_t getRawOffset() override;
  bool useDaylightTime() override;
  // ID; for a custom ID, "GMT" and the raw offset as "+hh:mm" or "-hh:mm".
  String* getID() override;

  // Makes the month-length table and the zone table when they are absent.
  static void initZones();

  // ---- Rules: javame/time_zone_rules.cpp
  // A month outside 0..11 throws java_lang_IllegalArgumentException "Illegal month " and the
  // month; any other argument out of its range throws it with the empty message.
  int32_t getOffset(int32_t era, int32_t year, int32_t month, int32_t day, int32_t dayOfWeek,
                    int32_t millis) override;
  // Check a rule and find its mode, turning the day of week (and for mode 4 the day) into
  // its positive value; false after throwing for a bad rule.
  bool decodeStartRule();
  bool decodeEndRule();
  bool decodeRules();
  // -1, 0 or 1 as the date lies before, at or after the rule's moment in the same year.
  static int32_t compareToRule(int32_t month, int32_t monthLength, int32_t day, int32_t dayOfWeek,
                               int32_t millis, int32_t mode, int32_t ruleMonth,
                               int32_t ruleDayOfWeek, int32_t ruleDay, int32_t ruleTime);

  String* ID;  // null for the default zone
  uint8_t customID;
  int32_t startMonth;
  int32_t startDay;
  int32_t startDayOfWeek;
  int32_t startTime;
  int32_t endMonth;
  int32_t endDay;
  int32_t endDayOfWeek;
  int32_t endTime;
  int32_t startYear;  // the first year the rules apply
  int32_t rawOffset;  // ms
  uint8_t useDaylight;
  ByteArray* monthLength;  // the shared table of days per month, February 29
  int32_t startMode;
  int32_t endMode;
  int32_t dstSavings;  // ms

 private:
  int32_t lengthOfMonth(int32_t month);
};
