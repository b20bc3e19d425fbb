// Fuzz target: the Calendar's conversions over any times, field writes and zone rules. The
// input is a zone (a raw offset, two rules and the savings, kept even when the constructor
// refuses them), a time, then six-byte steps: an operation byte, a field byte and a value.
// Whatever the input, a time whose year fits the packed field comes back through its fields in
// a zone without daylight saving, the conversions raise nothing, brought up to date the fields
// lie in their ranges, and an offset is the raw offset or that plus the savings.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/support/fuzz_data_root.h"
#include "javame/calendar.h"
#include "javame/time_zone.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"
#include "runtime/string.h"

namespace {

using Calendar = java_util_Calendar;
using Zone = java_util_TimeZoneImpl;

constexpr int32_t kFuzzDataHeapSize = 1024 * 1024;
constexpr int kRunsPerCollection = 64;
// Times within this distance of 1970 have years inside the 23-bit packed field (about
// 4.1 million years either way; the field holds 4194303).
constexpr int64_t kYearFits = 130000000000000000;

// Reads little-endian values from the input; past its end every value is 0.
struct Input {
  const uint8_t* data;
  size_t size;
  size_t at = 0;

  bool more() const { return at < size; }
  uint8_t u8() { return at < size ? data[at++] : 0; }
  int8_t i8() { return static_cast<int8_t>(u8()); }
  int16_t i16() { return static_cast<int16_t>(u8() | u8() << 8); }
  int32_t i32() {
    return static_cast<int32_t>(static_cast<uint32_t>(u8()) | u8() << 8 | u8() << 16 |
                                static_cast<uint32_t>(u8()) << 24);
  }
  int64_t i64() {
    const uint64_t low = static_cast<uint32_t>(i32());
    return static_cast<int64_t>(low | static_cast<uint64_t>(static_cast<uint32_t>(i32())) << 32);
  }
};

// A rule of mostly plausible values: a month (12 is out of range), a signed day and day of week,
// a time of day in steps of 400000 ms (some past the day's end).
struct RuleBytes {
  int32_t month, day, dayOfWeek, time;
  explicit RuleBytes(Input& in)
      : month(in.u8() % 13), day(in.i8()), dayOfWeek(in.i8() % 9), time(in.u8() * 400000) {}
};

Zone* ZoneFrom(Input& in) {
  const int32_t raw = in.i32();
  const RuleBytes start(in);
  const RuleBytes end(in);
  const int32_t savings = in.i16() * 60000;
  Zone* zone = NewObject<Zone>(raw, nullptr, start.month, start.day, start.dayOfWeek, start.time,
                               end.month, end.day, end.dayOfWeek, end.time, savings);
  Object* pending = GetPendingException();
  FuzzCheck(!pending || pending->classId == cid::java_lang_IllegalArgumentException);
  ClearPendingException();
  return zone;
}

void CheckNothingPending() {
  FuzzCheck(!GetPendingException());
}

// The time back through its fields, in a zone that has no daylight saving.
void CheckRoundTrip(Calendar* c, java_util_TimeZone* zone, int64_t t) {
  if (t > kYearFits || t < -kYearFits) return;
  c->setTimeZone(zone);
  c->setTimeInMillis(t);
  c->set(Calendar::YEAR, c->get(Calendar::YEAR));
  FuzzCheck(c->getTimeInMillis() == t);
  CheckNothingPending();
}

void CheckFieldsInRange(Calendar* c) {
  const int32_t dayOfWeek = c->get(Calendar::DAY_OF_WEEK);
  CheckNothingPending();
  FuzzCheck(dayOfWeek >= 1 && dayOfWeek <= 7);
  FuzzCheck(c->month() <= 11 && c->dayOfMonth() >= 1 && c->hourOfDay() <= 23);
  FuzzCheck(c->minute() <= 59 && c->second() <= 59 && c->millisecond() <= 999);
}

// getOffset with arguments near their ranges: when it accepts them, daylight saving is all
// or nothing.
void CheckOffset(Zone* zone, uint8_t field, int32_t value) {
  const int32_t offset =
      zone->getOffset(field & 3, value, (field >> 2) % 14 - 1, (value >> 8 & 31) + 1,
                      (field >> 6) + (value & 7) % 8, (value & 0x7FFFFFFF) % 90000000);
  Object* pending = GetPendingException();
  if (pending) {
    FuzzCheck(pending->classId == cid::java_lang_IllegalArgumentException);
    ClearPendingException();
    return;
  }
  FuzzCheck(offset == zone->rawOffset || offset == zone->rawOffset + zone->dstSavings);
}

void Step(Calendar* c, Zone* zone, Input& in) {
  const uint8_t op = in.u8();
  const uint8_t field = in.u8();
  const int32_t value = in.i32();
  switch (op % 8) {
    case 0:
    case 1: {
      const int32_t f = field % 16;
      if (op % 8 == 0) {
        c->set(f, value);
      } else {
        c->get(f);
      }
      Object* pending = GetPendingException();
      FuzzCheck(!pending || pending->classId == cid::java_lang_ArrayIndexOutOfBoundsException);
      ClearPendingException();
      break;
    }
    case 2:
      c->getTimeInMillis();
      CheckNothingPending();
      break;
    case 3:
      c->setTimeInMillis(static_cast<int64_t>(value) << (field % 40));
      CheckNothingPending();
      break;
    case 4:
      FuzzCheck(Calendar::toText(c) && Calendar::toFieldText(c));
      CheckNothingPending();
      break;
    case 5:
      CheckOffset(zone, field, value);
      break;
    case 6:
      c->setTimeZone(field & 1 ? zone : java_util_TimeZone::getDefault());
      CheckNothingPending();
      break;
    case 7:
      CheckFieldsInRange(c);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Application* application =
      (StartFuzzRuntimeWithData(kFuzzDataHeapSize, nullptr), GetApplication());
  static int runs = 0;
  Input in{data, size};
  Zone* zone = ZoneFrom(in);
  const int64_t t = in.i64();
  auto* c = NewObject<Calendar>();
  CheckRoundTrip(c, java_util_TimeZone::getDefault(), t);
  CheckRoundTrip(c, NewObject<Zone>(zone->rawOffset, nullptr), t);
  c->setTimeZone(zone);
  c->setTimeInMillis(t);
  CheckNothingPending();
  CheckFieldsInRange(c);
  while (in.more()) Step(c, zone, in);
  if (++runs % kRunsPerCollection == 0) application->getObjectManager()->gc(kGcForced);
  return 0;
}
