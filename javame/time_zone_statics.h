// The static fields of java.util.TimeZone and java.util.TimeZoneImpl as declaration lists for
// the static block (runtime/static_fields.h says how an entry is written).
#pragma once

class ByteArray;
class ObjectArray;
class java_util_TimeZone;

// defaultZone: made by the first getDefault; availableIDs: the IDs of the zone table, made by
// the first getAvailableIDs.
#define PLIMORA_STATICS_java_util_TimeZone(REF, VALUE)     \
  REF(java_util_TimeZone, java_util_TimeZone, defaultZone) \
  REF(java_util_TimeZone, ObjectArray, availableIDs)

// monthLength: days per month, February 29; zones: the zone table. Both made by initZones.
#define PLIMORA_STATICS_java_util_TimeZoneImpl(REF, VALUE) \
  REF(java_util_TimeZoneImpl, ByteArray, monthLength)      \
  REF(java_util_TimeZoneImpl, ObjectArray, zones)
