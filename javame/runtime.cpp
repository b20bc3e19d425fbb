// java.lang.Runtime, the class side: the one instance, made at start-up and kept in the
// static block, so it lives as long as the program.
#include "javame/runtime.h"

#include "runtime/static_class.h"

void java_lang_Runtime::clinit() {
  Statics()->java_lang_Runtime_currentRuntime = NewObject<java_lang_Runtime>();
}

java_lang_Runtime* java_lang_Runtime::getRuntime() {
  return Statics()->java_lang_Runtime_currentRuntime;
}
