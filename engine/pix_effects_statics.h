// The static fields of MQPixEffects as one declaration list for the static block
// (runtime/static_fields.h says how an entry is written).
#pragma once

#include <cstdint>

class ObjectArray;
class javax_microedition_lcdui_Graphics;
class javax_microedition_lcdui_Image;

// effectMask: bit n = effect n on; fullScreenMask: the subset of effects 0..4 on the screen.
// effectParams: Object[12] of int[]; effect 11's is {alpha mode, scale percent, alpha}.
// effectOutputAlpha, effectOutputWidth, effectOutputHeight: how to draw the last output.
// effectClock: milliseconds, advanced by update; effectScreenWidth, effectScreenHeight: the
// canvas size at set-up; effectCounter0, effectCounter1: zeroed at set-up.
// effectBufferImage and effectBufferGraphics: the screen-sized buffer of full-screen effects,
// made only with full support; effectImageFlag: non-zero while a full-screen image is in use.
#define PLIMORA_STATICS_MQPixEffects(REF, VALUE)                             \
  VALUE(MQPixEffects, int32_t, effectMask)                                   \
  VALUE(MQPixEffects, int32_t, fullScreenMask)                               \
  REF(MQPixEffects, ObjectArray, effectParams)                               \
  VALUE(MQPixEffects, bool, effectOutputAlpha)                               \
  VALUE(MQPixEffects, int32_t, effectOutputWidth)                            \
  VALUE(MQPixEffects, int32_t, effectOutputHeight)                           \
  VALUE(MQPixEffects, int32_t, effectClock)                                  \
  VALUE(MQPixEffects, int32_t, effectScreenWidth)                            \
  VALUE(MQPixEffects, int32_t, effectScreenHeight)                           \
  VALUE(MQPixEffects, int32_t, effectCounter0)                               \
  VALUE(MQPixEffects, int32_t, effectCounter1)                               \
  REF(MQPixEffects, javax_microedition_lcdui_Image, effectBufferImage)       \
  REF(MQPixEffects, javax_microedition_lcdui_Graphics, effectBufferGraphics) \
  VALUE(MQPixEffects, int32_t, effectImageFlag)                              \
  VALUE(MQPixEffects, bool, effectsInitialised)
