// java.lang.System: the natives of the system class. Its members are defined in the file
// of their concern, named beside each group.
#pragma once

#include <cstdint>

#include "runtime/class_ids.h"

class Object;
class String;

class java_lang_System {
 public:
  static constexpr int16_t kClassId = cid::java_lang_System;

  // runtime/array.cpp
  // Copies count elements from source[sourcePosition..] to destination[destinationPosition..]
  // as memmove does (a copy within one array may overlap). Both must be arrays of one class
  // and both ranges must lie inside their arrays; otherwise nothing is copied (one trace line).
  static void arraycopy(Object* source, int32_t sourcePosition, Object* destination,
                        int32_t destinationPosition, int32_t count);

  // javame/system_natives.cpp
  // The tick count (milliseconds since start-up, 32 bits) with a zero high word: the time
  // base of the game loop and the timer.
  static int64_t currentTimeMillis();
  // "1.0" for "microedition.media.version"; otherwise the system property stored under the
  // key, and "PROPERTY VALUE EMPTY" when there is none. Never null.
  static String* getProperty(String* key);
  // A throttled collection: at most one per kGcInterval milliseconds.
  static void gc();

  // javame/system_clinit.cpp
  // The class initialiser: one PrintStream over a ConsoleOutputStream as both out and err,
  // then the system-property table of 11 buckets with its one entry (constant 358 -> 359).
  static void clinit();
};

// The calendar time in whole seconds, times 1000: the time source of the calendar classes.
int64_t WallClockMillis();
