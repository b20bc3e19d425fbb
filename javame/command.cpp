// Command's construction: the type checked first, then the label.
#include "javame/command.h"

#include "javame/exception_classes.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"

using Command = javax_microedition_lcdui_Command;

Command::javax_microedition_lcdui_Command(String* commandLabel, int32_t type, int32_t order)
    : javax_microedition_lcdui_Command(commandLabel, nullptr, type, order) {}

Command::javax_microedition_lcdui_Command(String* commandLabel, String* commandLongLabel,
                                          int32_t type, int32_t order) {
  RegisterReferenceFields(this, &label, &longLabel);
  if (type < kFirstType || type > kLastType) {
    ThrowException(NewObject<java_lang_IllegalArgumentException>());
    return;
  }
  commandType = type;
  priority = order;
  if (!commandLabel) {
    ThrowException(NewObject<java_lang_NullPointerException>());
    return;
  }
  label = commandLabel;
  longLabel = commandLongLabel;
}
