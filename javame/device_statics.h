// The static fields of the device floor's classes (the class library and its natives): the
// class of the static block that every floor above derives from. Code reads them through
// Statics<DeviceStatics>().
#pragma once

#include "javame/boxed_statics.h"
#include "javame/calendar_statics.h"
#include "javame/font_statics.h"
#include "javame/runtime_statics.h"
#include "javame/system_statics.h"
#include "javame/time_zone_statics.h"
#include "javame/timer_statics.h"
#include "runtime/static_class.h"
#include "runtime/static_fields.h"

// Every list of this floor, in block order.
#define PLIMORA_DEVICE_STATIC_FIELDS(REF, VALUE)                                              \
  PLIMORA_STATICS_java_lang_Boolean(REF, VALUE) PLIMORA_STATICS_java_lang_Runtime(REF, VALUE) \
      PLIMORA_STATICS_javax_microedition_lcdui_Font(REF, VALUE)                               \
          PLIMORA_STATICS_java_util_Calendar(REF, VALUE)                                      \
              PLIMORA_STATICS_java_util_TimeZone(REF, VALUE)                                  \
                  PLIMORA_STATICS_java_util_TimeZoneImpl(REF, VALUE)                          \
                      PLIMORA_STATICS_java_util_Timer(REF, VALUE)                             \
                          PLIMORA_STATICS_java_lang_System(REF, VALUE)

class DeviceStatics : public StaticClass {
 public:
  PLIMORA_DEVICE_STATIC_FIELDS(PLIMORA_DECLARE_REF_STATIC, PLIMORA_DECLARE_VALUE_STATIC)
};
