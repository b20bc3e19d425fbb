// java.util.Date: one moment, in milliseconds since 1970-01-01 00:00 UTC. Each Date keeps its
// own time; its text comes from a Calendar of its own, made on first use and used under its
// monitor.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class String;
class java_util_Calendar;

class java_util_Date : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_Date;

  // Now on the calendar clock (WallClockMillis).
  java_util_Date();
  explicit java_util_Date(int64_t ms);

  // True for a Date (class id 55 itself) of the same time.
  bool equals(Object* other) override;
  // java_util_Calendar::toText of the time in the default zone: "Thu Jan 01 00:00:00 1970".
  String* toString() override;
  // The time's high word XOR its low word.
  int32_t hashCode() override;

  int64_t getTime();
  void setTime(int64_t ms);

  java_util_Calendar* calendar;  // made by the first toString; null before
  int64_t millis;
};
