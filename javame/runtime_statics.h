// The static fields of java.lang.Runtime as one declaration list for the static block
// (runtime/static_fields.h says how an entry is written).
#pragma once

class java_lang_Runtime;

// currentRuntime: the one Runtime, made by java_lang_Runtime::clinit.
#define PLIMORA_STATICS_java_lang_Runtime(REF, VALUE) \
  REF(java_lang_Runtime, java_lang_Runtime, currentRuntime)
