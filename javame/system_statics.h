// The static fields of java_lang_System as one declaration list for the static block
// (runtime/static_fields.h says how an entry is written).
#pragma once

class java_io_PrintStream;
class java_util_Hashtable;

// out, err: one PrintStream over the console stream, which discards what it is given.
// properties: the system-property table that getProperty reads.
#define PLIMORA_STATICS_java_lang_System(REF, VALUE) \
  REF(java_lang_System, java_io_PrintStream, out)    \
  REF(java_lang_System, java_io_PrintStream, err)    \
  REF(java_lang_System, java_util_Hashtable, properties)
