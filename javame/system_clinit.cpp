// java_lang_System's class initialiser: the standard streams and the system-property table.
#include "runtime/system.h"

#include "javame/console_output_stream.h"
#include "javame/device_statics.h"
#include "javame/hashtable.h"
#include "javame/print_stream.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kPlatformKeyText = 358;    // string constant "microedition.platform"
constexpr int32_t kPlatformValueText = 359;  // string constant "Plimora"

}  // namespace

// out and err are one PrintStream over the console stream, so what either prints is
// discarded.
void java_lang_System::clinit() {
  DeviceStatics* statics = Statics<DeviceStatics>();
  statics->java_lang_System_out =
      NewObject<java_io_PrintStream>(NewObject<java_io_ConsoleOutputStream>());
  statics->java_lang_System_err = statics->java_lang_System_out;
  java_util_Hashtable* properties = NewObject<java_util_Hashtable>();
  statics->java_lang_System_properties = properties;
  if (properties) {
    properties->put(GetConstantString(kPlatformKeyText), GetConstantString(kPlatformValueText));
  }
}
