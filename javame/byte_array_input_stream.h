// java.io.ByteArrayInputStream: reads buf[pos .. count). 0 <= markPos, pos <= count <= length
// of buf always holds: a range outside the array is refused before anything is stored.
#pragma once

#include <cstdint>

#include "javame/input_stream.h"
#include "runtime/class.h"

class java_io_ByteArrayInputStream : public java_io_InputStream {
 public:
  static constexpr int16_t kClassId = cid::java_io_ByteArrayInputStream;

  java_io_ByteArrayInputStream() { RegisterReferenceFields(this, &buf); }
  // The whole array.
  explicit java_io_ByteArrayInputStream(ByteArray* b);
  // length bytes from offset, cut at the end of the array. A negative offset or length, or an
  // offset past the end, gives an empty stream (one trace line).
  java_io_ByteArrayInputStream(ByteArray* b, int32_t offset, int32_t length);

  // Synchronized. read gives -1 at the end; the array read gives -1 at the end, 0 for a
  // zero-length request, and reads nothing (0, one trace line) for a range outside b.
  int32_t read(ByteArray* b, int32_t off, int32_t len) override;
  using java_io_InputStream::read;
  int32_t read() override;
  int64_t skip(int64_t n) override;       // synchronized; up to the end, 0 for a negative n
  int32_t available() override;           // synchronized
  void close() override;                  // synchronized; the stream stays readable
  void mark(int32_t readLimit) override;  // the limit is ignored
  void reset() override;                  // synchronized; back to the mark
  bool markSupported() override { return true; }

  ByteArray* buf;
  int32_t pos;      // next index to read
  int32_t markPos;  // the mark: the index reset returns to (named apart from mark())
  int32_t count;    // one past the last readable index
};
