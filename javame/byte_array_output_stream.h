// java.io.ByteArrayOutputStream: bytes written into a managed array that grows as needed
// (to twice its length, or to what is needed when that is more). buf[0 .. count) are the bytes
// written; writing after close is still allowed.
#pragma once

#include <cstdint>

#include "javame/output_stream.h"
#include "runtime/class.h"

class String;

class java_io_ByteArrayOutputStream : public java_io_OutputStream {
 public:
  static constexpr int16_t kClassId = cid::java_io_ByteArrayOutputStream;

  // A buffer of 32 bytes.
  java_io_ByteArrayOutputStream();
  // A buffer of size bytes (a negative size is reported and taken as 0).
  explicit java_io_ByteArrayOutputStream(int32_t size);

  // Synchronized. A byte or a range that the buffer cannot grow for is dropped with a trace
  // line; so is a range outside b.
  void write(int32_t b) override;
  void write(ByteArray* b, int32_t off, int32_t len) override;
  using java_io_OutputStream::write;
  void close() override;  // synchronized; marks the stream closed

  // The bytes as ISO-8859-1 text.
  String* toString() override;
  virtual void reset();    // 11: synchronized; count = 0, the buffer is kept
  virtual int32_t size();  // 12: count

  // Synchronized. The buffer itself when the stream is closed and the buffer exactly full;
  // otherwise a copy of the bytes written.
  ByteArray* toByteArray();

  ByteArray* buf;
  int32_t count;
  uint8_t closed;  // 0 or 1

 private:
  // Grows buf so it holds at least needed bytes; false (with a trace line) when it cannot.
  bool ensureRoom(int64_t needed);
};
