// The static fields of every class, declared once each in its class's list, and the block
// area built from those lists. The same lists build the collector's table of reference
// statics, so every reference static is a root and no count of roots is kept by hand.
//
// A list is a macro of two arguments, REF and VALUE, with one entry a field:
//   REF(Class, Type, name)    a reference static, a Type* (a StaticRef<Type> in the block)
//   VALUE(Class, Type, name)  a primitive static of type Type
// The block's field is named Class_name. A class adds its statics by writing its list beside
// its own code and naming it in PLIMORA_STATIC_FIELDS.
#pragma once

#include <cstdint>

#include "game/board/actor_statics.h"
#include "game/board/bubble_statics.h"
#include "game/shell/cgame_statics.h"
#include "javame/boxed_statics.h"
#include "javame/font_statics.h"
#include "javame/runtime_statics.h"
#include "runtime/static_ref.h"
#include "javame/system_statics.h"

// Every list, in block order: the game's and the class library's first, the runtime's own
// after them.
#define PLIMORA_STATIC_FIELDS(REF, VALUE)                                              \
  PLIMORA_STATICS_cGame(REF, VALUE) PLIMORA_STATICS_Bubble(REF, VALUE)                 \
      PLIMORA_STATICS_cActor(REF, VALUE) PLIMORA_STATICS_java_lang_Boolean(REF, VALUE) \
          PLIMORA_STATICS_java_lang_Runtime(REF, VALUE)                                \
              PLIMORA_STATICS_javax_microedition_lcdui_Font(REF, VALUE)                \
                  PLIMORA_STATICS_java_lang_System(REF, VALUE)

#define PLIMORA_DECLARE_REF_STATIC(owner, type, name) StaticRef<type> owner##_##name;
#define PLIMORA_DECLARE_VALUE_STATIC(owner, type, name) type owner##_##name;
#define PLIMORA_COUNT_REF_STATIC(owner, type, name) +1
#define PLIMORA_SKIP_STATIC(owner, type, name)

// The statics area of the block: zero-filled at start-up, each field at a fixed place.
struct StaticFields {
  PLIMORA_STATIC_FIELDS(PLIMORA_DECLARE_REF_STATIC, PLIMORA_DECLARE_VALUE_STATIC)
};

// The number of reference statics: the length of the static root table.
constexpr int32_t kStaticRootCount =
    0 PLIMORA_STATIC_FIELDS(PLIMORA_COUNT_REF_STATIC, PLIMORA_SKIP_STATIC);
