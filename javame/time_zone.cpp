// java.util.TimeZone and TimeZoneImpl: the constructors, the shared tables (month lengths,
// zone table, default zone, available IDs) and the plain accessors.
#include "javame/time_zone.h"

#include "javame/device_statics.h"
#include "javame/exception_classes.h"
#include "javame/time_text.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/constant_pool.h"
#include "runtime/monitor.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"

namespace {

// String constants.
constexpr int32_t kGmtText = 313;
constexpr int32_t kUtcText = 324;
constexpr int32_t kColonText = 239;
constexpr int32_t kBadSavingsText = 311;  // "Illegal daylight saving amount"

constexpr int32_t kDefaultSavings = 3600000;  // one hour, ms

// Kept as the device had it: February always has 29 days.
constexpr int32_t kMonthLengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Guards the making of the shared tables and the default zone; taken again by the zones
// that initZones makes.
Object* TablesLock() {
  return Class::findById(cid::java_util_TimeZone);
}

}  // namespace

// ---- The shared tables --------------------------------------------------------------------

// The month lengths are stored first, so the two zones made here find them and return.
void java_util_TimeZoneImpl::initZones() {
  MonitorScope lock(TablesLock());
  DeviceStatics* statics = Statics<DeviceStatics>();
  if (statics->java_util_TimeZoneImpl_monthLength) return;
  ByteArray* lengths = NewByteArray(12);
  if (!lengths) return;
  for (int32_t m = 0; m < 12; m++) ByteArray::set(lengths, m, kMonthLengths[m]);
  statics->java_util_TimeZoneImpl_monthLength = lengths;
  ObjectArray* zones = NewObjectArray(cid::java_util_TimeZone, 2);
  if (!zones) return;
  statics->java_util_TimeZoneImpl_zones = zones;
  zones->elements()[0] = NewObject<java_util_TimeZoneImpl>(0, GetConstantString(kGmtText));
  zones->elements()[1] = NewObject<java_util_TimeZoneImpl>(0, GetConstantString(kUtcText));
}

java_util_TimeZone* java_util_TimeZone::getDefault() {
  MonitorScope lock(TablesLock());
  StaticRef<java_util_TimeZone>& zone = Statics<DeviceStatics>()->java_util_TimeZone_defaultZone;
  if (!zone) zone = NewObject<java_util_TimeZoneImpl>();
  return zone;
}

ObjectArray* java_util_TimeZone::getAvailableIDs() {
  java_util_TimeZone* zone = getDefault();
  MonitorScope lock(zone);
  DeviceStatics* statics = Statics<DeviceStatics>();
  if (statics->java_util_TimeZone_availableIDs) return statics->java_util_TimeZone_availableIDs;
  ObjectArray* zones = statics->java_util_TimeZoneImpl_zones;
  ObjectArray* ids = NewObjectArray(cid::String, zones ? zones->length : 0);
  if (!ids) return nullptr;
  for (int32_t i = 0; i < ids->length; i++) {
    auto* each = static_cast<java_util_TimeZoneImpl*>(zones->elements()[i]);
    ids->elements()[i] = each ? each->ID : nullptr;
  }
  statics->java_util_TimeZone_availableIDs = ids;
  return ids;
}

// ---- Construction -------------------------------------------------------------------------

java_util_TimeZoneImpl::java_util_TimeZoneImpl() {
  RegisterReferenceFields(this, &ID, &monthLength);
  initZones();
  monthLength = Statics<DeviceStatics>()->java_util_TimeZoneImpl_monthLength;
}

java_util_TimeZoneImpl::java_util_TimeZoneImpl(int32_t offset, String* id)
    : java_util_TimeZoneImpl() {
  rawOffset = offset;
  ID = id;
  dstSavings = kDefaultSavings;
}

java_util_TimeZoneImpl::java_util_TimeZoneImpl(int32_t offset, String* id, int32_t ruleStartMonth,
                                               int32_t ruleStartDay, int32_t ruleStartDayOfWeek,
                                               int32_t ruleStartTime, int32_t ruleEndMonth,
                                               int32_t ruleEndDay, int32_t ruleEndDayOfWeek,
                                               int32_t ruleEndTime, int32_t savings)
    : java_util_TimeZoneImpl() {
  rawOffset = offset;
  ID = id;
  startMonth = ruleStartMonth;
  startDay = ruleStartDay;
  startDayOfWeek = ruleStartDayOfWeek;
  startTime = ruleStartTime;
  endMonth = ruleEndMonth;
  endDay = ruleEndDay;
  endDayOfWeek = ruleEndDayOfWeek;
  endTime = ruleEndTime;
  dstSavings = savings;
  if (!decodeRules()) return;
  if (dstSavings <= 0) ThrowIllegalArgument(kBadSavingsText);
}

// ---- Accessors ----------------------------------------------------------------------------

int32_t java_util_TimeZoneImpl::getRawOffset() {
  return rawOffset;
}

bool java_util_TimeZoneImpl::useDaylightTime() {
  return useDaylight != 0;
}

String* java_util_TimeZoneImpl::getID() {
  if (!customID) return ID;
  auto* text = NewObject<StringBuffer>(GetConstantString(kGmtText));
  if (!text) return nullptr;
  const int64_t minutes = (rawOffset < 0 ? -int64_t{rawOffset} : rawOffset) / 60000;
  text->append(rawOffset < 0 ? u'-' : u'+');
  AppendZeroPadded(text, static_cast<int32_t>(minutes / 60), 2);
  text->append(GetConstantString(kColonText));
  AppendZeroPadded(text, static_cast<int32_t>(minutes % 60), 2);
  return text->toString();
}
