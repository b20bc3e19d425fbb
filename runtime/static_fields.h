// How static fields are declared: once each, in their class's list. Each floor above the
// runtime declares its lists' fields in its own class of the static block
// (javame/device_statics.h, then game/game_statics.h), and the registry builds the
// collector's table of reference statics from the same lists (registry/static_fields.h), so
// every reference static is a root and no count of roots is kept by hand.
//
// A list is a macro of two arguments, REF and VALUE, with one entry a field:
//   REF(Class, Type, name)    a reference static, a Type* (a StaticRef<Type> in the block)
//   VALUE(Class, Type, name)  a primitive static of type Type
// The block's field is named Class_name and is zero when the block is made. A class adds its
// statics by writing its list beside its own code and naming it in its floor's list.
#pragma once

#include <cstdint>

#include "runtime/static_ref.h"

#define PLIMORA_DECLARE_REF_STATIC(owner, type, name) StaticRef<type> owner##_##name{};
#define PLIMORA_DECLARE_VALUE_STATIC(owner, type, name) type owner##_##name{};
#define PLIMORA_COUNT_REF_STATIC(owner, type, name) +1
#define PLIMORA_SKIP_STATIC(owner, type, name)
