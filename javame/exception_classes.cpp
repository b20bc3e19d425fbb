// The constructors and operations that every throwable class shares, and the one constructor
// of its own (ArrayIndexOutOfBoundsException's, which builds its message from the index).
#include "javame/exception_classes.h"

#include "javame/device_statics.h"
#include "javame/print_stream.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"

namespace {

constexpr int32_t kEmptyMessage = 46;          // the empty string
constexpr int32_t kIndexOutOfRangeText = 356;  // "Array index out of range: "

}  // namespace

// Exceptions raised while the pool itself is being read come before constant 46 exists; they
// get an empty string of their own.
java_lang_Throwable::java_lang_Throwable() {
  RegisterReferenceFields(this, &message, &stackTrace);
  message = LoadedConstantString(kEmptyMessage);
  if (!message) message = NewObject<String>();
}

java_lang_Throwable::java_lang_Throwable(String* text) {
  RegisterReferenceFields(this, &message, &stackTrace);
  message = text;
}

String* java_lang_Throwable::toString() {
  return message;
}

void java_lang_Throwable::printStackTrace() {
  java_io_PrintStream* err = Statics<DeviceStatics>()->java_lang_System_err;
  if (NullCheck(err)) err->println(stackTrace);
}

// Without room for the text the message stays the empty string.
java_lang_ArrayIndexOutOfBoundsException::java_lang_ArrayIndexOutOfBoundsException(int32_t index) {
  auto* text = NewObject<StringBuffer>(16);
  if (!text) return;
  text->append(GetConstantString(kIndexOutOfRangeText));
  text->append(index);
  message = text->toString();
}

// ---- Raising with a message constant ------------------------------------------------------

void ThrowIllegalArgument(int32_t text) {
  ThrowException(NewObject<java_lang_IllegalArgumentException>(GetConstantString(text)));
}

// Without room for the text the message is null.
void ThrowIllegalArgument(int32_t text, int32_t value) {
  auto* message = NewObject<StringBuffer>(16);
  if (message) message->append(GetConstantString(text))->append(value);
  ThrowException(
      NewObject<java_lang_IllegalArgumentException>(message ? message->toString() : nullptr));
}

void ThrowIllegalState(int32_t text) {
  ThrowException(NewObject<java_lang_IllegalStateException>(GetConstantString(text)));
}
