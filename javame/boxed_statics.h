// The static fields of java.lang.Boolean as one declaration list for the static block
// (runtime/static_fields.h says how an entry is written).
#pragma once

class java_lang_Boolean;

// TRUE, FALSE: the two shared Booleans, made by java_lang_Boolean::clinit.
#define PLIMORA_STATICS_java_lang_Boolean(REF, VALUE) \
  REF(java_lang_Boolean, java_lang_Boolean, TRUE)     \
  REF(java_lang_Boolean, java_lang_Boolean, FALSE)
