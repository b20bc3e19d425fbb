// java.util.Calendar's two texts of a date, built from its fields once they are up to date.
#include "javame/calendar.h"
#include "javame/time_text.h"
#include "javame/time_zone.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"

namespace {

// String constants of the texts.
constexpr int32_t kEmptyText = 46;
constexpr int32_t kNullCalendarText = 335;
constexpr int32_t kFirstMonthName = 336;  // "Jan" .. "Dec": 336 .. 347
constexpr int32_t kFirstDayName = 348;    // "Sun" .. "Sat": 348 .. 354
constexpr int32_t kNullFieldText = 355;

constexpr int32_t kYearWidth = 4;  // years 0 .. 999 are padded to four digits

// The number of characters of value in decimal.
int32_t DecimalLength(int32_t value) {
  int32_t length = value < 0 ? 2 : 1;
  for (int64_t rest = value < 0 ? -int64_t{value} : value; rest >= 10; rest /= 10) length++;
  return length;
}

// The zone's ID, the empty text standing for a null zone or a null ID.
String* ZoneIdOf(java_util_Calendar* calendar) {
  String* id = NullCheck(calendar->zone) ? calendar->zone->getID() : nullptr;
  return id ? id : GetConstantString(kEmptyText);
}

}  // namespace

void AppendZeroPadded(StringBuffer* text, int32_t value, int32_t width) {
  for (int32_t length = DecimalLength(value); value >= 0 && length < width; length++) {
    text->append(u'0');
  }
  text->append(value);
}

// Departure: the device printed stale fields as they stood (a day of week of 0 and months
// from 12 on lie outside the name tables); they are brought up to date first.
String* java_util_Calendar::toText(java_util_Calendar* calendar) {
  if (!calendar) return GetConstantString(kNullCalendarText);
  calendar->completeFields();
  String* id = ZoneIdOf(calendar);
  auto* text = NewObject<StringBuffer>(id->length() + DecimalLength(calendar->year()) + 25);
  if (!text) return nullptr;
  text->append(GetConstantString(kFirstDayName + calendar->dayOfWeek - 1))->append(u' ');
  text->append(GetConstantString(kFirstMonthName + calendar->month()))->append(u' ');
  AppendZeroPadded(text, calendar->dayOfMonth(), 2);
  text->append(u' ');
  AppendZeroPadded(text, calendar->hourOfDay(), 2);
  text->append(u':');
  AppendZeroPadded(text, calendar->minute(), 2);
  text->append(u':');
  AppendZeroPadded(text, calendar->second(), 2);
  text->append(u' ');
  if (id->length() > 0) text->append(id)->append(u' ');
  AppendZeroPadded(text, calendar->year(), kYearWidth);
  return text->toString();
}

String* java_util_Calendar::toFieldText(java_util_Calendar* calendar) {
  if (!calendar) return GetConstantString(kNullFieldText);
  calendar->completeFields();
  auto* text = NewObject<StringBuffer>(32);
  if (!text) return nullptr;
  AppendZeroPadded(text, calendar->year(), kYearWidth);
  const int32_t fields[] = {calendar->month() + 1, calendar->dayOfMonth(), calendar->hourOfDay(),
                            calendar->minute(), calendar->second()};
  for (int32_t field : fields) {
    text->append(u' ');
    AppendZeroPadded(text, field, 2);
  }
  text->append(u' ');
  const int64_t raw = NullCheck(calendar->zone) ? calendar->zone->getRawOffset() : 0;
  text->append(raw < 0 ? u'-' : u'+');
  const int64_t minutes = (raw < 0 ? -raw : raw) / 60000;
  AppendZeroPadded(text, static_cast<int32_t>(minutes / 60), 2);
  AppendZeroPadded(text, static_cast<int32_t>(minutes % 60), 2);
  return text->toString();
}
