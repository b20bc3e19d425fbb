// java_lang_System's class initialiser: the static fields that getProperty reads.
#include "runtime/system.h"

#include "javame/hashtable.h"
#include "runtime/constant_pool.h"
#include "runtime/static_class.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kPlatformKeyText = 358;    // string constant "microedition.platform"
constexpr int32_t kPlatformValueText = 359;  // string constant "Plimora"

}  // namespace

void java_lang_System::clinit() {
  StaticClass* statics = Statics();
  statics->java_lang_System_properties = NewObject<java_util_Hashtable>();
  statics->java_lang_System_properties->put(GetConstantString(kPlatformKeyText),
                                            GetConstantString(kPlatformValueText));
}
