// javax.microedition.lcdui.Command: a label, an optional long label, a command type and a
// priority. A constructor that refuses its arguments leaves the pending exception and stores
// nothing it has not checked yet.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class String;

class javax_microedition_lcdui_Command : public Object {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_lcdui_Command;

  // Command types: SCREEN 1, BACK 2, CANCEL 3, OK 4, HELP 5, STOP 6, EXIT 7, ITEM 8.
  static constexpr int32_t kFirstType = 1;
  static constexpr int32_t kLastType = 8;

  // A type outside 1..8 throws java_lang_IllegalArgumentException before anything is stored;
  // then type and priority are stored; then a null label throws
  // java_lang_NullPointerException. So a bad type and a null label raise the first.
  javax_microedition_lcdui_Command(String* label, int32_t commandType, int32_t priority);
  javax_microedition_lcdui_Command(String* label, String* longLabel, int32_t commandType,
                                   int32_t priority);

  String* label;
  String* longLabel;  // null for the three-argument form
  int32_t commandType;
  int32_t priority;
};
