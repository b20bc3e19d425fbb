// The time, property, collection and console natives of java_lang_System and
// java_io_ConsoleOutputStream.
#include <ctime>

#include "host/clock.h"
#include "javame/console_output_stream.h"
#include "javame/device_statics.h"
#include "javame/hashtable.h"
#include "runtime/application.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"
#include "runtime/string.h"
#include "runtime/system.h"

int64_t java_lang_System::currentTimeMillis() {
  return static_cast<int64_t>(host::TickCount());
}

int64_t WallClockMillis() {
  return static_cast<int64_t>(time(nullptr)) * 1000;
}

String* java_lang_System::getProperty(String* key) {
  if (!NullCheck(key)) return NewJavaString("PROPERTY VALUE EMPTY");
  if (key->equalsText("microedition.media.version")) return NewJavaString("1.0");
  java_util_Hashtable* properties = Statics<DeviceStatics>()->java_lang_System_properties;
  Object* value = properties ? properties->get(key) : nullptr;
  return value ? String::valueOf(value) : NewJavaString("PROPERTY VALUE EMPTY");
}

void java_lang_System::gc() {
  GetApplication()->getObjectManager()->gc(kGcThrottled);
}

void java_io_ConsoleOutputStream::write(int32_t) {}

void java_io_ConsoleOutputStream::write(ByteArray* bytes) {
  NullCheck(bytes);
}
