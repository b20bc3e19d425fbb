// The static fields of java.util.Timer as one declaration list for the static block
// (runtime/static_fields.h says how an entry is written).
#pragma once

#include <cstdint>

// clockTime: the timer's clock at its latest reading, 64 bits wide; its low 32 bits are the
// tick count of that reading (java_util_Timer::now).
#define PLIMORA_STATICS_java_util_Timer(REF, VALUE) VALUE(java_util_Timer, int64_t, clockTime)
