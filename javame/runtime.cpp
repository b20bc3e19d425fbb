// java.lang.Runtime, the class side: the one instance, made at start-up and kept in the
// static block, so it lives as long as the program.
#include "javame/runtime.h"

#include "javame/device_statics.h"

void java_lang_Runtime::clinit() {
  Statics<DeviceStatics>()->java_lang_Runtime_currentRuntime = NewObject<java_lang_Runtime>();
}

java_lang_Runtime* java_lang_Runtime::getRuntime() {
  return Statics<DeviceStatics>()->java_lang_Runtime_currentRuntime;
}
