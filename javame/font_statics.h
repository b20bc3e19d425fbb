// The static fields of javax.microedition.lcdui.Font as one declaration list for the static
// block (runtime/static_fields.h says how an entry is written).
#pragma once

class javax_microedition_lcdui_Font;
class java_util_Hashtable;

// defaultFont: made by the first getDefaultFont; fontCache: the fonts of getFont(int, int, int)
// by face | style | size, made by its first call.
#define PLIMORA_STATICS_javax_microedition_lcdui_Font(REF, VALUE)                \
  REF(javax_microedition_lcdui_Font, javax_microedition_lcdui_Font, defaultFont) \
  REF(javax_microedition_lcdui_Font, java_util_Hashtable, fontCache)
