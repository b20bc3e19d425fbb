// java.io.PrintStream: text printed as bytes (each character's low 8 bits) on another output
// stream, each line ended by the single byte 10. A java_io_IOException raised by that stream
// is dropped, separately for the text and the line end; any other exception passes through.
#pragma once

#include <cstdint>

#include "javame/output_stream.h"
#include "runtime/class.h"

class CharArray;
class String;

class java_io_PrintStream : public java_io_OutputStream {
 public:
  static constexpr int16_t kClassId = cid::java_io_PrintStream;

  java_io_PrintStream() { RegisterReferenceFields(this, &out); }
  explicit java_io_PrintStream(java_io_OutputStream* stream) : java_io_PrintStream() {
    out = stream;
  }

  // Forwarded to out.
  void close() override;
  void flush() override;
  void write(int32_t b) override;
  void write(ByteArray* b, int32_t off, int32_t len) override;
  using java_io_OutputStream::write;

  // Null prints as "null".
  void print(String* s);
  void print(char16_t c);
  void print(CharArray* chars);
  void print(bool b);  // string constant 366 or 367
  void print(int32_t i);
  void print(int64_t l);  // the low 32 bits
  // The object's toString; "null" for null.
  void print(Object* object);

  void println();
  void println(String* s);
  void println(char16_t c);
  void println(bool b);
  void println(int32_t i);
  void println(Object* object);

  java_io_OutputStream* out;

 private:
  // Writes the line end; an IOException it raises is dropped.
  void newLine();
};
