// The static fields of java.util.Calendar as one declaration list for the static block
// (runtime/static_fields.h says how an entry is written).
#pragma once

class java_util_Calendar;

// instance: the Calendar the program shares, made by the first getInstance.
#define PLIMORA_STATICS_java_util_Calendar(REF, VALUE) \
  REF(java_util_Calendar, java_util_Calendar, instance)
