// java.io.PrintStream: printing values as text, and dropping the IOExceptions of its stream.
#include "javame/print_stream.h"

#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kTrueText = 366;   // "true"
constexpr int32_t kFalseText = 367;  // "false"
constexpr int32_t kLineEnd = 10;

// Drops a pending java_io_IOException, as PrintStream never passes one on.
void DropIOException() {
  if (InstanceOf(GetPendingException(), cid::java_io_IOException)) ClearPendingException();
}

}  // namespace

// ---- Forwarded operations -----------------------------------------------------------------

void java_io_PrintStream::close() {
  if (NullCheck(out)) out->close();
}

void java_io_PrintStream::flush() {
  if (NullCheck(out)) out->flush();
}

void java_io_PrintStream::write(int32_t b) {
  if (NullCheck(out)) out->write(b);
}

void java_io_PrintStream::write(ByteArray* b, int32_t off, int32_t len) {
  if (NullCheck(out)) out->write(b, off, len);
}

// ---- Printing -----------------------------------------------------------------------------

void java_io_PrintStream::print(String* s) {
  if (!s) s = String::valueOf(static_cast<Object*>(nullptr));
  ByteArray* bytes = s ? s->getBytes() : nullptr;
  if (!NullCheck(out) || !bytes) return;
  out->write(bytes);
  DropIOException();
}

void java_io_PrintStream::print(char16_t c) {
  if (!NullCheck(out)) return;
  out->write(c);
  DropIOException();
}

void java_io_PrintStream::print(CharArray* chars) {
  if (!NullCheck(chars) || !NullCheck(out)) return;
  for (int32_t i = 0; i < chars->length; i++) {
    out->write(chars->elements()[i]);
    if (GetPendingException()) break;
  }
  DropIOException();
}

void java_io_PrintStream::print(bool b) {
  print(GetConstantString(b ? kTrueText : kFalseText));
}

void java_io_PrintStream::print(int32_t i) {
  print(String::valueOf(i));
}

void java_io_PrintStream::print(int64_t l) {
  print(String::valueOf(l));
}

void java_io_PrintStream::print(Object* object) {
  print(String::valueOf(object));
}

// ---- Printing lines -----------------------------------------------------------------------

void java_io_PrintStream::newLine() {
  if (!NullCheck(out)) return;
  out->write(kLineEnd);
  DropIOException();
}

void java_io_PrintStream::println() {
  newLine();
}

void java_io_PrintStream::println(String* s) {
  print(s);
  if (!GetPendingException()) newLine();
}

void java_io_PrintStream::println(char16_t c) {
  print(c);
  if (!GetPendingException()) newLine();
}

void java_io_PrintStream::println(bool b) {
  print(b);
  if (!GetPendingException()) newLine();
}

void java_io_PrintStream::println(int32_t i) {
  print(i);
  if (!GetPendingException()) newLine();
}

void java_io_PrintStream::println(Object* object) {
  print(object);
  if (!GetPendingException()) newLine();
}
